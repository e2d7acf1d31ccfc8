#pragma once

#include "wizard/StepPage.h"

// The Server options step: ten groups of server settings.
class ServerPage : public StepPage
{
    Q_OBJECT
public:
    explicit ServerPage(QWidget *parent = nullptr);
};
