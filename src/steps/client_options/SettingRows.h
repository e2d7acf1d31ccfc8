#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class KeyField;
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
        Check, // a check box, written as one of two values (flag text unless given)
        Edit, // a single-line edit, written as typed
        Combo, // an editable combo box, written as the text shown
        Fixed, // no control: the line is always the same
        Key, // a key field, bound to a command
    };
    Kind kind = Check;
    QString name; // the control's object name
    QString label; // the row label on the screen
    // The value the control shows at start: text, or for a check box "1" (checked) or "0".
    QString value;
    QString hint;
    // A setting's line is the prefix ("seta name ") and the value, as Game::settingLine writes
    // them; a fixed line is its prefix alone; a key's line binds the key to the command.
    QString prefix;
    QString command;
    // What a check box writes when checked and when not.
    QString checkedValue = QStringLiteral("1");
    QString uncheckedValue = QStringLiteral("0");
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
// A `seta` setting whose check box writes `on` when checked and `off` when not.
Setting check(const char *name, const char *label, bool checked, const char *hint,
              const char *setting, const char *on, const char *off, int row, int column);
// A `seta` setting whose value is typed in a single-line edit.
Setting edit(const char *name, const char *label, const char *text, const char *hint,
             const char *setting, int row, int column);
// A `seta` setting whose value is the text of an editable combo box.
Setting combo(const char *name, const char *label, const char *text, const QStringList &items,
              const char *hint, const char *setting, int row, int column);
// A line written as it stands, with no control of its own.
Setting fixedLine(const char *line);
// A key bound to a command: the key as typed, the command in double quotes. A key the game
// cannot bind writes no line.
Setting keyBind(const char *name, const char *label, const char *key, const char *command, int row,
                int column);

// The controls of a screen's settings, built from its list, and the lines they write.
class SettingRows
{
public:
    // Every row gets the same height, so that check boxes, edits and combo boxes line up.
    static constexpr int rowHeight = 24;

    SettingRows(std::vector<Setting> settings, QGridLayout *grid);

    // Every setting's line in list order; a row whose "Use?" box is unchecked writes none, nor
    // does a key the game cannot bind.
    QStringList lines() const;

    // The key fields among the rows, each with the command it binds its key to.
    struct KeyRow
    {
        KeyField *field;
        QString command;
    };
    const std::vector<KeyRow> &keyFields() const { return m_keyFields; }

private:
    struct Row
    {
        Setting setting;
        QWidget *control;
        QCheckBox *use;
    };
    QString value(const Row &row) const;

    std::vector<Row> m_rows;
    std::vector<KeyRow> m_keyFields;
};

// Puts a screen's row of groups at the top of its body, and below them the note that every
// one of these settings is also among the game's own options.
void addGroupsAndNote(StepPage &page, QHBoxLayout *groups);

} // namespace ClientOptions
