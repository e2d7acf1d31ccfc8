#include "editor/ScriptCheck.h"

#include "editor/CheckIndex.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace {

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
    bool inComment = false;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next())
        inComment = read(block, inComment);
    m_index->tracking = true;
}

bool ScriptCheck::read(QTextBlock block, bool inComment)
{
    // The old record leaves the indexes before the new one takes its place there.
    block.setUserData(nullptr);
    const QString text = block.text();
    auto *record = new LineRecord(m_index, block, Game::checkLine(text, m_version, inComment),
                                  Game::keysBoundWhenRun(text, m_version, inComment), inComment);
    block.setUserData(record);
    return record->check.openComment;
}

void ScriptCheck::onContentsChange(int position, int, int added)
{
    QTextBlock block = m_document->findBlock(position);
    QTextBlock last = m_document->findBlock(position + added);
    if (!last.isValid())
        last = m_document->lastBlock();
    const LineRecord *above = recordOf(block.previous());
    bool inComment = above && above->check.openComment;
    for (; block.isValid(); block = block.next()) {
        inComment = read(block, inComment);
        if (block == last)
            break;
    }
    // An edit that opens or closes a comment changes how the lines below read, up to the first
    // line that already starts as it now should: those are read again too.
    for (block = last.next(); block.isValid(); block = block.next()) {
        const LineRecord *record = recordOf(block);
        if (record && record->inComment == inComment)
            break;
        inComment = read(block, inComment);
        m_others.append(block);
        last = block;
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
