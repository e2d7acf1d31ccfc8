#pragma once

// The check of one very long line, which the player may paste or open. Such lines make as many
// commands, comments and semicolons as they have characters, and the check must stay linear in
// them:
//   - ET 2.60b, "//;x" repeated: every ';' ends a comment and starts a command;
//   - ET: Legacy, ';' repeated, then "http://", then ';' repeated: half the ';'s end empty
//     commands, the other half end none.
namespace LongLine {

enum class Kind { CommentSemicolons, WebAddress };

// The check of such a line of about `bytes` characters, in milliseconds (the best of three).
double checkMs(Kind kind, int bytes);

} // namespace LongLine
