#pragma once

#include "wizard/RecoveryState.h"

#include <QStringList>

#include <map>
#include <memory>

class QLockFile;
class QThreadPool;

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
    // one, never a part. The file is written on a thread of its own, so that waiting for the
    // disk is never felt; writes and removals take effect in the order they were asked for.
    // Returns why the file cannot be written (its folder); a failure of the write itself is
    // logged, and the file keeps its last contents.
    QString write(const QByteArray &bytes);
    // Removes this copy's file (the work is safe, or given up); it comes back at the next write.
    void remove();
    // Waits until every write and removal asked for has taken effect.
    void flush();
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
    // One thread: the file's writes and removal in turn. Gone before the lock is let go.
    std::unique_ptr<QThreadPool> m_writer;
};
