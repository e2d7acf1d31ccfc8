#pragma once

#include "wizard/StepPage.h"

class KeyCheck;

// Scripts part 2: jump, crouch, kill, walk and direct artillery. The enabled scripts are written
// always in the same order.
class Scripts2Page : public StepPage
{
    Q_OBJECT
public:
    explicit Scripts2Page(KeyCheck &keys, QWidget *parent = nullptr);

protected:
    // With ET: Legacy the kill script's hints say when that game refuses /kill.
    void showGameVersion() override;
};
