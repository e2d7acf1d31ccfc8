#pragma once

#include "wizard/StepPage.h"

class QCheckBox;

// The Game options step: nick name and seven game settings.
class GamePage : public StepPage
{
    Q_OBJECT
public:
    explicit GamePage(const QCheckBox *chkName, QWidget *parent = nullptr);

private:
    const QCheckBox *m_chkName;
};
