#include "editor/ProblemsWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int lineRole = Qt::UserRole;
constexpr int columnRole = Qt::UserRole + 1;
} // namespace

ProblemsWindow::ProblemsWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CheckScriptWindow"));
    setWindowTitle(QStringLiteral("Check Script"));
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);

    auto *label = new QLabel(QStringLiteral("Game &version:"));
    m_version = new QComboBox;
    m_version->setObjectName(QStringLiteral("cbGameVersion"));
    for (const Game::Version version : Game::allVersions)
        m_version->addItem(Game::displayName(version), int(version));
    label->setBuddy(m_version);

    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("lstProblems"));
    m_list->setAccessibleName(QStringLiteral("Problems"));
    // Each message whole: wrapped to the window's width, never cut short with "...".
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setResizeMode(QListView::Adjust);

    auto *versionRow = new QHBoxLayout;
    versionRow->addWidget(label);
    versionRow->addWidget(m_version);
    versionRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(versionRow);
    layout->addWidget(m_list);
    resize(700, 260);

    connect(m_version, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        emit versionChosen(Game::Version(m_version->itemData(index).toInt()));
    });
    connect(m_list, &QListWidget::itemActivated, this, &ProblemsWindow::activate);
}

void ProblemsWindow::showVersion(Game::Version version)
{
    m_version->setCurrentIndex(m_version->findData(int(version)));
}

QString ProblemsWindow::entryText(const ScriptCheck::Entry &entry)
{
    return QStringLiteral("Line %1: %2").arg(entry.line + 1).arg(entry.problem.message);
}

void ProblemsWindow::showEntries(const QVector<ScriptCheck::Entry> &entries)
{
    // The player's place in the list survives a refresh.
    const int row = m_list->currentRow();
    const int scrolled = m_list->verticalScrollBar()->value();
    m_list->setUpdatesEnabled(false);
    // The entries are put into the items there are, so that a screen reader's view of the
    // list stays in step with it (a list emptied and filled again leaves it the old items).
    const int count = std::max(int(entries.size()), 1);
    while (m_list->count() > count)
        delete m_list->takeItem(m_list->count() - 1);
    while (m_list->count() < count)
        new QListWidgetItem(m_list);
    for (int i = 0; i < int(entries.size()); ++i) {
        QListWidgetItem *item = m_list->item(i);
        item->setText(entryText(entries[i]));
        item->setData(Qt::AccessibleTextRole, item->text());
        item->setData(lineRole, entries[i].line);
        item->setData(columnRole, entries[i].problem.span.start);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    if (entries.isEmpty()) {
        QListWidgetItem *item = m_list->item(0);
        item->setText(QStringLiteral("No problems found"));
        item->setData(Qt::AccessibleTextRole, item->text());
        item->setData(lineRole, QVariant());
        item->setData(columnRole, QVariant());
        item->setFlags(Qt::ItemIsEnabled);
    }
    if (row >= 0 && row < m_list->count())
        m_list->setCurrentRow(row);
    m_list->verticalScrollBar()->setValue(scrolled);
    m_list->setUpdatesEnabled(true);
}

void ProblemsWindow::activate(QListWidgetItem *item)
{
    const QVariant line = item->data(lineRole);
    if (line.isValid())
        emit entryActivated(line.toInt(), item->data(columnRole).toInt());
}
