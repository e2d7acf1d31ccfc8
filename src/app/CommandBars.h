#pragma once

#include "app/WebLinks.h"
#include "wizard/Transitions.h"

#include <functional>
#include <map>

class EditorTools;
class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QPlainTextEdit;

// What the commands of the menus and the tool bar do; the window fills it in.
struct CommandRuns
{
    std::function<void(Trigger)> newScript; // the tool bar's New or the File menu's New CFG
    std::function<void()> open;
    std::function<void()> readSettings;
    std::function<void()> save; // to the script's file; asks for a name only for a new script
    std::function<void()> saveAs; // always asks for a name
    std::function<void()> exit;
    std::function<void()> checkScript;
    std::function<void()> keyboardMap; // shows the keyboard map beside the window
    std::function<void()> exportKeyboardMap;
    std::function<void()> about;
    std::function<void(WebLink)> openLink;
    // Fills Recent Scripts each time it opens.
    std::function<void(QMenu *)> fillRecent;
};

// The main window's menus, tool bar and status bar. Each command is one QAction, shown by the
// menu and, where it has a button, by the tool bar too; a disabled command answers neither
// clicks nor its shortcut. New and Save have a menu item and a tool bar button that the wizard
// turns on and off apart, so each of those is two commands.
class CommandBars
{
public:
    // Builds the bars into `window`; the script view's commands are connected by connectEditor().
    CommandBars(QMainWindow &window, const CommandRuns &runs);

    // Undo, Cut, Copy and Paste act on the script view, the search and print commands on its tools.
    void connectEditor(QPlainTextEdit *editor, EditorTools &tools);

    void setEnabled(Command command, bool enabled) const;

    // Reads the player's settings into the wizard's rows: the File menu's item, and the start
    // screen's button.
    QAction *readSettings() const { return m_readSettings; }

    // The status bar's panels, left to right.
    QLabel *hintPanel = nullptr;
    QLabel *clockPanel = nullptr;
    QLabel *linePanel = nullptr;
    QLabel *positionPanel = nullptr;
    QLabel *capsPanel = nullptr;
    QLabel *numPanel = nullptr;

private:
    void createMenus(QMainWindow &window, const CommandRuns &runs);
    void createEditMenu(QMenu *edit, const CommandRuns &runs);
    void createHelpMenus(QMainWindow &window, const CommandRuns &runs);
    void createToolBar(QMainWindow &window, const CommandRuns &runs);
    void createStatusBar(QMainWindow &window);

    // The commands the wizard turns on and off, and the tool bar's own New and Save.
    std::map<Command, QAction *> m_switched;
    QAction *m_open = nullptr;
    QAction *m_readSettings = nullptr;
    QAction *m_saveAs = nullptr; // on and off with the menu's Save
    QAction *m_exit = nullptr;
    QAction *m_keyMap = nullptr;
    // The script view's commands.
    QAction *m_printSetup = nullptr;
    QAction *m_print = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_cut = nullptr;
    QAction *m_copy = nullptr;
    QAction *m_paste = nullptr;
    QAction *m_find = nullptr;
    QAction *m_findNext = nullptr;
};
