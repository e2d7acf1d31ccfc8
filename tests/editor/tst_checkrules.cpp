// The rules of the script check, one group of lines written for each, in both game versions;
// and settings files in the shape the games write them, which show no problem at all.
#include "editor/ScriptCheck.h"
#include "game/LineCheck.h"
#include "support/Harness.h"

#include <QFile>
#include <QTextDocument>

using Game::Version;

namespace {

// "line [underlined text] message" for every problem of the script.
QStringList describe(const QString &script, Version version)
{
    const QStringList lines = script.split(QLatin1Char('\n'));
    QStringList problems;
    for (const ScriptCheck::Entry &entry : ScriptCheck::problemsOf(script, version)) {
        problems << QStringLiteral("%1 [%2] %3")
                            .arg(entry.line + 1)
                            .arg(lines[entry.line].mid(entry.problem.span.start,
                                                       entry.problem.span.length),
                                 entry.problem.message);
    }
    return problems;
}

const QString et = QStringLiteral("ET 2.60b");
const QString legacy = QStringLiteral("ET: Legacy");

} // namespace

class CheckRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void rules_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("inEt260b");
        QTest::addColumn<QStringList>("inLegacy");

        QTest::newRow("seta's fourth word")
                << "seta r_mode \"-1\" unsafe\nseta cl_maxpackets 100 30\nseta name Big Bad Wolf"
                << QStringList {"3 [Big Bad Wolf] ET 2.60b: \"seta\" takes at most two value "
                                "words: the game prints its usage and sets nothing; put the "
                                "value in quotes"}
                << QStringList();
        QTest::newRow("settings both games register")
                << "set g_gametype 4\nseta cg_centertime 5\nseta r_wolffog 1" << QStringList()
                << QStringList();
        QTest::newRow("+vstr runs both names")
                << "set duckon \"+movedown\"\nset duckoff \"-movedown\"\n"
                   "bind c \"+vstr duckon duckoff\""
                << QStringList() << QStringList();
        QTest::newRow("semicolon in a comment")
                << "//bind t vstr x; \n// gl hf; echo hi"
                << QStringList {"2 [; echo hi] ET 2.60b ends the comment at this \";\" and runs "
                                "the rest as a command"}
                << QStringList();
        QTest::newRow("key bound again")
                << "bind F1 \"+attack\"\nbind F1 \"+attack\"\nbind F2 \"kill\"\nbind F2 \"+stats\""
                << QStringList {"4 [F2] F2 was bound on line 3; this line replaces it"}
                << QStringList {"4 [F2] F2 was bound on line 3; this line replaces it"};
        const QStringList protectedSettings = {
                "1 [r_wolffog] r_wolffog is cheat protected: the game puts it back when you join "
                "a server",
                "3 [version] version is read only: the game keeps its own value, so this line "
                "changes nothing",
                "4 [fs_game] fs_game is write protected: only the game's command line sets it, "
                "so this line changes nothing"};
        QTest::newRow("protected settings")
                << "seta r_wolffog 0\nr_wolffog 1\nset version 9\nset fs_game etpro\ncg_draw2D 1"
                << protectedSettings << protectedSettings;
        const QString word60 = QString(60, QLatin1Char('x'));
        QTest::newRow("ET 2.60b long values")
                << "set t \"say " + QString(251, QLatin1Char('a')) + "\"\nset u say " + word60 + " "
                        + word60 + " " + word60 + " " + word60 + " " + word60 + "\nset w say "
                        + QString(250, QLatin1Char('b')) + "\nvstr t; vstr u; vstr w"
                << QStringList {"1 [\"say " + QString(251, QLatin1Char('a'))
                                        + "\"] ET 2.60b leaves the value empty: a value word of "
                                          "255 bytes or more is too long for it",
                                "2 [" + word60
                                        + "] ET 2.60b cuts a value near 254 bytes: it drops the "
                                          "words from here on"}
                << QStringList();
        QTest::newRow("commands inside bindings and values")
                << "bind F1 \"spawnmenu\"\nbind F2 \"+kick; say go\"\nset spam \"say hi;jmp\"\n"
                   "vstr spam\nset quiet \"zzzz\""
                << QStringList {"1 [spawnmenu] ET 2.60b has no command \"spawnmenu\"; it does "
                                "nothing when the key is pressed",
                                "2 [+kick] ET 2.60b has no command \"+kick\"; it does nothing when "
                                "the key is pressed; did you mean kick?",
                                "3 [jmp] ET 2.60b has no command \"jmp\"; it does nothing when "
                                "vstr runs this value",
                                "5 [quiet] ET 2.60b has no setting \"quiet\"; this line only "
                                "makes a new variable"}
                << QStringList {"2 [+kick] ET: Legacy has no command \"+kick\"; it does nothing "
                                "when the key is pressed; did you mean kick?",
                                "3 [jmp] ET: Legacy has no command \"jmp\"; it does nothing when "
                                "vstr runs this value",
                                "5 [quiet] ET: Legacy has no setting \"quiet\"; this line only "
                                "makes a new variable"};
        QTest::newRow("ET 2.60b inner quotes")
                << "set n name \"A B\"\nvstr n\nset m \"name A B\"\nvstr m"
                << QStringList {"1 [\"A B\"] ET 2.60b drops these quotes when it joins the value's "
                                "words, so a vstr of it splits \"A B\" at the blank"}
                << QStringList();
        QTest::newRow("no effect")
                << "seta ui_menuFiles \"x\""
                << QStringList {"1 [ui_menuFiles] ET 2.60b does not use \"ui_menuFiles\": nothing "
                                "reads it or the game sets it itself, so this line changes "
                                "nothing"}
                << QStringList {"1 [ui_menuFiles] ET: Legacy does not use \"ui_menuFiles\": "
                                "nothing reads it or the game sets it itself, so this line "
                                "changes nothing"};
        QTest::newRow("values the game clamps")
                << "seta cg_fov 170\nseta cg_fov 80\nseta s_khz 48\nseta s_khz 32\n"
                   "seta com_maxfps 1000\ncg_fov 100"
                << QStringList {"1 [170] ET 2.60b keeps cg_fov between 90 and 160: 170 acts as 160",
                                "2 [80] ET 2.60b keeps cg_fov between 90 and 160: 80 acts as 90",
                                "3 [48] ET 2.60b plays sound at 11 kHz for any s_khz but 22 or 44",
                                "4 [32] ET 2.60b plays sound at 11 kHz for any s_khz but 22 or 44"}
                << QStringList {"1 [170] ET: Legacy keeps cg_fov between 75 and 160: 170 acts as "
                                "160",
                                "4 [32] ET: Legacy takes s_khz 11, 22, 44 or 48; any other value "
                                "means 22",
                                "5 [1000] ET: Legacy keeps com_maxfps between 20 and 500: 1000 "
                                "acts as 500"};
        const QStringList playerTries = {
                "1 [spam2] The script never sets \"spam2\": this vstr runs nothing unless another "
                "file sets it",
                "2 [//there] The game drops the text after \"//\" when the key is pressed",
                "3 [cg_crosshairSise] %1 has no setting \"cg_crosshairSise\"; this line only "
                "makes a new variable; did you mean cg_crosshairSize?",
                "4 [\"vstr opady\"] No key given: the game takes \"vstr opady\" for the key and "
                "binds nothing"};
        QTest::newRow("tried as a player would")
                << "vstr spam2\nbind J \"say hi //there\"\nseta cg_crosshairSise 2\n"
                   "bind  \"vstr opady\""
                << playerTries.join('\n').arg(et).split('\n')
                << playerTries.join('\n').arg(legacy).split('\n');
    }

    // A word far longer than any name is checked without a suggestion, in little time and
    // memory (its forms once took the square of its length).
    void longUnknownWord()
    {
        const QString word(300000, QLatin1Char('x'));
        for (const Game::Version version : {Game::Version::Et260b, Game::Version::Legacy}) {
            const Game::LineCheck check = Game::checkLine(word, version);
            QVERIFY(!check.problems.isEmpty());
            for (const Game::Problem &problem : check.problems)
                QVERIFY(!problem.message.contains(QStringLiteral("did you mean")));
        }
    }

    void rules()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, inEt260b);
        QFETCH(QStringList, inLegacy);
        QCOMPARE(describe(script, Version::Et260b), inEt260b);
        QCOMPARE(describe(script, Version::Legacy), inLegacy);
    }

    // The settings files the games write for themselves hold no problem.
    void gameWrittenFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Version>("version");
        QTest::newRow("ET 2.60b") << "etconfig_et260b.cfg" << Version::Et260b;
        QTest::newRow("ET: Legacy") << "etconfig_legacy.cfg" << Version::Legacy;
    }

    void gameWrittenFiles()
    {
        QFETCH(QString, file);
        QFETCH(Version, version);
        QFile in(QStringLiteral(TARVEX_TEST_DATA_DIR "/") + file);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(in.readAll());
        QVERIFY(text.count(QLatin1Char('\n')) > 20);
        QCOMPARE(describe(text, version), QStringList());
    }
};

TARVEX_TEST_MAIN(CheckRulesTest)
#include "tst_checkrules.moc"
