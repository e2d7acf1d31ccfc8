// Find and Find Next on the script view: the search itself, the Find dialog and the messages.
#include "editor/FindDialog.h"
#include "editor/TextSearch.h"
#include "support/Harness.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The script view shown after a whole run, holding `text` (line breaks as "\n").
void showScript(Harness &h, const QString &text)
{
    h.startRun();
    h.nextUntil(10);
    h.window().editor()->setPlainText(text);
}

// Find in the menu, the find text typed, the options ticked, then the dialog's Find Next.
void findFromDialog(Harness &h, const QString &findText, bool matchCase = false,
                    bool wholeWord = false, bool up = false)
{
    h.trigger(QStringLiteral("Find1"));
    auto *edit = h.find<QLineEdit>(QStringLiteral("edFindText"));
    edit->clear();
    QTest::keyClicks(edit, findText);
    h.find<QCheckBox>(QStringLiteral("chkMatchCase"))->setChecked(matchCase);
    h.find<QCheckBox>(QStringLiteral("chkWholeWord"))->setChecked(wholeWord);
    h.find<QRadioButton>(up ? QStringLiteral("rbUp") : QStringLiteral("rbDown"))->setChecked(true);
    QTest::mouseClick(h.find<QPushButton>(QStringLiteral("btnFindNext")), Qt::LeftButton);
}

// Where the selection starts and what it holds.
QPair<int, QString> selection(Harness &h)
{
    const QTextCursor cursor = h.window().editor()->textCursor();
    return {cursor.selectionStart(), cursor.selectedText()};
}

QStringList informations(Harness &h)
{
    QStringList texts;
    for (const ShownMessage &message : h.fakes.dialogs.messages) {
        if (message.kind == ShownMessage::Information && message.caption == "Information")
            texts << message.text;
    }
    return texts;
}

} // namespace

class SearchTest : public QObject
{
    Q_OBJECT

private slots:
    void findText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<bool>("down");
        QTest::addColumn<int>("expected");

