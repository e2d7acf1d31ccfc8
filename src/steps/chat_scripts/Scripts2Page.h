#pragma once

#include "wizard/StepPage.h"

class QCheckBox;
class QLineEdit;

// Scripts part 2: jump, crouch, kill, walk and direct artillery.
class Scripts2Page : public StepPage
{
    Q_OBJECT
public:
    explicit Scripts2Page(QWidget *parent = nullptr);

    // The enabled scripts, always in the same order.
    QStringList lines() const override;

private:
    QCheckBox *m_chkJump, *m_chkCrouch, *m_chkKill, *m_chkWalk, *m_chkArt;
    QLineEdit *m_edJump2, *m_edCrouch2, *m_edKill, *m_edKill1, *m_edWalk2, *m_edArt;
};
