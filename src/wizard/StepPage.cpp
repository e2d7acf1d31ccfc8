#include "wizard/StepPage.h"

#include "widgets/PageKit.h"
#include "widgets/Style.h"
#include "wizard/Steps.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

StepPage::StepPage(const QString &objectName, const QString &titleBar, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(objectName);
    setProperty("tarvexRole", QStringLiteral("page"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(tarvexStyleSheet());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(PageKit::titleBar(titleBar));

    m_body = new QVBoxLayout;
    m_body->setContentsMargins(8, 2, 8, 0);
    m_body->setSpacing(4);
    layout->addLayout(m_body, 1);

    auto *bottom = new QHBoxLayout;
    bottom->setContentsMargins(8, 0, 8, 6);
    m_footerNotes = new QVBoxLayout;
    m_footerNotes->setSpacing(0);
    bottom->addLayout(m_footerNotes, 1);
    layout->addLayout(bottom);
    m_bottom = bottom;
}

void StepPage::setGameVersion(Game::Version version)
{
    if (version == m_game)
        return;
    m_game = version;
    for (const auto &rows : m_rowSets)
        rows->showVersion(version);
    showGameVersion();
}

namespace {

QPushButton *bottomButton(const QString &name, const QString &caption, const QString &hint)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(name);
    button->setProperty("tarvexRole", QStringLiteral("next"));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    PageKit::setHint(button, hint);
    // The button is named as it reads, without the mnemonic's marker.
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    return button;
}

} // namespace

QPushButton *StepPage::setNextButton(int step)
{
    const StepInfo &info = stepInfo(step);
    m_next = bottomButton(QLatin1String(info.nextButton), info.nextCaption, info.nextHint);
    m_bottom->addWidget(m_next, 0, Qt::AlignRight | Qt::AlignBottom);
    connect(m_next, &QPushButton::clicked, this, &StepPage::nextClicked);
    if (step >= firstStepWithBack)
        setBackButton(step);
    return m_next;
}

StepPage::~StepPage() = default;

QStringList StepPage::lines() const
{
    QStringList lines;
    for (const auto &rows : m_rowSets)
        lines << rows->lines(m_game);
    return lines;
}

RowSet &StepPage::addRows(std::vector<Row> rows, const std::vector<RowSet::Grid> &grids,
                          const RowStyle &style)
{
    m_rowSets.push_back(std::make_unique<RowSet>(std::move(rows), grids, style));
    return *m_rowSets.back();
}

QPushButton *StepPage::addButtonBesideNext(const char *name, const QString &caption,
                                           const QString &hint)
{
    QPushButton *button = bottomButton(QLatin1String(name), caption, hint);
    m_bottom->insertWidget(m_bottom->indexOf(m_next), button, 0, Qt::AlignRight | Qt::AlignBottom);
    return button;
}

QPushButton *StepPage::setBackButton(int step)
{
    m_back = new QPushButton(QStringLiteral("< &Back"));
    m_back->setObjectName(QStringLiteral("btnBack%1").arg(step));
    m_back->setProperty("tarvexRole", QStringLiteral("next"));
    m_back->setFocusPolicy(Qt::NoFocus);
    m_back->setAutoDefault(false);
    PageKit::setHint(m_back, QStringLiteral("back to step %1").arg(step - 1));
    m_back->setAccessibleName(QStringLiteral("Back"));
    // Left of Next, which the bottom row has last.
    m_bottom->insertWidget(m_bottom->count() - 1, m_back, 0, Qt::AlignRight | Qt::AlignBottom);
    connect(m_back, &QPushButton::clicked, this, &StepPage::backClicked);
    return m_back;
}

void StepPage::focusFirstField()
{
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && w->isVisibleTo(this) && w->isEnabled()
            && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

QStringList StepPage::listBinding(const RowSet &, int, const QString &, const QString &)
{
    return {};
}

void StepPage::takeSettings(const Game::ScriptRun &) { }
