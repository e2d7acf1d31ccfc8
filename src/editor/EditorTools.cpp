#include "editor/EditorTools.h"

#include <QLabel>
#include <QPlainTextEdit>

EditorTools::EditorTools(QPlainTextEdit *editor, QLabel *linePanel, QLabel *positionPanel,
                         Services services, QWidget *window)
    : QObject(window)
    , m_editor(editor)
    , m_linePanel(linePanel)
    , m_positionPanel(positionPanel)
    , m_services(services)
    , m_window(window)
{ }

void EditorTools::undo()
{
    m_editor->undo();
}

void EditorTools::cut()
{
    m_editor->cut();
}

void EditorTools::copy()
{
    m_editor->copy();
}

void EditorTools::paste()
{
    m_editor->paste();
}

void EditorTools::find() { }

void EditorTools::findNext() { }

void EditorTools::print() { }

void EditorTools::printSetup() { }

void EditorTools::refreshCaretDisplay() { }
