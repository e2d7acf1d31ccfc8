#pragma once

class KeyCheck;
class QAction;
class Dialogs;
class QWidget;
class ScriptBuffer;
class ScriptCheck;
class Wizard;

// Gives the wizard the screens it shows: the start screen and the screen of each option step,
// built in the window's client area. Their key fields look up the keys the script binds in
// `check`, the check of the script view, and their questions go through `dialogs`; returns the
// check of the key fields. The start screen's button for reading the player's settings triggers
// `readSettings`.
KeyCheck *addStepScreens(Wizard &wizard, ScriptBuffer &buffer, ScriptCheck &check, Dialogs &dialogs,
                         QWidget *clientArea, QAction *readSettings);
