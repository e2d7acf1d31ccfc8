#pragma once

#include <QString>
#include <QStringView>

// Text the player typed, written into a script line so that the game does what the player
// meant. The game has no escape character: what cannot be written is replaced by its nearest
// harmless look-alike. Line ends (which would split the line) become blanks everywhere.
namespace Game {

// The value of a set / seta line. Written inside double quotes when it holds a blank, a ';',
// "//", a '"' or any character outside printable ASCII, so that the game reads it as one word
// and keeps every character; bare otherwise. A '"' inside becomes '\''. Empty stays empty
// (the caller comments such a line out).
QString settingValue(QStringView text);

// Text that ends up inside a binding's quotes (say texts, vsay texts): '"' would end the quotes
// and ';' would start a command when the key is pressed, so they become '\'' and ','.
QString bindingText(QStringView text);

// Text of a "//" comment: ET 2.60b runs what follows a ';' in a comment, so ';' becomes ','.
QString commentText(QStringView text);

// A key field's text as the key of a bind line, without the blanks around it: ";" becomes
// SEMICOLON; a text the game would read as more than one word is quoted (the game then reports
// an unknown key rather than binding the wrong one). Empty when nothing can be bound: no text,
// or a text holding '"', which no bind line can carry; the caller then writes no line.
QString bindKey(QStringView text);
inline bool canBind(QStringView text)
{
    return !bindKey(text).isEmpty();
}

} // namespace Game
