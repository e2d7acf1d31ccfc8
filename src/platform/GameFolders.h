#pragma once

#include <QStringList>

// Which game's folders come first: the one the player writes scripts for.
enum class FirstFolders { Et260b, Legacy };

// The folders on this machine from which the game reads scripts, those that exist: ET: Legacy's
// `<home>/legacy` (`~/.etlegacy/legacy`; on Windows `Documents/ETLegacy/legacy`) and ET 2.60b's
// `etmain` (`~/.etwolf/etmain`; on Windows the `etmain` folder of the game's install), the
// chosen game's first.
QStringList gameScriptFolders(FirstFolders first = FirstFolders::Legacy);
