#include "steps/server_options/ServerPage.h"

#include "steps/server_options/ServerRows.h"
#include "widgets/PageKit.h"
#include "wizard/SectionStyle.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <map>
#include <numeric>
#include <utility>

namespace {

// The densest screen of the wizard: rows are kept a little lower than elsewhere so that the
// middle column's sixteen rows and three caption bars fit above the note.
constexpr int rowHeight = 19;
constexpr int columnCount = 3;

// Grid columns of a group.
enum GridColumn { EnableColumn, LabelColumn, ValueColumn, UnitColumn };

} // namespace

ServerPage::ServerPage(QWidget *parent)
    : StepPage(QStringLiteral("pnlServer"), QStringLiteral("// Server: Server Options"), parent)
{
    using namespace ServerRows;

    auto *columns = new QHBoxLayout;
    columns->setSpacing(6);
    QVBoxLayout *column[columnCount];
    for (auto *&c : column) {
        c = new QVBoxLayout;
        c->setSpacing(4);
        columns->addLayout(c, 1);
    }
    body()->addLayout(columns, 1);

    std::map<Group, QGridLayout *> grids;
    // Groups whose values line up: a column, and whether its groups hold long texts.
    using Alignment = std::pair<int, bool>;
    std::map<Group, Alignment> alignmentOf;
    std::map<int, QFrame *> lastOfColumn;
    // Groups in the order they are listed: column by column, each column top to bottom.
    std::map<Group, int> placeOf;
    std::map<Group, QString> captionOf;
    for (const GroupInfo &info : groups()) {
        placeOf.emplace(info.group, int(placeOf.size()));
        captionOf[info.group] = QLatin1String(info.caption).mid(3); // without "// "
        const PageKit::Group g
                = PageKit::group(QLatin1String(info.objectName), QLatin1String(info.caption));
        g.grid->setColumnStretch(ValueColumn, 1);
        g.grid->setVerticalSpacing(2);
        column[info.column]->addWidget(g.frame);
        grids[info.group] = g.grid;
        alignmentOf[info.group] = {info.column, info.longText};
        lastOfColumn[info.column] = g.frame;
    }
    // The last group of each column takes up the spare height, so the three columns end level.
    for (const auto &[c, frame] : lastOfColumn)
        column[c]->setStretchFactor(frame, 1);

    // A caption that two groups share ("Mute Spectators:") names its controls after the group
    // too, so that a screen reader tells them apart.
    std::map<QString, int> captionCount;
    for (const Row &row : rows())
        ++captionCount[QString::fromUtf8(row.label)];

    std::map<Alignment, int> labelWidth;
    m_controls.reserve(rows().size());
    for (const Row &row : rows()) {
        QGridLayout *grid = grids.at(row.group);
        const QString label = QString::fromUtf8(row.label);
        const QString name = captionCount.at(label) > 1
                ? captionOf.at(row.group) + QLatin1Char(' ') + label
                : label;
        Controls controls;

        controls.enable
                = PageKit::checkBox(QLatin1String(row.enableBox), row.enableChecked,
                                    QLatin1String(row.enableHint), PageKit::enableBoxName(name));
        controls.enable->setFixedHeight(rowHeight);
        auto *text = PageKit::label(label);
        text->setFixedHeight(rowHeight);
        int &widest = labelWidth[alignmentOf.at(row.group)];
        widest = std::max(widest, text->sizeHint().width());

        QWidget *value = nullptr;
        const QString initial = QString::fromUtf8(row.valueDefault);
        if (row.kind == Value::Edit) {
            controls.edit = PageKit::lineEdit(QLatin1String(row.valueControl), initial,
                                              QLatin1String(row.valueHint), name);
            value = controls.edit;
        } else {
            controls.flag
                    = PageKit::checkBox(QLatin1String(row.valueControl), initial == flagText(true),
                                        QLatin1String(row.valueHint), name);
            value = controls.flag;
        }
        value->setFixedHeight(rowHeight);
        text->setBuddy(value);

        grid->addWidget(controls.enable, row.screenRow, EnableColumn);
        grid->addWidget(text, row.screenRow, LabelColumn);
        grid->addWidget(value, row.screenRow, ValueColumn,
                        row.kind == Value::Check ? Qt::AlignLeft : Qt::Alignment());
        if (*row.after)
            grid->addWidget(PageKit::label(QLatin1String(row.after)), row.screenRow, UnitColumn);
        m_controls.push_back(controls);
    }

    // The Tab key follows the screen, whatever order the lines are written in: group after
    // group, each group's rows top to bottom, a row's enable box before its value.
    std::vector<std::size_t> onScreen(rows().size());
    std::iota(onScreen.begin(), onScreen.end(), 0);
    auto place = [&](std::size_t i) {
        return std::make_pair(placeOf.at(rows()[i].group), rows()[i].screenRow);
    };
    std::stable_sort(onScreen.begin(), onScreen.end(),
                     [&](std::size_t a, std::size_t b) { return place(a) < place(b); });
    QList<QWidget *> tabOrder;
    for (std::size_t i : onScreen) {
        const Controls &controls = m_controls[i];
        tabOrder << controls.enable;
        tabOrder << (controls.edit ? static_cast<QWidget *>(controls.edit) : controls.flag);
    }
    PageKit::chainTabOrder(tabOrder);

    // The values of a column start at one line, across its groups.
    for (const GroupInfo &info : groups())
        grids.at(info.group)
                ->setColumnMinimumWidth(LabelColumn, labelWidth[alignmentOf.at(info.group)]);

    footerNotes()->addWidget(
            PageKit::note(QStringLiteral("These are the main and the advanced server options, see "
                                         "the Tarvex manual for more information.")));

    setNextButton(8);
}

QStringList ServerPage::lines() const
{
    QStringList out;
    const std::vector<ServerRows::Row> &rows = ServerRows::rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Controls &controls = m_controls[i];
        if (!controls.enable->isChecked())
            continue;
        const QString value
                = controls.edit ? controls.edit->text() : flagText(controls.flag->isChecked());
        out << ServerRows::line(rows[i], value);
    }
    return out;
}
