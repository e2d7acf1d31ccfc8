#pragma once

#include "game/GameData.h"

#include <QObject>
#include <QString>

class ProblemsWindow;
class QLabel;
class QPlainTextEdit;
class QTimer;
class QWidget;
class ScriptCheck;
class ScriptHighlighter;

// The check of the script view: its lines coloured as the game reads them with their problems
// underlined, the problem under the caret in the hint line, and the Check Script window that
// lists every problem. The game version checked for is the player's choice of game (ET 2.60b at
// first), kept in the settings: the one the wizard writes for too.
class CheckTools : public QObject
{
    Q_OBJECT
public:
    // Follows the script view from the start: each append is checked and coloured as it comes,
    // before the view lays the new lines out (colouring them later would lay them out again).
    // The player's version is read by useSavedVersion().
    CheckTools(QPlainTextEdit *editor, QLabel *hintPanel, QWidget *window);

    // Checks for the version the player chose last.
    void useSavedVersion();
    // The player's choice of game, in the Check Script window or elsewhere: kept in the
    // settings and checked for.
    void chooseVersion(Game::Version version);

    // Check Script: shows the window with the script's problems.
    void showProblems();

    Game::Version version() const;
    // The version the player chose last (ET 2.60b before any choice).
    static Game::Version savedVersion();
    // Checks the script for `version` from now on (the player's choice is made in the window,
    // which also remembers it).
    void setVersion(Game::Version version);

    ScriptCheck *check() const { return m_check; }
    ScriptHighlighter *highlighter() const { return m_highlighter; }

signals:
    void versionChanged(Game::Version version);

private:
    void refreshHint();
    void refreshList();
    void goTo(int line, int column);

    QPlainTextEdit *m_editor;
    QLabel *m_hintPanel;
    QWidget *m_mainWindow;
    ScriptCheck *m_check = nullptr;
    ScriptHighlighter *m_highlighter = nullptr;
    ProblemsWindow *m_window = nullptr;
    QTimer *m_listTimer = nullptr;
    // The problem's message the hint line shows for the caret; empty when it shows none.
    QString m_hint;
};
