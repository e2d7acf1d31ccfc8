#include "steps/keys/KeyCheck.h"

#include "editor/ScriptCheck.h"
#include "game/GameData.h"
#include "game/ScriptText.h"
#include "steps/keys/KeyField.h"

#include <QAbstractButton>
#include <QEvent>
#include <QTextBlock>
#include <QTextDocument>

KeyCheck::KeyCheck(ScriptCheck &script, QObject *parent)
    : QObject(parent)
    , m_script(script)
{
    connect(m_script.document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { noteWriters(position, added); });
    connect(&m_script, &ScriptCheck::checked, this, &KeyCheck::scriptChecked);
}

void KeyCheck::add(int step, KeyField *field, QAbstractButton *enable,
                   std::function<QString()> command)
{
    // A screen is checked when it first shows.
    Screen &screen = m_screens[step];
    screen.rows.push_back(int(m_rows.size()));
    screen.stale = true;
    m_rows.push_back({step, field, enable, std::move(command)});
    field->setGameVersion(m_script.version());
    connect(field, &QLineEdit::textChanged, this, [this, step] { recheck(step); });
    if (enable)
        connect(enable, &QAbstractButton::toggled, this, [this, step] { recheck(step); });
    field->installEventFilter(this);
}

void KeyCheck::add(int step, KeyField *field, QAbstractButton *enable, const QString &command)
{
    add(step, field, enable, [command] { return command; });
}

