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
    // Any other change (the player's edit, an opened script) makes the record's places wrong.
    connect(m_editor->document(), &QTextDocument::contentsChange, this, [this] {
        if (!m_writing)
            forgetSteps();
    });
}

bool ScriptBuffer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor && event->type() == QEvent::Show && m_scrollOnShow) {
        m_scrollOnShow = false;
        m_editor->ensureCursorVisible();
    }
    return QObject::eventFilter(watched, event);
}

int ScriptBuffer::append(const QString &line)
{
    return append(QStringList {line});
}

int ScriptBuffer::append(const QStringList &lines)
{
    if (lines.isEmpty())
        return 0;
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
    const int start = cursor.position();
    m_writing = true;
    cursor.insertText(insertion);
    m_writing = false;
    document->setUndoRedoEnabled(true);
    const int id = m_nextId++;
    m_pieces.push_back({id, m_step, start, cursor.position() - start});
    if (caretFollows && !m_editor->isVisible())
        m_scrollOnShow = true;
    else
        m_editor->setTextCursor(cursor);
    return id;
}

void ScriptBuffer::beginStep(int step)
{
    m_step = step;
}

void ScriptBuffer::forgetSteps()
{
    if (m_pieces.empty())
        return;
    m_pieces.clear();
    emit stepsForgotten();
}

void ScriptBuffer::removeFromStep(int step)
{
    std::size_t first = 0;
    while (first < m_pieces.size() && m_pieces[first].step < step)
        ++first;
    removePieces(first, m_pieces.size());
}

bool ScriptBuffer::remove(int append)
{
    for (std::size_t i = 0; i < m_pieces.size(); ++i) {
        if (m_pieces[i].id == append) {
            removePieces(i, i + 1);
            return true;
        }
    }
    return false;
}

bool ScriptBuffer::holds(int append) const
{
    for (const Piece &piece : m_pieces) {
        if (piece.id == append)
            return true;
    }
    return false;
}

// The pieces [first, end) lie one after the other; the pieces after them move up.
void ScriptBuffer::removePieces(std::size_t first, std::size_t end)
{
    if (first >= end)
        return;
    const int start = m_pieces[first].start;
    const int length = m_pieces[end - 1].start + m_pieces[end - 1].length - start;
    removeText(start, length);
    m_pieces.erase(m_pieces.begin() + std::ptrdiff_t(first),
                   m_pieces.begin() + std::ptrdiff_t(end));
    for (std::size_t i = first; i < m_pieces.size(); ++i)
        m_pieces[i].start -= length;
}

void ScriptBuffer::removeText(int start, int length)
{
    QTextDocument *document = m_editor->document();
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    m_writing = true;
    cursor.removeSelectedText();
    m_writing = false;
    document->setUndoRedoEnabled(true);
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
