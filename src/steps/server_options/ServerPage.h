#pragma once

#include "wizard/StepPage.h"

#include <vector>

class QCheckBox;
class QLineEdit;

// The Server options step: ten groups of server settings, each row an enable box, a label and
// a value (an edit or a check box). Only the rows whose enable box is checked are written.
class ServerPage : public StepPage
{
    Q_OBJECT
public:
    explicit ServerPage(QWidget *parent = nullptr);

    QStringList lines() const override;

private:
    // The controls of one row, in the order of ServerRows::rows().
    struct Controls
    {
        QCheckBox *enable = nullptr;
        QLineEdit *edit = nullptr; // the value when the row's value is an edit
        QCheckBox *flag = nullptr; // the value when it is a check box
    };
    std::vector<Controls> m_controls;
};
