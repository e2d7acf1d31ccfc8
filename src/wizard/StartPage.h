#pragma once

#include "wizard/SectionStyle.h"
#include "wizard/StepPage.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

// The start screen: the comment lines that open the script, "unbindall", and the section style
// that frames every later step. "Start..." writes the script header.
class StartPage : public StepPage
{
    Q_OBJECT
public:
    explicit StartPage(QWidget *parent = nullptr);

    // The script header, the same under every section style.
    QStringList lines() const override;

    // Read afresh by every step when its Next is pressed.
    SectionStyle sectionStyle() const;

    // Also guards the Game options step's nick-name line.
    const QCheckBox *nameBox() const { return m_chkName; }

private:
    QCheckBox *m_chkName;
    QLineEdit *m_edCFG;
    QCheckBox *m_chkName2;
    QLineEdit *m_edName;
    QCheckBox *m_chkCopyright;
    QLineEdit *m_edCopyright;
    QCheckBox *m_chkUnbindall;
    QCheckBox *m_chkNotes;
    QLineEdit *m_edNotes;
    QRadioButton *m_SN;
    QRadioButton *m_S1;
    QRadioButton *m_S2;
};
