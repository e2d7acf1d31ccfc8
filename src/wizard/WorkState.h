#pragma once

#include "wizard/RecoveryState.h"

class QPlainTextEdit;
class Wizard;

// The player's work as the wizard and the script view hold it, taken for a recovery file and
// put back from one.
namespace WorkState {
// The screen shown, the commands, the values of every screen built so far, the section style
// and the script view's text and caret. The caller adds the time, the file name and the game.
RecoveryState take(const Wizard &wizard, const QPlainTextEdit *scriptView);
// Puts all of it back: the script first (the key fields look up the keys it binds), then the
// screens' values, then the screen and the commands.
void restore(const RecoveryState &state, Wizard &wizard, QPlainTextEdit *scriptView);
} // namespace WorkState
