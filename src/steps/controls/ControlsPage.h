#pragma once

#include "wizard/StepPage.h"

// The Controls step: 47 binding rows in eight groups.
class ControlsPage : public StepPage
{
    Q_OBJECT
public:
    explicit ControlsPage(QWidget *parent = nullptr);
};
