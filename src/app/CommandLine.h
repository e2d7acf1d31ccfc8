#pragma once

#include "game/GameData.h"

#include <QString>
#include <QStringList>

#include <optional>

// The program's command line: `tarvex [FILE]` opens a script in the window, `tarvex --check
// [--game 2.60b|etl] FILE...` checks scripts without a window.
struct CommandLine
{
    bool check = false;
    std::optional<Game::Version> version; // --game; the player's last choice when not given
    QStringList files;
    // Set when the program has nothing more to do: the text to print (help, version, an error)
    // and the exit code.
    std::optional<int> exitCode;
    QString output;
    bool outputIsError = false;
};

// Reads the arguments (the program's name first).
CommandLine parseCommandLine(const QStringList &arguments);

// Checks each file as the script view's check does. Prints "FILE:LINE: message" for each
// problem on `out`, then "N problems in M files" (and why a file could not be read) on `err`.
// Returns 0 when no file has a problem, 1 when some have, 2 when a file cannot be read.
int checkFiles(const QStringList &files, Game::Version version, FILE *out, FILE *err);
