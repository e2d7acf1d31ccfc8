#pragma once

#include "wizard/StepPage.h"

class KeyCheck;

// The Miscellaneous options step, the last of the wizard: client settings and the ready keys.
class MiscPage : public StepPage
{
    Q_OBJECT
public:
    explicit MiscPage(KeyCheck &keys, QWidget *parent = nullptr);

protected:
    // The sound rates offered are those the game chosen knows.
    void showGameVersion() override;
};
