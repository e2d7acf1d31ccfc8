#include "app/WebLinks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QUrl manualUrl()
{
    // Beside the program (build tree and Windows), else where `cmake --install` puts it.
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString candidates[] = {
            programDir.filePath(QStringLiteral("manual.txt")),
            programDir.filePath(QStringLiteral("../share/tarvex/manual.txt")),
    };
    for (const QString &candidate : candidates) {
        if (QFileInfo::exists(candidate))
            return QUrl::fromLocalFile(QFileInfo(candidate).canonicalFilePath());
    }
    return QUrl::fromLocalFile(candidates[0]);
}

} // namespace

QUrl webLinkUrl(WebLink link)
{
    switch (link) {
    case WebLink::MakerSite:
        return QUrl(QStringLiteral("https://tarvex.org/"));
    case WebLink::MakerForums:
        return QUrl(QStringLiteral("https://tarvex.org/issues"));
    case WebLink::Manual:
        return manualUrl();
    case WebLink::GameSite:
        return QUrl(
                QStringLiteral("https://www.splashdamage.com/games/wolfenstein-enemy-territory/"));
    case WebLink::FanSite:
        return QUrl(QStringLiteral("https://www.rtcwfiles.com/"));
    case WebLink::DeveloperSite:
        return QUrl(QStringLiteral("https://www.splashdamage.com/"));
    }
    return QUrl();
}
