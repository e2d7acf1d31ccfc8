// Recent Scripts: the scripts opened or saved last, kept between runs; and where the save and
// open dialogs start, with the game's folders in their side bar.
#include "app/RecentScripts.h"
#include "platform/GameFolders.h"
#include "platform/Settings.h"
#include "support/Harness.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

namespace {

// The Recent Scripts menu as the player sees it when it opens: the captions of its scripts.
QStringList recentMenu(Harness &h)
{
    auto *menu = h.find<QMenu>(QStringLiteral("RecentScripts1"));
    emit menu->aboutToShow();
    QStringList captions;
    for (QAction *item : menu->actions()) {
        if (item->objectName() == QStringLiteral("RecentFile%1").arg(captions.size() + 1))
            captions << item->text();
    }
    return captions;
}

QStringList numbered(const QStringList &paths)
{
    QStringList captions;
    for (const QString &path : paths)
        captions << QStringLiteral("&%1 %2").arg(captions.size() + 1).arg(path);
    return captions;
}

} // namespace

class RecentTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // Each test starts with no recent script and no folder used last.
        Settings().clear();
    }

    // The eight scripts opened or saved last, most recent first, each once, kept between runs;
    // one that is gone leaves the list when chosen.
    void recentScripts()
    {
        QTemporaryDir dir;
        QStringList paths;
        for (int i = 1; i <= 9; ++i) {
            paths << Harness::writeFile(dir.filePath(QStringLiteral("s%1.cfg").arg(i)),
                                        QByteArray("script ") + QByteArray::number(i));
        }
        const QString saved = dir.filePath(QStringLiteral("saved.cfg"));
        {
            Harness h;
            QCOMPARE(recentMenu(h), QStringList());
            QVERIFY(!h.find<QAction>(QStringLiteral("ClearRecent1"))->isEnabled());
            h.fakes.dialogs.openAnswers = paths;
            for (int i = 0; i < 9; ++i)
                h.trigger(QStringLiteral("Open1"));
            h.fakes.dialogs.saveAnswers << saved;
            h.trigger(QStringLiteral("SaveAs1"));
            QCOMPARE(recentMenu(h),
                     numbered({saved, paths[8], paths[7], paths[6], paths[5], paths[4], paths[3],
                               paths[2]}));

            h.trigger(QStringLiteral("RecentFile6"));
            QCOMPARE(h.text(), QStringLiteral("script 5"));
            QCOMPARE(recentMenu(h),
                     numbered({paths[4], saved, paths[8], paths[7], paths[6], paths[5], paths[3],
                               paths[2]}));
            QCOMPARE(h.fakes.dialogs.messages.size(), 0);
        }
        Harness h;
        QVERIFY(QFile::remove(paths[8]));
        recentMenu(h);
        h.trigger(QStringLiteral("RecentFile3"));
        QCOMPARE(h.fakes.dialogs.messages.size(), 1);
        QCOMPARE(h.fakes.dialogs.lastError(),
                 QStringLiteral("Cannot open file \"%1\". No such file or directory.")
                         .arg(paths[8]));
        QCOMPARE(recentMenu(h),
                 numbered({paths[4], saved, paths[7], paths[6], paths[5], paths[3], paths[2]}));
        QCOMPARE(h.text(), QStringLiteral("\r\n"));

        h.trigger(QStringLiteral("ClearRecent1"));
        QCOMPARE(recentMenu(h), QStringList());
    }

    // The dialogs open in the folder used last, the first time in a game folder, and always
    // offer the game folders of this machine in their side bar.
    void dialogPlaces()
    {
        QTemporaryDir home;
        QTemporaryDir elsewhere;
        // The player's home is a folder of the test's own until the test ends.
        struct HomeBack
        {
            QByteArray real = qgetenv("HOME");
            ~HomeBack() { qputenv("HOME", real); }
        } homeBack;
        qputenv("HOME", QFile::encodeName(home.path()));
        const QString etmain = home.filePath(QStringLiteral(".etwolf/etmain"));
        const QString legacy = home.filePath(QStringLiteral(".etlegacy/legacy"));
        QVERIFY(QDir().mkpath(etmain));
        QCOMPARE(gameScriptFolders(), QStringList {etmain});
        QVERIFY(QDir().mkpath(legacy));
        QCOMPARE(gameScriptFolders(), (QStringList {legacy, etmain}));
        const QList<QUrl> sideBar {QUrl::fromLocalFile(legacy), QUrl::fromLocalFile(etmain)};

        const QString other
                = Harness::writeFile(elsewhere.filePath(QStringLiteral("a.cfg")), "a\r\n");
        {
            Harness h;
            // The game's folder comes first: ET: Legacy's legacy folder.
            h.chooseGame(Game::Version::Legacy);
            h.fakes.dialogs.openAnswers << other;
            h.trigger(QStringLiteral("Open1"));
            h.trigger(QStringLiteral("SaveAs1"));
            const FilePlaces first = h.fakes.dialogs.openPlaces.first();
            QCOMPARE(first.folder, legacy);
            QCOMPARE(first.sideBar, sideBar);
            const FilePlaces then = h.fakes.dialogs.savePlaces.first();
            QCOMPARE(then.folder, elsewhere.path());
            QCOMPARE(then.sideBar, sideBar);
        }
        // For ET 2.60b, its etmain folder.
        Settings().clear();
        Harness h;
        h.chooseGame(Game::Version::Legacy);
        h.chooseGame(Game::Version::Et260b);
        h.fakes.dialogs.openAnswers << QString();
        h.trigger(QStringLiteral("Open1"));
        QCOMPARE(h.fakes.dialogs.openPlaces.size(), 1);
        const FilePlaces places = h.fakes.dialogs.openPlaces.first();
        QCOMPARE(places.folder, etmain);
        QCOMPARE(places.sideBar,
                 (QList<QUrl> {QUrl::fromLocalFile(etmain), QUrl::fromLocalFile(legacy)}));
    }
};

TARVEX_TEST_MAIN(RecentTest)
#include "tst_recent.moc"
