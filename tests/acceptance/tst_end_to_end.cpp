// Whole runs through the real main window, saved through the Save command and compared byte
// for byte with scripts written by hand: a run with everything changed, then a second run
// after Save and New, appended after the first.
#include "StepRows.h"
#include "support/Harness.h"
#include "wizard/StepPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

class EndToEndTest : public QObject
{
    Q_OBJECT

    Harness *h = nullptr;

    // Clicks every check box of a screen once, as a player would (a disabled one does nothing).
    void flipAll(QWidget *page)
    {
        for (QCheckBox *box : page->findChildren<QCheckBox *>()) {
            if (!box->isEnabled())
                continue;
            const bool was = box->isChecked();
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
            QVERIFY2(box->isChecked() != was, qPrintable(box->objectName()));
        }
    }

    void type(const char *name, const QString &text) { h->retype(QLatin1String(name), text); }

    void pick(const char *combo, int index)
    {
        auto *box = h->find<QComboBox>(QLatin1String(combo));
        box->setCurrentIndex(index);
    }

    void next(int step, Layer expected)
    {
        h->click(Harness::nextButton(step));
        Layer layer;
        QVERIFY(h->visibleLayer(&layer));
        QCOMPARE(layer, expected);
    }

private slots:
    void everythingChangedThenASecondRun()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("first.cfg"));
        const QString both = dir.filePath(QStringLiteral("both.cfg"));
        Harness harness;
        h = &harness;
        MainWindow &w = h->window();

        h->click(QStringLiteral("tbNew"));
        type("edCFG", QStringLiteral("Everything CFG"));
        type("edName", QStringLiteral("Tess Tester"));
        type("edCopyright", QStringLiteral("(c) 2026 Tess Tester"));
        type("edNotes", QStringLiteral("changed notes"));
        flipAll(h->find<QWidget>(QStringLiteral("pnlStart")));
        h->click(QStringLiteral("SpeedButton1"));

        // Step 1: every row switched off, every key changed (typed in lower case).
        flipAll(w.stepPage(1));
        int row = 0;
        for (const auto &binding : StepRows::controlRows) {
            ++row;
            if (row == 13)
                type(binding[1], QStringLiteral("3.5"));
            else
                type(binding[1], QStringLiteral("k%1").arg(row, 2, 10, QLatin1Char('0')));
        }
        next(1, Layer::VSays);

        // Step 2: three vsays and two says in mixed order.
        type("edVs", QStringLiteral("F7"));
        pick("cbVsay", 1);
        h->click(QStringLiteral("btnVsayAdd"));
        type("edS", QStringLiteral("F8"));
        type("edTexthere", QStringLiteral("Hello \"team\"; go"));
        h->click(QStringLiteral("btnSayAdd"));
        type("cbVsay", QStringLiteral("MyOwnVsay"));
        h->click(QStringLiteral("btnVsayAdd"));
        type("edTexthere", QStringLiteral("bye"));
        h->click(QStringLiteral("btnSayAdd"));
        h->click(QStringLiteral("btnVsayAdd"));
        next(2, Layer::Scripts1);

        flipAll(w.stepPage(3));
        type("edFov", QStringLiteral("105"));
        type("edTurn", QStringLiteral("MOUSE3"));
        type("edGun", QStringLiteral("G"));
        type("edSmoke", QStringLiteral("H"));
        type("edRain", QStringLiteral("J"));
        type("edCrosshair", QStringLiteral("K"));
        type("edRecord", QStringLiteral("N"));
        type("edGamma", QStringLiteral("UPARROW"));
        type("edGamma1", QStringLiteral("DOWNARROW"));
        type("edVolume", QStringLiteral("KP_PLUS"));
        type("edVolume1", QStringLiteral("KP_MINUS"));
        next(3, Layer::Scripts2);

        flipAll(w.stepPage(4));
        type("edJump2", QStringLiteral("P"));
        type("edCrouch2", QStringLiteral("Z"));
        type("edKill", QStringLiteral("K"));
        type("edKill1", QStringLiteral("bye all"));
        type("edWalk2", QStringLiteral("CAPSLOCK"));
        type("edArt", QStringLiteral("MOUSE4"));
        next(4, Layer::Game);

        flipAll(w.stepPage(5));
        type("edNick", QStringLiteral("Tess"));
        next(5, Layer::View);

        flipAll(w.stepPage(6));
        next(6, Layer::System);

        flipAll(w.stepPage(7));
        auto *rb1024 = h->find<QRadioButton>(QStringLiteral("rb1024"));
        QTest::mouseClick(rb1024, Qt::LeftButton, {}, QPoint(6, rb1024->height() / 2));
        QVERIFY(rb1024->isChecked());
        next(7, Layer::Server);

        flipAll(w.stepPage(8));
        type("edMaxPing", QStringLiteral("400"));
        type("edMinping", QStringLiteral("0"));
        type("edReadyp", QStringLiteral("75"));
        type("edMaxplayers", QStringLiteral("20"));
        type("edMinplayers", QStringLiteral("4"));
        type("edMaxteam", QStringLiteral("10"));
        type("edWarmup", QStringLiteral("30"));
        type("edTime", QStringLiteral("20"));
        type("edComplaints", QStringLiteral("5"));
        type("edLms", QStringLiteral("3"));
        type("edLms1", QStringLiteral("2"));
        type("edPassr", QStringLiteral("refpass"));
        type("edPasss", QStringLiteral("joinpass"));
        type("edVlimit", QStringLiteral("5"));
        type("edSvote", QStringLiteral("60"));
        type("edM1", QStringLiteral("Welcome"));
        type("edM2", QStringLiteral("motd two"));
        type("edM3", QStringLiteral("motd three"));
        type("edM4", QStringLiteral("motd four"));
        type("edM5", QStringLiteral("motd five"));
        type("edServer", QStringLiteral("Tess's \"server\"; x"));
        next(8, Layer::Misc);

        flipAll(w.stepPage(9));
        type("edFPS", QStringLiteral("125"));
        pick("cbCrosssize", 0);
        type("edRate", QStringLiteral("45000"));
        pick("cbTxtbits", 0);
        pick("cbColorbits", 0);
        type("cbSound", QStringLiteral("44"));
        pick("cbCrosscolor", 1);
        type("edReady", QStringLiteral("F9"));
        type("edNready", QStringLiteral("F10"));
        next(9, Layer::Editor);

        h->fakes.dialogs.saveAnswers << first;
        h->click(QStringLiteral("tbSave"));
        QCOMPARE(Harness::readFile(first),
                 Harness::data(QStringLiteral("everything_first_run.cfg")));

        // The second run: every box back to its default, the changed texts kept, Style 2.
        h->click(QStringLiteral("tbNew"));
        Layer layer;
        QVERIFY(h->visibleLayer(&layer) && layer == Layer::Start);
        flipAll(h->find<QWidget>(QStringLiteral("pnlStart")));
        auto *s2 = h->find<QRadioButton>(QStringLiteral("S2"));
        QTest::mouseClick(s2, Qt::LeftButton, {}, QPoint(6, s2->height() / 2));
        QVERIFY(s2->isChecked());
        h->click(QStringLiteral("SpeedButton1"));
        QVERIFY(h->visibleLayer(&layer) && layer == Layer::Controls);
        const Layer shownAfter[]
                = {Layer::VSays,  Layer::Scripts1, Layer::Scripts2, Layer::Game,  Layer::View,
                   Layer::System, Layer::Server,   Layer::Misc,     Layer::Editor};
        for (int step = 1; step <= 9; ++step) {
            if (step != 2)
                flipAll(w.stepPage(step));
            next(step, shownAfter[step - 1]);
        }

        // Save would write over the first file: Save As, which offers it.
        h->fakes.dialogs.saveAnswers << both;
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(h->fakes.dialogs.saveSuggestions.last(), first);
        QCOMPARE(Harness::readFile(both), Harness::data(QStringLiteral("everything.cfg")));
        QCOMPARE(h->fakes.dialogs.messages.size(), 0);
    }
};

TARVEX_TEST_MAIN(EndToEndTest)
#include "tst_end_to_end.moc"
