#include "steps/controls/ControlsPage.h"

#include "steps/controls/BindingRows.h"
#include "steps/keys/KeyRows.h"
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

QLabel *warning(const QString &text)
{
    QLabel *label = PageKit::label(text);
    label->setProperty("tarvexRole", QStringLiteral("warning"));
    return label;
}

// The player's own reminder; the key fields show a key bound twice as it is typed.
QVBoxLayout *warningText()
{
    auto *warningText = new QVBoxLayout;
    warningText->setContentsMargins(2, 0, 2, 0);
    warningText->setSpacing(0);
    warningText->addWidget(warning(QStringLiteral("WARNING!!")));
    for (const QString &text :
         {QStringLiteral("Do not use the same key in more than 1 space."),
          QStringLiteral("A key used twice is shown in red, with the reason in the hint line.")}) {
        QLabel *line = note(text);
        line->setWordWrap(true);
        warningText->addWidget(line);
    }
    return warningText;
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

    // Each group is a grid of its own; the labels and fields of a column line up across its
    // groups.
    std::vector<RowSet::Grid> grids;
    for (const BindingRows::Group &entry : BindingRows::groups()) {
        Group box = PageKit::group(QLatin1String(entry.name), QLatin1String(entry.caption));
        box.grid->setVerticalSpacing(1);
        box.grid->setColumnStretch(2, 1);
        columns[entry.column]->addWidget(box.frame);
        grids.push_back({box.grid, entry.column});
    }
    RowStyle style;
    style.rowHeight = rowHeight;
    style.controlHeight = rowHeight;
    style.labelWidth = RowStyle::LabelWidth::TextWidth;
    style.fitKeys = true;
    style.alignChecksLeft = false;
    style.alignFieldsLeft = false;
    style.tabAsShown = false;
    useKeyFields(style, keys, 1, true);
    addRows(BindingRows::rows(), grids, style);

    columns[columnCount - 1]->addLayout(warningText());

    for (QVBoxLayout *column : columns)
        column->addStretch(1);
    body()->addLayout(columnRow, 1);

    setNextButton(1);
}
