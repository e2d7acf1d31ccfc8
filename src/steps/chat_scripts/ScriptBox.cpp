#include "steps/chat_scripts/ScriptBox.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

using namespace PageKit;

ScriptBox::ScriptBox(const QString &objectName, const QString &title, const QStringList &texts)
    : m_group(group(objectName, title))
    , m_name(title.startsWith(QLatin1String("// ")) ? title.mid(3) : title)
{
    // The group's rows take the height left over, not the space below them: the extra height
    // goes to the explanation, which keeps the field rows at the foot of the box.
    if (auto *outer = qobject_cast<QBoxLayout *>(m_group.frame->layout())) {
        for (int i = 0; i < outer->count(); ++i)
            outer->setStretch(i, outer->itemAt(i)->layout() == m_group.grid ? 1 : 0);
    }

    auto *text = new QVBoxLayout;
    text->setContentsMargins(0, 2, 0, 4);
    text->setSpacing(2);
    for (const QString &paragraph : texts) {
        QLabel *line = note(paragraph);
        line->setWordWrap(true);
        text->addWidget(line);
    }
    text->addStretch(1);
    QGridLayout *grid = m_group.grid;
    grid->addLayout(text, 0, 0, 1, 3);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->setVerticalSpacing(3);
}

QString ScriptBox::accessibleName(const QString &labelText) const
{
    return m_name + QLatin1Char(' ') + labelText;
}

void ScriptBox::addTrailing(QWidget *widget)
{
    m_group.grid->addWidget(widget, m_group.grid->rowCount(), 0, 1, 3, Qt::AlignRight);
}

std::vector<ScriptBox> ScriptBox::make(const Text *texts, std::size_t count)
{
    std::vector<ScriptBox> boxes;
    for (std::size_t i = 0; i < count; ++i) {
        boxes.emplace_back(QLatin1String(texts[i].objectName), QString::fromUtf8(texts[i].title),
                           QStringList {QString::fromUtf8(texts[i].text)});
    }
    return boxes;
}

RowStyle ScriptBox::rowStyle()
{
    RowStyle style;
    style.enableCaption = QStringLiteral("Enable");
    style.alignChecksLeft = false;
    style.alignFieldsLeft = false;
    style.wrapLabels = true;
    style.tabAsShown = false;
    return style;
}

std::vector<RowSet::Grid> ScriptBox::grids(const std::vector<ScriptBox> &boxes)
{
    std::vector<RowSet::Grid> grids;
    for (const ScriptBox &box : boxes)
        grids.push_back({box.grid()});
    return grids;
}

std::vector<Row> ScriptBox::named(std::vector<Row> rows, const std::vector<ScriptBox> &boxes)
{
    for (Row &row : rows) {
        if (row.kind() == Row::Kind::Fixed)
            continue;
        const ScriptBox &box = boxes.at(row.group());
        row.accessibleName(box.accessibleName(row.labelText()));
        if (row.hasEnableBox()) {
            row.enableBox(row.enableName(), row.enableOn(), row.enableHint(),
                          box.accessibleName(QStringLiteral("Enable")));
        }
    }
    return rows;
}

void ScriptBox::addSpanning(QWidget *widget)
{
    m_group.grid->addWidget(widget, m_group.grid->rowCount(), 0, 1, 3);
}
