#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

// A choice the program keeps between runs: where it is stored and what it is before the player
// ever made it.
template<typename T> struct SettingKey
{
    const char *name;
    T fallback;
};

// Every choice the program keeps, with its default. A new one is one more line here.
namespace Setting {

// The scripts opened or saved last, most recent first (full paths).
inline const SettingKey<QStringList> recentScripts {"files/recentScripts", {}};
// The folder of the script opened or saved last; empty before the first.
inline const SettingKey<QString> lastFolder {"files/lastFolder", {}};
// The game scripts are written and checked for (start screen and Check Script): "et260b" or
// "legacy".
inline const SettingKey<QString> gameVersion {"check/gameVersion", QStringLiteral("et260b")};

} // namespace Setting

// The program's settings, in the user's settings of the program (organisation "Tarvex"). Tests
// run with test paths, away from the player's settings.
class Settings
{
public:
    Settings();

    template<typename T> T value(const SettingKey<T> &key) const
    {
        return m_store.value(QLatin1String(key.name), QVariant::fromValue(key.fallback))
                .template value<T>();
    }
    template<typename T> void setValue(const SettingKey<T> &key, const T &value)
    {
        m_store.setValue(QLatin1String(key.name), QVariant::fromValue(value));
    }
    // Forgets every choice: each key is back to its default.
    void clear();

private:
    QSettings m_store;
};
