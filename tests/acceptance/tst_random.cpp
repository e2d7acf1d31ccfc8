// A seeded random walk through the wizard: every control of every screen set at random, then
// the invariants that matter checked on what the steps wrote: the framing of each step under
// the section style chosen, how many lines each step writes for what is checked, the order in
// which the lines come, and that the game reads every line as one command holding the player's
// texts whole.
#include "GameReads.h"
#include "StepRows.h"
#include "support/Harness.h"
#include "wizard/StepPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRandomGenerator>

using namespace GameReads;
using namespace StepRows;

namespace {

const QString rule1 = QStringLiteral("//-----------------------------------------------");
const QString rule2 = QStringLiteral("//==================================");
const QString titles[] = {"//Controls ---",
                          "",
                          "//Scripts part 1 ---",
                          "//Scripts part 2 ---",
                          "//Game options ---",
                          "//View Options ---",
                          "//System Options ---",
                          "//Server Options ---",
                          "//Misc ---"};

// The settings the always-written steps write, in order.
const QStringList gamePrefixes = {"seta cl_run ",
                                  "seta cg_autoReload ",
                                  "seta cg_autoswitch ",
                                  "seta cl_wwwDownload ",
                                  "seta cl_allowDownload ",
                                  "seta cg_complaintPopup ",
                                  "seta cg_useScreenshotJPEG "};
const QStringList viewPrefixes = {
        "seta cg_drawGun ",         "seta cg_drawCompass ",        "seta cg_drawReinforcementTime ",
        "seta cg_crosshairHealth ", "seta cg_drawCrosshairNames ", "seta cg_wolfparticles "};
QString randomText(QRandomGenerator &rng)
{
    static const QString alphabet
            = QStringLiteral("abcXYZ019 \"';/\\-_.,^*\u00e9\u00df\u0416\u00a0");
    const int length = rng.bounded(0, 12);
    QString text;
    for (int i = 0; i < length; ++i)
        text += alphabet.at(rng.bounded(alphabet.size()));
    return text;
}

bool checked(Harness &h, const char *name)
{
    return h.find<QCheckBox>(QLatin1String(name))->isChecked();
}

QString textOf(Harness &h, const char *name)
{
    QWidget *w = h.find<QWidget>(QLatin1String(name));
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->currentText();
    if (auto *box = qobject_cast<QCheckBox *>(w))
        return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    return qobject_cast<QLineEdit *>(w)->text();
}

} // namespace

class RandomTest : public QObject
{
    Q_OBJECT

private:
    // Sets every check box, edit, combo box and radio group of a screen at random.
    static void randomize(QWidget *page, QRandomGenerator &rng)
    {
        for (QCheckBox *box : page->findChildren<QCheckBox *>())
            box->setChecked(rng.bounded(2) == 1);
        for (QComboBox *combo : page->findChildren<QComboBox *>()) {
            if (rng.bounded(2) && combo->count())
                combo->setCurrentIndex(rng.bounded(combo->count()));
            else
                combo->setEditText(randomText(rng));
        }
        for (QLineEdit *edit : page->findChildren<QLineEdit *>()) {
            if (!qobject_cast<QComboBox *>(edit->parentWidget()))
                edit->setText(randomText(rng));
        }
        QList<QButtonGroup *> groups;
        for (QRadioButton *radio : page->findChildren<QRadioButton *>()) {
            if (radio->group() && !groups.contains(radio->group()))
                groups << radio->group();
        }
        for (QButtonGroup *group : groups) {
            const QList<QAbstractButton *> buttons = group->buttons();
            buttons.at(rng.bounded(buttons.size()))->setChecked(true);
        }
    }

