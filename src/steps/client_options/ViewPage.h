#pragma once

#include "wizard/StepPage.h"

// The View options step: six display settings.
class ViewPage : public StepPage
{
    Q_OBJECT
public:
    explicit ViewPage(QWidget *parent = nullptr);
};
