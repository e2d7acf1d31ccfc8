#pragma once

#include "game/GameData.h"

#include <QString>
#include <Qt>

// The game's name of a key or mouse button the player pressed in a key field. Only names that
// both game versions know are given.
namespace Game {

// The name of a key that types no text: function keys, arrows, the editing block, Pause, the
// modifier keys, Caps Lock, Return, Space and every keypad key (told apart by
// Qt::KeypadModifier, with Num Lock on or off). Empty for keys that type text (the field keeps
// typing them), for the editing keys Backspace, Delete, Tab and Escape, and for keys the game
// has no name for in both versions.
QString keyNameFor(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The name of the Shift, Ctrl or Alt key (AltGr is the right-hand Alt) in `version`: SHIFT,
// CTRL or ALT for either hand in ET 2.60b; in ET: Legacy, where those name the left-hand keys,
// RIGHTSHIFT, RIGHTCTRL or RIGHTALT for the right-hand one. Empty for any other key.
QString modifierKeyName(int qtKey, bool rightHand, Version version);

// MOUSE3 to MOUSE5 for the middle, back and forward buttons; empty for the left and right
// buttons (they edit the field) and any other.
QString keyNameFor(Qt::MouseButton button);

// MWHEELUP or MWHEELDOWN for a turn of the wheel by `angleDeltaY`; empty for none.
QString wheelKeyName(int angleDeltaY);

} // namespace Game
