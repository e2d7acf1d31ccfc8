#pragma once

#include "game/LineCheck.h"
#include "game/RunBindings.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QTextBlock>
#include <QVector>

#include <memory>
#include <set>
#include <unordered_map>

// The script-wide facts that ScriptCheck keeps over its lines, and the record of each line that
// enters its own facts there while it lives. Only ScriptCheck uses these.

class LineRecord;

// One binding of a key: the line that makes it and its place among the line's bindings.
struct BindingRef
{
    LineRecord *line;
    int order;
};

int lineOf(const BindingRef &ref);

// The bindings of one key in the order of the script. Lines are compared by their current
// numbers, so the order stays right when lines are added or removed elsewhere; a plain number
// finds the bindings after a line.
struct ByPlace
{
    using is_transparent = void;
    bool operator()(const BindingRef &a, const BindingRef &b) const
    {
        const int lineA = lineOf(a);
        const int lineB = lineOf(b);
        return lineA < lineB || (lineA == lineB && a.order < b.order);
    }
    bool operator()(const BindingRef &a, int line) const { return lineOf(a) < line; }
    bool operator()(int line, const BindingRef &b) const { return line < lineOf(b); }
};

using KeyBindings = std::set<BindingRef, ByPlace>;

// The script-wide facts, shared by the lines that make them.
struct CheckIndex
{
    std::unordered_map<QString, KeyBindings> bindings; // by canonical key
    std::unordered_map<QString, KeyBindings> runBindings; // keys values bind when they run
    QHash<QString, int> vstrCount; // by folded name: how often the script runs it
    QHash<QString, int> setCount; // by folded name: how often the script sets it
    // By folded name: the lines whose problems depend on whether the script runs it with vstr
    // (they set it as a new variable, or their value has problems once it is run).
    QHash<QString, QSet<LineRecord *>> newVariables;
    // By folded name: the lines that run it with vstr, noted while no line sets it.
    QHash<QString, QSet<LineRecord *>> vstrLines;
    // What changed since the last edit was read: keys bound or unbound, names whose vstr count
    // or set count went to or from zero.
    QSet<QString> touchedKeys;
    QSet<QString> touchedNames;
    QSet<QString> touchedSetNames;
    bool tracking = true; // off while every line is read at once
    bool dropped = false; // replaced by a new index: its lines forget nothing
};

// A line's check, kept with its block: the document deletes it with the block, and the line's
// bindings and names leave the indexes then.
class LineRecord : public QTextBlockUserData
{
public:
    // `inComment`: the line was read inside a comment that the lines above left open.
    LineRecord(std::shared_ptr<CheckIndex> index, const QTextBlock &block, Game::LineCheck check,
               QVector<Game::RunBinding> runs, bool inComment);
    ~LineRecord() override;

    struct Place
    {
        KeyBindings *bindings;
        KeyBindings::iterator at;
    };

    std::shared_ptr<CheckIndex> index;
    QTextBlock block;
    Game::LineCheck check;
    QVector<Game::RunBinding> runs; // the keys its values bind when they run
    QVector<Place> places; // one per binding of the line
    QVector<Place> runPlaces; // one per run binding
    bool inComment;

private:
    // Enters a binding of `key`, the line's `order`th, into one of the indexes by key.
    Place enter(std::unordered_map<QString, KeyBindings> &keys, const QString &key, int order);
    void forget(QHash<QString, QSet<LineRecord *>> &lines, const QString &name);
};

// The record of a block's line; nullptr for a block not read yet.
LineRecord *recordOf(const QTextBlock &block);
