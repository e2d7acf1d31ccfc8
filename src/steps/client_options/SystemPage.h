#pragma once

#include "wizard/StepPage.h"

#include <vector>

class QRadioButton;

// The System options step: resolution and four renderer settings, each of which can be left out.
class SystemPage : public StepPage
{
    Q_OBJECT
public:
    explicit SystemPage(QWidget *parent = nullptr);

    QStringList lines() const override;

private:
    struct Resolution
    {
        QRadioButton *button;
        QStringList lines;
    };
    std::vector<Resolution> m_resolutions;
};
