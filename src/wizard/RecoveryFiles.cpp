#include "wizard/RecoveryFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThreadPool>

#include <algorithm>

namespace {

const QString suffix = QStringLiteral(".recovery");

QString &folderOverride()
{
    static QString path;
    return path;
}

// A lock held by a running copy never goes stale by age: only when its copy no longer runs.
std::unique_ptr<QLockFile> lockFor(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    return lock;
}

// Renames an unreadable file out of the way, to a name no other file has; returns the new name.
QString setAside(const QString &path)
{
    QString aside = path + QStringLiteral(".bad");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral(".%1.bad").arg(n);
    return QFile::rename(path, aside) ? aside : QString();
}

} // namespace

RecoveryFiles::RecoveryFiles()
    : m_writer(std::make_unique<QThreadPool>())
{
    m_writer->setMaxThreadCount(1);
}

// The writer finishes what it was asked before the lock is let go.
RecoveryFiles::~RecoveryFiles() = default;

QString RecoveryFiles::folder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    // The program's data folder under the names its settings use: the application name holds
    // the version, and a later version must find the files an earlier one left.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/')
            + QCoreApplication::organizationName() + QStringLiteral("/tarvex/recovery");
}

void RecoveryFiles::setFolder(const QString &path)
{
    folderOverride() = path;
}

bool RecoveryFiles::lockOwnFile()
{
    if (!QDir().mkpath(folder()))
        return false;
    // The process id and a random number: no other running copy has the same name, and a
    // file left by an earlier copy with this id is not taken over before it was offered.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString path = folder()
                + QStringLiteral("/%1-%2%3")
                          .arg(QCoreApplication::applicationPid())
                          .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))
                          .arg(suffix);
        auto lock = lockFor(path);
        if (!QFileInfo::exists(path) && lock->tryLock(0)) {
            m_path = path;
            m_lock = std::move(lock);
            return true;
        }
    }
    return false;
}

QString RecoveryFiles::write(const QByteArray &bytes)
{
    if (!m_lock && !lockOwnFile())
        return QStringLiteral("The folder %1 cannot be written to")
                .arg(QDir::toNativeSeparators(folder()));
    m_writer->start([path = m_path, bytes] {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            qWarning("the recovery file %s could not be written: %s", qPrintable(path),
                     qPrintable(file.errorString()));
    });
    return QString();
}

void RecoveryFiles::remove()
{
    if (!m_path.isEmpty())
        m_writer->start([path = m_path] { QFile::remove(path); });
}

void RecoveryFiles::flush()
{
    m_writer->waitForDone();
}

QList<RecoveryFiles::Left> RecoveryFiles::claimLeft(QStringList *problems)
{
    QList<Left> left;
    const QDir dir(folder());
    const QStringList names = dir.entryList({QStringLiteral("*") + suffix}, QDir::Files);
    for (const QString &name : names) {
        const QString path = dir.filePath(name);
        if (path == m_path || m_claims.count(path))
            continue;
        auto lock = lockFor(path);
        if (!lock->tryLock(0))
            continue; // its copy still runs
        QFile file(path);
        RecoveryState state;
        QString why = QStringLiteral("it cannot be opened");
        if (file.open(QIODevice::ReadOnly) && Recovery::decode(file.readAll(), &state, &why)) {
            left.append({path, std::move(state)});
            m_claims[path] = std::move(lock);
            continue;
        }
        file.close();
        const QString aside = setAside(path);
        problems->append(QStringLiteral("The recovery file %1 could not be read: %2. It was "
                                        "kept as %3.")
                                 .arg(QDir::toNativeSeparators(path), why,
                                      QDir::toNativeSeparators(aside.isEmpty() ? path : aside)));
    }
    std::stable_sort(left.begin(), left.end(), [](const Left &a, const Left &b) {
        return a.state.written > b.state.written;
    });
    return left;
}

void RecoveryFiles::discard(const QString &path)
{
    QFile::remove(path);
    m_claims.erase(path);
}

void RecoveryFiles::release(const QString &path)
{
    m_claims.erase(path);
}