bool KeyCheck::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        for (const Row &row : m_rows) {
            if (row.field == watched) {
                if (m_screens[row.step].stale)
                    recheck(row.step);
                break;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void KeyCheck::recheck(int step)
{
    const auto found = m_screens.find(step);
    if (found == m_screens.end())
        return;
    Screen &screen = found->second;
    screen.stale = false;

    // The written rows whose key the game knows, by key: the first two of each key.
    const Game::Version version = m_script.version();
    QHash<QString, int> first, second;
    std::vector<QString> keys(screen.rows.size());
    for (std::size_t i = 0; i < screen.rows.size(); ++i) {
        const int index = screen.rows[i];
        const Row &row = m_rows[index];
        const QString text = row.field->text();
        // ALT and LEFTALT are one key in ET: Legacy.
        const QString key = Game::canonicalKey(text.trimmed(), version);
        if (!written(row) || key.isEmpty() || !Game::canBind(text) || !Game::isKey(key, version))
            continue;
        keys[i] = key;
        if (!first.contains(key))
            first.insert(key, index);
        else if (!second.contains(key))
            second.insert(key, index);
    }

    for (std::size_t i = 0; i < screen.rows.size(); ++i) {
        const int index = screen.rows[i];
        QString problem = problemOf(index, keys[i]);
        if (problem.isEmpty() && !keys[i].isEmpty()) {
            const int other = first.value(keys[i]) != index ? first.value(keys[i])
                                                            : second.value(keys[i], -1);
            if (other >= 0)
                problem = describe(m_rows[index].field->text().trimmed(), m_rows[other]);
        }
        m_rows[index].field->showProblem(problem);
    }
    emit rechecked(step);
}

bool KeyCheck::written(const Row &row) const
{
    return !row.enable || row.enable->isChecked();
}

QString KeyCheck::lineOf(const Row &row) const
{
    return Game::bindLine(row.field->text(), row.command(), m_script.version()).value(0);
}

// What is wrong with a row's key, besides another row of its screen binding it too. `key` is
// the canonical key of a written row whose key the game knows, empty for any other row.
QString KeyCheck::problemOf(int index, const QString &key) const
{
    const Row &row = m_rows[index];
    const QString text = row.field->text();
    const QString typed = text.trimmed();
    if (!Game::canBind(text))
        return QStringLiteral("\" cannot be bound");
    if (typed.isEmpty())
        return written(row) ? QStringLiteral("no key given") : QString();
    // A ';' is written as SEMICOLON, which the game knows.
    if (!Game::isKey(Game::canonicalKey(typed), m_script.version()))
        return QStringLiteral("\"%1\" is not a key the game knows").arg(typed);
    if (key.isEmpty())
        return QString();
    const QTextBlock other = otherBinding(key, lineOf(row));
    if (other.isValid())
        return describe(typed, other);
    const QString taken = takenWhenRun(typed, key);
    return taken.isEmpty() ? keptBinding(row, typed, key) : taken;
}

// A key the lines kept from a file read bind to something else, at the end of the script.
QString KeyCheck::keptBinding(const Row &row, const QString &typed, const QString &key) const
{
    const auto kept = m_kept.constFind(key);
    if (kept == m_kept.cend() || *kept == row.command())
        return QString();
    return QStringLiteral("%1 is taken by \"%2\" from %3, kept at the end of the script")
            .arg(typed, *kept, m_keptFile);
}

void KeyCheck::setKeptBindings(const QString &file, const QHash<QString, QString> &bindings)
{
    m_keptFile = file;
    m_kept = bindings;
    scriptChecked();
}

// A value of the script that binds the key when it runs takes it from this row then.
QString KeyCheck::takenWhenRun(const QString &typed, const QString &key) const
{
    Game::RunBinding binding;
    const QTextBlock line = m_script.firstRunBinding(key, &binding);
    if (!line.isValid())
        return QString();
    return QStringLiteral("%1 is taken by the script %2 when it runs (line %3)")
            .arg(typed, binding.variable)
            .arg(line.blockNumber() + 1);
}

// The first line of the script that binds `key` otherwise than `line` does: the same line
// written again (by the same row, in an earlier script) binds nothing new. A key bound by many
// such lines is looked up once until the script changes, not at every key press.
QTextBlock KeyCheck::otherBinding(const QString &key, const QString &line) const
{
    const QString lookup = key + QChar(0) + line;
    const auto known = m_found.constFind(lookup);
    if (known != m_found.cend())
        return known.value();
    const QTextBlock other = m_script.firstBinding(
            key, [&line](const QTextBlock &block) { return block.text() != line; });
    m_found.insert(lookup, other);
    return other;
}

QString KeyCheck::describe(const QString &key, const QTextBlock &line) const
{
    const int writer = m_writers.value(line.text(), -1);
    if (writer >= 0)
        return describe(key, m_rows[writer]);
    return QStringLiteral("%1 is also bound by line %2 of the script")
            .arg(key)
            .arg(line.blockNumber() + 1);
}

QString KeyCheck::describe(const QString &key, const Row &other) const
{
    return QStringLiteral("%1 is also bound by \"%2\" (step %3)")
            .arg(key, other.field->accessibleName())
            .arg(other.step);
}

// The wizard's lines come at the end of the script, each from a row as it stands: a new line
// that a row writes now was written by that row.
void KeyCheck::noteWriters(int position, int added)
{
    QTextDocument *document = m_script.document();
    if (position + added < document->characterCount() - 1)
        return;
    QHash<QString, int> rowLines;
    bool rowLinesKnown = false;
    const QTextBlock last = document->lastBlock();
    for (QTextBlock block = document->findBlock(position); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (text.contains(QLatin1String("bind"), Qt::CaseInsensitive)) {
            if (!rowLinesKnown) {
                for (int i = int(m_rows.size()) - 1; i >= 0; --i)
                    rowLines.insert(lineOf(m_rows[i]), i);
                rowLinesKnown = true;
            }
            const auto writer = rowLines.constFind(text);
            if (writer != rowLines.cend())
                m_writers.insert(text, writer.value());
        }
        if (block == last)
            break;
    }
}

// A shown screen is checked again at once; the others when they show, not at each keystroke in
// the script view.
void KeyCheck::scriptChecked()
{
    m_found.clear();
    const Game::Version version = m_script.version();
    for (const Row &row : m_rows)
        row.field->setGameVersion(version);
    for (auto &[step, screen] : m_screens) {
        if (m_rows[screen.rows.front()].field->isVisible())
            recheck(step);
        else
            screen.stale = true;
    }
}
