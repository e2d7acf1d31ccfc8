#pragma once

#include "wizard/StepPage.h"

// The Server options step: ten groups of server settings, each row an enable box, a label and
// a value (an edit or a check box). Only the rows whose enable box is checked are written.
class ServerPage : public StepPage
{
    Q_OBJECT
public:
    explicit ServerPage(QWidget *parent = nullptr);
};
