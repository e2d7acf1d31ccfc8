#pragma once

#include "wizard/RowSet.h"

#include <QString>

class QHBoxLayout;
class StepPage;

// What the client option screens share: how their rows look and the note below them.
namespace ClientOptions {

// Every row gets the same height, so that check boxes, edits and combo boxes line up.
constexpr int rowHeight = 24;

// The hint of a "Use?" box, right of a setting, that decides whether its line is written.
inline const QString useHint
        = QStringLiteral("leave it checked if you want to add the option to the cfg...");

// Label and control side by side, a "Use?" box right of the control where the row has one;
// edits and combo boxes share one width so that the rows line up.
RowStyle rowStyle();

// Puts a screen's row of groups at the top of its body, and below them the note that every
// one of these settings is also among the game's own options.
void addGroupsAndNote(StepPage &page, QHBoxLayout *groups);

} // namespace ClientOptions
