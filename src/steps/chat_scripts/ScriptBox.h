#pragma once

#include "widgets/PageKit.h"
#include "wizard/RowSet.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <vector>

class QFrame;
class QGridLayout;
class QWidget;

// One framed box of the chat and script steps: its caption bar, a few lines of explanation that
// wrap to the box's width, then its rows (the "Enable" box, labels and fields). The rows sit at
// the foot of the box, so that boxes of one row of the screen line up whatever their text.
class ScriptBox
{
public:
    // `title` is the caption bar ("// Gun"); each of `texts` is one paragraph of explanation.
    ScriptBox(const QString &objectName, const QString &title, const QStringList &texts);

    // A box of one paragraph, as a table of boxes gives it.
    struct Text
    {
        const char *objectName;
        const char *title;
        const char *text;
    };
    template<std::size_t N> static std::vector<ScriptBox> make(const Text (&texts)[N])
    {
        return make(texts, N);
    }
    static std::vector<ScriptBox> make(const Text *texts, std::size_t count);

    // The rows of the script steps: an "Enable" box left of a script's first row, its label and
    // field beside it, and every control named after its box. A row goes into the box given by
    // Row::in, at grid row 1 or below.
    static inline const QString enableHint = QStringLiteral("enable script");
    static RowStyle rowStyle();
    static std::vector<RowSet::Grid> grids(const std::vector<ScriptBox> &boxes);
    static std::vector<Row> named(std::vector<Row> rows, const std::vector<ScriptBox> &boxes);

    QFrame *frame() const { return m_group.frame; }
    // Where rows go: the "Enable" box in column 0, labels in column 1 and fields in column 2,
    // from grid row 1 down.
    QGridLayout *grid() const { return m_group.grid; }
    // A control of the box is named after the box and its label: "Gamma Select Key:".
    QString accessibleName(const QString &labelText) const;

    // A widget on a row of its own at the right edge, below the rows (an Add button).
    void addTrailing(QWidget *widget);
    // A widget on a row of its own across the whole box (a list).
    void addSpanning(QWidget *widget);

private:
    PageKit::Group m_group;
    QString m_name;
};
