#pragma once

#include "wizard/TextEncoding.h"

#include <QString>
#include <QStringConverter>
#include <QStringList>

class QSaveFile;

// The script as a file on disk: a new script is UTF-8 with CR LF line ends, no byte-order mark
// added; a script read from a file is written back in that file's encoding and line ends, so
// that a file saved without an edit keeps its bytes.
struct FileFormat
{
    TextEncoding encoding = TextEncoding::Utf8;
    QString lineEnd = QStringLiteral("\r\n"); // CR LF, LF or CR
};

// Writes the script to `path`: `text` (lines joined by CR LF, as the script view gives them)
// with `format`'s line ends, in its encoding; in UTF-8 when a character has no byte in it, which
// `format` then says. The file is replaced whole or not at all: on failure an existing file
// keeps its old contents. Returns the error message to show, empty on success.
QString writeScriptFile(const QString &path, const QString &text, FileFormat &format);
QString writeScriptFile(const QString &path, const QString &text);

// The same through a save file already named after the file to replace; tests hand in one
// whose writes fail.
QString writeScriptFile(QSaveFile &file, const QString &text, FileFormat &format);
QString writeScriptFile(QSaveFile &file, const QString &text);

// The largest file opened as a script, 16 MiB.
constexpr qint64 largestScriptFile = 16 * 1024 * 1024;

// A script read from a file: its lines, or why it could not be read.
struct ScriptFileContents
{
    // The file's text split at every line end (CR LF, LF or CR); a file that ends with a line end
    // has an empty last line, so writing the lines joined by its line end gives its bytes back.
    QStringList lines;
    // The error message to show, empty on success.
    QString failure;
    // How the file holds its text: its encoding and the line end of its first line (CR LF when
    // it has none), so that saving writes the same bytes back.
    FileFormat format;
};

// Reads the script at `path`, as UTF-8 or else as Windows-1252. A file that is not a regular
// file, is larger than largestScriptFile, cannot be read or holds a character the script view
// would turn into a line break (U+2028, U+2029, U+FDD0, U+FDD1) is refused with the message
// `Cannot open file "{full path}". {reason}.`; the file is never changed. A NUL character is
// kept (the check says that the game stops reading there).
ScriptFileContents readScriptFile(const QString &path);
