#include "support/Harness.h"

class SmokeTest : public QObject
{
    Q_OBJECT
private slots:
    void runs()
    {
        Harness h;
        h.startRun();
        QCOMPARE(h.lines().size(), 9);
    }
};

TARVEX_TEST_MAIN(SmokeTest)
#include "tst_smoke.moc"
