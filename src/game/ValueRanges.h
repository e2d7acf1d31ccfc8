#pragma once

#include "game/GameData.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The values a setting can take in each game version, where the game changes any other value:
// com_maxfps (ET: Legacy clamps it), cg_fov (both clamp it) and s_khz (both know a few rates).
// The wizard's fields and the check of script lines both go by these.
namespace Game {

// The numbers a setting keeps to: the game clamps any other.
struct ValueRange
{
    int lowest;
    int highest;
    bool whole; // whole numbers only: the game drops a fraction
};

// The range `version` keeps `setting` (any case) in; none for a setting it does not clamp.
std::optional<ValueRange> valueRange(QStringView setting, Version version);

// The rates of s_khz that `version` knows, lowest first.
QStringList soundRates(Version version);

// Why the game would not take `value` for `setting` as it stands, naming the values it takes:
// "ET: Legacy takes com_maxfps from 20 to 500: it would use 20 for 0". Empty when it takes it,
// when the setting has no such limits, and for an empty value.
QString valueOutOfRange(QStringView setting, const QString &value, Version version);

} // namespace Game