        QTest::newRow("upper case first") << "x BIND bind"
                                          << "bind" << 0 << false << false << true << 2;
        QTest::newRow("lower case later") << "x BIND bind"
                                          << "bind" << 3 << false << false << true << 7;
        QTest::newRow("match case") << "x BIND bind"
                                    << "bind" << 0 << true << false << true << 7;
        QTest::newRow("case only differs") << "BIND"
                                           << "bind" << 0 << true << false << true << -1;
        QTest::newRow("accented letters") << "seta ÄRGER"
                                          << "ärger" << 0 << false << false << true << 5;
        QTest::newRow("overlap first") << "aaa"
                                       << "aa" << 0 << false << false << true << 0;
        QTest::newRow("overlap second") << "aaa"
                                        << "aa" << 1 << false << false << true << 1;
        QTest::newRow("overlap ends") << "aaa"
                                      << "aa" << 2 << false << false << true << -1;
        QTest::newRow("substring") << "cl_run run"
                                   << "run" << 0 << false << false << true << 3;
        QTest::newRow("whole word") << "cl_run runs run"
                                    << "run" << 0 << false << true << true << 12;
        QTest::newRow("whole word at ends") << "run"
                                            << "run" << 0 << false << true << true << 0;
        QTest::newRow("whole word none") << "rerun2"
                                         << "run" << 0 << false << true << true << -1;
        QTest::newRow("up from end") << "ab ab ab"
                                     << "ab" << 8 << false << false << false << 6;
        QTest::newRow("up from inside") << "ab ab ab"
                                        << "ab" << 5 << false << false << false << 3;
        QTest::newRow("up overlap") << "aaa"
                                    << "aa" << 0 << false << false << false << 0;
        QTest::newRow("up past start") << "ab"
                                       << "ab" << -1 << false << false << false << -1;
        QTest::newRow("longer than text") << "ab"
                                          << "abc" << 0 << false << false << true << -1;
    }
    void findText()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(int, from);
        QFETCH(bool, matchCase);
        QFETCH(bool, wholeWord);
        QFETCH(bool, down);
        QFETCH(int, expected);
        SearchOptions options;
        options.matchCase = matchCase;
        options.wholeWord = wholeWord;
        options.down = down;
        QCOMPARE(int(::findText(text, pattern, from, options)), expected);
    }

    void dialogControls()
    {
        Harness h;
        showScript(h, "\nbind x\n");
        h.trigger(QStringLiteral("Find1"));
        auto *dialog = h.find<FindDialog>(QStringLiteral("FindDialog"));
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        QVERIFY(h.find<QRadioButton>(QStringLiteral("rbDown"))->isChecked());
        auto *findNext = h.find<QPushButton>(QStringLiteral("btnFindNext"));
        QVERIFY(!findNext->isEnabled());
        QTest::keyClicks(h.find<QLineEdit>(QStringLiteral("edFindText")), QStringLiteral("b"));
        QVERIFY(findNext->isEnabled());
        QTest::mouseClick(findNext, Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(selection(h), qMakePair(1, QStringLiteral("b")));
        QCOMPARE(h.find<QLabel>(QStringLiteral("StatusPanel2"))->text(), QStringLiteral("Line 2"));
        QCOMPARE(h.find<QLabel>(QStringLiteral("StatusPanel3"))->text(),
                 QStringLiteral("Position 1"));
    }

    void upperThenLowerThenNoMore()
    {
        Harness h;
        showScript(h, "\nBIND F1 \"kill\"\nseta x 1\nbind F2 \"say hi\"\n");
        findFromDialog(h, "bind");
        QCOMPARE(selection(h), qMakePair(1, QStringLiteral("BIND")));
        QVERIFY(h.window().editor()->hasFocus());
        h.trigger(QStringLiteral("FindNext1"));
        QCOMPARE(selection(h), qMakePair(25, QStringLiteral("bind")));
        h.trigger(QStringLiteral("FindNext1"));
        QCOMPARE(selection(h), qMakePair(25, QStringLiteral("bind")));
        QCOMPARE(informations(h), QStringList {"No more instances of \"bind\""});
    }

    void findNextBeforeAnySearch()
    {
        Harness h;
        showScript(h, "\nbind x\n");
        h.trigger(QStringLiteral("FindNext1"));
        QCOMPARE(informations(h), QStringList {"No more instances of \"\""});
    }

    void matchCaseAndNotFoundKeepSelection()
    {
        Harness h;
        showScript(h, "\nBIND x\nseta y\n");
        QTextCursor cursor = h.window().editor()->textCursor();
        cursor.setPosition(9);
        cursor.setPosition(13, QTextCursor::KeepAnchor);
        h.window().editor()->setTextCursor(cursor);
        findFromDialog(h, "bind", true);
        findFromDialog(h, "vstr");
        QCOMPARE(informations(h), (QStringList {"\"bind\" not found", "\"vstr\" not found"}));
        QCOMPARE(selection(h), qMakePair(9, QStringLiteral("eta ")));
    }

    void findNextSearchesTheTextAsItIsNow()
    {
        Harness h;
        showScript(h, "\nbind one\nbind two\n");
        findFromDialog(h, "bind");
        QCOMPARE(selection(h).first, 1);
        // Remove "one": the next match has moved three characters up.
        QTextCursor cursor = h.window().editor()->textCursor();
        cursor.setPosition(6);
        cursor.setPosition(9, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        h.trigger(QStringLiteral("FindNext1"));
        QCOMPARE(selection(h), qMakePair(7, QStringLiteral("bind")));
    }

    void overlappingWholeWordAndUp()
    {
        Harness h;
        showScript(h, "\naaa\n");
        findFromDialog(h, "aa");
        QCOMPARE(selection(h).first, 1);
        h.trigger(QStringLiteral("FindNext1"));
        QCOMPARE(selection(h).first, 2);

        h.window().editor()->setPlainText("\nbinds bind\nbind x\n");
        findFromDialog(h, "bind", false, true);
        QCOMPARE(selection(h).first, 7);
        h.trigger(QStringLiteral("FindNext1"));
        QCOMPARE(selection(h).first, 12);

        findFromDialog(h, "BIND", false, false, true);
        QCOMPARE(selection(h), qMakePair(12, QStringLiteral("bind")));
        h.trigger(QStringLiteral("FindNext1"));
        QCOMPARE(selection(h).first, 7);
        h.trigger(QStringLiteral("FindNext1"));
        QCOMPARE(selection(h).first, 1);
        h.trigger(QStringLiteral("FindNext1"));
        QCOMPARE(informations(h), QStringList {"No more instances of \"BIND\""});
    }
};

TARVEX_TEST_MAIN(SearchTest)
#include "tst_search.moc"
