#include "wizard/ScriptBuffer.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

ScriptBuffer::ScriptBuffer(QPlainTextEdit *editor, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
{
    m_editor->document()->setUndoRedoEnabled(false);
    m_editor->setPlainText(QStringLiteral("\n"));
    m_editor->document()->setUndoRedoEnabled(true);
    m_editor->installEventFilter(this);
}

bool ScriptBuffer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor && event->type() == QEvent::Show && m_scrollOnShow) {
        m_scrollOnShow = false;
        m_editor->ensureCursorVisible();
    }
    return QObject::eventFilter(watched, event);
}

void ScriptBuffer::append(const QString &line)
{
    append(QStringList {line});
}

void ScriptBuffer::append(const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    QTextDocument *document = m_editor->document();
    // Appends are not the player's edits: keep them out of the undo history.
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    // The document's last block is empty exactly when the text ends with a line break (or is
    // empty); otherwise the player removed the final break and the new line needs one before it.
    const bool endsWithBreak = document->lastBlock().length() <= 1;
    QString insertion;
    for (const QString &line : lines) {
        if (endsWithBreak) {
            insertion += line;
            insertion += QLatin1Char('\n');
        } else {
            insertion += QLatin1Char('\n');
            insertion += line;
        }
    }
    // A caret at the end moves on with the text inserted there. While the view is hidden it
    // is then left as it is: setting it would lay out the lines above it to scroll to it,
    // which the view does once, when it shows.
    const QTextCursor caret = m_editor->textCursor();
    const bool caretFollows = !caret.hasSelection() && caret.position() == cursor.position();
    cursor.insertText(insertion);
    document->setUndoRedoEnabled(true);
    if (caretFollows && !m_editor->isVisible())
        m_scrollOnShow = true;
    else
        m_editor->setTextCursor(cursor);
}

void ScriptBuffer::replace(const QStringList &lines)
{
    // Setting the whole text also clears the undo history and puts the caret at the start.
    m_editor->setPlainText(lines.join(QLatin1Char('\n')));
}

QString ScriptBuffer::text() const
{
    // The raw text keeps every character as typed (no-break spaces included); only the
    // paragraph and line separators of the document become the script's CR LF.
    QString text = m_editor->document()->toRawText();
    const QString lineBreak = QStringLiteral("\r\n");
    text.replace(QChar::ParagraphSeparator, lineBreak);
    text.replace(QChar::LineSeparator, lineBreak);
    return text;
}
