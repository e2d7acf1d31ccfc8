#pragma once
// Files and a home folder of a test's own, for the tests that look for the games' folders.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace TestFiles {

// Writes `bytes` to `path`, making its folders first.
inline void write(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The player's home is a folder of the test's own while it lives (empty at first: no profiles).
struct FakeHome
{
    QTemporaryDir dir;
    QByteArray real = qgetenv("HOME");
    FakeHome() { qputenv("HOME", QFile::encodeName(dir.path())); }
    ~FakeHome() { qputenv("HOME", real); }
    QString path(const char *relative) const { return dir.filePath(QLatin1String(relative)); }
};

} // namespace TestFiles
