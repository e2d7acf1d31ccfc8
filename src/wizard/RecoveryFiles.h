#pragma once

#include "wizard/RecoveryState.h"

#include <QStringList>

#include <map>
#include <memory>

class QLockFile;

// The recovery files in the program's data folder. Each running copy of the program writes its
// own file, locked for as long as it runs, so that two copies never share one; a file whose lock
// is stale was left by a copy that was closed without saving (killed, crashed, logged out).
class RecoveryFiles
{
public:
    RecoveryFiles();
    ~RecoveryFiles();
    RecoveryFiles(const RecoveryFiles &) = delete;
    RecoveryFiles &operator=(const RecoveryFiles &) = delete;

    // The folder of the recovery files: "Tarvex/tarvex/recovery" in the user's data folder
    // (~/.local/share on Linux), the same for every version of the program.
    static QString folder();
    // Puts the recovery files of this program in `path` instead (a test's own folder).
    static void setFolder(const QString &path);

    // Replaces this copy's file by `bytes` as a whole: a reader finds the old file or the new
    // one, never a part. Returns why it could not be written; empty when it was.
    QString write(const QByteArray &bytes);
    // Removes this copy's file (the work is safe, or given up); it comes back at the next write.
    void remove();
    // This copy's file; empty before its first write.
    QString path() const { return m_path; }

    struct Left
    {
        QString path;
        RecoveryState state;
    };
    // The files left by copies that no longer run, newest first, each locked by this copy until
    // it is given up or taken over. A file that cannot be read is renamed with ".bad" at the end
    // and `problems` gets a message saying so: it is reported once and never read again.
    QList<Left> claimLeft(QStringList *problems);
    // Removes a claimed file (its work is given up).
    void discard(const QString &path);
    // Lets a claimed file go, as it is, for the next start.
    void release(const QString &path);

private:
    bool lockOwnFile();

    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    std::map<QString, std::unique_ptr<QLockFile>> m_claims;
};
