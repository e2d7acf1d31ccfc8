// What the player types, on every kind of row of every step, reaches the game as the player
// meant it: values quoted where the game needs quotes and commented out when empty, chat texts
// that cannot end their binding or start a command, keys the game can read.
#include "support/Harness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

// Runs the wizard up to `step` under SN, ticking `boxes` on the way, with `field` retyped.
QStringList linesOf(Harness &h, int step, const QStringList &boxes, const QString &field,
                    const QString &typed, const QString &button = QString())
{
    h.chooseStyle(QStringLiteral("SN"));
    h.click(QStringLiteral("tbNew"));
    h.click(QStringLiteral("SpeedButton1"));
    h.nextUntil(step);
    for (const QString &box : boxes)
        h.setChecked(box);
    h.paste(field, typed);
    return h.press(button.isEmpty() ? Harness::nextButton(step) : button);
}

const QString cannotBind = QStringLiteral("\" cannot be bound");

} // namespace

class TypedTextTest : public QObject
{
    Q_OBJECT

private slots:
    // Each step's kinds of setting row, through the one writer of setting lines.
    void values_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        const QStringList none;
        QTest::newRow("sensitivity, number") << 1 << none << "cbSensitivity"
                                             << "3.5"
                                             << "seta sensitivity 3.5";
        QTest::newRow("sensitivity, empty") << 1 << none << "cbSensitivity"
                                            << ""
                                            << "//seta sensitivity";
        QTest::newRow("field of view, blanks") << 3 << QStringList {"chkFov"} << "edFov"
                                               << " 105"
                                               << "seta cg_fov \" 105\"";
        QTest::newRow("field of view, empty") << 3 << QStringList {"chkFov"} << "edFov"
                                              << "  "
                                              << "//seta cg_fov";
        QTest::newRow("nick, one word") << 5 << none << "edNick"
                                        << "Tess"
                                        << "seta name Tess";
        QTest::newRow("nick, blanks and quotes") << 5 << none << "edNick"
                                                 << " ^1Big \"Al\" "
                                                 << "seta name \" ^1Big 'Al' \"";
        QTest::newRow("nick, non-ASCII") << 5 << none << "edNick"
                                         << "J\u00f6rg"
                                         << "seta name \"J\u00f6rg\"";
        // Characters the script view or the game takes for a line end stay inside the line.
        QTest::newRow("nick, hidden line ends")
                << 5 << none << "edNick"
                << QStringLiteral("A\u2028quit\u2029B\ufdd0C\ufdd1D") + QChar(0)
                        + QStringLiteral("E")
                << "seta name \"A quit B C D E\"";
        QTest::newRow("nick, empty") << 5 << none << "edNick"
                                     << ""
                                     << "//seta name";
        const QStringList name {"chkSN"};
        QTest::newRow("server name, default") << 8 << name << "edServer"
                                              << "Tarvex's server"
                                              << "set sv_hostname \"Tarvex's server\"";
        QTest::newRow("server name, quotes and semicolon")
                << 8 << name << "edServer"
                << "\"My\" server; kick all"
                << "set sv_hostname \"'My' server; kick all\"";
        QTest::newRow("server name, empty") << 8 << name << "edServer"
                                            << ""
                                            << "//set sv_hostname";
        QTest::newRow("motd, blanks around") << 8 << QStringList {"chkM3"} << "edM3"
                                             << "  a  b  "
                                             << "set server_motd2 \"  a  b  \"";
        QTest::newRow("motd, comment mark") << 8 << none << "edM1"
                                            << "see //here"
                                            << "set server_motd0 \"see //here\"";
        QTest::newRow("motd, empty") << 8 << none << "edM1"
                                     << ""
                                     << "//set server_motd0";
        QTest::newRow("password, blanks and quotes") << 8 << none << "edPassr"
                                                     << "x y;\"z\""
                                                     << "seta refereePassword \"x y;'z'\"";
        QTest::newRow("password, empty") << 8 << none << "edPasss"
                                         << ""
                                         << "//set g_password";
        QTest::newRow("vote limit, only blanks") << 8 << none << "edVlimit"
                                                 << "   "
                                                 << "//set vote_limit";
        QTest::newRow("two blanks before the value, empty")
                << 8 << QStringList {"chkLMSM"} << "edLms1"
                << ""
                << "//seta g_lms_matchlimit";
        QTest::newRow("misc edit, empty") << 9 << none << "edRate"
                                          << ""
                                          << "//seta rate";
        QTest::newRow("misc edit, non-ASCII") << 9 << none << "edFPS"
                                              << "\u03a9"
                                              << "seta com_maxfps \"\u03a9\"";
        QTest::newRow("misc combo, two words") << 9 << none << "cbSound"
                                               << "44 kHz"
                                               << "seta s_khz \"44 kHz\"";
        QTest::newRow("misc combo, one word") << 9 << none << "cbCrosscolor"
                                              << "red"
                                              << "seta cg_crosshairColor red";
    }
    void values()
    {
        QFETCH(int, step);
        QFETCH(QStringList, boxes);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, line);
        Harness h;
        const QStringList lines = linesOf(h, step, boxes, field, typed);
        QVERIFY2(lines.contains(line), qPrintable(lines.join(QLatin1Char('|'))));
    }

    // Chat texts inside a binding's quotes, and keys, on every step that binds keys.
    void bindings_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("row"); // what the row's lines hold, among the step's lines
        QTest::addColumn<QStringList>("lines");
        const QStringList none;
        const QStringList noLine;
        QTest::newRow("say text") << 2 << none << "edTexthere"
                                  << "Nice shot \"mate\"; gg"
                                  << "btnSayAdd"
                                  << "" << QStringList {"bind F6 \"say Nice shot 'mate', gg\""};
        QTest::newRow("vsay text") << 2 << none << "cbVsay"
                                   << "Medic;quit"
                                   << "btnVsayAdd"
                                   << "" << QStringList {"bind F5 \"vsay Medic,quit\""};
        QTest::newRow("kill say text")
                << 4 << QStringList {"chkKill"} << "edKill1"
                << "bye \"all\"; quit"
                << ""
                << "" << QStringList {"//bind  \"kill;say bye 'all', quit\""};
        QTest::newRow("say text, hidden line ends")
                << 2 << none << "edTexthere"
                << QStringLiteral("gg\u2028quit\u2029a\ufdd0b\ufdd1c") + QChar(0)
                        + QStringLiteral("d")
                << "btnSayAdd"
                << "" << QStringList {"bind F6 \"say gg quit a b c d\""};
        QTest::newRow("controls key, hidden line ends")
                << 1 << none << "edForward"
                << QStringLiteral("\u2028W\u2029\ufdd0\ufdd1") + QChar(0) + QStringLiteral("X")
                << ""
                << "\"+forward\"" << QStringList {"bind \"W    X\" \"+forward\""};
        QTest::newRow("controls key, semicolon")
                << 1 << none << "edForward"
                << ";"
                << ""
                << "\"+forward\"" << QStringList {"bind SEMICOLON \"+forward\""};
        QTest::newRow("controls key, two words")
                << 1 << none << "edForward"
                << "mouse 1"
                << ""
                << "\"+forward\"" << QStringList {"bind \"MOUSE 1\" \"+forward\""};
        QTest::newRow("controls key, quote") << 1 << none << "edForward"
                                             << "\""
                                             << ""
                                             << "\"+forward\"" << noLine;
        QTest::newRow("say key, quote") << 2 << none << "edS"
                                        << "F\"6"
                                        << "btnSayAdd"
                                        << "" << noLine;
        QTest::newRow("script key, semicolon")
                << 4 << QStringList {"chkWalk"} << "edWalk2"
                << " ; "
                << ""
                << "" << QStringList {"bind SEMICOLON \"toggle cl_run\""};
        // The script is written all the same, without its key.
        QTest::newRow("script key, quote")
                << 3 << QStringList {"chkGun"} << "edGun"
                << "\""
                << ""
                << ""
                << QStringList {
                           "set gun0 \"echo ^1GUN ^7OFF; set cg_drawgun 0; set gun vstr gun1\"",
                           "set gun1 \"echo ^1GUN ^7ON; set cg_drawgun 1; set gun vstr gun0\"",
                           "set gun \"vstr gun0\""};
        QTest::newRow("ready key, quote") << 9 << none << "edReady"
                                          << "\""
                                          << ""
                                          << "\"ready\"" << noLine;
    }
    void bindings()
    {
        QFETCH(int, step);
        QFETCH(QStringList, boxes);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QString, row);
        QFETCH(QStringList, lines);
        Harness h;
        QWidget *input = h.find<QWidget>(field);
        const QStringList written = linesOf(h, step, boxes, field, typed, button);
        QCOMPARE(written.filter(row), lines);
        // A key that cannot be bound says why to screen readers, until it is retyped.
        if (lines.isEmpty() || lines.last().startsWith(QLatin1String("set "))) {
            QCOMPARE(input->accessibleDescription(), cannotBind);
            h.paste(field, QStringLiteral("F7"));
            QCOMPARE(input->accessibleDescription(), QString());
        }
    }
};

TARVEX_TEST_MAIN(TypedTextTest)
#include "tst_typed_text.moc"
