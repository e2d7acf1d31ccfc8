#pragma once

#include "wizard/StepPage.h"

// The System options step: resolution and four renderer settings.
class SystemPage : public StepPage
{
    Q_OBJECT
public:
    explicit SystemPage(QWidget *parent = nullptr);
};
