// Building a row set's widgets: the controls, their labels and enable boxes, the grid they
// stand in, the labels' widths and the tab order.
#include "wizard/RowSet.h"

#include "widgets/PageKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

namespace {

// Room around the text of a fitted key field: its padding and the caret.
constexpr int fieldMargin = 12;

} // namespace

RowSet::RowSet(std::vector<Row> rows, const std::vector<Grid> &grids, const RowStyle &style)
{
    m_rows.reserve(rows.size());
    for (Row &row : rows) {
        m_rows.push_back({std::move(row)});
        Built &built = m_rows.back();
        if (built.row.kind() != Row::Kind::Fixed)
            build(built, grids.at(built.row.group()).grid, style);
    }
    for (int i = 0; i < size(); ++i) {
        Built &built = m_rows[i];
        if (!built.row.enablingBox().isEmpty())
            built.enable = enableBoxNamed(built.row.enablingBox());
        if (built.row.kind() != Row::Kind::Key || !style.addKeyField)
            continue;
        const int text = built.row.textRow().isEmpty() ? -1 : named(built.row.textRow());
        style.addKeyField(
                built.text, built.enable, [this, i] { return command(i); },
                text < 0 ? nullptr : m_rows[text].control);
    }
    alignLabels(grids, style);
    if (style.tabAsShown)
        chainTabs(style);
    for (int i = 0; i < size(); ++i) {
        if (QLineEdit *text = m_rows[i].text; text && m_rows[i].row.kind() != Row::Kind::Key)
            QObject::connect(text, &QLineEdit::textChanged, text, [this, i] { checkValue(i); });
    }
    showVersion(m_version);
}

void RowSet::makeControl(Built &built, const RowStyle &style)
{
    const Row &row = built.row;
    const QString name = row.accessibleNameText();
    switch (row.kind()) {
    case Row::Kind::Check:
        built.control = PageKit::checkBox(row.name(), row.startChecked(), row.hintText(), name);
        return;
    case Row::Kind::Edit:
        built.text = PageKit::lineEdit(row.name(), row.startText(), row.hintText(), name);
        built.control = built.text;
        break;
    case Row::Kind::Combo: {
        QComboBox *combo = PageKit::comboBox(row.name(), row.itemList(), row.startText(),
                                             row.hintText(), name);
        built.text = combo->lineEdit();
        built.control = combo;
        break;
    }
    case Row::Kind::Key:
        built.text = style.makeKeyField(row);
        built.control = built.text;
        break;
    case Row::Kind::Fixed:
        return;
    }
    if (style.fieldWidth > 0)
        built.control->setFixedWidth(style.fieldWidth);
}

void RowSet::build(Built &built, QGridLayout *grid, const RowStyle &style)
{
    const Row &row = built.row;
    const QString name = row.accessibleNameText();
    const bool before = style.enablePlace == RowStyle::EnablePlace::BeforeLabel;
    int column = row.column();
    if (row.hasEnableBox()) {
        const QString enableName = row.enableAccessibleName().isEmpty()
                ? PageKit::enableBoxName(name)
                : row.enableAccessibleName();
        built.enable = PageKit::checkBox(row.enableName(), row.enableOn(), row.enableHint(),
                                         enableName, style.enableCaption);
        if (style.boxAndLabelHeight > 0)
            built.enable->setFixedHeight(style.boxAndLabelHeight);
    }
    makeControl(built, style);
    built.label = PageKit::label(row.labelText());
    if (style.wrapLabels) {
        // Short labels stay on one line; a long one breaks at about twelve characters.
        const QFontMetrics metrics(built.label->font());
        built.label->setWordWrap(true);
        built.label->setMinimumWidth(std::min(metrics.horizontalAdvance(row.labelText()) + 2,
                                              metrics.averageCharWidth() * 12));
    }
    if (style.boxAndLabelHeight > 0)
        built.label->setFixedHeight(style.boxAndLabelHeight);
    PageKit::nameAfter(built.control, name, built.label);
    if (style.controlHeight > 0)
        built.control->setFixedHeight(style.controlHeight);

    const bool ownBox = row.hasEnableBox();
    if (ownBox && before)
        grid->addWidget(built.enable, row.row(), column++);
    grid->addWidget(built.label, row.row(), column++);
    const bool left
            = row.kind() == Row::Kind::Check ? style.alignChecksLeft : style.alignFieldsLeft;
    grid->addWidget(built.control, row.row(), column++, left ? Qt::AlignLeft : Qt::Alignment());
    if (!row.unitText().isEmpty())
        grid->addWidget(PageKit::label(row.unitText()), row.row(), column);
    if (ownBox && !before)
        grid->addWidget(built.enable, row.row(), column, Qt::AlignLeft);
    if (style.rowHeight > 0)
        grid->setRowMinimumHeight(row.row(), style.rowHeight);
}

void RowSet::alignLabels(const std::vector<Grid> &grids, const RowStyle &style)
{
    if (style.labelWidth == RowStyle::LabelWidth::Free && !style.fitKeys)
        return;
    std::map<int, int> labelWidth;
    std::map<int, int> keyWidth;
    for (const Built &built : m_rows) {
        if (!built.label)
            continue;
        const int alignment = grids.at(built.row.group()).alignment;
        const QFontMetrics metrics(built.label->font());
        int &label = labelWidth[alignment];
        label = std::max(label,
                         style.labelWidth == RowStyle::LabelWidth::TextWidth
                                 ? metrics.horizontalAdvance(built.row.labelText()) + 4
                                 : built.label->sizeHint().width());
        QFont bold = built.label->font();
        bold.setBold(true);
        int &key = keyWidth[alignment];
        key = std::max(key, QFontMetrics(bold).horizontalAdvance(built.row.startText()));
    }
    const bool before = style.enablePlace == RowStyle::EnablePlace::BeforeLabel;
    for (const Grid &grid : grids) {
        if (style.labelWidth != RowStyle::LabelWidth::Free)
            grid.grid->setColumnMinimumWidth(before ? 1 : 0, labelWidth[grid.alignment]);
    }
    if (!style.fitKeys)
        return;
    for (Built &built : m_rows) {
        if (built.control)
            built.control->setMinimumWidth(keyWidth[grids.at(built.row.group()).alignment]
                                           + fieldMargin);
    }
}

void RowSet::chainTabs(const RowStyle &style)
{
    std::vector<const Built *> shown;
    for (const Built &built : m_rows) {
        if (built.control)
            shown.push_back(&built);
    }
    auto place = [](const Built *built) {
        return std::make_tuple(built->row.group(), built->row.column(), built->row.row());
    };
    std::stable_sort(shown.begin(), shown.end(),
                     [&](const Built *a, const Built *b) { return place(a) < place(b); });
    // A row's enable box comes before its control when it stands left of it.
    const bool boxFirst = style.enablePlace == RowStyle::EnablePlace::BeforeLabel;
    QList<QWidget *> order;
    for (const Built *built : shown) {
        const bool ownBox = built->row.hasEnableBox();
        if (ownBox && boxFirst)
            order << built->enable;
        order << built->control;
        if (ownBox && !boxFirst)
            order << built->enable;
    }
    PageKit::chainTabOrder(order);
}
