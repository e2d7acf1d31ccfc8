#pragma once

#include "wizard/StepPage.h"

// The Miscellaneous options step, the last of the wizard.
class MiscPage : public StepPage
{
    Q_OBJECT
public:
    explicit MiscPage(QWidget *parent = nullptr);
};
