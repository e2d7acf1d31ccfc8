#pragma once

#include "wizard/Transitions.h"

class MainWindow;
class QAction;
class QLabel;
class QMenu;
class QToolButton;

// The main window's menus, tool bar and status bar: each command wired to what it does, and the
// parts the window reaches later (the commands whose enabled state the wizard changes, and the
// status bar's panels).
struct CommandBars
{
    // Builds the bars into `window`.
    static CommandBars create(MainWindow &window);

    void setEnabled(Command command, bool enabled) const;

    QToolButton *toolNew = nullptr;
    QToolButton *toolSave = nullptr;
    QAction *menuNew = nullptr;
    QAction *menuSave = nullptr;
    QAction *menuPrint = nullptr;
    QMenu *editMenu = nullptr;

    // The status bar's panels, left to right.
    QLabel *hintPanel = nullptr;
    QLabel *clockPanel = nullptr;
    QLabel *linePanel = nullptr;
    QLabel *positionPanel = nullptr;
    QLabel *capsPanel = nullptr;
    QLabel *numPanel = nullptr;
};
