// Read Settings: a script or a game's settings file read back into a run, which then sets every
// binding and setting the file had; files that cannot be read change nothing.
#include "app/SettingsReading.h"
#include "game/ScriptRun.h"
#include "steps/keys/KeyField.h"
#include "support/FakeHome.h"
#include "support/Harness.h"
#include "wizard/ScriptFile.h"
#include "wizard/StepPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace Game;

namespace {

using TestFiles::FakeHome;

// What the game holds after running `lines`: "bind KEY = text" and "name = value", each key
// and name as the game compares them, in sorted order.
QStringList gameState(const QStringList &lines, Version version)
{
    ScriptRun run(version);
    run.run(lines, QStringLiteral("state.cfg"));
    QStringList state;
    for (const LeftSet &entry : run.leftSet()) {
        state << (entry.kind == LeftSet::Kind::Binding
                          ? QStringLiteral("bind %1 = %2").arg(bindingKey(entry.name), entry.value)
                          : QStringLiteral("%1 = %2").arg(foldName(entry.name), entry.value));
    }
    state.sort();
    return state;
}

// A run with every box of every screen checked and a key in every empty key field.
void everythingRun(Harness &h)
{
    h.click(QStringLiteral("tbNew"));
    for (QCheckBox *box : h.find<QWidget>(QStringLiteral("pnlStart"))->findChildren<QCheckBox *>())
        h.setChecked(box->objectName());
    h.click(QStringLiteral("SpeedButton1"));
    int key = 0;
    for (int step = 1; step <= 9; ++step) {
        QWidget *page = h.window().stepPage(step);
        for (QCheckBox *box : page->findChildren<QCheckBox *>())
            h.setChecked(box->objectName());
        for (QLineEdit *edit : page->findChildren<QLineEdit *>()) {
            if (edit->text().isEmpty() && (step == 3 || step == 4))
                h.paste(edit->objectName(), QString(QLatin1Char(char('a' + key++))));
        }
        if (step == 2) {
            h.click(QStringLiteral("btnVsayAdd"));
            h.click(QStringLiteral("btnSayAdd"));
        }
        h.click(Harness::nextButton(step));
    }
}

// Reads `path` through the start screen's button ("Another file...", the only entry without a
// game), then presses Start and every Next without touching anything. `summary` gets what the
// hint line said after reading.
QStringList readAndRunThrough(Harness &h, const QString &path, QString *summary = nullptr)
{
    h.click(QStringLiteral("tbNew"));
    h.fakes.dialogs.itemAnswers << 0;
    h.fakes.dialogs.openAnswers << path;
    h.click(QStringLiteral("btnReadSettings"));
    if (h.fakes.dialogs.chooseOffers != QList<QStringList> {{"Another file..."}})
        return {QStringLiteral("<chooser offered other entries>")};
    if (summary)
        *summary = h.find<QLabel>(QStringLiteral("StatusPanel0"))->text();
    h.click(QStringLiteral("SpeedButton1"));
    h.nextUntil(10);
    return h.lines();
}

} // namespace

class ReadSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    // A script the wizard wrote, read back and run through, sets what it set.
    void scriptRoundTrip_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<bool>("everything");
        for (const char *style : {"SN", "S1", "S2"}) {
            QTest::addRow("default %s", style) << style << false;
            QTest::addRow("everything %s", style) << style << true;
        }
    }
    void scriptRoundTrip()
    {
        QFETCH(QString, style);
        QFETCH(bool, everything);
        FakeHome home;
        QStringList first;
        const QString path = home.dir.filePath(QStringLiteral("mine.cfg"));
        {
            Harness h;
            h.chooseStyle(style);
            if (everything) {
                everythingRun(h);
            } else {
                h.startRun();
                h.nextUntil(10);
            }
            first = h.lines();
            QCOMPARE(writeScriptFile(path, h.text()), QString());
        }
        Harness h;
        const QStringList second = readAndRunThrough(h, path);
        QCOMPARE(gameState(second, Version::Et260b), gameState(first, Version::Et260b));
        QCOMPARE(h.find<QLineEdit>(QStringLiteral("edCFG"))->text(), QStringLiteral("mine"));
    }

    // A settings file of each game: the new script sets every binding and setting it had, and
    // for ET 2.60b's the whole script is as expected.
    void gameSettingsFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Game::Version>("version");
        QTest::newRow("ET 2.60b") << "etconfig_profile_et260b.cfg" << Version::Et260b;
        QTest::newRow("ET: Legacy") << "etconfig_etlegacy.cfg" << Version::Legacy;
    }
    void gameSettingsFiles()
    {
        QFETCH(QString, file);
        QFETCH(Game::Version, version);
        FakeHome home;
        const QString path = Harness::writeFile(home.dir.filePath(QStringLiteral("etconfig.cfg")),
                                                Harness::data(file));
        const QStringList had = gameState(readScriptFile(path).lines, version);
        Harness h;
        QString summary;
        const QStringList now = gameState(readAndRunThrough(h, path, &summary), version);
        QVERIFY(had.size() > 20);
        for (const QString &entry : had)
            QVERIFY2(now.contains(entry), qPrintable(entry));
        if (version == Version::Et260b) {
            QCOMPARE(h.text().toUtf8(), Harness::data(QStringLiteral("read_etconfig_et260b.cfg")));
            QCOMPARE(summary,
                     QStringLiteral("Read etconfig.cfg: 21 bindings and 11 settings set the "
                                    "wizard's rows; 7 more lines kept"));
        }
    }

    // The rows show what the file has: keys of bound commands, values of settings, a toggle
    // script by its key, boxes off for what the file lacks; the turn puts back the player's
    // frame rate, or the one its own binding has.
    void rowsShowTheFile()
    {
        FakeHome home;
        const QString path
                = Harness::writeFile(home.dir.filePath(QStringLiteral("etconfig.cfg")),
                                     Harness::data(QStringLiteral("etconfig_profile_et260b.cfg")));
        Harness h;
        h.click(QStringLiteral("tbNew"));
        QVERIFY(h.window().settingsReading().read(path));
        auto text = [&](const char *name) {
            return h.find<QLineEdit>(name)->text();
        };
        auto on = [&](const char *name) {
            return h.find<QCheckBox>(name)->isChecked();
        };
        QCOMPARE(text("edForward"), QStringLiteral("W"));
        QCOMPARE(text("edGun"), QStringLiteral("SEMICOLON"));
        QCOMPARE(text("edFPS"), QStringLiteral("125"));
        QCOMPARE(text("edTurnFps"), QStringLiteral("125"));
        QVERIFY(on("chkFoward") && on("chkGun") && !on("chkTurn"));
        QCOMPARE(text("edCrouch1"), QStringLiteral("CTRL"));
        QVERIFY(on("chkCcrouch") && !on("chkProne"));
        // A key the kept lines bind is taken.
        h.click(QStringLiteral("SpeedButton1"));
        h.paste(QStringLiteral("edForward"), QStringLiteral("F5"));
        QCOMPARE(h.find<KeyField>(QStringLiteral("edForward"))->problem(),
                 QStringLiteral("F5 is taken by \"say ^3gg; say ^1wp\" from etconfig.cfg, kept at "
                                "the end of the script"));

        const QString turn = QStringLiteral("bind t \"com_maxfps 50; wait 2; cl_yawspeed 1700; "
                                            "+left; wait 10; -left; com_maxfps 333\"");
        Harness::writeFile(path, (turn + QStringLiteral("\nseta com_maxfps 125\n")).toLatin1());
        QVERIFY(h.window().settingsReading().read(path));
        QCOMPARE(text("edTurnFps"), QStringLiteral("333"));
        h.click(QStringLiteral("SpeedButton1"));
        h.nextUntil(3);
        QVERIFY(h.pressNext(3).contains(QStringLiteral("bind t \"com_maxfps 50; wait 2; "
                                                       "cl_yawspeed 1700; +left; wait 10; "
                                                       "-left; com_maxfps 333\"")));
        QVERIFY(!on("chkFoward"));
    }

    // The file's vsay and say bindings are listed on the says step as if added there, and
    // written at its Next as its Add buttons write them; the nick and the game come from the
    // file. New drops what was listed.
    void saysNickAndGame()
    {
        FakeHome home;
        const QString path = Harness::writeFile(
                home.dir.filePath(QStringLiteral("mine.cfg")),
                "// generated by ET Legacy, do not modify\nbind F7 \"vsay Medic\"\n"
                "bind F8 \"say hello there\"\nseta name \"^1Wolf\"\n");
        Harness h;
        h.startRun();
        h.nextUntil(2);
        h.retype(QStringLiteral("edVs"), QStringLiteral("F7"));
        h.find<QComboBox>(QStringLiteral("cbVsay"))->setCurrentText(QStringLiteral("Medic"));
        h.click(QStringLiteral("btnVsayAdd"));
        h.retype(QStringLiteral("edS"), QStringLiteral("F8"));
        h.retype(QStringLiteral("edTexthere"), QStringLiteral("hello there"));
        h.click(QStringLiteral("btnSayAdd"));
        h.pressNext(2);
        // From the first line the says step wrote to the end of the script.
        auto saysLines = [&h] {
            const QStringList lines = h.lines();
            return lines.mid(lines.lastIndexOf(QStringLiteral("bind F7 \"vsay Medic\"")));
        };
        const QStringList added = saysLines();
        QCOMPARE(added.mid(0, 2),
                 QStringList({"bind F7 \"vsay Medic\"", "bind F8 \"say hello there\""}));

        h.click(QStringLiteral("tbNew"));
        QVERIFY(h.find<QRadioButton>(QStringLiteral("rbET260b"))->isChecked());
        QVERIFY(h.window().settingsReading().read(path));
        QVERIFY(h.find<QRadioButton>(QStringLiteral("rbLegacy"))->isChecked());
        QCOMPARE(h.find<QLineEdit>(QStringLiteral("edNick"))->text(), QStringLiteral("^1Wolf"));
        QVERIFY(h.find<QCheckBox>(QStringLiteral("CheckBox1"))->isChecked());
        h.click(QStringLiteral("SpeedButton1"));
        h.nextUntil(2);
        auto *vsays = h.find<QListWidget>(QStringLiteral("lstVsays"));
        QCOMPARE(vsays->count(), 1);
        QCOMPARE(vsays->item(0)->text(), QStringLiteral("F7: Medic"));
        QCOMPARE(h.find<QListWidget>(QStringLiteral("lstSays"))->count(), 1);
        h.pressNext(2);
        QCOMPARE(saysLines(), added);

        // Read again, then left for a script opened and a new one before the says step wrote
        // them.
        QVERIFY(h.window().settingsReading().read(path));
        h.fakes.dialogs.openAnswers << path;
        h.fakes.dialogs.chooseAnswers << QMessageBox::Discard;
        h.trigger(QStringLiteral("Open1"));
        QCOMPARE(h.fakes.dialogs.chooseButtons.size(), 1);
        h.click(QStringLiteral("tbNew"));
        h.click(QStringLiteral("SpeedButton1"));
        h.nextUntil(2);
        QCOMPARE(vsays->count(), 0);
        h.pressNext(2);
        // Only the opened file's own line.
        QCOMPARE(h.lines().count(QStringLiteral("bind F7 \"vsay Medic\"")), 1);
    }

    // A file that cannot be read gets File > Open's message and changes nothing; a file that
    // was read belongs to its run only: the next run writes nothing of it.
    void badFileAndNextRun()
    {
        FakeHome home;
        Harness h;
        h.fakes.dialogs.openAnswers << home.dir.path();
        h.trigger(QStringLiteral("Open1"));
        const QString openSays = h.fakes.dialogs.lastError();
        QVERIFY(openSays.startsWith(QStringLiteral("Cannot open file")));
        h.click(QStringLiteral("tbNew"));
        h.retype(QStringLiteral("edCFG"), QStringLiteral("Kept"));
        h.fakes.dialogs.itemAnswers << 0;
        h.fakes.dialogs.openAnswers << home.dir.path();
        h.trigger(QStringLiteral("ReadSettings1"));
        QCOMPARE(h.fakes.dialogs.lastError(), openSays);
        QCOMPARE(h.find<QLineEdit>(QStringLiteral("edCFG"))->text(), QStringLiteral("Kept"));
        QVERIFY(h.visibleLayer(nullptr));
        QCOMPARE(h.text(), QStringLiteral("\r\n"));

        const QString path = Harness::writeFile(home.dir.filePath(QStringLiteral("a.cfg")),
                                                "bind NOKEY x\nseta mymod 1\n");
        h.fakes.dialogs.itemAnswers << 0;
        h.fakes.dialogs.openAnswers << path;
        h.click(QStringLiteral("btnReadSettings"));
        h.click(QStringLiteral("SpeedButton1"));
        h.nextUntil(10);
        const QStringList read = h.lines();
        QCOMPARE(read.mid(read.size() - 8),
                 QStringList({"//a.cfg ---", " ", "bind NOKEY x", "seta mymod \"1\"", " ",
                              "//-----------------------------------------------", " ", ""}));
        h.fakes.dialogs.saveAnswers << home.dir.filePath(QStringLiteral("out.cfg"));
        h.click(QStringLiteral("tbSave"));
        h.startRun();
        h.nextUntil(10);
        QCOMPARE(h.text().count(QStringLiteral("//a.cfg ---")), 1);
    }
};

TARVEX_TEST_MAIN(ReadSettingsTest)
#include "tst_readsettings.moc"
