#include "editor/CheckIndex.h"

namespace {

// One use of `name` less; true when it was the last.
bool uncount(QHash<QString, int> &counts, const QString &name)
{
    const auto count = counts.find(name);
    if (count == counts.end() || --count.value() > 0)
        return false;
    counts.erase(count);
    return true;
}

} // namespace

int lineOf(const BindingRef &ref)
{
    return ref.line->block.blockNumber();
}

LineRecord *recordOf(const QTextBlock &block)
{
    return dynamic_cast<LineRecord *>(block.userData());
}

LineRecord::LineRecord(std::shared_ptr<CheckIndex> index, const QTextBlock &block,
                       Game::LineCheck check, QVector<Game::RunBinding> runs, bool inComment)
    : index(std::move(index))
    , block(block)
    , check(std::move(check))
    , runs(std::move(runs))
    , inComment(inComment)
{
    CheckIndex &x = *this->index;
    for (int i = 0; i < this->check.bindings.size(); ++i)
        places.append(enter(x.bindings, this->check.bindings[i].key, i));
    for (int i = 0; i < this->runs.size(); ++i)
        runPlaces.append(enter(x.runBindings, this->runs[i].key, i));
    for (const Game::NameUse &use : qAsConst(this->check.vstrNames)) {
        if (++x.vstrCount[use.name] == 1 && x.tracking)
            x.touchedNames.insert(use.name);
        if (!use.setting)
            x.vstrLines[use.name].insert(this);
    }
    for (const QString &name : qAsConst(this->check.setNames)) {
        if (++x.setCount[name] == 1 && x.tracking)
            x.touchedSetNames.insert(name);
    }
    for (const Game::NewVariable &variable : qAsConst(this->check.newVariables))
        x.newVariables[variable.name].insert(this);
    for (const Game::NewVariable &variable : qAsConst(this->check.runProblems))
        x.newVariables[variable.name].insert(this);
}

LineRecord::~LineRecord()
{
    CheckIndex &x = *index;
    if (x.dropped)
        return;
    for (int i = 0; i < places.size(); ++i) {
        x.touchedKeys.insert(check.bindings[i].key);
        places[i].bindings->erase(places[i].at);
    }
    for (int i = 0; i < runPlaces.size(); ++i) {
        x.touchedKeys.insert(runs[i].key);
        runPlaces[i].bindings->erase(runPlaces[i].at);
    }
    for (const Game::NameUse &use : qAsConst(check.vstrNames)) {
        if (uncount(x.vstrCount, use.name))
            x.touchedNames.insert(use.name);
        forget(x.vstrLines, use.name);
    }
    for (const QString &name : qAsConst(check.setNames)) {
        if (uncount(x.setCount, name))
            x.touchedSetNames.insert(name);
    }
    for (const Game::NewVariable &variable : qAsConst(check.newVariables))
        forget(x.newVariables, variable.name);
    for (const Game::NewVariable &variable : qAsConst(check.runProblems))
        forget(x.newVariables, variable.name);
}

void LineRecord::forget(QHash<QString, QSet<LineRecord *>> &lines, const QString &name)
{
    const auto found = lines.find(name);
    if (found != lines.end()) {
        found->remove(this);
        if (found->isEmpty())
            lines.erase(found);
    }
}

LineRecord::Place LineRecord::enter(std::unordered_map<QString, KeyBindings> &keys,
                                    const QString &key, int order)
{
    KeyBindings &keyBindings = keys[key];
    if (index->tracking)
        index->touchedKeys.insert(key);
    // Lines read in the order of the script go to the end at once.
    return {&keyBindings, keyBindings.emplace_hint(keyBindings.end(), BindingRef {this, order})};
}
