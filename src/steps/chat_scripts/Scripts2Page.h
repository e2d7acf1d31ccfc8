#pragma once

#include "wizard/StepPage.h"

// Scripts part 2: jump, crouch, kill, walk and direct artillery.
class Scripts2Page : public StepPage
{
    Q_OBJECT
public:
    explicit Scripts2Page(QWidget *parent = nullptr);
};
