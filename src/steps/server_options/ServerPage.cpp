#include "steps/server_options/ServerPage.h"

ServerPage::ServerPage(QWidget *parent)
    : StepPage(QStringLiteral("pnlServer"), QStringLiteral("// Server: Server Options"), parent)
{
    setNextButton(QStringLiteral("btn8"), QStringLiteral("Step 8/ 10 - Next >"),
                  QStringLiteral("go to step 9"));
}
