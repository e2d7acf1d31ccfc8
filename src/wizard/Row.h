#pragma once

#include "game/GameData.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

// One row of a wizard screen: a control that holds a value, an optional enable box that decides
// whether the row is written at all, and the line it writes. A row says everything by name:
//
//   Row::check("cbRun").label("Allways Run: ").seta("cl_run").checked(true).hint("Allways Run")
//           .at(5, 0)
//
// A screen lists its rows in the order their lines are written; `at()` says where each one
// stands on the screen, since the two orders may differ. RowSet builds the widgets of a list
// of rows; lines() below turns a row and its value into script lines, without any widget.
class Row
{
public:
    enum class Kind {
        Key, // a key field, bound to a command
        Check, // a check box, written as one of two values (flag text unless given)
        Edit, // a single-line edit, written as typed
        Combo, // an editable combo box, written as the text shown
        Fixed, // no control: the line is always the same
    };

    // What the row writes, in one game version.
    struct Writes
    {
        enum class Form { Set, Seta, Bind, Fixed };
        Form form = Form::Seta;
        QString name; // the setting or the bound command
        QStringList fixedLines; // what a fixed row writes
        QString separator = QStringLiteral(" "); // between the setting's name and its value
        std::optional<std::pair<double, double>> range; // the numbers the game accepts
        // When set, the row writes nothing in this version (but its fixedLines, a comment)
        // and shows this on screen as why, disabled.
        QString absentBecause;
        // A check box that writes its line only when checked.
        bool onlyWhenChecked = false;
        // The name of another check box row of the same screen whose setting this game merged
        // into this row's: one line, its value checked when either box is.
        QString joinedWith;
    };

    static Row key(const char *name);
    static Row check(const char *name);
    static Row edit(const char *name);
    static Row combo(const char *name);
    static Row fixed(const char *line);
    // Fixed lines, written together.
    static Row block(const QStringList &lines);

    // On the screen.
    Row &label(const QString &text);
    Row &hint(const QString &text);
    Row &text(const QString &startText); // what an edit, combo box or key field holds at start
    Row &checked(bool on); // a value check box's state at start
    Row &items(const QStringList &list); // a combo box's drop-down list
    Row &unit(const QString &text); // a label after the control ("%")
    // The screen reader's name, when it is not the label's text.
    Row &accessibleName(const QString &name);
    // The grid the row goes into (its framed group), its row there and its label's column.
    Row &in(int group);
    Row &at(int row, int column = 0);
    // An enable box: its object name, its state at start, its hint, and its name for screen
    // readers when it is not "Use" and the row's name.
    Row &enableBox(const QString &name, bool on, const QString &hint,
                   const QString &accessibleName = QString());
    // The row has no enable box of its own: the one of that name, on an earlier row, decides
    // whether it is written.
    Row &enabledBy(const QString &name);

    // What it writes.
    Row &set(const char *setting);
    Row &seta(const char *setting);
    Row &binds(const char *command);
    // A key bound to `prefix` and the text of the row `textRow` (a say's message), written so
    // that it cannot end the binding's quotes nor start a command of its own.
    Row &bindsWithText(const char *prefix, const char *textRow);
    // A row whose text part of another row's line is, when a player's settings are read
    // without that line, the value they give `setting` (the turn's frame rate is their own).
    Row &readsFrom(const char *setting);
    // The row's text is part of another row's line; it writes none of its own.
    Row &writesNothing();
    Row &separator(const char *blanks);
    Row &writes(const char *whenChecked, const char *whenUnchecked);
    Row &range(double lowest, double highest);
    // What the row writes in another game version than ET 2.60b, in place of what it writes
    // there: a renamed setting, another range, or no line at all.
    Row &inVersion(Game::Version version, const Writes &writes);
    // After what the row writes: in `version` the setting has another name.
    Row &renamedIn(Game::Version version, const char *setting);
    // After what the row writes: `version` has no use for the setting; the row stays on the
    // screen, disabled, with `why` as its hint.
    Row &absentIn(Game::Version version, const QString &why);
    // No version of the game has a use for the setting.
    Row &absent(const QString &why);

    Kind kind() const { return m_kind; }
    const QString &name() const { return m_name; }
    const QString &labelText() const { return m_label; }
    const QString &hintText() const { return m_hint; }
    const QString &startText() const { return m_text; }
    bool startChecked() const { return m_checked; }
    const QStringList &itemList() const { return m_items; }
    const QString &unitText() const { return m_unit; }
    QString accessibleNameText() const;
    int group() const { return m_group; }
    int row() const { return m_row; }
    int column() const { return m_column; }
    bool hasEnableBox() const { return !m_enableName.isEmpty(); }
    const QString &enableName() const { return m_enableName; }
    bool enableOn() const { return m_enableOn; }
    const QString &enableHint() const { return m_enableHint; }
    const QString &enableAccessibleName() const { return m_enableAccessibleName; }
    const QString &enablingBox() const { return m_enabledBy; }
    const QString &textRow() const { return m_textRow; }
    const QString &readSetting() const { return m_readSetting; }

    // What the row writes in `version`.
    const Writes &writesIn(Game::Version version = Game::Version::Et260b) const;
    // The setting a row sets, or the command a key row binds; empty for a fixed line. A reader
    // of scripts finds the row of a line by it.
    const QString &target() const { return m_writes.name; }
    // A check box's value for its state.
    QString checkValue(bool on) const { return on ? m_on : m_off; }
    // The state of a check box that shows `value`: checked unless it is the unchecked value.
    bool checkState(const QString &value) const { return value != m_off; }

    // The lines of the row whose control holds `value` (a check box's value as checkValue
    // gives it): a setting line, commented out when the value is empty; a bind line, none for
    // a key the game cannot bind; a fixed line as it stands.
    QStringList lines(const QString &value, Game::Version version = Game::Version::Et260b) const;
    // The same for a key row whose command is built from another row's text.
    QStringList lines(const QString &value, const QString &command,
                      Game::Version version = Game::Version::Et260b) const;

private:
    Row(Kind kind, const QString &name);

    Kind m_kind;
    QString m_name;
    QString m_label;
    QString m_hint;
    QString m_text;
    bool m_checked = false;
    QStringList m_items;
    QString m_unit;
    QString m_accessibleName;
    int m_group = 0;
    int m_row = 0;
    int m_column = 0;
    QString m_enableName;
    bool m_enableOn = true;
    QString m_enableHint;
    QString m_enableAccessibleName;
    QString m_enabledBy;
    QString m_textRow;
    QString m_readSetting;
    QString m_on = QStringLiteral("1");
    QString m_off = QStringLiteral("0");
    Writes m_writes;
    std::vector<std::pair<Game::Version, Writes>> m_otherVersions;
};
