#pragma once

#include <QString>
#include <QStringConverter>
#include <QStringList>

class QSaveFile;

// The script as a file on disk: the text in the system's 8-bit code page, no byte-order mark
// added, line ends as the text holds them (CR LF for every line the program writes).

// Writes the script to `path`: the text in `encoding` (ET 2.60b's scripts in the system's code
// page, ET: Legacy's in UTF-8, which it reads), line ends as the text holds them. The file is
// replaced whole or not at all: on failure an existing file keeps its old contents. Returns the
// error message to show, empty on success.
QString writeScriptFile(const QString &path, const QString &text,
                        QStringConverter::Encoding encoding = QStringConverter::System);

// The same through a save file already named after the file to replace; tests hand in one
// whose writes fail.
QString writeScriptFile(QSaveFile &file, const QString &text,
                        QStringConverter::Encoding encoding = QStringConverter::System);

// The largest file opened as a script, 16 MiB.
constexpr qint64 largestScriptFile = 16 * 1024 * 1024;

// A script read from a file: its lines, or why it could not be read.
struct ScriptFileContents
{
    // The file's text split at every line end (CR LF, LF or CR); a file that ends with a line end
    // has an empty last line, so writing the lines joined by CR LF gives a CR LF file's bytes back.
    QStringList lines;
    // The error message to show, empty on success.
    QString failure;
};

// Reads the script at `path`, decoded from the system's code page. A file that is not a regular
// file, is larger than largestScriptFile, cannot be read, does not decode or holds a character
// the script view would turn into a line break (U+2028, U+2029, U+FDD0, U+FDD1) is refused with
// the message `Cannot open file "{full path}". {reason}.`; the file is never changed. A NUL
// character is kept (the check says that the game stops reading there).
ScriptFileContents readScriptFile(const QString &path);
