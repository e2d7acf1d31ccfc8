#include "wizard/StartPage.h"

#include "widgets/PageKit.h"

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
const QString useThis = QStringLiteral("do you whant to use this?");
}

StartPage::StartPage(QWidget *parent)
    : StepPage(QStringLiteral("pnlStart"), QStringLiteral("// CFG Options"), parent)
{
    Group general = group(QStringLiteral("pnlGeneralOptions"), QStringLiteral("// General"));
    QGridLayout *grid = general.grid;
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(2, 1);
    int row = 0;

    // A check box without a caption, its row label, and the edit the label names.
    auto addRow = [&](QCheckBox *box, const QString &labelText, QLineEdit *edit) {
        QLabel *rowLabel = label(labelText);
        grid->addWidget(box, row, 0);
        grid->addWidget(rowLabel, row, 1);
        nameAfter(box, labelText);
        if (edit) {
            nameAfter(edit, labelText, rowLabel);
            grid->addWidget(edit, row, 2);
        } else {
            rowLabel->setBuddy(box);
        }
        ++row;
    };

    m_chkName = checkBox(QStringLiteral("chkName"), true, useThis, QString());
    m_edCFG = lineEdit(QStringLiteral("edCFG"), QStringLiteral("My CFG"),
                       QStringLiteral("Your cfg name..."), QString());
    addRow(m_chkName, QStringLiteral("CFG Name:"), m_edCFG);

    m_chkName2 = checkBox(QStringLiteral("chkName2"), true, useThis, QString());
    m_edName = lineEdit(QStringLiteral("edName"), QStringLiteral("Jorin Vale"),
                        QStringLiteral("Your name..."), QString());
    addRow(m_chkName2, QStringLiteral("Your Name:"), m_edName);

    m_chkCopyright = checkBox(QStringLiteral("chkCopyright"), false, useThis, QString());
    m_edCopyright = lineEdit(QStringLiteral("edCopyright"),
                             QStringLiteral("Copyright (c) 2026 Your Name. All rights reserved."),
                             QStringLiteral("your copyright info..."), QString());
    addRow(m_chkCopyright, QStringLiteral("Copyright:"), m_edCopyright);

    m_chkUnbindall = checkBox(QStringLiteral("chkUnbindall"), false, useThis, QString());
    addRow(m_chkUnbindall, QStringLiteral("Add \"unbindall\""), nullptr);

    m_chkNotes = checkBox(QStringLiteral("chkNotes"), false, useThis, QString());
    m_edNotes = lineEdit(QStringLiteral("edNotes"),
                         QStringLiteral("What ever you whant to note... This can be the size you "
                                        "whant but the max cfg file size is 16KB. "),
                         QStringLiteral("you can add notes to the cfg"), QString());
    // The notes field is long: it gets a row of its own below its label.
    QLabel *notesLabel = label(QStringLiteral("Add notes in the top of the cfg:"));
    grid->addWidget(m_chkNotes, row, 0);
    grid->addWidget(notesLabel, row, 1, 1, 2);
    nameAfter(m_chkNotes, notesLabel->text());
    ++row;
    nameAfter(m_edNotes, notesLabel->text(), notesLabel);
    grid->addWidget(m_edNotes, row, 1, 1, 2);

    Group organizer = group(QStringLiteral("pnlOrganizer"), QStringLiteral("// CFG Organizer"));
    organizer.grid->setVerticalSpacing(8);
    m_SN = new QRadioButton(QStringLiteral("Do not organize CFG"));
    m_SN->setObjectName(QStringLiteral("SN"));
    m_S1 = new QRadioButton(QStringLiteral("Use organized Style 1"));
    m_S1->setObjectName(QStringLiteral("S1"));
    m_S2 = new QRadioButton(QStringLiteral("Use organized Style 2"));
    m_S2->setObjectName(QStringLiteral("S2"));
    auto *styles = new QButtonGroup(this);
    int styleRow = 0;
    for (QRadioButton *button : {m_SN, m_S1, m_S2}) {
        styles->addButton(button);
        organizer.grid->addWidget(button, styleRow++, 0);
    }
    m_S1->setChecked(true);

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

    auto *columns = new QHBoxLayout;
    columns->setSpacing(10);
    columns->addWidget(general.frame, 3);
    columns->addWidget(organizer.frame, 2);
    body()->addLayout(columns);
    body()->addStretch(1);

    setNextButton(QStringLiteral("SpeedButton1"), QStringLiteral("Start..."), QString());
}

QStringList StartPage::lines() const
{
    QStringList lines;
    if (m_chkName->isChecked())
        lines << QStringLiteral("//") + m_edCFG->text();
    if (m_chkName2->isChecked())
        lines << QStringLiteral("//Name: ") + m_edName->text();
    if (m_chkCopyright->isChecked())
        lines << QStringLiteral("//") + m_edCopyright->text();
    lines << Section::blank;
    if (m_chkNotes->isChecked())
        lines << QStringLiteral("//Notes: ") + m_edNotes->text();
    lines << Section::blank << Section::blank;
    if (m_chkUnbindall->isChecked())
        lines << QStringLiteral("unbindall");
    lines << Section::blank << Section::blank;
    return lines;
}

SectionStyle StartPage::sectionStyle() const
{
    // SN is the choice in which neither of the organized styles is selected.
    if (m_S1->isChecked())
        return SectionStyle::Style1;
    if (m_S2->isChecked())
        return SectionStyle::Style2;
    return SectionStyle::None;
}
