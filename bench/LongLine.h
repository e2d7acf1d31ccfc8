#pragma once

// The check of one very long line, which the player may paste or open: ET 2.60b's reading of
// "//;" repeated makes as many comments, semicolons and commands as the line has characters
// thirds, and the check must stay linear in them.
namespace LongLine {

// The check of a line of "//;" repeated up to `bytes` characters, for ET 2.60b, in milliseconds
// (the best of three).
double checkMs(int bytes);

} // namespace LongLine
