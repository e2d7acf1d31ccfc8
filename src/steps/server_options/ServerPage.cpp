#include "steps/server_options/ServerPage.h"

#include "steps/server_options/ServerRows.h"
#include "widgets/PageKit.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <map>
#include <utility>

namespace {

// The densest screen of the wizard: rows are kept a little lower than elsewhere so that the
// middle column's sixteen rows and three caption bars fit above the note.
constexpr int rowHeight = 19;
constexpr int columnCount = 3;
// The grid column of a row's value: after its enable box and its label.
constexpr int valueColumn = 2;

RowStyle serverStyle()
{
    RowStyle style;
    style.boxAndLabelHeight = rowHeight;
    style.controlHeight = rowHeight;
    style.labelWidth = RowStyle::LabelWidth::LabelSize;
    style.alignFieldsLeft = false;
    return style;
}

// The groups, framed and put in their columns; the values of a column start at one line
// across its groups, those of its long-text groups at another.
std::vector<RowSet::Grid> addGroups(QVBoxLayout *(&column)[columnCount])
{
    std::vector<RowSet::Grid> grids;
    std::map<std::pair<int, bool>, int> alignments;
    std::map<int, QFrame *> lastOfColumn;
    for (const ServerRows::GroupInfo &info : ServerRows::groups()) {
        const PageKit::Group g
                = PageKit::group(QLatin1String(info.objectName), QLatin1String(info.caption));
        g.grid->setColumnStretch(valueColumn, 1);
        g.grid->setVerticalSpacing(2);
        column[info.column]->addWidget(g.frame);
        const auto alignment = std::make_pair(info.column, info.longText);
        alignments.emplace(alignment, int(alignments.size()));
        grids.push_back({g.grid, alignments.at(alignment)});
        lastOfColumn[info.column] = g.frame;
    }
    // The last group of each column takes up the spare height, so the three columns end level.
    for (const auto &[c, frame] : lastOfColumn)
        column[c]->setStretchFactor(frame, 1);
    return grids;
}

} // namespace

ServerPage::ServerPage(QWidget *parent)
    : StepPage(QStringLiteral("pnlServer"), QStringLiteral("// Server: Server Options"), parent)
{
    auto *columns = new QHBoxLayout;
    columns->setSpacing(6);
    QVBoxLayout *column[columnCount];
    for (auto *&c : column) {
        c = new QVBoxLayout;
        c->setSpacing(4);
        columns->addLayout(c, 1);
    }
    body()->addLayout(columns, 1);
    addRows(ServerRows::rows(), addGroups(column), serverStyle());

    footerNotes()->addWidget(
            PageKit::note(QStringLiteral("These are the main and the advanced server options, see "
                                         "the Tarvex manual for more information.")));

    setNextButton(8);
}
