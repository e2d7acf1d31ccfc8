#include "steps/client_options/ViewPage.h"

ViewPage::ViewPage(QWidget *parent)
    : StepPage(QStringLiteral("pnlView"), QStringLiteral("// Options: View"), parent)
{
    setNextButton(QStringLiteral("SpeedButton3"), QStringLiteral("Step 6/ 10 - Next >"),
                  QStringLiteral("go to step 7"));
}
