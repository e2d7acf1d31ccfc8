#pragma once

#include <QString>

class QWidget;

// The look shared by every screen: title bars, group caption bars, notes and Next buttons. Each
// screen carries it itself (StepPage), so that the window's bars keep the plain style and cost
// nothing to polish.
QString tarvexStyleSheet();

// The script view's colours, dark grey text on white, in its palette: they hold from the start,
// for the layout and the colouring of the lines.
void setScriptViewColours(QWidget *view);
// The script view's own style sheet: the same colours, and the frame shade that goes with a
// white panel.
void setScriptViewStyle(QWidget *view);
