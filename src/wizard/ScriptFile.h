#pragma once

#include <QString>

class QSaveFile;

// Writes the script to `path`: the text encoded in the system's 8-bit code page, no byte-order
// mark, line ends as the text holds them. The file is replaced whole or not at all: on failure
// an existing file keeps its old contents. Returns the error message to show, empty on success.
QString writeScriptFile(const QString &path, const QString &text);

// The same through a save file already named after the file to replace; tests hand in one
// whose writes fail.
QString writeScriptFile(QSaveFile &file, const QString &text);
