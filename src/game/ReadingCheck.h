#pragma once

#include "game/ConsoleLine.h"
#include "game/LineCheck.h"

#include <QStringView>

namespace Game {

// Where the game reads less of a line than it shows, or reads it otherwise: a NUL character
// that ends the file, words past the most a command has, ET: Legacy comments that swallow a
// ';' or run on over the lines below. Adds those problems, and marks the comments between
// words, to `out`; `line` is `text` as readLine read it.
void checkReading(QStringView text, const ConsoleLine &line, Version version, LineCheck &out);

} // namespace Game
