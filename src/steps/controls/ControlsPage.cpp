#include "steps/controls/ControlsPage.h"

ControlsPage::ControlsPage(QWidget *parent)
    : StepPage(QStringLiteral("pnlControls"), QStringLiteral("// Options: Controls"), parent)
{
    setNextButton(QStringLiteral("SpeedButton8"), QStringLiteral("Step 1/ 10 - Next >"),
                  QStringLiteral("go to step 2"));
}
