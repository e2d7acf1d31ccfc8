#pragma once

#include "wizard/Layers.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <array>

// One value a player set on a screen: `key` names the screen, the kind of value and the control
// ("3/text/edFov", "0/check/chkName", "5/index/cbCrosshair"), `value` is what it held.
struct FieldValue
{
    QString key;
    QString value;
    bool operator==(const FieldValue &other) const
    {
        return key == other.key && value == other.value;
    }
};

// Everything needed to bring back a player's work after the program was closed without saving:
// the screen shown, every value of every screen built, the script view and the file the script
// belongs to.
struct RecoveryState
{
    // When the state was taken: the time the question names.
    QDateTime written;
    // The file the script was opened from or last saved to; empty for a new script.
    QString fileName;
    // The game the script is written for; empty while the program offers no choice.
    QString game;
    // The section style chosen on the start screen: "SN", "S1" or "S2".
    QString sectionStyle;
    // Which layers are shown, bottom to top, and which commands are on (Command's order).
    std::array<bool, layerCount> shownLayers {};
    std::array<bool, 6> commandsOn {};
    // The script view: its raw text (blocks apart by U+2029) and the caret's anchor and place.
    QString script;
    int caretAnchor = 0;
    int caretPosition = 0;
    // The values of the screens, screen by screen in the order they are to be put back.
    QList<FieldValue> fields;
};

namespace Recovery {
// The version this program writes; it reads this one and every older one.
constexpr int formatVersion = 1;

QByteArray encode(const RecoveryState &state);
// Reads a recovery file's bytes. False, with the reason in `why`, for a file cut short, damaged
// or written by a newer version; `state` is then left as it was.
bool decode(const QByteArray &bytes, RecoveryState *state, QString *why);
} // namespace Recovery
