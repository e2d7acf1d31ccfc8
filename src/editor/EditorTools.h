#pragma once

#include "editor/TextSearch.h"
#include "platform/Services.h"

#include <QObject>
#include <QPrinter>

#include <QString>
#include <memory>

class DisplayRows;
class FindDialog;
class QLabel;
class QPlainTextEdit;
class QWidget;

// The tools of the script view: the caret's line and position in the status bar, Undo, Find and
// Find Next, Print and Print Setup.
class EditorTools : public QObject
{
    Q_OBJECT
public:
    // Sets the script view up as it is shown: plain text wrapped at the view's width, a vertical
    // scroll bar only, grey fixed-pitch text on white.
    EditorTools(QPlainTextEdit *editor, QLabel *linePanel, QLabel *positionPanel, Services services,
                QWidget *window);

    // Undoes the last edit of the script view, whatever has the focus; a second Undo takes the
    // first one back. (Cut, Copy and Paste are the view's own.)
    void undo();
    // Opens the Find dialog.
    void find();
    // Goes on with the last search from one character past its last match.
    void findNext();
    // Prints the script view's rows on the current printer.
    void print();
    // Lets the player choose the current printer.
    void printSetup();

    // Rewrites the Line and Position panels from the caret.
    void refreshCaretDisplay();

    // The printer later prints go to; set up the first time it is needed, since finding the
    // system's printers takes a while.
    QPrinter &printer();
    // The Find dialog, once it was opened.
    FindDialog *findDialog() const { return m_findDialog; }

public slots:
    // The Find dialog's Find Next: closes the dialog and searches from the start of the script
    // (from its end when the direction is up).
    void searchFromDialog();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Searches the script as it is now; selects the match, or returns false.
    bool searchFrom(qsizetype from);
    void inform(const QString &text);

    QPlainTextEdit *m_editor;
    QLabel *m_linePanel;
    QLabel *m_positionPanel;
    Services m_services;
    QWidget *m_window;
    DisplayRows *m_rows;
    FindDialog *m_findDialog = nullptr;
    std::unique_ptr<QPrinter> m_printer;

    // The search in progress: what it looks for, how, and where it goes on (-1: nowhere, no
    // search started yet or the last one found nothing more).
    QString m_pattern;
    SearchOptions m_searchOptions;
    qsizetype m_searchFrom = -1;
    // The script's raw text, kept from one search to the next until the script changes.
    QString m_searchedText;
    bool m_searchedTextCurrent = false;

    // The last Undo command undid an edit, and nothing was edited since: the next one redoes it.
    bool m_undone = false;
};
