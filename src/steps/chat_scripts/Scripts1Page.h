#pragma once

#include "wizard/StepPage.h"

class KeyCheck;

// Scripts part 1: field of view, turn, gun, smoke, rain, crosshair, record, gamma, volume. The
// enabled scripts are written always in the same order, whatever order they were ticked in.
class Scripts1Page : public StepPage
{
    Q_OBJECT
public:
    explicit Scripts1Page(KeyCheck &keys, QWidget *parent = nullptr);
};