    // The step's own lines, after checking the heading and footer of the style.
    static QStringList ownLines(const QStringList &written, const QString &style, int step)
    {
        QStringList lines = written;
        if (style == QLatin1String("S1")) {
            if (lines.size() < 5 || lines[0] != titles[step - 1] || lines[1] != " "
                || lines.mid(lines.size() - 3) != QStringList {" ", rule1, " "})
                return {QStringLiteral("<bad S1 framing>")};
            return lines.mid(2, lines.size() - 5);
        }
        if (style == QLatin1String("S2")) {
            if (lines.size() < 4 || lines.mid(0, 2) != QStringList {" ", rule2}
                || lines.mid(lines.size() - 2) != QStringList {" ", rule2})
                return {QStringLiteral("<bad S2 framing>")};
            return lines.mid(2, lines.size() - 4);
        }
        return lines;
    }

    static void checkPrefixes(const QStringList &lines, const QStringList &prefixes)
    {
        QCOMPARE(lines.size(), prefixes.size());
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(lines[i].startsWith(prefixes[i]), qPrintable(lines[i]));
    }

private slots:
    void randomRuns_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 24; ++seed)
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }

    void randomRuns()
    {
        QFETCH(quint32, seed);
        QRandomGenerator rng(seed);
        Harness h;
        h.click(QStringLiteral("tbNew"));
        randomize(h.find<QWidget>(QStringLiteral("pnlStart")), rng);
        // The lines below are read as ET 2.60b's.
        h.chooseGame(Game::Version::Et260b);
        const QString style = QStringList {"SN", "S1", "S2"}.at(rng.bounded(3));
        h.chooseStyle(style);
        const QString before = h.text();
        h.click(QStringLiteral("SpeedButton1"));
        QVERIFY(h.text().startsWith(before));
        // The header keeps its five fixed blank lines and ends in two of them.
        const QStringList header = h.lines().mid(1, h.lines().size() - 2);
        QCOMPARE(header.count(QStringLiteral(" ")) >= 5, true);
        QCOMPARE(header.mid(header.size() - 2), (QStringList {" ", " "}));

        for (int step = 1; step <= 9; ++step) {
            QWidget *page = h.window().stepPage(step);
            randomize(page, rng);
            QStringList vsays;
            if (step == 2) {
                int lastBound = -1; // which Add last bound a key
                for (int i = rng.bounded(4); i > 0; --i) {
                    const bool vsay = rng.bounded(2);
                    const QStringList was = h.lines();
                    h.click(QLatin1String(vsay ? "btnVsayAdd" : "btnSayAdd"));
                    // The same Add as the last one that bound a key binds nothing twice.
                    if (lastBound == int(vsay)) {
                        QCOMPARE(h.lines(), was);
                        continue;
                    }
                    if (h.lines().size() > was.size())
                        lastBound = int(vsay);
                    const QStringList added = h.lines().mid(was.size() - 1);
                    const QString key = textOf(h, vsay ? "edVs" : "edS");
                    const QString binding = vsay ? "vsay " + chat(textOf(h, "cbVsay"))
                                                 : "say " + chat(textOf(h, "edTexthere"));
                    int at = 0;
                    checkBind(added, at, key, binding);
                    QCOMPARE(added.size() - 1, at);
                }
            }
            const QString was = h.text();
            // Whatever the fields of step 2 hold now is not added.
            h.fakes.dialogs.chooseAnswers = {QMessageBox::No, QMessageBox::No};
            const QStringList written = h.pressNext(step);
            h.fakes.dialogs.chooseAnswers.clear();
            QVERIFY2(h.text().startsWith(was), "a step changed lines already written");
            if (step == 2) {
                QCOMPARE(written, QStringList {});
                continue;
            }
            const QStringList own = ownLines(written, style, step);
            switch (step) {
            case 1: {
                int at = 0;
                for (const auto &row : controlRows) {
                    if (!checked(h, row[0]))
                        continue;
                    const QString input = textOf(h, row[1]);
                    if (QLatin1String(row[1]) == QLatin1String("cbSensitivity")) {
                        QVERIFY(at < own.size());
                        checkSetting(own[at++], QStringLiteral("seta sensitivity "), input);
                    } else {
                        checkBind(own, at, input);
                    }
                }
                QCOMPARE(own.size(), at);
                break;
            }
            case 3:
            case 4: {
                int count = 0;
                for (const Script &script : step == 3 ? scripts1 : scripts2) {
                    if (!checked(h, script.box))
                        continue;
                    count += script.lines;
                    for (const QString &key : script.keys)
                        count -= textOf(h, qPrintable(key)).contains(QLatin1Char('"'));
                }
                QCOMPARE(own.size(), count);
                if (step == 3 && checked(h, "chkFov"))
                    checkSetting(own.first(), QStringLiteral("seta cg_fov "), textOf(h, "edFov"));
                if (step == 4 && checked(h, "chkKill")) {
                    const QStringList kill = own.filter(QStringLiteral("\"kill;say "));
                    int at = 0;
                    checkBind(kill, at, textOf(h, "edKill"),
                              "kill;say " + chat(textOf(h, "edKill1")));
                }
                break;
            }
            case 5: {
                const bool nick = checked(h, "chkName") && checked(h, "CheckBox1");
                if (nick) {
                    QVERIFY(!own.isEmpty());
                    checkSetting(own.first(), QStringLiteral("seta name "), textOf(h, "edNick"));
                }
                checkPrefixes(own.mid(nick ? 1 : 0), gamePrefixes);
                break;
            }
            case 6:
                checkPrefixes(own, viewPrefixes);
                break;
            case 7: {
                QStringList prefixes;
                for (const char *rb : {"rb1280", "rb1024", "rb800", "rb1366", "rb1600", "rb1920",
                                       "rb2560", "rb3840"}) {
                    if (h.find<QRadioButton>(QLatin1String(rb))->isChecked())
                        prefixes << "seta r_customheight \""
                                 << "seta r_customwidth \""
                                 << "seta r_mode \"-1\"";
                }
                const QPair<const char *, const char *> rows[]
                        = {{"chkFS", "seta r_fullscreen "},
                           {"chkDetT", "seta r_detailtextures "},
                           {"chkCT", "seta r_ext_compressed_textures "},
                           {"chkDynL", "seta r_dynamiclight "}};
                for (const auto &row : rows) {
                    if (checked(h, row.first))
                        prefixes << QLatin1String(row.second);
                }
                checkPrefixes(own, prefixes);
                break;
            }
            case 8: {
                int at = 0;
                for (const auto &row : serverRows) {
                    if (!checked(h, row[0]))
                        continue;
                    QVERIFY(at < own.size());
                    checkSetting(own[at++], QLatin1String(row[1]), textOf(h, row[2]));
                }
                QCOMPARE(own.size(), at);
                break;
            }
            case 9: {
                int at = 0;
                for (const auto &row : miscRows) {
                    QVERIFY(at < own.size());
                    if (row.second)
                        checkSetting(own[at], QLatin1String(row.first), textOf(h, row.second));
                    else
                        QVERIFY2(own[at].startsWith(QLatin1String(row.first)), qPrintable(own[at]));
                    ++at;
                }
                // No line for the menu file: both games force it.
                QVERIFY(own.filter(QStringLiteral("ui_menuFiles")).isEmpty());
                checkBind(own, at, textOf(h, "edReady"), QStringLiteral("ready"));
                checkBind(own, at, textOf(h, "edNready"), QStringLiteral("notready"));
                QCOMPARE(own.size(), at);
                break;
            }
            }
            // Whatever the player typed, every line is one command to the game.
            for (const QString &line : own)
                QVERIFY2(!wordsOf(line).isEmpty(), qPrintable(line));
            if (QTest::currentTestFailed())
                return;
        }
        Layer layer;
        QVERIFY(h.visibleLayer(&layer) && layer == Layer::Editor);
    }
};

TARVEX_TEST_MAIN(RandomTest)
#include "tst_random.moc"
