#include "steps/chat_scripts/VSaysPage.h"

VSaysPage::VSaysPage(ScriptBuffer &buffer, QWidget *parent)
    : StepPage(QStringLiteral("pnlVSays"), QStringLiteral("// Says and Vsays"), parent)
    , m_buffer(buffer)
{
    setNextButton(QStringLiteral("SpeedButton7"), QStringLiteral("Step 2/ 10 - Next >"),
                  QStringLiteral("Go to step 3"));
}
