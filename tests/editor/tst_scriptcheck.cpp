// The check of the script view: each line's problems as each game version has them, the
// colours and underlines, the lines an edit elsewhere changes, and the Check Script window
// after a default run.
#include "editor/CheckTools.h"
#include "editor/KeyMapModel.h"
#include "editor/ProblemsWindow.h"
#include "editor/ScriptCheck.h"
#include "editor/ScriptHighlighter.h"
#include "platform/Settings.h"
#include "support/Harness.h"
#include "wizard/ScriptBuffer.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextLayout>

using Game::Version;

namespace {

// "line [underlined text] message" for every problem of the document.
QStringList describe(const QTextDocument &document, const ScriptCheck &check)
{
    QStringList problems;
    for (const ScriptCheck::Entry &entry : check.allProblems()) {
        const QString line = document.findBlockByNumber(entry.line).text();
        problems << QStringLiteral("%1 [%2] %3")
                            .arg(entry.line + 1)
                            .arg(line.mid(entry.problem.span.start, entry.problem.span.length),
                                 entry.problem.message);
    }
    return problems;
}

QString markName(const QColor &colour)
{
    static const char *const names[] = {"comment", "command", "setting", "key", "quoted", "number"};
    for (int mark = 0; mark < 6; ++mark) {
        if (ScriptHighlighter::colour(Game::Mark(mark)) == colour)
            return QLatin1String(names[mark]);
    }
    return QStringLiteral("plain");
}

// "[text] kind" for every run of the block's colours, "~" after a wavy underline.
QStringList formats(const QTextBlock &block)
{
    QStringList runs;
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        QString run = QStringLiteral("[%1] %2").arg(block.text().mid(range.start, range.length),
                                                    markName(range.format.foreground().color()));
        if (range.format.underlineStyle() == QTextCharFormat::WaveUnderline)
            run += QLatin1Char('~');
        runs << run;
    }
    return runs;
}

void typeAt(QTextDocument &document, int line, int column, const QString &text)
{
    QTextCursor cursor(document.findBlockByNumber(line));
    cursor.setPosition(cursor.position() + column);
    cursor.insertText(text);
}

} // namespace

class ScriptCheckTest : public QObject
{
    Q_OBJECT

private slots:
    // Each test starts from no choice of version, whatever an earlier run left.
    void init() { Settings().clear(); }

