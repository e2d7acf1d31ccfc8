#include "editor/EditorTools.h"

#include "editor/DisplayRows.h"
#include "editor/FindDialog.h"
#include "editor/PrintRows.h"
#include "platform/Messages.h"
#include "widgets/Style.h"

#include <QEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QFont scriptFont()
{
    const QString lucida = QStringLiteral("Lucida Console");
    QFont font = QFontDatabase::families().contains(lucida)
            ? QFont(lucida)
            : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(13);
    return font;
}

} // namespace

EditorTools::EditorTools(QPlainTextEdit *editor, QLabel *linePanel, QLabel *positionPanel,
                         Services services, QWidget *window)
    : QObject(window)
    , m_editor(editor)
    , m_linePanel(linePanel)
    , m_positionPanel(positionPanel)
    , m_services(services)
    , m_window(window)
    , m_rows(new DisplayRows(editor))
{
    m_editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_editor->setFont(scriptFont());
    setScriptViewColours(m_editor);

    // The display follows the caret wherever it goes, and every change of the text, the
    // wizard's appends included (also while the view is hidden).
    connect(m_editor, &QPlainTextEdit::cursorPositionChanged, this,
            &EditorTools::refreshCaretDisplay);
    connect(m_editor, &QPlainTextEdit::textChanged, this, &EditorTools::refreshCaretDisplay);
    m_editor->installEventFilter(this);
    m_editor->viewport()->installEventFilter(this);

    connect(m_editor->document(), &QTextDocument::contentsChanged, this, [this] {
        m_searchedText.clear();
        m_searchedTextCurrent = false;
    });

    // A new edit ends the Undo-redo toggle.
    connect(m_editor->document(), &QTextDocument::undoCommandAdded, this,
            [this] { m_undone = false; });
}

bool EditorTools::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::FocusIn:
        if (watched == m_editor)
            refreshCaretDisplay();
        break;
    case QEvent::MouseButtonPress:
        if (watched == m_editor->viewport())
            refreshCaretDisplay();
        break;
    case QEvent::Resize:
        // A new width wraps the rows anew. While hidden the view is refreshed by its next append.
        if (watched == m_editor->viewport() && m_editor->isVisible())
            refreshCaretDisplay();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void EditorTools::refreshCaretDisplay()
{
    const RowPlace place = m_rows->place(m_editor->textCursor().selectionStart());
    m_linePanel->setText(QStringLiteral("Line %1").arg(place.row + 1));
    m_positionPanel->setText(QStringLiteral("Position %1").arg(place.column + 1));
}

void EditorTools::undo()
{
    // One level, as the player knows it: a second Undo takes the first one back.
    QTextDocument *document = m_editor->document();
    if (m_undone && document->isRedoAvailable()) {
        m_editor->redo();
        m_undone = false;
    } else if (document->isUndoAvailable()) {
        m_editor->undo();
        m_undone = true;
    }
}

void EditorTools::find()
{
    if (!m_findDialog) {
        m_findDialog = new FindDialog(m_window);
        connect(m_findDialog, &FindDialog::findNextClicked, this, &EditorTools::searchFromDialog);
    }
    m_findDialog->present();
}

void EditorTools::searchFromDialog()
{
    if (!m_findDialog)
        return;
    m_findDialog->close();
    m_pattern = m_findDialog->findText();
    m_searchOptions = m_findDialog->options();
    const qsizetype from = m_searchOptions.down ? 0 : m_editor->document()->characterCount();
    if (!searchFrom(from))
        inform(QStringLiteral("\"%1\" not found").arg(m_findDialog->findText()));
}

void EditorTools::findNext()
{
    if (!searchFrom(m_searchFrom)) {
        const QString findText = m_findDialog ? m_findDialog->findText() : QString();
        inform(QStringLiteral("No more instances of \"%1\"").arg(findText));
    }
}

bool EditorTools::searchFrom(qsizetype from)
{
    if (from < 0) {
        m_searchFrom = -1;
        return false;
    }
    // The raw text has one character for every position of the document, line breaks included.
    if (!m_searchedTextCurrent) {
        m_searchedText = m_editor->document()->toRawText();
        m_searchedTextCurrent = true;
    }
    const qsizetype at = findText(m_searchedText, m_pattern, from, m_searchOptions);
    if (at < 0) {
        m_searchFrom = -1;
        return false;
    }
    m_editor->setFocus(Qt::OtherFocusReason);
    QTextCursor cursor = m_editor->textCursor();
    cursor.setPosition(int(at));
    cursor.setPosition(int(at + m_pattern.size()), QTextCursor::KeepAnchor);
    m_editor->setTextCursor(cursor);
    m_editor->ensureCursorVisible();
    // Matches may overlap: the next one may begin one character on (or back).
    m_searchFrom = m_searchOptions.down ? at + 1 : at - 1;
    refreshCaretDisplay();
    return true;
}

void EditorTools::inform(const QString &text)
{
    m_services.dialogs->information(m_window, QStringLiteral("Information"), text);
}

QPrinter &EditorTools::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void EditorTools::print()
{
    if (!printerAvailable(printer())) {
        m_services.dialogs->error(
                m_window, applicationTitle,
                QStringLiteral("There is no printer to print on. Choose a "
                               "printer or a file to print into in Print Setup."));
        return;
    }
    if (!printRows(printer(), displayedRows(m_editor))) {
        m_services.dialogs->error(m_window, applicationTitle,
                                  QStringLiteral("The printer could not print the script."));
    }
}

void EditorTools::printSetup()
{
    m_services.dialogs->printerSetup(m_window, printer());
}
