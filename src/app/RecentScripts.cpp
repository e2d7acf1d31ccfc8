#include "app/RecentScripts.h"

#include "platform/Settings.h"

#include <QFileInfo>

namespace {

const QString listKey = QStringLiteral("files/recentScripts");
const QString folderKey = QStringLiteral("files/lastFolder");

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
    programSettings()->setValue(listKey, paths);
}

} // namespace

namespace RecentScripts {

QStringList paths()
{
    return programSettings()->value(listKey).toStringList().mid(0, limit);
}

void add(const QString &path)
{
    const QFileInfo file(path);
    QStringList list = without(paths(), file.absoluteFilePath());
    list.prepend(file.absoluteFilePath());
    store(list.mid(0, limit));
    programSettings()->setValue(folderKey, file.absolutePath());
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
    return programSettings()->value(folderKey).toString();
}

} // namespace RecentScripts
