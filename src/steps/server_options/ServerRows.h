#pragma once

#include <QString>

#include <vector>

// The server step's settings, one row each: where the row sits on the screen, its enable box,
// its value control and the setting line it writes. The rows are listed in the order the
// step writes them, which is not always the order on the screen (see screenRow).
namespace ServerRows {

// The framed groups of the screen.
enum class Group {
    General,
    Match,
    LastManStanding,
    Admin,
    Voting,
    AllowVotes,
    AllowVotesContinued, // the second "Allow Votes" box, at the top of the right column
    Motd,
    Download,
    ServerOptions
};

struct GroupInfo
{
    Group group;
    const char *objectName;
    const char *caption;
    int column; // 0 left, 1 middle, 2 right; groups of a column are listed top to bottom
    // Groups of free text (messages, the server name) give their edits the room: their values
    // line up among themselves, those of the other groups of the column among themselves.
    bool longText;
};

// Every group, column by column, each column top to bottom.
const std::vector<GroupInfo> &groups();

enum class Value { Edit, Check };

struct Row
{
    Group group;
    int screenRow; // position inside its group, 0 at the top
    const char *label;

    const char *enableBox;
    bool enableChecked;
    const char *enableHint; // empty when the box has no hint

    Value kind;
    const char *valueControl;
    // An edit's starting text; for a check box its starting state as flag text ("1" or "0").
    const char *valueDefault;
    const char *valueHint;
    const char *after; // a label after the value control (the unit), empty when none

    const char *command; // "set" or "seta"
    const char *setting;
    const char *separator; // between the setting name and the value
};

// Every row, in the order the step writes them.
const std::vector<Row> &rows();

// The row's line for a value (an edit's text as typed, or a check box's flag text), as
// Game::settingLine writes it: quoted where the game needs it, commented out when empty.
QString line(const Row &row, const QString &value);

} // namespace ServerRows
