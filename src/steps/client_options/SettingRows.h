#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QCheckBox;
class QGridLayout;
class QHBoxLayout;
class QWidget;
class StepPage;

namespace ClientOptions {

// One setting of the client option screens: the control that holds its value, where it sits on
// the screen, and the line it writes. A screen lists its settings in the order their lines are
// written; each one says where on the screen it goes, since the two orders may differ.
struct Setting
{
    enum Kind {
        Check, // a check box, written as flag text
        Edit, // a single-line edit, written as typed
        Combo, // an editable combo box, written as the text shown
        Fixed, // no control: the line is always the same
    };
    Kind kind = Check;
    QString name; // the control's object name
    QString label; // the row label on the screen
    // The value the control shows at start: text, or for a check box "1" (checked) or "0".
    QString value;
    QString hint;
    // The line is prefix, value, suffix, put together as they are (a fixed line is its prefix).
    QString prefix;
    QString suffix;
    QStringList items; // a combo box's drop-down list
    int row = 0; // the row of the screen's grid
    int column = 0; // the label's column; the control sits in the next one
    // When set, a "Use?" box of this name, right of the control, decides whether the line is
    // written.
    QString useBox;
};

// A `seta` setting whose value is a check box's flag text.
Setting check(const char *name, const char *label, bool checked, const char *hint,
              const char *setting, int row, int column);
// A `seta` setting whose value is typed in a single-line edit.
Setting edit(const char *name, const char *label, const char *text, const char *hint,
             const char *setting, int row, int column);
// A `seta` setting whose value is the text of an editable combo box.
Setting combo(const char *name, const char *label, const char *text, const QStringList &items,
              const char *hint, const char *setting, int row, int column);
// A line written as it stands, with no control of its own.
Setting fixedLine(const char *line);
// A key bound to a command: the key as typed, the command in double quotes.
Setting keyBind(const char *name, const char *label, const char *key, const char *command, int row,
                int column);

// The controls of a screen's settings, built from its list, and the lines they write.
class SettingRows
{
public:
    // Every row gets the same height, so that check boxes, edits and combo boxes line up.
    static constexpr int rowHeight = 24;

    SettingRows(std::vector<Setting> settings, QGridLayout *grid);

    // Every setting's line in list order; a row whose "Use?" box is unchecked writes none.
    QStringList lines() const;

private:
    struct Row
    {
        Setting setting;
        QWidget *control;
        QCheckBox *use;
    };
    QString value(const Row &row) const;

    std::vector<Row> m_rows;
};

// Puts a screen's row of groups at the top of its body, and below them the note that every
// one of these settings is also among the game's own options.
void addGroupsAndNote(StepPage &page, QHBoxLayout *groups);

} // namespace ClientOptions
