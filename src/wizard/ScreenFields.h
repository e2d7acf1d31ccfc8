#pragma once

#include "wizard/RecoveryState.h"

class QWidget;

// The values a player can set on a screen, found by walking the screen's controls: the text of
// every line edit (key fields included), whether every check box and radio button is checked,
// and the item and text of every combo box. Each is keyed by the control's object name, so that
// a value goes back to the same control in another run of the program.
namespace ScreenFields {
// Appends the values of `screen`'s named controls, each key starting with `prefix`.
void read(const QWidget *screen, const QString &prefix, QList<FieldValue> *values);
// Puts back, in their order, the values whose key starts with `prefix`; a key naming no control
// of the screen, or a value the control cannot hold, is passed over.
void restore(QWidget *screen, const QString &prefix, const QList<FieldValue> &values);
} // namespace ScreenFields
