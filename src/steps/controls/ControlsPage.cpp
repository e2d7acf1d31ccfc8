#include "steps/controls/ControlsPage.h"

#include "steps/controls/BindingRows.h"
#include "steps/keys/KeyCheck.h"
#include "steps/keys/KeyField.h"
#include "widgets/PageKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

using namespace PageKit;

namespace {

constexpr int columnCount = 3;
// Rows are kept compact so that all 47 fit the screen with the warning below them.
constexpr int rowHeight = 20;
// Room around the text of a key field: its padding and the caret.
constexpr int fieldMargin = 12;

QLabel *warning(const QString &text)
{
    QLabel *label = PageKit::label(text);
    label->setProperty("tarvexRole", QStringLiteral("warning"));
    return label;
}

} // namespace

ControlsPage::ControlsPage(KeyCheck &keys, QWidget *parent)
    : StepPage(QStringLiteral("pnlControls"), QStringLiteral("// Options: Controls"), parent)
{
    QVBoxLayout *columns[columnCount];
    auto *columnRow = new QHBoxLayout;
    columnRow->setSpacing(8);
    for (QVBoxLayout *&column : columns) {
        column = new QVBoxLayout;
        column->setSpacing(6);
        columnRow->addLayout(column, 1);
    }

    // The labels of one column share a width, so that the fields of its groups line up; the
    // fields of a column are wide enough for the longest key it starts with.
    int labelWidth[columnCount] = {};
    int fieldWidth[columnCount] = {};
    QFont keyFont = font();
    keyFont.setBold(true);
    const QFontMetrics labelMetrics(font());
    const QFontMetrics keyMetrics(keyFont);
    const BindingRows::Row *rows = BindingRows::rows();
    int first = 0;
    for (int g = 0; g < BindingRows::groupCount(); ++g) {
        const BindingRows::Group &group = BindingRows::groups()[g];
        for (int r = first; r < first + group.rowCount; ++r) {
            int &label = labelWidth[group.column];
            label = std::max(label, labelMetrics.horizontalAdvance(QLatin1String(rows[r].label)));
            int &field = fieldWidth[group.column];
            field = std::max(field, keyMetrics.horizontalAdvance(QLatin1String(rows[r].text)));
        }
        first += group.rowCount;
    }

    m_rows.reserve(BindingRows::rowCount());
    first = 0;
    for (int g = 0; g < BindingRows::groupCount(); ++g) {
        const BindingRows::Group &entry = BindingRows::groups()[g];
        Group box = PageKit::group(QLatin1String(entry.name), QLatin1String(entry.caption));
        box.grid->setVerticalSpacing(1);
        box.grid->setColumnMinimumWidth(1, labelWidth[entry.column] + 4);
        box.grid->setColumnStretch(2, 1);

        for (int r = first; r < first + entry.rowCount; ++r) {
            const BindingRows::Row &row = rows[r];
            const QString labelText = QLatin1String(row.label);
            const QString inputName = QLatin1String(row.input);

            QCheckBox *check = checkBox(QLatin1String(row.box), true, QLatin1String(row.boxHint),
                                        enableBoxName(labelText));
            QLabel *rowLabel = label(labelText);
            QWidget *inputWidget;
            QLineEdit *input;
            if (inputName == BindingRows::sensitivityInput) {
                QComboBox *combo = comboBox(inputName, BindingRows::sensitivityItems(),
                                            QLatin1String(row.text), QLatin1String(row.inputHint),
                                            QString());
                inputWidget = combo;
                input = combo->lineEdit();
            } else {
                KeyField *field = KeyField::inCapitals(inputName, QLatin1String(row.text),
                                                       QLatin1String(row.inputHint));
                keys.add(1, field, check, QLatin1String(row.command));
                input = field;
                inputWidget = field;
            }
            nameAfter(inputWidget, labelText, rowLabel);
            inputWidget->setFixedHeight(rowHeight);
            inputWidget->setMinimumWidth(fieldWidth[entry.column] + fieldMargin);

            const int line = r - first;
            box.grid->addWidget(check, line, 0);
            box.grid->addWidget(rowLabel, line, 1);
            box.grid->addWidget(inputWidget, line, 2);
            box.grid->setRowMinimumHeight(line, rowHeight);
            m_rows.push_back({check, input});
        }
        columns[entry.column]->addWidget(box.frame);
        first += entry.rowCount;
    }

    // The player's own reminder; the key fields show a key bound twice as it is typed.
    auto *warningText = new QVBoxLayout;
    warningText->setContentsMargins(2, 0, 2, 0);
    warningText->setSpacing(0);
    warningText->addWidget(warning(QStringLiteral("WARNING!!")));
    for (const QString &text :
         {QStringLiteral("Do not use the same key in more than 1 space."),
          QStringLiteral("It's better you note the keys you already used.")}) {
        QLabel *line = note(text);
        line->setWordWrap(true);
        warningText->addWidget(line);
    }
    columns[columnCount - 1]->addLayout(warningText);

    for (QVBoxLayout *column : columns)
        column->addStretch(1);
    body()->addLayout(columnRow, 1);

    setNextButton(1);
}

QStringList ControlsPage::lines() const
{
    QStringList lines;
    const BindingRows::Row *rows = BindingRows::rows();
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        if (m_rows[r].box->isChecked())
            lines << BindingRows::lines(rows[r], m_rows[r].input->text());
    }
    return lines;
}
