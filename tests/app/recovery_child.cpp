// Not a test: a Tarvex window taken to a step of a run under Style 1, then killed (abort()) or
// left running until its input closes, for tst_recovery.
//   recovery_child FOLDER STEP abort|wait   (FOLDER receives the recovery files)
#include "app/CrashRecovery.h"
#include "support/Harness.h"
#include "wizard/RecoveryFiles.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    QStandardPaths::setTestModeEnabled(true);
    useOwnSettings();
    TarvexApplication app(argc, argv);
    if (argc != 4)
        return 2;
    RecoveryFiles::setFolder(QString::fromLocal8Bit(argv[1]));
    Harness h;
    h.click(QStringLiteral("tbNew"));
    h.chooseStyle(QStringLiteral("S1"));
    h.click(QStringLiteral("SpeedButton1"));
    h.nextUntil(std::atoi(argv[2]));
    // The file is written on a thread of its own, a few milliseconds after the click; a player's
    // kill comes later than that.
    h.window().findChild<CrashRecovery *>()->flush();
    std::puts("ready");
    std::fflush(stdout);
    if (qstrcmp(argv[3], "abort") == 0)
        std::abort();
    std::getchar();
    return 0;
}
