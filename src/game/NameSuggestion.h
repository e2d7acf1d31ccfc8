#pragma once

#include "game/GameData.h"

#include <QString>
#include <QStringView>

// A "did you mean" for a name the game does not know: the known name closest to it.
namespace Game {

// The setting of `version` (with `commandsToo`, the setting or command) whose name is closest
// to `name` by edit distance, ASCII letters compared without case; empty when none is close.
// Close is one character changed, added, taken out or two swapped (names of four to six
// characters: one edit; longer names: two); names of fewer than four characters get none.
QString closestName(QStringView name, Version version, bool commandsToo);

} // namespace Game
