#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// How a script file's bytes are its text. A file that is UTF-8 is read as UTF-8; any other is
// read as Windows-1252, where every byte has a character (the game itself reads raw bytes), so
// no file is refused and each one is saved back as it was read.
enum class TextEncoding { Utf8, Windows1252 };

// "UTF-8" or "Windows-1252".
QString encodingName(TextEncoding encoding);

// The text of `bytes`: UTF-8 when the bytes are UTF-8 (a cut sequence at the end is not),
// Windows-1252 otherwise, which `encoding` then says. A byte-order mark stays a character.
QString decodeText(const QByteArray &bytes, TextEncoding *encoding);

// The bytes of `text`; none when a character has no byte in `encoding` (Windows-1252 has only
// 256 characters).
std::optional<QByteArray> encodeText(const QString &text, TextEncoding encoding);