    void problems_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<Version>("version");
        QTest::addColumn<QStringList>("expected");
        const Version et = Version::Et260b;
        const Version legacy = Version::Legacy;
        const QString fine = QStringLiteral(
                "bind F3 \"ready\"\nseta cl_run 1\n// a comment\necho made by me\n"
                "cg_fov 90\nseta name \"Big Bad Wolf\"\nset server_motd0 Welcome to my server\n"
                "bind F4 \"kill; say bye\"\necho http://x.org");
        QTest::newRow("fine, ET 2.60b") << fine << et << QStringList();
        QTest::newRow("fine, ET: Legacy") << fine << legacy << QStringList();
        QTest::newRow("unknown command")
                << "jump; echo" << et
                << QStringList {"1 [jump] ET 2.60b has no command \"jump\"; it does nothing"};
        QTest::newRow("unknown setting")
                << "set g_allowVote 1\ncg_drawIcons 1" << et
                << QStringList {"1 [g_allowVote] ET 2.60b has no setting \"g_allowVote\"; this "
                                "line only makes a new variable",
                                "2 [cg_drawIcons] ET 2.60b has no command \"cg_drawIcons\"; it "
                                "does nothing"};
        QTest::newRow("variables the script runs with vstr")
                << "set t0 \"cg_fov 90; set t vstr t1\"\nset t1 \"cg_fov 100; set t vstr t0\"\n"
                   "set t \"vstr t0\"\nbind F4 \"vstr t\"\nseta vol \"bind INS vstr low\"\n"
                   "set low \"s_volume 0.1\"\nvstr vol"
                << et << QStringList();
        QTest::newRow("menu-only setting, ET 2.60b")
                << "seta cg_drawBuddies 1" << et
                << QStringList {"1 [cg_drawBuddies] ET 2.60b does not read \"cg_drawBuddies\": "
                                "only its menus list it, so this line changes nothing"};
        QTest::newRow("a setting of the other version")
                << "seta cg_drawBuddies 1\nseta com_updatemessage 1" << legacy
                << QStringList {"1 [cg_drawBuddies] ET: Legacy has no setting "
                                "\"cg_drawBuddies\" (ET 2.60b has); this line only makes a new "
                                "variable"};
        QTest::newRow("a setting of ET: Legacy only")
                << "seta com_updatemessage 1" << et
                << QStringList {"1 [com_updatemessage] ET 2.60b has no setting "
                                "\"com_updatemessage\" (ET: Legacy has); this line only makes a "
                                "new variable"};
        QTest::newRow("unknown keys")
                << "bind FOO \"+attack\"\nbind LEFTALT \"+stats\"" << et
                << QStringList {"1 [FOO] ET 2.60b: \"FOO\" isn't a valid key; this line binds "
                                "nothing",
                                "2 [LEFTALT] ET 2.60b: \"LEFTALT\" isn't a valid key; this line "
                                "binds nothing"};
        QTest::newRow("no value")
                << "set sv_minping \nseta" << legacy
                << QStringList {"1 [set sv_minping] \"set\" has no value: the game prints its "
                                "usage and sets nothing",
                                "2 [seta] \"seta\" has no value: the game prints its usage and "
                                "sets nothing"};
        QTest::newRow("value words, ET 2.60b")
                << "seta nme Big Bad Wolf\nsetu name Your Nick Here\nseta name Big Bad" << et
                << QStringList {"1 [nme] ET 2.60b has no setting \"nme\"",
                                "1 [Big Bad Wolf] ET 2.60b: \"seta\" takes at most two value "
                                "words: the game prints its usage and sets nothing; put the value "
                                "in quotes",
                                "2 [Your Nick Here] ET 2.60b: \"setu\" takes at most two value "
                                "words: the game prints its usage and sets nothing; put the value "
                                "in quotes"};
        QTest::newRow("value words, ET: Legacy")
                << "seta nme Big Bad Wolf\nsetu name Your Nick Here\nseta name Big Bad" << legacy
                << QStringList {"1 [nme] ET: Legacy has no setting \"nme\"; this line only makes "
                                "a new variable"};
        QTest::newRow("semicolon in a comment, ET 2.60b")
                << "bind F5 \"kill\" // made by me; quit\n// \"a; b\"; c" << et
                << QStringList {"1 [; quit] ET 2.60b ends the comment at this \";\" and runs the "
                                "rest as a command",
                                "2 [; c] ET 2.60b ends the comment at this \";\" and runs the rest "
                                "as a command",
                                "2 [c] ET 2.60b has no command \"c\"; it does nothing"};
        QTest::newRow("semicolon in a comment, ET: Legacy")
                << "bind F5 \"kill\" // made by me; quit" << legacy << QStringList();
        QTest::newRow("unbalanced quote")
                << "bind F5 \"+attack\"\nbind F5 \"say hi; kill" << et
                << QStringList {"2 [F5] F5 was bound on line 1; this line replaces it",
                                "2 [\"say hi; kill] This quote is not closed: the game reads the "
                                "rest of the line as one word"};
        const QString longValue(1100, QLatin1Char('x'));
        QTest::newRow("command over 1023 bytes")
                << "echo " + longValue + "\necho a; echo " + longValue.left(1015) << et
                << QStringList {"1 [" + longValue.mid(1018)
                                + "] The game reads at most 1023 bytes of a command and cuts off "
                                  "the rest"};
        QTest::newRow("NUL character")
                << QStringLiteral("echo a") + QChar(0) + QStringLiteral("; quit\necho b") << et
                << QStringList {QStringLiteral("1 [") + QChar(0)
                                + QStringLiteral("; quit] The game stops reading the file at this "
                                                 "NUL character: nothing after it runs")};
        QString manyWords = QStringLiteral("echo");
        for (int i = 1; i < 256; ++i)
            manyWords += QStringLiteral(" w");
        QTest::newRow("words past 256")
                << manyWords + QStringLiteral(" x y; echo // z") << legacy
                << QStringList {"1 [x y] The game reads at most 256 words of a command and ignores "
                                "the rest"};
        const QString address = QStringLiteral("seta url http://et.example/a;echo hi");
        QTest::newRow("web address, ET 2.60b") << address << et << QStringList();
        QTest::newRow("web address, ET: Legacy")
                << address << legacy
                << QStringList {"1 [;] ET: Legacy takes the \"//\" before this \";\" for a "
                                "comment's start (even in \"http://\"), so the \";\" ends no "
                                "command"};
        QTest::newRow("comment between stars, ET: Legacy")
                << "echo a /* b; c */ echo d\necho e /* f" << legacy
                << QStringList {"2 [/* f] ET: Legacy reads everything up to the next \"*/\" as a "
                                "comment, the lines below included"};
        QTest::newRow("key bound again")
                << "bind F5 \"+attack\"\nbind X \"kill\"; bind F5 \"+moveup\"\nbind f5 "
                   "\"+activate\"\n"
                   "bind SEMICOLON \"+stats\"\nbind semicolon \"+scores\""
                << legacy
                << QStringList {"2 [F5] F5 was bound on line 1; this line replaces it",
                                "3 [f5] f5 was bound on line 2; this line replaces it",
                                "5 [semicolon] semicolon was bound on line 4; this line replaces "
                                "it"};
    }

    void problems()
    {
        QFETCH(QString, script);
        QFETCH(Version, version);
        QFETCH(QStringList, expected);
        QTextDocument document(script);
        ScriptCheck check(&document, version);
        QCOMPARE(describe(document, check), expected);
    }

    void colours_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("binding") << "bind F3 \"ready\" // gg"
                                 << QStringList {"[bind] command", "[F3] key", "[\"ready\"] quoted",
                                                 "[// gg] comment"};
        QTest::newRow("setting") << "seta m_pitch -0.022; cg_crosshairColor white"
                                 << QStringList {"[seta] command", "[m_pitch] setting",
                                                 "[-0.022] number", "[cg_crosshairColor] setting"};
        QTest::newRow("problems over colours")
                << "vstr t; set g_allowVote 1 //x; y"
                << QStringList {"[vstr] command", "[t] setting~",
                                "[set] command",  "[g_allowVote] setting~",
                                "[1] number",     "[//x] comment",
                                "[; y] plain~"};
    }

    void colours()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, expected);
        QPlainTextEdit view(line);
        ScriptCheck check(view.document(), Version::Et260b);
        ScriptHighlighter highlighter(check);
        QCOMPARE(formats(view.document()->firstBlock()), expected);
        // Only the view shows the colours: the text is what the player typed.
        QCOMPARE(view.document()->toRawText(), line);
    }

    // An edit of one line changes the problems of others: the next binding of the same key,
    // and the set lines of a name that the script runs with vstr.
    void editsReachOtherLines()
    {
        QPlainTextEdit view(
                QStringLiteral("bind F1 \"+attack\"\nset t \"echo\"\nbind F1 \"+moveup\"\nvstr x"));
        QTextDocument &document = *view.document();
        ScriptCheck check(&document, Version::Et260b);
        ScriptHighlighter highlighter(check);
        auto underlined = [&](int line) {
            return formats(document.findBlockByNumber(line)).join(QLatin1Char(' ')).contains('~');
        };
        QVERIFY(underlined(1) && underlined(2));

        typeAt(document, 0, 7, QStringLiteral("1")); // bind F11: F1 is bound once now
        QVERIFY(!underlined(2));
        typeAt(document, 3, 6, QStringLiteral("\nvstr t")); // the script runs t now
        QVERIFY(!underlined(1));
        typeAt(document, 1, 12, QStringLiteral("\nbind F1 \"+activate\"")); // before the binding
        QVERIFY(underlined(3));
        QCOMPARE(check.problems(document.findBlockByNumber(3)).first().message,
                 QStringLiteral("F1 was bound on line 3; this line replaces it"));
        QTextCursor cursor(document.findBlockByNumber(1));
        cursor.movePosition(QTextCursor::EndOfBlock);
        cursor.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.removeSelectedText(); // line 3 goes: the binding after it is the first now
        QVERIFY(!underlined(2));
        QVERIFY(underlined(3)); // vstr x, which the script never sets
        typeAt(document, 1, 12, QStringLiteral("; set x \"echo\""));
        QVERIFY(!underlined(3));
        typeAt(document, 2, 0, QStringLiteral("bind F1 \"+moveup\"\n")); // the same binding
        QVERIFY(!underlined(3));

        // What the edits left equals a check of the text from scratch.
        QTextDocument fresh(document.toPlainText());
        ScriptCheck freshCheck(&fresh, Version::Et260b);
        QCOMPARE(describe(document, check), describe(fresh, freshCheck));
    }

    // ET: Legacy: a "/*" typed on a line makes the lines below comment up to the next "*/":
    // their problems and bindings go and they show as comment; what follows the "*/" is read
    // again as commands. Deleting the "/*" brings it all back.
    void commentOverLines()
    {
        QPlainTextEdit view(QStringLiteral(
                "echo start\nbind NOKEY x\nbind F1 \"+attack\"\nset v \"unbind F2\"\n"
                "*/ bind F1 \"+back\"\necho end"));
        QTextDocument &document = *view.document();
        ScriptCheck check(&document, Version::Legacy);
        ScriptHighlighter highlighter(check);
        KeyMapModel keys(check);
        const QStringList before = describe(document, check);
        // NOKEY is no key, v no setting, "*/" no command.
        QCOMPARE(before.size(), 3);
        QCOMPARE(check.boundKeys(true), QStringList {"F2"});

        typeAt(document, 0, 10, QStringLiteral(" /* off"));
        QCOMPARE(describe(document, check),
                 QStringList {"1 [/* off] ET: Legacy reads everything up to the next \"*/\" as "
                              "a comment, the lines below included"});
        QCOMPARE(formats(document.findBlockByNumber(2)),
                 QStringList {"[bind F1 \"+attack\"] comment"});
        keys.refresh();
        QCOMPARE(keys.use(QStringLiteral("F1")).binding, QStringLiteral("+back"));
        QCOMPARE(keys.use(QStringLiteral("F1")).line, 4);
        QVERIFY(check.boundKeys(true).isEmpty());
        QTextDocument fresh(document.toPlainText());
        ScriptCheck freshCheck(&fresh, Version::Legacy);
        QCOMPARE(describe(document, check), describe(fresh, freshCheck));

        QTextCursor cursor(document.findBlockByNumber(0));
        cursor.setPosition(cursor.position() + 10);
        cursor.setPosition(cursor.position() + 3, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        QCOMPARE(describe(document, check), before);
        QVERIFY(formats(document.findBlockByNumber(2)).contains("[F1] key"));
        QCOMPARE(check.boundKeys(true), QStringList {"F2"});
    }

    // A message longer than the window is wide shows whole, on more than one row.
    void wholeMessages()
    {
        Harness h;
        h.window().buffer().replace({QStringLiteral("seta name Big Bad Wolf")});
        h.window().checkTools().showProblems();
        auto *list = h.find<QListWidget>(QStringLiteral("lstProblems"));
        list->window()->resize(300, 260);
        QTRY_VERIFY(list->viewport()->width() < 300);
        const QString text = list->item(0)->text();
        const QRect row = list->visualItemRect(list->item(0));
        const QFontMetrics metrics(list->font());
        const QRect needed
                = metrics.boundingRect(QRect(0, 0, row.width(), 10000), Qt::TextWordWrap, text);
        QVERIFY(metrics.horizontalAdvance(text) > row.width());
        QVERIFY2(row.height() >= needed.height(), qPrintable(QString::number(row.height())));
    }

    // After a default run, Check Script (F8) finds no problem: the wizard writes no line the
    // game does not read. A line typed in the view joins the list, and activating an entry puts
    // the caret there.
    void defaultRun()
    {
        Harness h;
        h.startRun();
        h.nextUntil(10);
        QPlainTextEdit *editor = h.window().editor();
        QTest::keyClick(editor, Qt::Key_F8);
        auto *list = h.find<QListWidget>(QStringLiteral("lstProblems"));
        QVERIFY(list->isVisible());
        const QStringList lines = h.lines();
        auto lineOf = [&](const QString &text) {
            return lines.indexOf(text) + 1;
        };
        auto entries = [list] {
            QStringList texts;
            for (int i = 0; i < list->count(); ++i) {
                texts << list->item(i)->text();
                QAccessibleInterface *item = QAccessible::queryAccessibleInterface(list)->child(i);
                if (!item || item->text(QAccessible::Name) != texts.last())
                    texts.last() += QStringLiteral(" (accessible name differs)");
            }
            return texts;
        };
        QCOMPARE(entries(), QStringList {QStringLiteral("No problems found")});

        // A new line at the end of the script.
        editor->activateWindow();
        editor->setFocus();
        editor->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor, QStringLiteral("seta nme Big Bad Wolf"));
        const int typed = lines.size();
        QTRY_COMPARE(list->count(), 2);
        QCOMPARE(
                entries(),
                (QStringList {QStringLiteral("Line %1: ET 2.60b has no setting \"nme\"").arg(typed),
                              QStringLiteral("Line %1: ET 2.60b: \"seta\" takes at most two value "
                                             "words: the game prints its usage and sets nothing; "
                                             "put the value in quotes")
                                      .arg(typed)}));
        // The caret on the problem shows it in the hint line.
        QCOMPARE(h.find<QLabel>(QStringLiteral("StatusPanel0"))->text(),
                 entries().last().section(QStringLiteral(": "), 1));

        editor->moveCursor(QTextCursor::Start);
        emit list->itemActivated(list->item(0));
        QCOMPARE(editor->textCursor().blockNumber() + 1, typed);
        QCOMPARE(editor->textCursor().positionInBlock(), 5);

        // The version chosen holds for this and later runs.
        auto *version = h.find<QComboBox>(QStringLiteral("cbGameVersion"));
        version->setCurrentIndex(1);
        emit version->activated(1);
        QVERIFY(entries().contains(
                QStringLiteral("Line %1: ET: Legacy has no setting \"cl_autoupdate\" (ET 2.60b "
                               "has); this line only makes a new variable")
                        .arg(lineOf("seta cl_autoupdate 0"))));
        Harness later;
        later.window().checkTools().showProblems();
        QCOMPARE(later.window().checkTools().version(), Version::Legacy);
    }
};

TARVEX_TEST_MAIN(ScriptCheckTest)
#include "tst_scriptcheck.moc"
