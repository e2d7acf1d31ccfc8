#pragma once

#include "game/ConsoleLine.h"
#include "game/GameData.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

// What the game will do with one line of a script, as far as the line alone tells: the parts
// an editor colours, the problems the game will have with it, and the facts that only the whole
// script can judge (the keys it binds, the variables it makes, the names it runs with vstr).
namespace Game {

// The kinds of text an editor shows in colours of their own.
enum class Mark { Comment, Command, Setting, Key, Quoted, Number };

struct Marked
{
    Span span;
    Mark mark;
};

struct Problem
{
    Span span; // the text to underline
    QString message; // what the game will do, in a few words
};

// A key the line binds, in the order of its commands.
struct Binding
{
    QString key; // canonicalKey() of the name in the line's game version
    QString typed; // the name as the line spells it
    Span span;
    QString text; // what the key runs, the words after the key joined as the game joins them
};

// A name the line runs with vstr, or sets.
struct NameUse
{
    QString name; // foldName() of the name
    QString typed; // as the line spells it
    Span span; // where the line names it (the whole binding or value when it is inside one)
    bool setting = false; // a setting of the game, which exists without any line setting it
};

// A set line of a name that is no setting of the game: a problem unless the script runs the
// name with vstr somewhere, which makes it a variable of the script's own.
struct NewVariable
{
    QString name; // foldName() of the name
    Problem problem;
};

struct LineCheck
{
    QVector<Marked> marks; // left to right, none overlapping
    QVector<Problem> problems; // the line's own, left to right
    QVector<Binding> bindings;
    QVector<NewVariable> newVariables;
    // Problems of a value that show only when the script runs the name with vstr: the value's
    // commands are run then.
    QVector<NewVariable> runProblems;
    // Every name the line runs with vstr, in its commands, in the bindings it makes and in the
    // values it sets (a value that a later vstr runs as commands).
    QVector<NameUse> vstrNames;
    // foldName() of every name the line sets, in its commands and in its bindings and values.
    QStringList setNames;
    // ET: Legacy: a "/*" comment is open at the line's end, so the next line starts in it.
    bool openComment = false;
};

// Reads `line` (without its line end) as `version` of the game does and checks each command;
// `inComment` when the line above left a comment open (readLine()).
LineCheck checkLine(QStringView line, Version version, bool inComment = false);

// The problem of a key bound again: `key` as this line spells it, `earlierLine` counted from 1.
QString boundAgainMessage(const QString &key, int earlierLine);

// The note on a name run with vstr that no line of the script sets.
QString neverSetMessage(const QString &name);

} // namespace Game
