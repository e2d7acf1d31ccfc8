#include "steps/chat_scripts/Scripts2Page.h"

Scripts2Page::Scripts2Page(QWidget *parent)
    : StepPage(QStringLiteral("pnlScripts2"), QStringLiteral("// Scripts part2"), parent)
{
    setNextButton(QStringLiteral("SpeedButton5"), QStringLiteral("Step 4/ 10 - Next >"),
                  QStringLiteral("go to step 5"));
}
