// The game, view, system and miscellaneous steps, driven through the real main window: each
// step's whole output is compared with lines written out by hand.
#include "support/Harness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

namespace {

const QString rule1 = QStringLiteral("//-----------------------------------------------");

// A step's output under Style 1: title, blank, its lines, blank, rule, blank.
QStringList style1(const QString &title, const QStringList &lines)
{
    return QStringList {title, QStringLiteral(" ")} + lines
            + QStringList {QStringLiteral(" "), rule1, QStringLiteral(" ")};
}

// One line per line of the text.
QStringList linesOf(const char *text)
{
    return QString::fromUtf8(text).split(QLatin1Char('\n'));
}

const QStringList gameDefaults = linesOf(R"(seta name "Your Nick Here"
seta cl_run 1
seta cg_autoReload 1
seta cg_autoswitch 1
seta cl_wwwDownload 0
seta cl_allowDownload 1
seta cg_complaintPopup 1
seta cg_useScreenshotJPEG 0)");

const QStringList viewDefaults = linesOf(R"(seta cg_drawGun 1
seta cg_drawCompass 1
seta cg_drawReinforcementTime 1
seta cg_crosshairHealth 0
seta cg_drawCrosshairNames 0
seta cg_wolfparticles 0)");

const QStringList systemDefaults = linesOf(R"(seta r_fullscreen 1
seta r_detailtextures 1
seta r_ext_compressed_textures 1
seta r_dynamiclight 0)");

const QStringList miscDefaults = linesOf(R"(seta com_maxfps 80
seta cl_autoupdate 0
seta cg_crosshairSize 25
seta rate 25000
seta r_texturebits 32
seta r_colorbits 32
seta s_channels 2
seta r_drawSun 1
seta cg_shadows 1
seta r_highQualityVideo 1
seta s_khz 22
seta cg_crosshairColor white
seta cg_lagometer 0
seta cg_bloodFlash 1
bind F3 "ready"
bind F4 "notready")");

// The lines with every box unchecked: each flag that was "1" becomes "0", and stereo sound
// (two channels) becomes mono (one).
QStringList allOff(QStringList lines)
{
    for (QString &line : lines) {
        if (line.endsWith(QLatin1String(" 1")))
            line.back() = QLatin1Char('0');
        if (line == QLatin1String("seta s_channels 2"))
            line.back() = QLatin1Char('1');
    }
    return lines;
}

} // namespace

