#pragma once

#include "game/GameData.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// The game's name tables as the lookups of GameData.h hold them, read from the repository's
// copies under resources/game/ (compiled in as a Qt resource) on the first lookup, once.
namespace Game {

struct Tables
{
    QHash<QString, SettingInfo> settings; // by folded name
    QHash<QString, CommandInfo> commands; // by folded name
    QSet<QString> keys[2]; // upper-case names, by version
    QSet<QString> vsays; // folded
    QSet<QString> crosshairColours; // folded
    QStringList settingNames[2]; // by version
    QStringList commandNames[2];
    QStringList problems;
};

// The tables, read on the first call.
const Tables &tables();

} // namespace Game
