#pragma once

#include "game/ScriptRun.h"

#include <QVector>

class Wizard;

// What filling the wizard's rows from a file did.
struct RowFill
{
    // By entry of the file's leftSet(): whether the rows' own lines now set it as the file did.
    QVector<bool> carried;
    int bindings = 0; // carried bindings
    int settings = 0; // carried settings
};

// Fills the rows of the option steps from what `read` leaves set. A binding row takes the first
// key bound to its command (a script's key row turns its script on with it) and has its enable
// box turned off when the command is not bound; a setting row takes the value and turns its box
// on, or off when the file does not set it. The rows' lines, as the run will write them, are
// then run like the file: what they set as the file did is carried; the rest is for the
// section that keeps it. The says step lists the file's vsay and say bindings, as its Add
// buttons would have; a screen's controls that are not rows take their settings too.
RowFill fillRows(Wizard &wizard, const Game::ScriptRun &read);
