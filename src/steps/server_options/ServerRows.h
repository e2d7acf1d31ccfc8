#pragma once

#include "wizard/Row.h"

#include <vector>

// The server step's settings, one row each: its enable box, its value control, where it sits on
// the screen and the setting line it writes. The rows are listed in the order the step writes
// them, which is not always the order on the screen.
namespace ServerRows {

// The framed groups of the screen, the grids its rows go into (Row::in).
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

// Every group, column by column, each column top to bottom, in the order of Group.
const std::vector<GroupInfo> &groups();

// Every row, in the order the step writes them. A caption that two groups share ("Mute
// Spectators:") names its controls after the group too, so that a screen reader tells them
// apart.
std::vector<Row> rows();

} // namespace ServerRows
