// One choice of game: the start screen's "Game" and the Check Script window's "Game version" are
// the same choice, kept between runs.
#include "platform/Settings.h"
#include "support/Harness.h"

#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>

class GameChoiceTest : public QObject
{
    Q_OBJECT

    static bool writesFor(Harness &h, const char *game)
    {
        return h.find<QRadioButton>(QLatin1String(game))->isChecked();
    }
    // The choice the Check Script window shows; it is opened from the script view.
    static QString checkedFor(Harness &h)
    {
        return h.find<QComboBox>(QStringLiteral("cbGameVersion"))->currentText();
    }

private slots:
    void init() { Settings().clear(); }

    void oneChoiceKeptBetweenRuns()
    {
        {
            Harness h;
            h.startRun();
            h.nextUntil(10);
            h.trigger(QStringLiteral("CheckScript1"));
            // A new player writes for ET 2.60b.
            QVERIFY(writesFor(h, "rbET260b"));
            QCOMPARE(checkedFor(h), QStringLiteral("ET 2.60b"));

            // New is there again once Save was offered (here cancelled).
            h.fakes.dialogs.saveAnswers << QString();
            h.click(QStringLiteral("tbSave"));
            h.click(QStringLiteral("tbNew"));
            h.click(QStringLiteral("rbLegacy"));
            QCOMPARE(checkedFor(h), QStringLiteral("ET: Legacy"));

            // Picked in the Check Script window, by keyboard.
            auto *version = h.focus<QComboBox>(QStringLiteral("cbGameVersion"));
            QTest::keyClick(version, Qt::Key_Up);
            QCOMPARE(version->currentText(), QStringLiteral("ET 2.60b"));
            QVERIFY(writesFor(h, "rbET260b"));
            QTest::keyClick(version, Qt::Key_Down);
            QVERIFY(writesFor(h, "rbLegacy"));
        }
        Harness again;
        again.startRun();
        again.nextUntil(10);
        again.trigger(QStringLiteral("CheckScript1"));
        QVERIFY(writesFor(again, "rbLegacy"));
        QCOMPARE(checkedFor(again), QStringLiteral("ET: Legacy"));
    }

    // A default run written for ET: Legacy passes the check for ET: Legacy.
    void legacyDefaultRunChecksClean()
    {
        Harness h;
        h.click(QStringLiteral("tbNew"));
        h.chooseGame(Game::Version::Legacy);
        h.click(QStringLiteral("SpeedButton1"));
        h.nextUntil(10);
        h.trigger(QStringLiteral("CheckScript1"));
        QCOMPARE(checkedFor(h), QStringLiteral("ET: Legacy"));
        auto *list = h.find<QListWidget>(QStringLiteral("lstProblems"));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QStringLiteral("No problems found"));
    }

    // The kill script's hint says when ET: Legacy refuses /kill.
    void killHint()
    {
        Harness h;
        auto *say = h.find<QWidget>(QStringLiteral("edKill1"));
        const QString hint = say->statusTip();
        h.chooseGame(Game::Version::Legacy);
        QCOMPARE(say->statusTip(),
                 hint
                         + QStringLiteral(" (ET: Legacy refuses /kill during spawn protection "
                                          "unless cg_allowSelfKillSpawnProtection is 1)"));
        h.chooseGame(Game::Version::Et260b);
        QCOMPARE(say->statusTip(), hint);
    }
};

TARVEX_TEST_MAIN(GameChoiceTest)
#include "tst_gamechoice.moc"
