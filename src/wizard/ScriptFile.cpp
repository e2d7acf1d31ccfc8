#include "wizard/ScriptFile.h"

#include "platform/Messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace {

QString failure(const char *verb, const QString &path, const QString &reason)
{
    // `Cannot create file "{full path}". {system error text}.`
    return withFullStop(QStringLiteral("Cannot %1 file \"%2\". %3")
                                .arg(QLatin1String(verb), QDir::toNativeSeparators(path), reason));
}

// The line end of the first line; CR LF when there is none.
QString firstLineEnd(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n'))
            return QStringLiteral("\n");
        if (text[i] == QLatin1Char('\r'))
            return i + 1 < text.size() && text[i + 1] == QLatin1Char('\n') ? QStringLiteral("\r\n")
                                                                           : QStringLiteral("\r");
    }
    return QStringLiteral("\r\n");
}

QByteArray encode(QString text, FileFormat &format)
{
    if (format.lineEnd != QLatin1String("\r\n"))
        text.replace(QStringLiteral("\r\n"), format.lineEnd);
    if (const std::optional<QByteArray> bytes = encodeText(text, format.encoding))
        return *bytes;
    // A character typed that the file's encoding lacks: UTF-8 keeps every one.
    format.encoding = TextEncoding::Utf8;
    return *encodeText(text, format.encoding);
}

// Why a script's text cannot be shown as it is, or empty: the script view breaks a line at
// U+2028 and U+2029 (Unicode's line and paragraph separators) and at U+FDD0 and U+FDD1, so a
// Save would write the line split. `text` has '\n' line ends.
QString lineBreakInside(const QString &text)
{
    int line = 1;
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            ++line;
        else if (c.unicode() == 0x2028 || c.unicode() == 0x2029 || c.unicode() == 0xfdd0
                 || c.unicode() == 0xfdd1)
            return QStringLiteral("Line %1 holds the character U+%2, which the script view would "
                                  "turn into a line break")
                    .arg(QString::number(line), QString::number(c.unicode(), 16).toUpper());
    }
    return QString();
}

} // namespace

QString writeScriptFile(const QString &path, const QString &text, FileFormat &format)
{
    QSaveFile file(QFileInfo(path).absoluteFilePath());
    return writeScriptFile(file, text, format);
}

QString writeScriptFile(const QString &path, const QString &text)
{
    FileFormat format;
    return writeScriptFile(path, text, format);
}

QString writeScriptFile(QSaveFile &file, const QString &text)
{
    FileFormat format;
    return writeScriptFile(file, text, format);
}

QString writeScriptFile(QSaveFile &file, const QString &text, FileFormat &format)
{
    const QString fullPath = QFileInfo(file.fileName()).absoluteFilePath();
    const QByteArray bytes = encode(text, format);

    // Unbuffered: every write goes to the file system at once, so a full disk is seen here.
    // A buffered save file writes its last bytes inside commit(), which then ignores their
    // failure and puts the short file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure("create", fullPath, file.errorString());
    // A write may take only part of the bytes (the disk filled up on the way); the next one
    // then tells why it takes no more.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            const QString reason = file.errorString();
            // The old file stays as it was; the temporary one is removed.
            file.cancelWriting();
            file.commit();
            return failure("write", fullPath, reason);
        }
        written += count;
    }
    if (!file.commit())
        return failure("write", fullPath, file.errorString());
    return QString();
}

ScriptFileContents readScriptFile(const QString &path)
{
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    auto refused = [&fullPath](const QString &reason) {
        ScriptFileContents refusal;
        refusal.failure = failure("open", fullPath, reason);
        return refusal;
    };
    const QString tooLarge = QStringLiteral("File larger than 16 MiB");

    // Before anything is read: a folder, a device or a pipe is no script (reading one may never
    // end), and neither is a file too large for the script view.
    const QFileInfo info(fullPath);
    if (info.isDir())
        return refused(qt_error_string(EISDIR));
    if (info.exists() && !info.isFile())
        return refused(QStringLiteral("Not a regular file"));
    if (info.size() > largestScriptFile)
        return refused(tooLarge);

    QFile file(fullPath);
    if (!file.open(QIODevice::ReadOnly))
        return refused(file.errorString());
    // At most one byte more than allowed: a file that grew since is still caught.
    const QByteArray bytes = file.read(largestScriptFile + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(file.errorString());
    if (bytes.size() > largestScriptFile)
        return refused(tooLarge);

    FileFormat format;
    QString text = decodeText(bytes, &format.encoding);
    format.lineEnd = firstLineEnd(text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QString split = lineBreakInside(text);
    if (!split.isEmpty())
        return refused(split);
    return ScriptFileContents {text.split(QLatin1Char('\n')), QString(), format};
}
