#include "editor/ScriptCheck.h"

#include "game/RunBindings.h"

#include <QAbstractTextDocumentLayout>
#include <QHash>
#include <QSet>
#include <QTextDocument>

#include <algorithm>
#include <set>
#include <unordered_map>
#include <utility>

namespace {

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

} // namespace

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

namespace {

// A line's check, kept with its block: the document deletes it with the block, and the line's
// bindings and names leave the indexes then.
class LineRecord : public QTextBlockUserData
{
public:
    LineRecord(std::shared_ptr<CheckIndex> index, const QTextBlock &block, Game::LineCheck check,
               QVector<Game::RunBinding> runs)
        : index(std::move(index))
        , block(block)
        , check(std::move(check))
        , runs(std::move(runs))
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

    ~LineRecord() override
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

    // One use of `name` less; true when it was the last.
    static bool uncount(QHash<QString, int> &counts, const QString &name)
    {
        const auto count = counts.find(name);
        if (count == counts.end() || --count.value() > 0)
            return false;
        counts.erase(count);
        return true;
    }

    void forget(QHash<QString, QSet<LineRecord *>> &index, const QString &name)
    {
        const auto lines = index.find(name);
        if (lines != index.end()) {
            lines->remove(this);
            if (lines->isEmpty())
                index.erase(lines);
        }
    }

    struct Place
    {
        KeyBindings *bindings;
        KeyBindings::iterator at;
    };

    // Enters a binding of `key`, the line's `order`th, into one of the indexes by key.
    Place enter(std::unordered_map<QString, KeyBindings> &keys, const QString &key, int order)
    {
        KeyBindings &keyBindings = keys[key];
        if (index->tracking)
            index->touchedKeys.insert(key);
        // Lines read in the order of the script go to the end at once.
        return {&keyBindings,
                keyBindings.emplace_hint(keyBindings.end(), BindingRef {this, order})};
    }

    std::shared_ptr<CheckIndex> index;
    QTextBlock block;
    Game::LineCheck check;
    QVector<Game::RunBinding> runs; // the keys its values bind when they run
    QVector<Place> places; // one per binding of the line
    QVector<Place> runPlaces; // one per run binding
};

int lineOf(const BindingRef &ref)
{
    return ref.line->block.blockNumber();
}

LineRecord *recordOf(const QTextBlock &block)
{
    return dynamic_cast<LineRecord *>(block.userData());
}

bool byStart(const Game::Problem &a, const Game::Problem &b)
{
    return a.span.start < b.span.start;
}

} // namespace

ScriptCheck::ScriptCheck(QTextDocument *document, Game::Version version, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_version(version)
{
    // A document tells its changes only once it has a layout.
    m_document->documentLayout();
    readAll();
    connect(m_document, &QTextDocument::contentsChange, this, &ScriptCheck::onContentsChange);
    connect(m_document, &QTextDocument::contentsChanged, this, &ScriptCheck::onContentsChanged);
}

ScriptCheck::ScriptCheck(QTextDocument *document, Game::Version version, bool)
    : m_document(document)
    , m_version(version)
{
    readAll();
}

QVector<ScriptCheck::Entry> ScriptCheck::problemsOf(const QString &text, Game::Version version)
{
    QTextDocument document(text);
    const ScriptCheck check(&document, version, false);
    return check.allProblems();
}

ScriptCheck::~ScriptCheck()
{
    // The lines may outlive the check; they then keep nothing up to date.
    m_index->dropped = true;
}

void ScriptCheck::setVersion(Game::Version version)
{
    m_version = version;
    readAll();
    // Every line may read otherwise now: those who follow the check look again.
    emit checked({});
}

void ScriptCheck::readAll()
{
    if (m_index)
        m_index->dropped = true;
    m_index = std::make_shared<CheckIndex>();
    m_index->tracking = false;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next())
        read(block);
    m_index->tracking = true;
}

void ScriptCheck::read(QTextBlock block)
{
    // The old record leaves the indexes before the new one takes its place there.
    block.setUserData(nullptr);
    const QString text = block.text();
    block.setUserData(new LineRecord(m_index, block, Game::checkLine(text, m_version),
                                     Game::keysBoundWhenRun(text, m_version)));
}

