#include "support/Harness.h"

#include "wizard/StepPage.h"
#include "wizard/Steps.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// The player's choices on a step's screen, a first (0) and a second (1) round: the first check
// box turned over, the first field retyped and, on the says step, a vsay and a say added.
void choose(Harness &h, int step, int round)
{
    if (step == 2) {
        const QString key = QStringLiteral("F%1").arg(7 + 2 * round);
        h.retype(QStringLiteral("edVs"), key);
        h.retype(QStringLiteral("cbVsay"), QStringLiteral("Medic%1").arg(round));
        h.click(QStringLiteral("btnVsayAdd"));
        h.retype(QStringLiteral("edS"), QStringLiteral("F%1").arg(8 + 2 * round));
        h.retype(QStringLiteral("edTexthere"), QStringLiteral("round %1").arg(round));
        h.click(QStringLiteral("btnSayAdd"));
        return;
    }
    StepPage *page = h.window().stepPage(step);
    const QList<QCheckBox *> boxes = page->findChildren<QCheckBox *>();
    if (!boxes.isEmpty())
        QTest::mouseClick(boxes.first(), Qt::LeftButton);
    for (QLineEdit *edit : page->findChildren<QLineEdit *>()) {
        if (edit->isVisibleTo(page) && edit->isEnabled() && !edit->isReadOnly()) {
            Harness::retype(edit, QStringLiteral("%1r%2").arg(step).arg(round));
            return;
        }
    }
}

QString firstFieldText(Harness &h, int step)
{
    for (QLineEdit *edit : h.window().stepPage(step)->findChildren<QLineEdit *>()) {
        if (edit->isVisibleTo(h.window().stepPage(step)) && edit->isEnabled()
            && !edit->isReadOnly())
            return edit->text();
    }
    return QString();
}

} // namespace

class SteppingTest : public QObject
{
    Q_OBJECT
private slots:
    // Back on step `back` and forward again writes what a run without it writes, byte for byte,
    // with the choices made on the step before both times.
    void backAndForthIsTheUninterruptedRun_data()
    {
        QTest::addColumn<int>("back");
        for (int step = 2; step <= 9; ++step)
            QTest::newRow(qPrintable(QStringLiteral("step %1").arg(step))) << step;
    }
    void backAndForthIsTheUninterruptedRun()
    {
        QFETCH(int, back);
        const int before = back - 1;
        Harness straight;
        straight.chooseStyle(QStringLiteral("S1"));
        straight.startRun();
        for (int step = 1; step <= 9; ++step) {
            choose(straight, step, 0);
            if (step == before)
                choose(straight, step, 1);
            straight.click(Harness::nextButton(step));
        }

        Harness h;
        h.chooseStyle(QStringLiteral("S1"));
        h.startRun();
        QString beforeStep;
        QString leftBefore;
        for (int step = 1; step < back; ++step) {
            if (step == before)
                beforeStep = h.text();
            choose(h, step, 0);
            leftBefore = firstFieldText(h, step);
            h.click(Harness::nextButton(step));
        }
        choose(h, back, 0);
        const QString leftOnBack = firstFieldText(h, back);
        h.click(QStringLiteral("btnBack%1").arg(back));

        // The step before shows as the player left it, and what it appended is gone.
        Layer shown;
        QVERIFY(h.visibleLayer(&shown));
        QCOMPARE(shown, stepInfo(before).layer);
        QCOMPARE(h.text(), beforeStep);
        QCOMPARE(firstFieldText(h, before), leftBefore);

        choose(h, before, 1);
        h.click(Harness::nextButton(before));
        QCOMPARE(firstFieldText(h, back), leftOnBack);
        for (int step = back; step <= 9; ++step) {
            if (step != back)
                choose(h, step, 0);
            h.click(Harness::nextButton(step));
        }
        QVERIFY(h.visibleLayer(&shown));
        QCOMPARE(shown, Layer::Editor);
        QCOMPARE(h.text(), straight.text());
    }

    // After Start, each Next and each Back, the first field of the screen shown has the focus:
    // a player on the keyboard types at once.
    void firstFieldFocused()
    {
        Harness h;
        h.startRun();
        QApplication::setActiveWindow(&h.window());
        for (int step = 1; step <= 9; ++step) {
            QWidget *focused = QApplication::focusWidget();
            QVERIFY2(focused && h.window().stepPage(step)->isAncestorOf(focused),
                     qPrintable(QStringLiteral("step %1").arg(step)));
            if (step == 2) {
                QCOMPARE(focused->objectName(), QStringLiteral("edVs"));
                QTest::keyClick(focused, Qt::Key_F9);
                QCOMPARE(h.find<QLineEdit>(QStringLiteral("edVs"))->text(), QStringLiteral("F9"));
                h.click(QStringLiteral("btnBack2"));
                QVERIFY(h.window().stepPage(1)->isAncestorOf(QApplication::focusWidget()));
                h.click(Harness::nextButton(1));
                h.fakes.dialogs.chooseAnswers = {QMessageBox::No}; // the vsay on F9 is not added
            }
            h.click(Harness::nextButton(step));
        }
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(h.window().editor()));
    }

    // Back twice in a row, then forward: every step's lines are written once, anew.
    void backTwice()
    {
        Harness straight;
        straight.goToStep(5);
        straight.nextUntil(10, 5);

        Harness h;
        h.goToStep(5);
        const QString atStep3 = [&] {
            h.click(QStringLiteral("btnBack5"));
            h.click(QStringLiteral("btnBack4"));
            return h.text();
        }();
        QCOMPARE(atStep3, [&] {
            Harness fresh;
            fresh.goToStep(3);
            return fresh.text();
        }());
        h.nextUntil(10, 3);
        QCOMPARE(h.text(), straight.text());
        QCOMPARE(h.text().toLatin1(), Harness::data(QStringLiteral("default_sn.cfg")));
    }
};

TARVEX_TEST_MAIN(SteppingTest)
#include "tst_stepping.moc"
