#pragma once

#include <QFlags>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// What the game knows by name: its settings, commands, keys, voice chat ids and crosshair
// colours, in the two game versions a script can be written for. Names are compared as the game
// compares them: ASCII letters without regard to case, every other character as it stands.
namespace Game {

enum class Version { Et260b, Legacy };
constexpr Version allVersions[] = {Version::Et260b, Version::Legacy};

// "ET 2.60b" or "ET: Legacy".
QString displayName(Version version);

enum class SettingFlag {
    Archive = 0x1, // a: saved in the game's own config
    Latched = 0x2, // l: takes effect after vid_restart / snd_restart or a restart
    ReadOnly = 0x4, // r: a script cannot change it
    InitOnly = 0x8, // i: only from the command line; a script cannot change it
    Cheat = 0x10, // c: only with cheats enabled; a script cannot change it
    UserInfo = 0x20, // u: sent to the server
    ServerInfo = 0x40, // s: shown to clients
    SystemInfo = 0x80, // y: sent to every client
    Unsafe = 0x100, // x: a server may not change it
    NumericDefault = 0x200, // n: its default is a number
    MenuOnly = 0x400, // z: only the menus list it; no code reads it, so setting it changes nothing
    NoEffect = 0x800, // e: registered, but nothing reads it or the game forces its value
};
Q_DECLARE_FLAGS(SettingFlags, SettingFlag)

enum class Place {
    Engine = 0x1, // the console itself: always there
    ClientGame = 0x2, // the client game: only while a game is loaded
    Server = 0x4, // sent to the server, which answers "unknown cmd" to names it lacks
};
Q_DECLARE_FLAGS(Places, Place)

struct SettingInfo
{
    QString name; // as the game spells it (the first spelling listed when the versions differ)
    std::optional<SettingFlags> flagsIn[2]; // by version; empty where that version lacks it
    // For a setting a script cannot change (read only, write protected, cheat protected): the
    // value it has before any script runs, which a line may set again without effect. Empty
    // where the tables do not say; startsAtRunTime where the game sets it as it starts (a
    // version string, a path), so that no value a script writes matches it.
    std::optional<QString> startValue;
    bool startsAtRunTime = false;

    bool in(Version version) const { return flagsIn[int(version)].has_value(); }
    // Its flags in that version; none where that version lacks it.
    SettingFlags flags(Version version) const
    {
        return flagsIn[int(version)].value_or(SettingFlags());
    }
};

struct CommandInfo
{
    QString name;
    Places placesIn[2]; // by version: where each version defines it; none where it lacks it

    bool in(Version version) const { return placesIn[int(version)] != Places(); }
    Places places(Version version) const { return placesIn[int(version)]; }
};

// The setting or command of that name in any version, or nullptr when no version has one.
// The tables are read on the first call of any lookup here, once.
const SettingInfo *findSetting(QStringView name);
const CommandInfo *findCommand(QStringView name);

// Whether the game accepts `name` as a key in bind and unbind: a name of its key table, or a
// single printable ASCII character other than ';' and '"' (a character is its own key name).
bool isKey(QStringView name, Version version);
// The form in which two key names are equal exactly when the game takes them for the same key:
// ASCII letters in capitals, ";" as SEMICOLON and " " as SPACE.
QString canonicalKey(QStringView name);
// The same in `version`: ET: Legacy also takes ALT, CTRL and SHIFT for the left-hand keys
// (LEFTALT, LEFTCTRL, LEFTSHIFT).
QString canonicalKey(QStringView name, Version version);
// The key names a binding to `key` is written for, so that the key works as the player meant:
// the key itself, and in ET: Legacy, where ALT, CTRL and SHIFT name the left-hand key only, the
// right-hand key too (RIGHTALT, RIGHTCTRL, RIGHTSHIFT).
QStringList keysToBind(const QString &key, Version version);

// A name as the game compares it: ASCII letters in lower case, every other character unchanged.
QString foldName(QStringView name);

// The names of every setting, or of every command, of that version, as the game spells them.
const QStringList &settingNames(Version version);
const QStringList &commandNames(Version version);

bool isVsay(QStringView id);
bool isCrosshairColour(QStringView name);

// Malformed rows found while reading the tables, "file:line: what"; empty when all were read.
QStringList tableProblems();

} // namespace Game

Q_DECLARE_OPERATORS_FOR_FLAGS(Game::SettingFlags)
Q_DECLARE_OPERATORS_FOR_FLAGS(Game::Places)
