#pragma once

#include "wizard/Layers.h"
#include "wizard/Transitions.h"

#include <QString>

// The wizard's screens in the order the player goes through them: the start screen (0) and the
// nine option steps (1 to 9). Each has the layer that shows it, its Next button (the button's
// objectName, caption with "&" before its mnemonic letter, and hint), the trigger that button
// starts, the trigger of its "< Back" button (steps 2 to 9 have one; the others repeat their
// Next's), and the title the step writes in its heading under Style 1. The start screen writes the
// script header, unframed; step 2 writes no lines at its Next, so it has no title.
struct StepInfo
{
    int number;
    Layer layer;
    const char *nextButton;
    QString nextCaption;
    QString nextHint;
    Trigger next;
    Trigger back; // its "< Back" button, on steps 2 to 9
    QString title;
    bool writesLines;
};

constexpr int startScreen = 0;
constexpr int firstStep = 1;
constexpr int lastStep = 9;
constexpr int firstStepWithBack = 2;

// The row of the start screen (0) or of an option step (1 to 9).
const StepInfo &stepInfo(int number);
