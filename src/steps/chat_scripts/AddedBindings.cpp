#include "steps/chat_scripts/AddedBindings.h"

#include "game/GameData.h"
#include "widgets/PageKit.h"
#include "wizard/ScriptBuffer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

AddedBindings::AddedBindings(ScriptBuffer &buffer, QLabel *note, QObject *parent)
    : QObject(parent)
    , m_buffer(buffer)
    , m_note(note)
{
    // A new run starts with none listed but the ones read and not written yet: the lines of an
    // earlier run stay as they are.
    connect(&m_buffer, &ScriptBuffer::stepsForgotten, this, [this] { forget(false); });
}

void AddedBindings::forget(bool unwrittenToo)
{
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                   [unwrittenToo](const Entry &entry) {
                                       return unwrittenToo || entry.append != 0;
                                   }),
                    m_entries.end());
    m_note->clear();
    for (const Kind kind : {Vsay, Say}) {
        if (m_lists[kind])
            refresh(kind);
    }
}

QWidget *AddedBindings::createList(Kind kind, const QString &listName, const QString &removeName,
                                   const QString &accessibleName)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    auto *list = new QListWidget;
    list->setObjectName(listName);
    list->setAccessibleName(accessibleName);
    PageKit::setHint(list, QStringLiteral("the keys added, with what they say"));
    list->setFixedHeight(list->fontMetrics().height() * 3 + 6);
    auto *remove = new QPushButton(QStringLiteral("Remove"));
    remove->setObjectName(removeName);
    remove->setAutoDefault(false);
    remove->setEnabled(false);
    remove->setAccessibleName(accessibleName + QStringLiteral(" Remove"));
    PageKit::setHint(remove, QStringLiteral("take the selected key out of the script"));
    layout->addWidget(list, 1);
    layout->addWidget(remove, 0, Qt::AlignTop);
    m_lists[kind] = list;
    m_removes[kind] = remove;
    connect(list, &QListWidget::currentRowChanged, remove,
            [remove](int row) { remove->setEnabled(row >= 0); });
    connect(remove, &QPushButton::clicked, this, [this, kind] { removeSelected(kind); });
    return row;
}

namespace {

bool sameKey(const QString &one, const QString &other)
{
    return Game::canonicalKey(one.trimmed()) == Game::canonicalKey(other.trimmed());
}

} // namespace

bool AddedBindings::contains(const QString &key, const QString &command) const
{
    for (const Entry &entry : m_entries) {
        if (entry.command == command && sameKey(entry.key, key))
            return true;
    }
    return false;
}

bool AddedBindings::add(Kind kind, const QString &key, const QString &command, const QString &text,
                        const QStringList &line)
{
    if (!m_entries.empty() && m_entries.back().command == command
        && sameKey(m_entries.back().key, key)) {
        m_note->setText(QStringLiteral("%1 is bound to \"%2\" already: it was not added again.")
                                .arg(key.trimmed(), text));
        return false;
    }
    m_note->clear();
    // A key that cannot be bound writes nothing, and its field says why.
    if (line.isEmpty())
        return false;
    writeAgain();
    m_entries.push_back({kind, key, command, text, line.constFirst(), m_buffer.append(line)});
    refresh(kind);
    m_lists[kind]->setCurrentRow(m_lists[kind]->count() - 1);
    return true;
}

bool AddedBindings::list(Kind kind, const QString &key, const QString &command, const QString &text,
                         const QStringList &line)
{
    if (line.isEmpty() || contains(key, command))
        return false;
    m_entries.push_back({kind, key, command, text, line.constFirst(), 0});
    refresh(kind);
    return true;
}

void AddedBindings::writeAgain()
{
    for (Entry &entry : m_entries) {
        if (!m_buffer.holds(entry.append))
            entry.append = m_buffer.append(entry.line);
    }
}

void AddedBindings::removeSelected(Kind kind)
{
    const int row = m_lists[kind]->currentRow();
    int seen = -1;
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->kind == kind && ++seen == row) {
            m_buffer.remove(it->append);
            m_entries.erase(it);
            break;
        }
    }
    m_note->clear();
    refresh(kind);
}

void AddedBindings::refresh(Kind kind)
{
    QListWidget *list = m_lists[kind];
    list->clear();
    for (const Entry &entry : m_entries) {
        if (entry.kind == kind)
            list->addItem(entry.key.trimmed() + QStringLiteral(": ") + entry.text);
    }
    m_removes[kind]->setEnabled(list->currentRow() >= 0);
}
