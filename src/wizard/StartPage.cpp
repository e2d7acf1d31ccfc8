#include "wizard/StartPage.h"

#include "game/ScriptText.h"
#include "widgets/PageKit.h"
#include "wizard/Steps.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace PageKit;

namespace {
const QString useThis = QStringLiteral("do you want to use this?");
}

StartPage::StartPage(QAction *readSettings, QWidget *parent)
    : StepPage(QStringLiteral("pnlStart"), QStringLiteral("// CFG Options"), parent)
{
    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(addOrganizer(), 1);
    right->addWidget(addGame());
    auto *columns = new QHBoxLayout;
    columns->setSpacing(10);
    columns->addWidget(addGeneral(), 3);
    columns->addLayout(right, 2);
    body()->addLayout(columns);
    body()->addStretch(1);

    setNextButton(startScreen);
    QPushButton *read = addButtonBesideNext(
            // Alt+S is "Start...".
            "btnReadSettings", QStringLiteral("&Read Settings..."),
            QStringLiteral("Start from the bindings and settings of your game profile or a "
                           "script"));
    read->setEnabled(readSettings->isEnabled());
    connect(read, &QPushButton::clicked, readSettings, &QAction::trigger);
    connect(readSettings, &QAction::enabledChanged, read, &QPushButton::setEnabled);
}

// The script's name, author, copyright, notes and "unbindall".
QFrame *StartPage::addGeneral()
{
    Group general = group(QStringLiteral("pnlGeneralOptions"), QStringLiteral("// General"));
    QGridLayout *grid = general.grid;
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(2, 1);
    int row = 0;

    // A check box without a caption, its row label, and the edit the label names; the box is
    // the row's enable box when there is an edit.
    auto addRow = [&](QCheckBox *box, const QString &labelText, QLineEdit *edit) {
        QLabel *rowLabel = label(labelText);
        grid->addWidget(box, row, 0);
        grid->addWidget(rowLabel, row, 1);
        nameAfter(box, edit ? enableBoxName(labelText) : labelText);
        if (edit) {
            nameAfter(edit, labelText, rowLabel);
            grid->addWidget(edit, row, 2);
        } else {
            rowLabel->setBuddy(box);
        }
        ++row;
    };

    m_scriptNameEnabled = checkBox(QStringLiteral("chkName"), true, useThis, QString());
    m_scriptName = lineEdit(QStringLiteral("edCFG"), QStringLiteral("My CFG"),
                            QStringLiteral("Your cfg name..."), QString());
    addRow(m_scriptNameEnabled, QStringLiteral("CFG Name:"), m_scriptName);

    m_authorEnabled = checkBox(QStringLiteral("chkName2"), true, useThis, QString());
    m_author = lineEdit(QStringLiteral("edName"), QStringLiteral("Jorin Vale"),
                        QStringLiteral("Your name..."), QString());
    addRow(m_authorEnabled, QStringLiteral("Your Name:"), m_author);

    m_copyrightEnabled = checkBox(QStringLiteral("chkCopyright"), false, useThis, QString());
    m_copyright = lineEdit(QStringLiteral("edCopyright"),
                           QStringLiteral("Copyright (c) 2026 Your Name. All rights reserved."),
                           QStringLiteral("your copyright info..."), QString());
    addRow(m_copyrightEnabled, QStringLiteral("Copyright:"), m_copyright);

    m_unbindAll = checkBox(QStringLiteral("chkUnbindall"), false, useThis, QString());
    addRow(m_unbindAll, QStringLiteral("Add \"unbindall\""), nullptr);

    m_notesEnabled = checkBox(QStringLiteral("chkNotes"), false, useThis, QString());
    m_notes = lineEdit(QStringLiteral("edNotes"),
                       QStringLiteral("Whatever you want to note... It can be as long as you "
                                      "want, but the game runs at most 128 KiB of commands "
                                      "from one script. "),
                       QStringLiteral("you can add notes to the cfg"), QString());
    // The notes field is long: it gets a row of its own below its label.
    QLabel *notesLabel = label(QStringLiteral("Add notes in the top of the cfg:"));
    grid->addWidget(m_notesEnabled, row, 0);
    grid->addWidget(notesLabel, row, 1, 1, 2);
    nameAfter(m_notesEnabled, enableBoxName(notesLabel->text()));
    ++row;
    nameAfter(m_notes, notesLabel->text(), notesLabel);
    grid->addWidget(m_notes, row, 1, 1, 2);
    return general.frame;
}

