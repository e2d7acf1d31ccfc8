#include "steps/chat_scripts/Scripts1Page.h"

Scripts1Page::Scripts1Page(QWidget *parent)
    : StepPage(QStringLiteral("pnlScripts1"), QStringLiteral("// Scripts part1"), parent)
{
    setNextButton(QStringLiteral("SpeedButton6"), QStringLiteral("Step 3/ 10 - Next >"),
                  QStringLiteral("go to step 4"));
}
