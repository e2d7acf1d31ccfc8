#pragma once

#include "wizard/Row.h"

#include <functional>
#include <vector>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

// How a screen lays out its rows. Each screen has its own look; the rows themselves are alike.
struct RowStyle
{
    // Where a row's enable box stands: in the column before its label (the label, the control
    // and the unit follow), or after its control, captioned (a "Use?" box).
    enum class EnablePlace { BeforeLabel, AfterControl };
    EnablePlace enablePlace = EnablePlace::BeforeLabel;
    QString enableCaption;
    int rowHeight = 0; // every row of the grid at least this tall
    int controlHeight = 0; // a control's fixed height
    int boxAndLabelHeight = 0; // the fixed height of an enable box and of a label
    int fieldWidth = 0; // the fixed width of an edit, a combo box or a key field
    // Labels whose grids share an alignment share a width, so that their controls line up: as
    // wide as the widest text (the Controls screen), or as the widest label asks.
    enum class LabelWidth { Free, TextWidth, LabelSize };
    LabelWidth labelWidth = LabelWidth::Free;
    // Key fields as wide as the widest key their alignment starts with, in bold.
    bool fitKeys = false;
    bool alignChecksLeft = true; // a check box value keeps to the left of its cell
    bool alignFieldsLeft = true; // so does an edit, combo box or key field
    // A long label breaks into lines rather than squeezing its control in a narrow box.
    bool wrapLabels = false;
    // Tab goes through the rows as they stand (column by column, each top to bottom, groups in
    // the order given), rather than in the order the controls were made.
    bool tabAsShown = true;
    // Key fields come from the steps above: how to make one, and how to have it checked.
    std::function<QLineEdit *(const Row &)> makeKeyField;
    // `command` gives what the key is bound to as the line would be written now; `text` is
    // the control whose text is part of it, when there is one.
    std::function<void(QLineEdit *field, QCheckBox *enable, std::function<QString()> command,
                       QWidget *text)>
            addKeyField;
};

// The widgets of a screen's rows, built from the list of rows, and the lines they write.
class RowSet
{
public:
    // A grid the rows are put in (by Row::in), and the alignment its labels share.
    struct Grid
    {
        QGridLayout *grid;
        int alignment = 0;
    };

    RowSet(std::vector<Row> rows, const std::vector<Grid> &grids, const RowStyle &style);

    // Every row's lines in list order; a row whose enable box is unchecked writes none.
    QStringList lines(Game::Version version = Game::Version::Et260b) const;

    int size() const { return int(m_rows.size()); }
    const Row &row(int index) const { return m_rows[index].row; }
    QWidget *control(int index) const { return m_rows[index].control; }
    QCheckBox *enableBox(int index) const { return m_rows[index].enable; }
    // The value the row's control holds: its text, or a check box's value.
    QString value(int index) const;
    bool written(int index) const;
    // What a key row binds its key to now.
    QString command(int index) const;
    // The lines of one row, whether or not its enable box is checked.
    QStringList linesOf(int index, Game::Version version = Game::Version::Et260b) const;
    // Shows a value read from a script: the control takes it, the enable box turns on.
    void take(int index, const QString &value);
    // The row that sets `setting` or binds `command`; -1 when none does.
    int find(const QString &target) const;

    // Shows the rows as `version` reads them: a row whose setting it has no use for disabled,
    // with the reason as its hint; a value it would change in the warning colour.
    void showVersion(Game::Version version);

private:
    struct Built
    {
        Row row;
        QWidget *control = nullptr;
        QLineEdit *text = nullptr; // the edit that holds the value, when there is one
        QCheckBox *enable = nullptr;
        QLabel *label = nullptr;
    };
    void build(Built &built, QGridLayout *grid, const RowStyle &style);
    void makeControl(Built &built, const RowStyle &style);
    void alignLabels(const std::vector<Grid> &grids, const RowStyle &style);
    int named(const QString &name) const;
    QCheckBox *enableBoxNamed(const QString &name) const;
    void chainTabs(const RowStyle &style);
    bool joinedOn(int index, Game::Version version) const;
    void checkValue(int index);

    Game::Version m_version = Game::Version::Et260b;

    std::vector<Built> m_rows;
};
