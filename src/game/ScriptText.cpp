#include "game/ScriptText.h"

namespace Game {

namespace {

// A line end, or a character taken for one: the script view breaks its lines at U+2028 and
// U+2029 (Unicode's line and paragraph separators) and at U+FDD0 and U+FDD1, and the game stops
// reading the whole file at a NUL.
bool isLineEnd(QChar c)
{
    switch (c.unicode()) {
    case u'\n':
    case u'\r':
    case 0x2028:
    case 0x2029:
    case 0xfdd0:
    case 0xfdd1:
    case 0:
        return true;
    default:
        return false;
    }
}

// `text` with every line end as a blank and each character of `from` as the one at the same
// place in `to`.
QString replaced(QStringView text, QLatin1String from, QLatin1String to)
{
    QString out = text.toString();
    for (QChar &c : out) {
        if (isLineEnd(c)) {
            c = QLatin1Char(' ');
            continue;
        }
        const auto at = from.indexOf(c);
        if (at >= 0)
            c = to.at(at);
    }
    return out;
}

// Whether the game would read `text` as anything but one bare word that keeps every character.
bool needsQuotes(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f || c == QLatin1Char(';')
            || c == QLatin1Char('"'))
            return true;
    }
    // "//" starts a comment in both games, "/*" in ET: Legacy.
    return text.contains(u"//") || text.contains(u"/*");
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

QString settingValue(QStringView text)
{
    if (!needsQuotes(text))
        return text.toString();
    return quoted(replaced(text, QLatin1String("\""), QLatin1String("'")));
}

QString settingLine(const QString &prefix, const QString &value)
{
    if (replaced(value, QLatin1String(), QLatin1String()).trimmed().isEmpty()) {
        QStringView name(prefix);
        while (!name.isEmpty() && name.back().isSpace())
            name.chop(1);
        return QLatin1String("//") + name.toString();
    }
    return prefix + settingValue(value);
}

QString bindingText(QStringView text)
{
    return replaced(text, QLatin1String("\";"), QLatin1String("',"));
}

QString commentText(QStringView text)
{
    return replaced(text, QLatin1String(";"), QLatin1String(","));
}

QString bindKey(QStringView text)
{
    if (!canBind(text))
        return QString();
    // Blanks around the key go, those that characters taken for a line end became included.
    const QString blanked = replaced(text, QLatin1String(), QLatin1String());
    const QString key = blanked.trimmed();
    if (key == QLatin1String(";"))
        return QStringLiteral("SEMICOLON");
    if (needsQuotes(key))
        return quoted(key);
    return blanked;
}

bool canBind(QStringView text)
{
    return !text.contains(QLatin1Char('"'));
}

QStringList bindLine(const QString &key, const QString &command, Version version)
{
    if (!canBind(key))
        return {};
    // Without a key the game would take the command for the key: the line is kept as a
    // comment, as a setting without a value is.
    if (key.trimmed().isEmpty()) {
        return {QLatin1String("//bind ") + bindKey(key) + QLatin1String(" \"") + command
                + QLatin1Char('"')};
    }
    QStringList lines;
    for (const QString &each : keysToBind(key, version)) {
        lines << QLatin1String("bind ") + (each == key ? bindKey(key) : each) + QLatin1String(" \"")
                        + command + QLatin1Char('"');
    }
    return lines;
}

} // namespace Game
