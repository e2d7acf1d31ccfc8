// The script view's font, and the caret display: Line and Position as the view shows the rows,
// soft wrap included, after edits, appends while the view is hidden and changes of width.
#include "support/Harness.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

QString panel(Harness &h, int i)
{
    return h.find<QLabel>(QStringLiteral("StatusPanel%1").arg(i))->text();
}

void placeCaret(QPlainTextEdit *editor, int offset)
{
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(offset);
    editor->setTextCursor(cursor);
}

// The row (from 1) and the place in it (from 1) of an offset, found by moving a cursor over the
// view's own layout: to the row's start, then up a row at a time to the top.
QPair<int, int> placeByMoving(QPlainTextEdit *editor, int offset)
{
    QTextCursor cursor(editor->document());
    cursor.setPosition(offset);
    QTextCursor rowStart = cursor;
    rowStart.movePosition(QTextCursor::StartOfLine);
    int row = 1;
    while (cursor.movePosition(QTextCursor::Up) && row < 100000)
        ++row;
    return {row, offset - rowStart.position() + 1};
}

QString lineAndPosition(int row, int position)
{
    return QStringLiteral("Line %1|Position %2").arg(row).arg(position);
}

QString display(Harness &h)
{
    return panel(h, 2) + QLatin1Char('|') + panel(h, 3);
}

// A say long enough to wrap over several rows of the script view.
const QString longSay = QStringLiteral("gg ").repeated(150).trimmed();

// The display of the caret where it stands, against the row the view shows it on.
void compareCaretWithView(Harness &h, QPlainTextEdit *editor)
{
    const QPair<int, int> expected = placeByMoving(editor, editor->textCursor().position());
    QCOMPARE(display(h), lineAndPosition(expected.first, expected.second));
}

// The display at a few places of the script, each against the rows the view shows: up from the
// end (where the caret stands before), before the view lays out the lines near the top for a
// caret there.
void compareWithView(Harness &h, QPlainTextEdit *editor)
{
    const QString text = editor->toPlainText();
    for (const qsizetype offset : {text.size() - 1, text.size(), text.indexOf(QLatin1String("end")),
                                   text.indexOf(QLatin1String("bind b")),
                                   text.indexOf(QLatin1Char('\t')) + 3, qsizetype(0)}) {
        placeCaret(editor, int(offset));
        const QPair<int, int> expected = placeByMoving(editor, int(offset));
        QCOMPARE(display(h), lineAndPosition(expected.first, expected.second));
    }
}

} // namespace

