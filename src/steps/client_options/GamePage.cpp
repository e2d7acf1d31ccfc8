#include "steps/client_options/GamePage.h"

GamePage::GamePage(const QCheckBox *chkName, QWidget *parent)
    : StepPage(QStringLiteral("pnlGame"), QStringLiteral("// Options: Game"), parent)
    , m_chkName(chkName)
{
    setNextButton(QStringLiteral("SpeedButton4"), QStringLiteral("Step 5/ 10 - Next >"),
                  QStringLiteral("go to step 6"));
}
