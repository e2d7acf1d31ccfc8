#pragma once

// What must hold of any line as the console line reader reads it and as the line check checks
// it, whatever the line holds.
#include "game/ConsoleLine.h"
#include "game/LineCheck.h"

namespace Fuzz {

// The commands cover the line up to a NUL, one after the other; words and comments lie inside
// their command in order, each word's text is what its span holds, and the line's facts agree
// with its words.
void checkRead(const QString &line, const Game::ConsoleLine &read, Game::Version version);

// Marks and problems lie inside the line, marks left to right without overlapping, problems
// left to right, every problem with a span and a message.
void checkChecked(const QString &line, const Game::LineCheck &check);

} // namespace Fuzz
