#pragma once

#include "game/GameData.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// Text the player typed, written into a script line so that the game does what the player
// meant. The game has no escape character: what cannot be written is replaced by its nearest
// harmless look-alike. Line ends (which would split the line) become blanks everywhere, and so
// do the characters taken for one: U+2028, U+2029, U+FDD0 and U+FDD1, where the script view
// breaks its lines, and NUL, where the game stops reading the file.
namespace Game {

// The value of a set / seta line. Written inside double quotes when it holds a blank, a ';',
// "//", "/*", a '"' or any character outside printable ASCII, so that the game reads it as one word
// and keeps every character; bare otherwise. A '"' inside becomes '\''. Empty stays empty
// (settingLine comments such a line out).
QString settingValue(QStringView text);

// A set / seta line: `prefix` (the command, the setting's name and the blanks before the value)
// followed by the value as settingValue writes it. A value that is empty or only blanks would
// make the game print a usage message and set nothing, so the line is then commented out:
// "//" and the prefix without its trailing blanks. The player still sees what is missing.
QString settingLine(const QString &prefix, const QString &value);

// Text that ends up inside a binding's quotes (say texts, vsay texts): '"' would end the quotes
// and ';' would start a command when the key is pressed, so they become '\'' and ','.
QString bindingText(QStringView text);

// Text of a "//" comment: ET 2.60b runs what follows a ';' in a comment, so ';' becomes ','.
QString commentText(QStringView text);

// A key field's text as the key of a bind line. Written as typed, blanks around it included
// (they only separate it from "bind" and the command), with these exceptions: ";" becomes
// SEMICOLON; a text the game would read as more than one word, or whose characters it would
// lose, is quoted without the blanks around it, so that the game reports an unknown key rather
// than binding the wrong key to the wrong command. Empty for a text that cannot be bound (and
// for an empty one).
QString bindKey(QStringView text);
// Whether a key field's text can be bound at all: no bind line can carry a '"' (the game has
// no escape character), and the game has no key of that name.
bool canBind(QStringView text);

// The bind line of a key field's text and a command: "bind", the key as bindKey writes it and
// the command in double quotes; commented out ("//bind  ...") when the field is empty or only
// blanks. None when the key cannot be bound. For ET: Legacy, ALT, CTRL and SHIFT bind the
// left-hand key only: a second line binds the right-hand one.
QStringList bindLine(const QString &key, const QString &command, Version version = Version::Et260b);

} // namespace Game
