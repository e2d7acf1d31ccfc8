#pragma once

#include "editor/ScriptCheck.h"

#include <QDialog>

class QComboBox;
class QListWidget;
class QListWidgetItem;

// A small window beside the script view that lists every problem of the script as
// "Line N: message", in line order, and the game version the script is checked for.
// Activating an entry asks for the caret to go to its problem.
class ProblemsWindow : public QDialog
{
    Q_OBJECT
public:
    explicit ProblemsWindow(QWidget *parent = nullptr);

    // Shows the version chosen, without telling it as a new choice.
    void showVersion(Game::Version version);
    // Replaces the list; "No problems found" when there is none.
    void showEntries(const QVector<ScriptCheck::Entry> &entries);

    static QString entryText(const ScriptCheck::Entry &entry);

signals:
    void versionChosen(Game::Version version);
    // `line` counted from 0, `column` the problem's first character in it.
    void entryActivated(int line, int column);

private:
    void activate(QListWidgetItem *item);

    QComboBox *m_version;
    QListWidget *m_list;
};
