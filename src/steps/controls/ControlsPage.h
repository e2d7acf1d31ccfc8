#pragma once

#include "wizard/StepPage.h"

class KeyCheck;

// The Controls step: 47 binding rows in eight groups. A checked row writes one line (none for a
// key the game cannot bind), an unchecked row nothing; the inputs are written so that the game
// reads them as they stand. The key fields show what `keys` finds wrong with their keys.
class ControlsPage : public StepPage
{
    Q_OBJECT
public:
    explicit ControlsPage(KeyCheck &keys, QWidget *parent = nullptr);
};
