#include "wizard/ScriptFile.h"

#include "platform/Messages.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>

namespace {

QString failure(const char *verb, const QString &path, const QString &reason)
{
    // `Cannot create file "{full path}". {system error text}.`
    return withFullStop(QStringLiteral("Cannot %1 file \"%2\". %3")
                                .arg(QLatin1String(verb), QDir::toNativeSeparators(path), reason));
}

} // namespace

QString writeScriptFile(const QString &path, const QString &text)
{
    QSaveFile file(QFileInfo(path).absoluteFilePath());
    return writeScriptFile(file, text);
}

QString writeScriptFile(QSaveFile &file, const QString &text)
{
    const QString fullPath = QFileInfo(file.fileName()).absoluteFilePath();
    QStringEncoder encoder(QStringConverter::System);
    const QByteArray bytes = encoder.encode(text);

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
