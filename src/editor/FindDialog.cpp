#include "editor/FindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

FindDialog::FindDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FindDialog"));
    setWindowTitle(QStringLiteral("Find"));
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);

    auto *label = new QLabel(QStringLiteral("Fi&nd what:"));
    m_findText = new QLineEdit;
    m_findText->setObjectName(QStringLiteral("edFindText"));
    m_findText->setMinimumWidth(220);
    label->setBuddy(m_findText);

    m_wholeWord = new QCheckBox(QStringLiteral("Match &whole word only"));
    m_wholeWord->setObjectName(QStringLiteral("chkWholeWord"));
    m_matchCase = new QCheckBox(QStringLiteral("Match &case"));
    m_matchCase->setObjectName(QStringLiteral("chkMatchCase"));

    auto *direction = new QGroupBox(QStringLiteral("Direction"));
    direction->setObjectName(QStringLiteral("grpDirection"));
    m_up = new QRadioButton(QStringLiteral("&Up"));
    m_up->setObjectName(QStringLiteral("rbUp"));
    m_down = new QRadioButton(QStringLiteral("&Down"));
    m_down->setObjectName(QStringLiteral("rbDown"));
    m_down->setChecked(true);
    auto *directionRow = new QHBoxLayout(direction);
    directionRow->addWidget(m_up);
    directionRow->addWidget(m_down);

    m_findNext = new QPushButton(QStringLiteral("&Find Next"));
    m_findNext->setObjectName(QStringLiteral("btnFindNext"));
    m_findNext->setDefault(true);
    m_findNext->setEnabled(false);
    m_cancel = new QPushButton(QStringLiteral("Cancel"));
    m_cancel->setObjectName(QStringLiteral("btnCancel"));

    layOut(label, direction);

    connect(m_findText, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_findNext->setEnabled(!text.isEmpty()); });
    connect(m_findNext, &QPushButton::clicked, this, &FindDialog::findNextClicked);
    connect(m_cancel, &QPushButton::clicked, this, &FindDialog::close);
}

// The find field across the top, the options below it, the buttons in a column on the right.
void FindDialog::layOut(QLabel *label, QGroupBox *direction)
{
    auto *checks = new QVBoxLayout;
    checks->addStretch();
    checks->addWidget(m_wholeWord);
    checks->addWidget(m_matchCase);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_findNext);
    buttons->addWidget(m_cancel);
    buttons->addStretch();

    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_findText, 0, 1, 1, 2);
    grid->addLayout(checks, 1, 0, 1, 2);
    grid->addWidget(direction, 1, 2);
    grid->addLayout(buttons, 0, 3, 2, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

QString FindDialog::findText() const
{
    return m_findText->text();
}

SearchOptions FindDialog::options() const
{
    SearchOptions options;
    options.matchCase = m_matchCase->isChecked();
    options.wholeWord = m_wholeWord->isChecked();
    options.down = m_down->isChecked();
    return options;
}

void FindDialog::present()
{
    show();
    raise();
    activateWindow();
    m_findText->setFocus();
    m_findText->selectAll();
}
