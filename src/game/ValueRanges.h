#pragma once

#include "game/GameData.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// The values a setting the wizard writes can take in each game version, where the game changes
// any other value: com_maxfps (ET: Legacy clamps it), cg_fov (both clamp it) and s_khz (both
// know a few rates).
namespace Game {

// The rates of s_khz that `version` knows, lowest first.
QStringList soundRates(Version version);

// Why the game would not take `value` for `setting` as it stands, naming the values it takes:
// "ET: Legacy takes com_maxfps from 20 to 500: it would use 20 for 0". Empty when it takes it,
// when the setting has no such limits, and for an empty value.
QString valueOutOfRange(QStringView setting, const QString &value, Version version);

} // namespace Game
