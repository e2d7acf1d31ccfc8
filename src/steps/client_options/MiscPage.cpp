#include "steps/client_options/MiscPage.h"

MiscPage::MiscPage(QWidget *parent)
    : StepPage(QStringLiteral("pnlMisc"), QStringLiteral("// Miscellaneous"), parent)
{
    setNextButton(QStringLiteral("btn9"), QStringLiteral("Step 9/10 - Next >"),
                  QStringLiteral("go to the last step"));
}
