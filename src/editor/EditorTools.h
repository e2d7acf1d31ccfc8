#pragma once

#include "ui/Services.h"

#include <QObject>

class QLabel;
class QPlainTextEdit;
class QWidget;

// The tools of the script view: the caret's line and position in the status bar, the clipboard
// commands and Undo, Find and Find Next, Print and Print Setup.
class EditorTools : public QObject
{
    Q_OBJECT
public:
    EditorTools(QPlainTextEdit *editor, QLabel *linePanel, QLabel *positionPanel, Services services,
                QWidget *window);

    void undo();
    void cut();
    void copy();
    void paste();
    void find();
    void findNext();
    void print();
    void printSetup();

    // Rewrites the Line and Position panels from the caret.
    void refreshCaretDisplay();

private:
    QPlainTextEdit *m_editor;
    QLabel *m_linePanel;
    QLabel *m_positionPanel;
    Services m_services;
    QWidget *m_window;
};