// The section styles, with a preview of how the chosen one frames a step's lines.
QFrame *StartPage::addOrganizer()
{
    Group organizer = group(QStringLiteral("pnlOrganizer"), QStringLiteral("// CFG Organizer"));
    organizer.grid->setVerticalSpacing(8);
    m_noStyle = new QRadioButton(QStringLiteral("Do not organize CFG"));
    m_noStyle->setObjectName(QStringLiteral("SN"));
    m_style1 = new QRadioButton(QStringLiteral("Use organized Style 1"));
    m_style1->setObjectName(QStringLiteral("S1"));
    m_style2 = new QRadioButton(QStringLiteral("Use organized Style 2"));
    m_style2->setObjectName(QStringLiteral("S2"));
    auto *styles = new QButtonGroup(this);
    int styleRow = 0;
    for (QRadioButton *button : {m_noStyle, m_style1, m_style2}) {
        styles->addButton(button);
        organizer.grid->addWidget(button, styleRow++, 0);
    }
    m_style1->setChecked(true);

    // A preview of how the chosen style frames a step's lines in the script.
    auto *preview = new QLabel;
    preview->setObjectName(QStringLiteral("StylePreview"));
    preview->setProperty("tarvexRole", QStringLiteral("preview"));
    preview->setTextFormat(Qt::PlainText);
    preview->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    organizer.grid->addWidget(preview, styleRow, 0);
    organizer.grid->setRowStretch(styleRow, 1);
    auto showPreview = [this, preview] {
        const QStringList sample {QStringLiteral("bind W \"+forward\""),
                                  QStringLiteral("bind S \"+back\"")};
        QStringList shown
                = Section::framed(sectionStyle(), QStringLiteral("//Controls ---"), sample);
        // The rule lines are long: show them cut to the preview's width.
        for (QString &line : shown) {
            if (line.size() > 30)
                line = line.left(30) + QStringLiteral("...");
        }
        preview->setText(QStringLiteral("Step 1 in the script:\n\n")
                         + shown.join(QLatin1Char('\n')));
    };
    connect(styles, &QButtonGroup::buttonToggled, this, showPreview);
    showPreview();
    return organizer.frame;
}

// The game the script is for: the lines of every step follow it.
QFrame *StartPage::addGame()
{
    Group game = group(QStringLiteral("pnlGame"), QStringLiteral("Game"));
    game.grid->setVerticalSpacing(2);
    m_games = new QButtonGroup(this);
    const struct
    {
        Game::Version version;
        const char *name;
        QString caption;
        QString hint;
    } choices[] = {
            {Game::Version::Et260b, "rbET260b", QStringLiteral("ET &2.60b"),
             QStringLiteral("Write the script for ET 2.60b, the original release")},
            {Game::Version::Legacy, "rbLegacy", QStringLiteral("ET: &Legacy"),
             QStringLiteral("Write the script for ET: Legacy")},
    };
    int column = 0;
    for (const auto &choice : choices) {
        auto *button = new QRadioButton(choice.caption);
        button->setObjectName(QLatin1String(choice.name));
        button->setAccessibleName(QStringLiteral("Game: ") + Game::displayName(choice.version));
        setHint(button, choice.hint);
        m_games->addButton(button, int(choice.version));
        game.grid->addWidget(button, 0, column++);
    }
    game.grid->setColumnStretch(column, 1);
    m_games->button(int(gameVersion()))->setChecked(true);
    connect(m_games, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            emit gameChosen(Game::Version(id));
    });
    return game.frame;
}

void StartPage::showGameVersion()
{
    m_games->button(int(gameVersion()))->setChecked(true);
}

void StartPage::takeScriptName(const QString &name)
{
    m_scriptName->setText(name);
    m_scriptNameEnabled->setChecked(true);
}

QStringList StartPage::lines() const
{
    // The player's texts stay comments in every game version (no ';' to end them).
    using Game::commentText;
    QStringList lines;
    if (m_scriptNameEnabled->isChecked())
        lines << QStringLiteral("//") + commentText(m_scriptName->text());
    if (m_authorEnabled->isChecked())
        lines << QStringLiteral("//Name: ") + commentText(m_author->text());
    if (m_copyrightEnabled->isChecked())
        lines << QStringLiteral("//") + commentText(m_copyright->text());
    lines << Section::blank;
    if (m_notesEnabled->isChecked())
        lines << QStringLiteral("//Notes: ") + commentText(m_notes->text());
    lines << Section::blank << Section::blank;
    if (m_unbindAll->isChecked())
        lines << QStringLiteral("unbindall");
    lines << Section::blank << Section::blank;
    return lines;
}

SectionStyle StartPage::sectionStyle() const
{
    // "Do not organize CFG" is the choice in which neither of the organized styles is selected.
    if (m_style1->isChecked())
        return SectionStyle::Style1;
    if (m_style2->isChecked())
        return SectionStyle::Style2;
    return SectionStyle::None;
}

bool StartPage::scriptNamed() const
{
    return m_scriptNameEnabled->isChecked();
}
