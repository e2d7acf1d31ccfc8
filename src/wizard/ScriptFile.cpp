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
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    QStringEncoder encoder(QStringConverter::System);
    const QByteArray bytes = encoder.encode(text);

    QSaveFile file(fullPath);
    if (!file.open(QIODevice::WriteOnly))
        return failure("create", fullPath, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure("write", fullPath, reason);
    }
    if (!file.commit())
        return failure("write", fullPath, file.errorString());
    return QString();
}
