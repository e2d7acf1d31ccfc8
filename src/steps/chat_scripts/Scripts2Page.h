#pragma once

#include "wizard/StepPage.h"

class KeyCheck;
class KeyField;
class QCheckBox;
class QLineEdit;

// Scripts part 2: jump, crouch, kill, walk and direct artillery.
class Scripts2Page : public StepPage
{
    Q_OBJECT
public:
    explicit Scripts2Page(KeyCheck &keys, QWidget *parent = nullptr);

    // The enabled scripts, always in the same order.
    QStringList lines() const override;

private:
    QCheckBox *m_jumpEnabled, *m_crouchEnabled, *m_killEnabled, *m_walkEnabled, *m_artilleryEnabled;
    KeyField *m_jumpKey, *m_crouchKey, *m_killKey, *m_walkKey, *m_artilleryKey;
    QLineEdit *m_killMessage;

    // The kill key's command, with the say text as it is written.
    QString killBinding() const;
};
