#pragma once

#include <QString>
#include <QStringList>

// The scripts opened or saved last, most recent first, and the folder used last: kept in the
// program's settings between runs. Paths are full paths.
namespace RecentScripts {

// How many scripts the list keeps.
constexpr int limit = 8;

QStringList paths();
// Puts `path` first (once), keeps the most recent `limit`, and makes its folder the one used last.
void add(const QString &path);
void remove(const QString &path);
// Empties the list; the folder used last stays.
void clear();
// The folder of the script opened or saved last; empty before the first.
QString lastFolder();

} // namespace RecentScripts
