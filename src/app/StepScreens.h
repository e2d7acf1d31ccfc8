#pragma once

class QWidget;
class ScriptBuffer;
class Wizard;

// Gives the wizard the screens it shows: the start screen and the screen of each option step,
// built in the window's client area.
void addStepScreens(Wizard &wizard, ScriptBuffer &buffer, QWidget *clientArea);
