#pragma once

#include "game/GameData.h"

#include <QString>
#include <QStringView>
#include <QVector>

// Keys a script takes only when it runs: a variable whose value binds or unbinds a key
// ("set vc_volume0 \"s_volume 0;unbind INS;bind PGUP vstr vc_volume0_5\"") takes that key the
// first time a vstr runs it, whatever the player bound there before.
namespace Game {

struct RunBinding
{
    QString key; // canonicalKey() of the name
    QString variable; // the name of the variable whose value binds it, as the line spells it
    bool unbind = false; // the value unbinds the key rather than binding it
};

// The keys the values that `line` sets bind or unbind when they run, values set inside those
// values included, in the order of the line. Only names the game takes for keys count.
// `inComment` when the line above left a comment open (readLine()).
QVector<RunBinding> keysBoundWhenRun(QStringView line, Version version, bool inComment = false);

} // namespace Game
