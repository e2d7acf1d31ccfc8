#include "app/RecentScripts.h"

#include "platform/Settings.h"

#include <QFileInfo>

namespace {

// Windows names a file the same in any case.
#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity fileNameCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity fileNameCase = Qt::CaseSensitive;
#endif

QStringList without(QStringList paths, const QString &path)
{
    paths.removeIf([&path](const QString &p) { return p.compare(path, fileNameCase) == 0; });
    return paths;
}

void store(const QStringList &paths)
{
    Settings().setValue(Setting::recentScripts, paths);
}

} // namespace

namespace RecentScripts {

QStringList paths()
{
    return Settings().value(Setting::recentScripts).mid(0, limit);
}

void add(const QString &path)
{
    const QFileInfo file(path);
    QStringList list = without(paths(), file.absoluteFilePath());
    list.prepend(file.absoluteFilePath());
    store(list.mid(0, limit));
    Settings().setValue(Setting::lastFolder, file.absolutePath());
}

void remove(const QString &path)
{
    store(without(paths(), QFileInfo(path).absoluteFilePath()));
}

void clear()
{
    store(QStringList());
}

QString lastFolder()
{
    return Settings().value(Setting::lastFolder);
}

} // namespace RecentScripts
