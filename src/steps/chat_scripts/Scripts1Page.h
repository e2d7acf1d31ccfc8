#pragma once

#include "wizard/StepPage.h"

// Scripts part 1: field of view, turn, gun, smoke, rain, crosshair, record, gamma, volume.
class Scripts1Page : public StepPage
{
    Q_OBJECT
public:
    explicit Scripts1Page(QWidget *parent = nullptr);
};
