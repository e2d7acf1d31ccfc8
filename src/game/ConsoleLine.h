#pragma once

#include "game/GameData.h"

#include <QString>
#include <QStringView>
#include <QVector>

// One line of a script read the way the game's console reads it. Offsets count QChars of the
// line, so an editor can underline and colour what the game will see.
namespace Game {

// The longest command the game reads whole, in bytes; it cuts longer ones there.
constexpr int maxCommandBytes = 1023;

struct Span
{
    int start = 0;
    int length = 0;

    int end() const { return start + length; }
    bool isEmpty() const { return length == 0; }
    bool operator==(const Span &other) const
    {
        return start == other.start && length == other.length;
    }
};

struct Word
{
    Span span; // quotes included
    QString text; // quotes removed
    bool quoted = false;
    bool closed = true; // false for a quoted word whose closing quote is missing
};

struct Command
{
    Span span; // between the separating ';'s (or the line's ends), its comment included
    QVector<Word> words; // none for a command that is blank or only a comment
    Span comment; // the "//" comment that ends the command; empty when there is none
};

struct ConsoleLine
{
    QVector<Command> commands; // one per ';' outside quotes, plus one
    // ET 2.60b only: where a ';' inside a comment ended it and started a command that runs.
    QVector<int> commentSemicolons;
    bool unbalancedQuote = false; // a quoted word runs to the line end
    int byteLength = 0; // the line's length in the system's 8-bit code page, as the game reads it
};

// Reads `line` (without its line end) as `version` of the game does:
// - Commands end at ';' outside double quotes; a missing closing quote runs to the line end.
// - "//" starts a comment unless it follows a ':' (as in "http://"). ET 2.60b looks for
//   comments in each command after splitting at ';', so "// by me; quit" runs "quit";
//   ET: Legacy finds the comment first and the rest of the line is comment.
// - Blanks (and control characters) separate words; '"' starts a quoted word and ends a bare
//   one. Outside quotes a character of 0x80 or above is a blank too: the file is 8-bit, and
//   the game reads such bytes as blanks.
ConsoleLine readLine(QStringView line, Version version);

} // namespace Game