void ScriptCheck::onContentsChange(int position, int, int added)
{
    QTextBlock block = m_document->findBlock(position);
    QTextBlock last = m_document->findBlock(position + added);
    if (!last.isValid())
        last = m_document->lastBlock();
    for (; block.isValid(); block = block.next()) {
        read(block);
        if (block == last)
            break;
    }

    CheckIndex &x = *m_index;
    const int lastLine = last.blockNumber();
    // The first binding after the edit of a key the edit bound or unbound: it may be the first
    // binding of its key now, or no longer be.
    for (const QString &key : qAsConst(x.touchedKeys)) {
        const auto keyBindings = x.bindings.find(key);
        if (keyBindings == x.bindings.end())
            continue;
        const auto next = keyBindings->second.upper_bound(lastLine);
        if (next != keyBindings->second.end())
            m_others.append(next->line->block);
    }
    // Set lines of names the script began or stopped running with vstr.
    for (const QString &name : qAsConst(x.touchedNames)) {
        for (LineRecord *line : x.newVariables.value(name))
            m_others.append(line->block);
    }
    // Lines that run names the script began or stopped setting.
    for (const QString &name : qAsConst(x.touchedSetNames)) {
        for (LineRecord *line : x.vstrLines.value(name))
            m_others.append(line->block);
    }
    x.touchedKeys.clear();
    x.touchedNames.clear();
    x.touchedSetNames.clear();
    m_pending = true;
}

void ScriptCheck::onContentsChanged()
{
    // Told once the edit is complete: showing other lines anew is then an edit of its own.
    if (!m_pending)
        return;
    m_pending = false;
    emit checked(std::exchange(m_others, {}));
}

const Game::LineCheck *ScriptCheck::lineCheck(const QTextBlock &block) const
{
    const LineRecord *record = recordOf(block);
    return record ? &record->check : nullptr;
}

QVector<Game::Problem> ScriptCheck::problems(const QTextBlock &block) const
{
    const LineRecord *record = recordOf(block);
    if (!record)
        return {};
    QVector<Game::Problem> problems = record->check.problems;
    const CheckIndex &x = *m_index;
    for (const Game::NewVariable &variable : record->check.newVariables) {
        if (!x.vstrCount.contains(variable.name))
            problems.append(variable.problem);
    }
    for (const Game::NewVariable &run : record->check.runProblems) {
        if (x.vstrCount.contains(run.name))
            problems.append(run.problem);
    }
    for (const Game::NameUse &use : record->check.vstrNames) {
        if (!use.setting && !x.setCount.contains(use.name))
            problems.append({use.span, Game::neverSetMessage(use.typed)});
    }
    for (int i = 0; i < record->places.size(); ++i) {
        const LineRecord::Place &place = record->places[i];
        if (place.at == place.bindings->begin())
            continue;
        // A key bound again to the same text changes nothing.
        const BindingRef &before = *std::prev(place.at);
        const Game::Binding &binding = record->check.bindings[i];
        if (before.line->check.bindings[before.order].text == binding.text)
            continue;
        problems.append({binding.span, Game::boundAgainMessage(binding.typed, lineOf(before) + 1)});
    }
    std::stable_sort(problems.begin(), problems.end(), byStart);
    return problems;
}

QVector<ScriptCheck::Entry> ScriptCheck::allProblems() const
{
    QVector<Entry> entries;
    int line = 0;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next(), ++line) {
        for (const Game::Problem &problem : problems(block))
            entries.append({line, problem});
    }
    return entries;
}

QTextBlock ScriptCheck::firstBinding(const QString &key,
                                     const std::function<bool(const QTextBlock &)> &wanted) const
{
    const auto keyBindings = m_index->bindings.find(key);
    if (keyBindings == m_index->bindings.end())
        return QTextBlock();
    for (const BindingRef &binding : keyBindings->second) {
        if (wanted(binding.line->block))
            return binding.line->block;
    }
    return QTextBlock();
}

ScriptCheck::KeyLines ScriptCheck::bindings(const QString &key) const
{
    const auto keyBindings = m_index->bindings.find(key);
    if (keyBindings == m_index->bindings.end() || keyBindings->second.empty())
        return {};
    const KeyBindings &all = keyBindings->second;
    return {all.begin()->line->block, all.rbegin()->line->block, int(all.size())};
}

QStringList ScriptCheck::boundKeys(bool whenRun) const
{
    QStringList keys;
    for (const auto &[key, lines] : whenRun ? m_index->runBindings : m_index->bindings) {
        if (!lines.empty())
            keys << key;
    }
    return keys;
}

QTextBlock ScriptCheck::firstRunBinding(const QString &key, Game::RunBinding *binding) const
{
    const auto keyBindings = m_index->runBindings.find(key);
    if (keyBindings == m_index->runBindings.end() || keyBindings->second.empty())
        return QTextBlock();
    const BindingRef &first = *keyBindings->second.begin();
    if (binding)
        *binding = first.line->runs[first.order];
    return first.line->block;
}
