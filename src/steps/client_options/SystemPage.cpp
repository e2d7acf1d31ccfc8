#include "steps/client_options/SystemPage.h"

SystemPage::SystemPage(QWidget *parent)
    : StepPage(QStringLiteral("pnlSystem"), QStringLiteral("// Options: System"), parent)
{
    setNextButton(QStringLiteral("SpeedButton2"), QStringLiteral("Step 7/ 10 - Next >"),
                  QStringLiteral("go to step 8"));
}
