#include "wizard/PlayerSettings.h"

#include "game/ScriptText.h"
#include "platform/GameFolders.h"
#include "wizard/ScriptFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The game whose profile folder holds the file: ET: Legacy keeps its profiles in
// legacy/profiles, ET 2.60b in etmain/profiles.
std::optional<Game::Version> profileGame(const QString &path)
{
    const QStringList parts = QDir::fromNativeSeparators(QFileInfo(path).absoluteFilePath())
                                      .split(QLatin1Char('/'));
    if (parts.size() < 4
        || parts[parts.size() - 3].compare(QLatin1String("profiles"), Qt::CaseInsensitive))
        return std::nullopt;
    const QString game = parts[parts.size() - 4];
    if (game.compare(QLatin1String("legacy"), Qt::CaseInsensitive) == 0)
        return Game::Version::Legacy;
    if (game.compare(QLatin1String("etmain"), Qt::CaseInsensitive) == 0)
        return Game::Version::Et260b;
    return std::nullopt;
}

Game::ExecFile findExec(const QString &name, const QString &fromPath)
{
    QStringList folders {QFileInfo(fromPath).absolutePath()};
    folders << gameScriptFolders();
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (!QFileInfo::exists(path))
            continue;
        ScriptFileContents contents = readScriptFile(path);
        if (!contents.failure.isEmpty())
            return {QString(), {}, contents.failure};
        return {path, contents.lines, QString()};
    }
    return {QString(), {}, QStringLiteral("not found")};
}

QString counted(int count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

} // namespace

PlayerSettings readPlayerSettings(const QString &path, Game::Version chosen)
{
    PlayerSettings read;
    const ScriptFileContents contents = readScriptFile(path);
    read.failure = contents.failure;
    if (!read.failure.isEmpty())
        return read;
    read.fileName = QFileInfo(path).fileName();
    read.namedVersion = Game::versionNamedBy(contents.lines.value(0));
    if (!read.namedVersion)
        read.namedVersion = profileGame(path);
    read.run = std::make_unique<Game::ScriptRun>(read.namedVersion.value_or(chosen), findExec);
    read.run->run(contents.lines, path);
    return read;
}

QString readSummary(const PlayerSettings &read, int rowBindings, int rowSettings, int kept)
{
    QString summary = QStringLiteral("Read %1: %2 and %3 set the wizard's rows; %4 kept")
                              .arg(read.fileName, counted(rowBindings, "binding", "bindings"),
                                   counted(rowSettings, "setting", "settings"),
                                   counted(kept, "more line", "more lines"));
    const int rejected = read.run ? read.run->rejectedLines() : 0;
    if (rejected > 0) {
        summary += QStringLiteral("; %1 the game would reject (Check Script shows them)")
                           .arg(counted(rejected, "line", "lines"));
    }
    if (read.run && !read.run->notes().isEmpty())
        summary += QStringLiteral("; ") + read.run->notes().join(QStringLiteral("; "));
    return summary;
}

QStringList keptSection(SectionStyle style, const PlayerSettings &read,
                        const QVector<Game::LeftSet> &kept, Game::Version version)
{
    const QString title
            = QStringLiteral("//") + Game::commentText(read.fileName) + QStringLiteral(" ---");
    QStringList lines = read.run ? read.run->rejected() : QStringList();
    lines << Game::setAgainLines(kept, version);
    // Only the first style puts the title in its heading.
    if (style != SectionStyle::Style1)
        lines.prepend(title);
    return Section::framed(style, title, lines);
}
