#pragma once

#include "game/ScriptRun.h"
#include "wizard/SectionStyle.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// The player's own settings, read from a profile's etconfig.cfg or any script the way the game
// runs it, to start the wizard's rows from.
struct PlayerSettings
{
    // Why the file could not be read, as File > Open says it; empty when it was read.
    QString failure;
    QString fileName; // the file's name without its folder
    // The game the file is for, when it says so: its first line, or the profile folder it is in.
    std::optional<Game::Version> namedVersion;
    // What the file (and the files it runs with exec) leaves set; none when it failed.
    std::unique_ptr<Game::ScriptRun> run;
};

// Reads the file at `path` for the game the file names, else for `chosen`. An exec line runs
// the file it names from the running file's folder, else from the game's script folders.
PlayerSettings readPlayerSettings(const QString &path, Game::Version chosen);

// What reading did, in one sentence for the hint line and the status bar: the bindings and
// settings that set the wizard's rows, the lines kept at the end of the script, the lines the
// game would reject, and the exec lines that could not be followed.
QString readSummary(const PlayerSettings &read, int rowBindings, int rowSettings, int kept);

// The section at the end of the script that keeps what no row carries: the commands of the file
// the game refuses (still harmless, and shown by Check Script), then `kept` set again, headed
// with the file's name in every section style.
QStringList keptSection(SectionStyle style, const PlayerSettings &read,
                        const QVector<Game::LeftSet> &kept, Game::Version version);
