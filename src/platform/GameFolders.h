#pragma once

#include <QStringList>

// The folders on this machine from which the game reads scripts, those that exist, in this order:
// ET: Legacy's `~/.etlegacy/legacy` and ET 2.60b's `~/.etwolf/etmain`; on Windows also the
// `etmain` folder of the game's install and ET: Legacy's `Documents/ETLegacy/legacy`.
QStringList gameScriptFolders();