class ClientOptionsTest : public QObject
{
    Q_OBJECT

private slots:
    void defaults_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("expected");
        const QString S1 = QStringLiteral("S1");
        const QString SN = QStringLiteral("SN");
        QTest::newRow("game S1") << S1 << 5
                                 << style1(QStringLiteral("//Game options ---"), gameDefaults);
        QTest::newRow("view S1") << S1 << 6
                                 << style1(QStringLiteral("//View Options ---"), viewDefaults);
        QTest::newRow("system S1")
                << S1 << 7 << style1(QStringLiteral("//System Options ---"), systemDefaults);
        QTest::newRow("misc S1") << S1 << 9 << style1(QStringLiteral("//Misc ---"), miscDefaults);
        QTest::newRow("game SN") << SN << 5 << gameDefaults;
        QTest::newRow("view SN") << SN << 6 << viewDefaults;
        QTest::newRow("system SN") << SN << 7 << systemDefaults;
        QTest::newRow("misc SN") << SN << 9 << miscDefaults;
    }
    void defaults()
    {
        QFETCH(QString, style);
        QFETCH(int, step);
        QFETCH(QStringList, expected);
        Harness h;
        h.chooseStyle(style);
        h.startRun();
        h.nextUntil(step);
        QCOMPARE(h.pressNext(step), expected);
    }

    void everyBoxUnchecked_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("game") << 5 << QStringList {"cbJshots", "cbDownloads", "cbMissingserver",
                                                   "cbPopup",  "cbRun",       "cbReload",
                                                   "cbSwitch"}
                              << allOff(gameDefaults);
        QTest::newRow("view") << 6
                              << QStringList {"cbGun",         "cbCompass",   "cbReinforcement",
                                              "cbCrosshealth", "cbCrossname", "cbParticles"}
                              << allOff(viewDefaults);
        // The "Use?" boxes and the value boxes alike: nothing is left to write.
        QTest::newRow("system") << 7
                                << QStringList {"chkFS", "chkFScreen",   "chkDetT", "chkDetexture",
                                                "chkCT", "chkCompresst", "chkDynL", "chkDlights"}
                                << QStringList {};
        QTest::newRow("misc") << 9
                              << QStringList {"chkUpdate",  "chkStereo", "chkBlood",    "chkSun",
                                              "chkShadows", "chkVideo",  "chkLagometer"}
                              << allOff(miscDefaults);
    }
    void everyBoxUnchecked()
    {
        QFETCH(int, step);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, expected);
        Harness h;
        h.startRun();
        h.nextUntil(step);
        for (const QString &name : boxes) {
            auto *box = h.find<QCheckBox>(name);
            QVERIFY(box);
            if (box->isChecked())
                h.click(name);
            QVERIFY2(!box->isChecked(), qPrintable(name));
        }
        const QStringList got = h.pressNext(step);
        QCOMPARE(got, style1(stepTitle(step), expected));
    }

    void resolution_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("rb1280") << "rb1280"
                                << QStringList {"seta r_customheight \"1024\"",
                                                "seta r_customwidth \"1280\"",
                                                "seta r_mode \"-1\""};
        QTest::newRow("rb1024") << "rb1024"
                                << QStringList {"seta r_customheight \"768\"",
                                                "seta r_customwidth \"1024\"",
                                                "seta r_mode \"-1\""};
        QTest::newRow("rb800") << "rb800"
                               << QStringList {"seta r_customheight \"600\"",
                                               "seta r_customwidth \"800\"", "seta r_mode \"-1\""};
        const QPair<const char *, const char *> wide[] = {{"1366", "768"},
                                                          {"1600", "900"},
                                                          {"1920", "1080"},
                                                          {"2560", "1440"},
                                                          {"3840", "2160"}};
        for (const auto &[width, height] : wide) {
            QTest::newRow(qPrintable(QStringLiteral("rb%1").arg(width)))
                    << QStringLiteral("rb%1").arg(width)
                    << QStringList {QStringLiteral("seta r_customheight \"%1\"").arg(height),
                                    QStringLiteral("seta r_customwidth \"%1\"").arg(width),
                                    "seta r_mode \"-1\""};
        }
        QTest::newRow("Don't use") << "RadioButton1" << QStringList {};
    }
    void resolution()
    {
        QFETCH(QString, choice);
        QFETCH(QStringList, expected);
        Harness h;
        h.chooseStyle(QStringLiteral("SN"));
        h.startRun();
        h.nextUntil(7);
        // Another choice first: picking the one under test must clear it.
        h.click(choice == QLatin1String("rb800") ? QStringLiteral("rb1280")
                                                 : QStringLiteral("rb800"));
        h.click(choice);
        QCOMPARE(h.pressNext(7), expected + systemDefaults);
    }

    void useBoxLeavesLineOut_data()
    {
        QTest::addColumn<QString>("use");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("expected");
        const QStringList withoutFullScreen
                = {"seta r_detailtextures 1", "seta r_ext_compressed_textures 1",
                   "seta r_dynamiclight 0"};
        const QStringList withoutDetail = {
                "seta r_fullscreen 1", "seta r_ext_compressed_textures 1", "seta r_dynamiclight 0"};
        const QStringList withoutCompress
                = {"seta r_fullscreen 1", "seta r_detailtextures 1", "seta r_dynamiclight 0"};
        const QStringList withoutLights = {"seta r_fullscreen 1", "seta r_detailtextures 1",
                                           "seta r_ext_compressed_textures 1"};
        // Each value box both as it starts and toggled: the line stays out either way.
        for (const bool toggle : {false, true}) {
            const char *suffix = toggle ? " toggled" : "";
            QTest::addRow("chkFS%s", suffix)
                    << "chkFS" << (toggle ? "chkFScreen" : "") << withoutFullScreen;
            QTest::addRow("chkDetT%s", suffix)
                    << "chkDetT" << (toggle ? "chkDetexture" : "") << withoutDetail;
            QTest::addRow("chkCT%s", suffix)
                    << "chkCT" << (toggle ? "chkCompresst" : "") << withoutCompress;
            QTest::addRow("chkDynL%s", suffix)
                    << "chkDynL" << (toggle ? "chkDlights" : "") << withoutLights;
        }
    }
    void useBoxLeavesLineOut()
    {
        QFETCH(QString, use);
        QFETCH(QString, value);
        QFETCH(QStringList, expected);
        Harness h;
        h.chooseStyle(QStringLiteral("SN"));
        h.startRun();
        h.nextUntil(7);
        if (!value.isEmpty())
            h.click(value);
        h.click(use);
        QCOMPARE(h.pressNext(7), expected);
    }

    void nickGuard_data()
    {
        QTest::addColumn<bool>("startBox");
        QTest::addColumn<bool>("nickBox");
        QTest::addColumn<bool>("written");
        QTest::newRow("both checked") << true << true << true;
        QTest::newRow("start screen unchecked") << false << true << false;
        QTest::newRow("beside nick unchecked") << true << false << false;
        QTest::newRow("both unchecked") << false << false << false;
    }
    void nickGuard()
    {
        QFETCH(bool, startBox);
        QFETCH(bool, nickBox);
        QFETCH(bool, written);
        Harness h;
        h.chooseStyle(QStringLiteral("SN"));
        h.click(QStringLiteral("tbNew"));
        if (!startBox)
            h.click(QStringLiteral("chkName"));
        h.click(QStringLiteral("SpeedButton1"));
        h.nextUntil(5);
        if (!nickBox)
            h.click(QStringLiteral("CheckBox1"));
        const QStringList got = h.pressNext(5);
        QCOMPARE(got, written ? gameDefaults : gameDefaults.mid(1));
    }

    void comboText_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<int>("upPresses");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("expected");
        // Three steps up from "25" is the first item, remark and all.
        QTest::newRow("crosshair size with remark")
                << "cbCrosssize" << 3 << "" << 2 << "seta cg_crosshairSize \"5   //Tiny\"";
        QTest::newRow("crosshair size one up")
                << "cbCrosssize" << 1 << "" << 2 << "seta cg_crosshairSize \"20 //Small\"";
        QTest::newRow("typed sound quality") << "cbSound" << 0 << "64" << 10 << "seta s_khz 64";
        QTest::newRow("typed colour")
                << "cbCrosscolor" << 0 << "Orange" << 11 << "seta cg_crosshairColor Orange";
    }
    void comboText()
    {
        QFETCH(QString, combo);
        QFETCH(int, upPresses);
        QFETCH(QString, typed);
        QFETCH(int, line);
        QFETCH(QString, expected);
        Harness h;
        h.chooseStyle(QStringLiteral("SN"));
        h.startRun();
        h.nextUntil(9);
        auto *box = h.find<QComboBox>(combo);
        QVERIFY(box);
        for (int i = 0; i < upPresses; ++i)
            QTest::keyClick(box, Qt::Key_Up);
        if (!typed.isEmpty())
            Harness::retype(box->lineEdit(), typed);
        QStringList want = miscDefaults;
        want[line] = expected;
        QCOMPARE(h.pressNext(9), want);
    }

    void emptyKeyField()
    {
        Harness h;
        h.chooseStyle(QStringLiteral("SN"));
        h.startRun();
        h.nextUntil(9);
        Harness::retype(h.find<QLineEdit>(QStringLiteral("edNready")), QString());
        Harness::retype(h.find<QLineEdit>(QStringLiteral("edFPS")), QStringLiteral("125"));
        QStringList want = miscDefaults;
        want[0] = QStringLiteral("seta com_maxfps 125");
        want.last() = QStringLiteral("//bind  \"notready\"");
        QCOMPARE(h.pressNext(9), want);
    }

    // Rows a game has no use for stay on screen, disabled, saying why; a value the game would
    // change is shown in the warning colour with the values it takes, in the hint line too.
    void rowsFollowTheGame()
    {
        Harness h;
        h.click(QStringLiteral("tbNew"));
        h.chooseGame(Game::Version::Legacy);
        h.click(QStringLiteral("SpeedButton1"));
        h.nextUntil(9);
        const QString unread = QStringLiteral("No version of the game reads this setting");
        auto *buddies = h.find<QCheckBox>(QStringLiteral("chkBuddies"));
        auto *lagometer = h.find<QCheckBox>(QStringLiteral("chkLagometer"));
        QVERIFY(!buddies->isEnabled());
        QCOMPARE(buddies->statusTip(), unread);
        QVERIFY(!lagometer->isEnabled());
        QCOMPARE(lagometer->statusTip(),
                 QStringLiteral("ET: Legacy sets this in its HUD editor (component lagometer)"));

        auto *fps = h.focus<QLineEdit>(QStringLiteral("edFPS"));
        Harness::retype(fps, QStringLiteral("0"));
        const QString range = QStringLiteral("ET: Legacy takes com_maxfps from 20 to 500, whole "
                                             "numbers: it would use 20 for 0");
        QCOMPARE(fps->accessibleDescription(), range);
        QCOMPARE(fps->toolTip(), range);
        QVERIFY(fps->property("valueProblem").toBool());
        QCOMPARE(h.find<QLabel>(QStringLiteral("StatusPanel0"))->text(),
                 range);
        // ET: Legacy knows 48 kHz too.
        auto *rates = h.find<QComboBox>(QStringLiteral("cbSound"));
        QCOMPARE(rates->count(), 4);
        Harness::retype(rates->lineEdit(), QStringLiteral("48"));
        QCOMPARE(rates->accessibleDescription(), QString());
        // Shown, not changed: the line says what the player typed.
        QVERIFY(h.pressNext(9).contains(QStringLiteral("seta com_maxfps 0")));

        // ET 2.60b takes 0 (no limit) and reads the lagometer; nobody reads the buddies.
        h.chooseGame(Game::Version::Et260b);
        QCOMPARE(fps->accessibleDescription(), QString());
        QVERIFY(!fps->property("valueProblem").toBool());
        QCOMPARE(fps->statusTip(), QStringLiteral("Max frames / second  default  about :65"));
        QVERIFY(lagometer->isEnabled());
        QCOMPARE(lagometer->statusTip(), QStringLiteral("Ingame lagometer"));
        QVERIFY(!buddies->isEnabled());
        QCOMPARE(rates->count(), 3);
        QCOMPARE(rates->currentText(), QStringLiteral("48"));
        QCOMPARE(rates->accessibleDescription(),
                 QStringLiteral("ET 2.60b takes s_khz 11, 22 or 44: it would use 11 for 48"));
    }

    void lastStepOpensScriptView()
    {
        Harness h;
        h.startRun();
        h.nextUntil(9);
        QVERIFY(!h.find<QMenu>(QStringLiteral("Edit1"))->isEnabled());
        QVERIFY(!h.find<QAction>(QStringLiteral("SaveCFG1"))->isEnabled());
        QVERIFY(!h.find<QAction>(QStringLiteral("Print1"))->isEnabled());
        h.click(QStringLiteral("btn9"));
        Layer seen;
        QVERIFY(h.visibleLayer(&seen));
        QCOMPARE(seen, Layer::Editor);
        QVERIFY(!h.find<QWidget>(QStringLiteral("pnlMisc"))->isVisible());
        QVERIFY(h.find<QMenu>(QStringLiteral("Edit1"))->isEnabled());
        QVERIFY(h.find<QAction>(QStringLiteral("SaveCFG1"))->isEnabled());
        QVERIFY(h.find<QAction>(QStringLiteral("Print1"))->isEnabled());
        QCOMPARE(QApplication::focusWidget(), h.window().editor());
    }

private:
    static QString stepTitle(int step)
    {
        switch (step) {
        case 5:
            return QStringLiteral("//Game options ---");
        case 6:
            return QStringLiteral("//View Options ---");
        case 7:
            return QStringLiteral("//System Options ---");
        default:
            return QStringLiteral("//Misc ---");
        }
    }
};

TARVEX_TEST_MAIN(ClientOptionsTest)
#include "tst_clientoptions.moc"
