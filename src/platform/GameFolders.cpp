#include "platform/GameFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#ifdef Q_OS_WIN
#include <QSettings>
#include <QStandardPaths>
#endif

#ifdef Q_OS_WIN
namespace {

// ET 2.60b's install folders on Windows, where the game keeps its files beside itself.
QStringList installFolders()
{
    QStringList installs;
    // ET 2.60b's installer records where the game went (a 32-bit program, so in the registry's
    // 32-bit view); otherwise it is in one of the usual program folders.
    const QString game = QStringLiteral("Wolfenstein - Enemy Territory");
    const QSettings install(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Activision\\") + game,
                            QSettings::Registry32Format);
    installs << install.value(QStringLiteral("InstallPath")).toString();
    for (const char *programs : {"ProgramFiles(x86)", "ProgramFiles"}) {
        const QString folder = qEnvironmentVariable(programs);
        if (!folder.isEmpty())
            installs << QDir(folder).filePath(game);
    }
    installs.removeAll(QString());
    return installs;
}

} // namespace
#endif

QStringList gameScriptFolders(FirstFolders first)
{
    const QDir home = QDir::home();
    QStringList legacy;
    QStringList etmain;
#if defined(Q_OS_MACOS)
    const QDir support(home.filePath(QStringLiteral("Library/Application Support")));
    legacy << support.filePath(QStringLiteral("etlegacy/legacy"));
    etmain << support.filePath(QStringLiteral("Wolfenstein ET/etmain"));
#elif !defined(Q_OS_WIN)
    legacy << home.filePath(QStringLiteral(".etlegacy/legacy"));
    etmain << home.filePath(QStringLiteral(".etwolf/etmain"));
#else
    for (const QString &folder : installFolders())
        etmain << QDir(folder).filePath(QStringLiteral("etmain"));
    legacy << QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                      .filePath(QStringLiteral("ETLegacy/legacy"));
#endif
    const QStringList candidates
            = first == FirstFolders::Legacy ? legacy + etmain : etmain + legacy;
    QStringList folders;
    for (const QString &candidate : candidates) {
        const QString folder = QDir::cleanPath(candidate);
        if (QFileInfo(folder).isDir() && !folders.contains(folder, Qt::CaseInsensitive))
            folders << folder;
    }
    return folders;
}

namespace {

// The first line of a small file of the game's, its quotes removed.
QString quotedLine(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString line = QString::fromUtf8(file.readLine(1024)).trimmed();
    if (line.startsWith(QLatin1Char('"')))
        line.remove(0, 1);
    if (line.endsWith(QLatin1Char('"')))
        line.chop(1);
    return line;
}

void addProfiles(QList<GameProfile> &profiles, const QString &gameFolder, bool legacy)
{
    const QDir dir(QDir(gameFolder).filePath(QStringLiteral("profiles")));
    const QString chosen = quotedLine(dir.filePath(QStringLiteral("defaultprofile.dat")));
    QList<GameProfile> found;
    for (const QString &folder : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QFileInfo settings(dir.filePath(folder + QStringLiteral("/etconfig.cfg")));
        if (!settings.isFile())
            continue;
        GameProfile profile;
        profile.legacy = legacy;
        static const QRegularExpression colours(QStringLiteral("\\^."));
        profile.name
                = quotedLine(dir.filePath(folder + QStringLiteral("/profile.dat"))).remove(colours);
        if (profile.name.isEmpty())
            profile.name = folder;
        profile.isDefault = folder.compare(chosen, Qt::CaseInsensitive) == 0;
        profile.settingsFile = settings.filePath();
        profile.modified = settings.lastModified();
        if (profile.isDefault)
            found.prepend(profile);
        else
            found.append(profile);
    }
    profiles << found;
}

} // namespace

QList<GameProfile> gameProfiles()
{
    const QDir home = QDir::home();
    QStringList legacyHomes;
    QStringList etHomes;
#if defined(Q_OS_WIN)
    legacyHomes << QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                           .filePath(QStringLiteral("ETLegacy"));
    etHomes << installFolders();
#elif defined(Q_OS_MACOS)
    legacyHomes << home.filePath(QStringLiteral("Library/Application Support/etlegacy"));
    etHomes << home.filePath(QStringLiteral("Library/Application Support/Wolfenstein ET"));
#else
    legacyHomes << home.filePath(QStringLiteral(".etlegacy"));
    etHomes << home.filePath(QStringLiteral(".etwolf"));
#endif
    QList<GameProfile> profiles;
    for (const QString &folder : legacyHomes)
        addProfiles(profiles, QDir(folder).filePath(QStringLiteral("legacy")), true);
    for (const QString &folder : etHomes)
        addProfiles(profiles, QDir(folder).filePath(QStringLiteral("etmain")), false);
    return profiles;
}
