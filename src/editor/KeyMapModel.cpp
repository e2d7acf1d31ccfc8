#include "editor/KeyMapModel.h"

#include "editor/KeyLayout.h"
#include "editor/ScriptCheck.h"

#include <QTextBlock>

QString KeyUse::accessibleText() const
{
    if (bound() && line >= 0)
        return QStringLiteral("%1: %2 (line %3)").arg(key, label).arg(line + 1);
    if (bound())
        return QStringLiteral("%1: %2 (step %3)").arg(key, label).arg(field.step);
    if (!runScript.isEmpty())
        return QStringLiteral("%1: taken by %2 when it runs (line %3)")
                .arg(key, runScript)
                .arg(runLine + 1);
    return QStringLiteral("%1: free").arg(key);
}

QString KeyUse::description() const
{
    QString text;
    if (bound() && line >= 0)
        text = QStringLiteral("%1 runs \"%2\" (line %3)").arg(key, binding).arg(line + 1);
    else if (bound())
        text = QStringLiteral("%1 runs \"%2\" (\"%3\", step %4)")
                       .arg(key, binding, field.field)
                       .arg(field.step);
    else
        text = QStringLiteral("%1 is free").arg(key);
    if (twice())
        text += QStringLiteral("; bound %1 times, the game keeps the last").arg(count);
    if (!runScript.isEmpty())
        text += QStringLiteral("; %1 binds it again when it runs (line %2)")
                        .arg(runScript)
                        .arg(runLine + 1);
    return text;
}

KeyMapModel::KeyMapModel(const ScriptCheck &check)
    : m_check(check)
{ }

void KeyMapModel::setScreenKeys(std::function<QVector<ScreenKey>()> screenKeys)
{
    m_screenKeys = std::move(screenKeys);
}

KeyUse KeyMapModel::use(const QString &key) const
{
    const auto found = m_uses.constFind(key);
    if (found != m_uses.cend())
        return found.value();
    KeyUse free;
    free.key = key;
    return free;
}

void KeyMapModel::refresh()
{
    m_version = m_check.version();
    m_uses.clear();
    for (const QString &key : m_check.boundKeys()) {
        const ScriptCheck::KeyLines lines = m_check.bindings(key);
        addBinding(key, lines.last, lines.count);
    }
    for (const QString &key : m_check.boundKeys(true)) {
        Game::RunBinding run;
        const QTextBlock line = m_check.firstRunBinding(key, &run);
        KeyUse &use = m_uses[keyMapName(key, m_version)];
        use.key = keyMapName(key, m_version);
        if (use.runScript.isEmpty() || line.blockNumber() < use.runLine) {
            use.runScript = run.variable;
            use.runLine = line.blockNumber();
        }
    }
    if (!m_screenKeys)
        return;
    for (const ScreenKey &screenKey : m_screenKeys()) {
        KeyUse &use = m_uses[keyMapName(screenKey.key, m_version)];
        // A field whose line the script holds last already (just written by Next, or by an
        // earlier run) binds nothing new.
        if (use.line >= 0 && use.count > 0 && use.binding == screenKey.binding)
            continue;
        use.key = keyMapName(screenKey.key, m_version);
        use.binding = screenKey.binding;
        use.line = -1;
        use.field = screenKey;
        use.kind = Game::bindingKind(use.binding);
        use.label = Game::bindingLabel(use.binding);
        ++use.count;
    }
}

void KeyMapModel::addBinding(const QString &key, const QTextBlock &last, int count)
{
    const QString name = keyMapName(key, m_version);
    KeyUse &use = m_uses[name];
    use.key = name;
    use.count += count;
    // ALT and LEFTALT are one key in ET: Legacy: the later line wins.
    const int line = last.blockNumber();
    if (use.line > line)
        return;
    use.line = line;
    // The line's last binding of the key, as the check read it (a binding after a comment's
    // "*/" is read only there).
    QString binding;
    if (const Game::LineCheck *check = m_check.lineCheck(last)) {
        for (const Game::Binding &made : check->bindings) {
            if (made.key == key)
                binding = made.text;
        }
    }
    auto known = m_labels.constFind(binding);
    if (known == m_labels.cend()) {
        if (m_labels.size() > 4096)
            m_labels.clear();
        known = m_labels.insert(binding, {Game::bindingKind(binding), Game::bindingLabel(binding)});
    }
    use.binding = binding;
    use.kind = known->kind;
    use.label = known->label;
}
