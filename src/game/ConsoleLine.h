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
// The most words the game reads of one command; it ignores the rest.
constexpr int maxCommandWords = 256;

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
    // Between the separating ';'s (or the line's ends), its comments included; the "*/" that
    // ends an ET: Legacy comment (and the command with it) belongs to the command.
    Span span;
    QVector<Word> words; // none for a command that is blank or only a comment
    Span comment; // the "//" or "/*" comment that ends the command; empty when there is none
    // ET: Legacy only: "/* ... */" comments between words (after a web address's "//").
    QVector<Span> innerComments;
    // Where the first word past maxCommandWords starts, or -1: the game ignores it and the rest.
    int ignoredFrom = -1;
};

struct ConsoleLine
{
    QVector<Command> commands; // one per ';' outside quotes (or ET: Legacy "*/"), plus one
    // ET 2.60b only: where a ';' inside a comment ended it and started a command that runs.
    QVector<int> commentSemicolons;
    // ET: Legacy only: ';'s outside quotes that end no command, because the game took the "//"
    // of a web address before them for a comment's start.
    QVector<int> keptSemicolons;
    // ET: Legacy only: a "/*" comment is open at the line's end (opened on this line or above);
    // the game reads the lines after it as comment up to the next "*/".
    bool openComment = false;
    // ET: Legacy only: the line starts inside a comment that a line above opened. Its first
    // command is the rest of that comment, up to and with the "*/" that closes it (the whole
    // line when nothing does), and has no words.
    bool continuesComment = false;
    bool unbalancedQuote = false; // a quoted word runs to the line end
    // Where a NUL character stops the game reading the file, or -1; nothing from there on is
    // read, and the commands cover the line only up to it.
    int stop = -1;
    int byteLength = 0; // the length read, in the system's 8-bit code page, as the game reads it
};

// Reads `line` (without its line end) as `version` of the game does. The game first cuts its
// text into commands, then reads each command's words:
// - Commands end at ';' outside double quotes; a missing closing quote runs to the line end.
// - ET 2.60b cuts at every such ';', comments or not, so "// by me; quit" runs "quit".
//   ET: Legacy cuts nowhere after a "//", not even the one of "http://", and a "/*" comment
//   runs to the next "*/", which ends the command.
// - In a command, "//" starts a comment unless it follows a ':' (as in "http://"); in ET: Legacy
//   so does "/*", up to its "*/".
// - Blanks (and control characters) separate words; '"' starts a quoted word and ends a bare
//   one. Outside quotes a character of 0x80 or above is a blank too: the file is 8-bit, and
//   the game reads such bytes as blanks. A command has at most maxCommandWords words.
// - A NUL character ends what the game reads of the whole file.
// A script is read line after line, each with `inComment` set when the line above left a
// comment open (its openComment): ET: Legacy reads over the line ends up to the "*/".
ConsoleLine readLine(QStringView line, Version version, bool inComment = false);

} // namespace Game