class CaretDisplayTest : public QObject
{
    Q_OBJECT

private slots:
    void scriptViewLooks()
    {
        Harness h;
        QPlainTextEdit *editor = h.window().editor();
        QCOMPARE(QFontInfo(editor->font()).pixelSize(), 13);
        const QFontMetrics metrics(editor->font());
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("iiii")),
                 metrics.horizontalAdvance(QStringLiteral("WWWW")));
        // Nothing has been shown yet.
        QCOMPARE(display(h), QStringLiteral("|"));
    }

    void caretOnRowsAsDisplayed()
    {
        Harness h;
        h.startRun();
        h.nextUntil(10);
        QPlainTextEdit *editor = h.window().editor();
        const QString longLine = QStringLiteral("x").repeated(300);
        editor->setPlainText(QStringLiteral("\nbind x\n") + longLine + QStringLiteral("\nend\n"));

        placeCaret(editor, 0);
        QCOMPARE(display(h), lineAndPosition(1, 1));
        placeCaret(editor, 4);
        QCOMPARE(display(h), lineAndPosition(2, 4));

        // Inside the long line, on one of the rows it wraps into.
        const int inLong = 8 + 250;
        placeCaret(editor, inLong);
        const QPair<int, int> expected = placeByMoving(editor, inLong);
        QVERIFY(expected.first > 3);
        QVERIFY(expected.second < 251);
        QCOMPARE(display(h), lineAndPosition(expected.first, expected.second));
        const QPair<int, int> afterEnd = placeByMoving(editor, 8 + 301);
        QVERIFY(afterEnd.first > 4);

        // The display follows the caret as the keys move it.
        placeCaret(editor, 0);
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_Down);
        QCOMPARE(display(h), lineAndPosition(2, 1));
        QTest::keyClick(editor, Qt::Key_End);
        QCOMPARE(display(h), lineAndPosition(2, 7));
        QTest::keyClick(editor, Qt::Key_Down);
        QCOMPARE(display(h), lineAndPosition(3, 7));
        QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(display(h), lineAndPosition(afterEnd.first + 1, 1));
    }

    void caretAfterAppendsWhileHidden()
    {
        Harness h;
        h.startRun();
        QCOMPARE(display(h), lineAndPosition(9, 1));
        h.nextUntil(2);
        h.find<QLineEdit>(QStringLiteral("edTexthere"))->setText(longSay);
        h.click(QStringLiteral("btnSayAdd"));
        h.nextUntil(9, 2);
        QPlainTextEdit *editor = h.window().editor();
        QVERIFY(!editor->isVisible());
        const QString hidden = display(h);
        const int appendedUpTo = editor->document()->characterCount() - 1;

        h.pressNext(9);
        QVERIFY(editor->isVisible());
        // The caret stood at the start of the row that step 9's first line now fills.
        const QPair<int, int> expected = placeByMoving(editor, appendedUpTo);
        QCOMPARE(hidden, lineAndPosition(expected.first, 1));
        QVERIFY(expected.first > h.lines().indexOf("bind F6 \"say " + longSay + "\"") + 2);
        QCOMPARE(display(h),
                 lineAndPosition(placeByMoving(editor, editor->textCursor().position()).first, 1));
    }

    void caretRowsFollowEditsAndWidth()
    {
        Harness h;
        h.startRun();
        h.nextUntil(10);
        QPlainTextEdit *editor = h.window().editor();
        // A line of few characters that wraps all the same: each tab is wide.
        const QString tabs = QStringLiteral("\t").repeated(12) + QLatin1Char('x');
        editor->setPlainText(
                QStringLiteral("bind a\n") + tabs + QStringLiteral("\nbind b\n") + longSay
                + QStringLiteral("\nbind c \"say ") + QString(60, QLatin1Char('z'))
                + QLatin1Char('"')
                + QStringLiteral("\nend\n")
                // Lines enough to fill the view: those above are laid out only when asked.
                + QStringLiteral("echo\n").repeated(100));
        QVERIFY(placeByMoving(editor, int(editor->toPlainText().indexOf("bind b"))).first > 3);
        compareWithView(h, editor);

        // Edits away from the caret at the end: a short line typed long enough to wrap, split
        // into a wrapped line and a short one, then two lines joined into one.
        placeCaret(editor, editor->document()->characterCount() - 1);
        QTextCursor cursor(editor->document());
        cursor.setPosition(6);
        cursor.insertText(QStringLiteral("y").repeated(200));
        compareCaretWithView(h, editor);
        cursor.setPosition(6 + 195);
        cursor.insertText(QStringLiteral("\n"));
        compareCaretWithView(h, editor);
        cursor.setPosition(int(editor->toPlainText().indexOf(QLatin1String("x\nbind b"))) + 1);
        cursor.deleteChar();
        compareCaretWithView(h, editor);
        compareWithView(h, editor);

        // Narrower (the say of 60 letters wraps then), then as wide as before: every line
        // wraps anew.
        const QSize size = editor->size();
        placeCaret(editor, editor->document()->characterCount() - 1);
        editor->resize(size.width() / 2, size.height());
        compareWithView(h, editor);
        placeCaret(editor, editor->document()->characterCount() - 1);
        editor->resize(size);
        compareWithView(h, editor);
        // Laid out anew at the same width: the wrapped lines drop their rows.
        placeCaret(editor, editor->document()->characterCount() - 1);
        editor->setLineWrapMode(QPlainTextEdit::NoWrap);
        editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        compareWithView(h, editor);
    }

    void secondRunShowsItsEnd()
    {
        Harness h;
        h.startRun();
        h.nextUntil(10);
        // Cancelled: New is available all the same; the second run goes on after the first.
        h.fakes.dialogs.saveAnswers << QString();
        h.click(QStringLiteral("tbSave"));
        h.click(QStringLiteral("tbNew"));
        h.click(QStringLiteral("SpeedButton1"));
        h.nextUntil(10);
        QPlainTextEdit *editor = h.window().editor();
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->textCursor().position(), editor->document()->characterCount() - 1);
        QVERIFY(editor->viewport()->rect().contains(editor->cursorRect()));
    }
};

TARVEX_TEST_MAIN(CaretDisplayTest)
#include "tst_caretdisplay.moc"
