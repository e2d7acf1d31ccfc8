#include "game/GameData.h"

#include "game/AsciiCase.h"
#include "game/GameTables.h"

#include <algorithm>

namespace Game {

QString displayName(Version version)
{
    return version == Version::Et260b ? QStringLiteral("ET 2.60b") : QStringLiteral("ET: Legacy");
}

namespace {

QString upperCase(QStringView name)
{
    return asciiCase(name, asciiUpper);
}

template<typename T> const T *find(const QHash<QString, T> &table, QStringView name)
{
    const auto it = table.constFind(foldName(name));
    return it == table.cend() ? nullptr : &it.value();
}

} // namespace

const SettingInfo *findSetting(QStringView name)
{
    return find(tables().settings, name);
}

const CommandInfo *findCommand(QStringView name)
{
    return find(tables().commands, name);
}

bool isKey(QStringView name, Version version)
{
    if (name.size() == 1) {
        const char16_t c = name.front().unicode();
        return c >= 0x20 && c <= 0x7e && c != u';' && c != u'"';
    }
    return tables().keys[int(version)].contains(upperCase(name));
}

QString canonicalKey(QStringView name)
{
    if (name == u";")
        return QStringLiteral("SEMICOLON");
    if (name == u" ")
        return QStringLiteral("SPACE");
    return upperCase(name);
}

namespace {
// Names both games know for a key that has a left-hand and a right-hand twin.
const QLatin1String modifierKeys[]
        = {QLatin1String("ALT"), QLatin1String("CTRL"), QLatin1String("SHIFT")};

bool isModifierKey(const QString &canonical)
{
    return std::find(std::begin(modifierKeys), std::end(modifierKeys), canonical)
            != std::end(modifierKeys);
}
} // namespace

QString canonicalKey(QStringView name, Version version)
{
    const QString canonical = canonicalKey(name);
    if (version == Version::Legacy && isModifierKey(canonical))
        return QStringLiteral("LEFT") + canonical;
    return canonical;
}

QStringList keysToBind(const QString &key, Version version)
{
    const QString canonical = canonicalKey(key.trimmed());
    if (version == Version::Legacy && isModifierKey(canonical))
        return {key, QStringLiteral("RIGHT") + canonical};
    return {key};
}

// The game folds only ASCII letters when it compares names.
QString foldName(QStringView name)
{
    return asciiCase(name, asciiLower);
}

const QStringList &settingNames(Version version)
{
    return tables().settingNames[int(version)];
}

const QStringList &commandNames(Version version)
{
    return tables().commandNames[int(version)];
}

bool isVsay(QStringView id)
{
    return tables().vsays.contains(foldName(id));
}

bool isCrosshairColour(QStringView name)
{
    return tables().crosshairColours.contains(foldName(name));
}

QStringList tableProblems()
{
    return tables().problems;
}

} // namespace Game
