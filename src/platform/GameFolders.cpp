#include "platform/GameFolders.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <QSettings>
#include <QStandardPaths>
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
    // ET 2.60b's installer records where the game went (a 32-bit program, so in the registry's
    // 32-bit view); otherwise it is in one of the usual program folders.
    const QString game = QStringLiteral("Wolfenstein - Enemy Territory");
    const QSettings install(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Activision\\") + game,
                            QSettings::Registry32Format);
    QStringList installs {install.value(QStringLiteral("InstallPath")).toString()};
    for (const char *programs : {"ProgramFiles(x86)", "ProgramFiles"}) {
        const QString folder = qEnvironmentVariable(programs);
        if (!folder.isEmpty())
            installs << QDir(folder).filePath(game);
    }
    for (const QString &folder : installs) {
        if (!folder.isEmpty())
            etmain << QDir(folder).filePath(QStringLiteral("etmain"));
    }
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
