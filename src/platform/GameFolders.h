#pragma once

#include <QDateTime>
#include <QList>
#include <QStringList>

// Which game's folders come first: the one the player writes scripts for.
enum class FirstFolders { Et260b, Legacy };

// The folders on this machine from which the game reads scripts, those that exist: ET: Legacy's
// `<home>/legacy` (`~/.etlegacy/legacy`; on Windows `Documents/ETLegacy/legacy`) and ET 2.60b's
// `etmain` (`~/.etwolf/etmain`; on Windows the `etmain` folder of the game's install), the
// chosen game's first.
QStringList gameScriptFolders(FirstFolders first = FirstFolders::Legacy);
// A player profile of one of the games, found on this machine: the folder the game keeps the
// player's settings in. Each game's home folder is, on Linux, `~/.etwolf` (ET 2.60b) and
// `~/.etlegacy` (ET: Legacy); on Windows the game's install folder and `Documents/ETLegacy`; on
// macOS `~/Library/Application Support/Wolfenstein ET` and `.../etlegacy`. The profiles are in
// its `etmain/profiles` (ET 2.60b) or `legacy/profiles` (ET: Legacy), one folder each.
struct GameProfile
{
    bool legacy = false; // ET: Legacy's, else ET 2.60b's
    QString name; // from the profile's profile.dat without colour codes; else its folder's name
    bool isDefault = false; // the one profiles/defaultprofile.dat names
    QString settingsFile; // its etconfig.cfg
    QDateTime modified; // when the game last wrote that file
};

// Every profile with a settings file, ET: Legacy's first, each game's default profile first.
QList<GameProfile> gameProfiles();
