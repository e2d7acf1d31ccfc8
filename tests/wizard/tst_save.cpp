// Saving the script: whole runs compared byte for byte with files written by hand, and every
// way a save can go wrong without losing the player's work.
#include "platform/Settings.h"
#include "support/Harness.h"
#include "wizard/ScriptFile.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QToolButton>

#include <unistd.h>

namespace {
bool newAvailable(Harness &h)
{
    return h.find<QToolButton>(QStringLiteral("tbNew"))->isEnabled();
}
} // namespace

class SaveTest : public QObject
{
    Q_OBJECT

private slots:
    // Each test writes for ET 2.60b unless it chooses otherwise.
    void init() { Settings().clear(); }

    void defaultRun_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<Game::Version>("game");
        QTest::newRow("S1") << "S1"
                            << "default_s1.cfg" << Game::Version::Et260b;
        QTest::newRow("S2") << "S2"
                            << "default_s2.cfg" << Game::Version::Et260b;
        QTest::newRow("SN") << "SN"
                            << "default_sn.cfg" << Game::Version::Et260b;
        QTest::newRow("ET: Legacy S1") << "S1"
                                       << "default_etl.cfg" << Game::Version::Legacy;
    }
    void defaultRun()
    {
        QFETCH(QString, style);
        QFETCH(QString, expected);
        QFETCH(Game::Version, game);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("run.cfg"));
        Harness h;
        h.click(QStringLiteral("tbNew"));
        h.chooseStyle(style);
        h.chooseGame(game);
        h.click(QStringLiteral("SpeedButton1"));
        h.nextUntil(10);
        h.fakes.dialogs.saveAnswers << path;
        h.trigger(QStringLiteral("SaveCFG1"));
        QCOMPARE(Harness::readFile(path), Harness::data(expected));
        QVERIFY(newAvailable(h));
        QCOMPARE(h.fakes.dialogs.messages.size(), 0);
    }

    void saveBeforeNew()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("empty.cfg"));
        Harness h;
        h.fakes.dialogs.saveAnswers << path;
        h.click(QStringLiteral("tbSave"));
        QCOMPARE(Harness::readFile(path), QByteArray("\r\n"));
        QVERIFY(newAvailable(h));
    }

    void saveReplacesAnExistingFileAndOffersTheLastName()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.cfg"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(5000, 'x'));
        }
        Harness h;
        h.startRun();
        h.fakes.dialogs.saveAnswers << path << QString();
        h.click(QStringLiteral("tbSave"));
        QCOMPARE(Harness::readFile(path), h.text().toUtf8());
        h.nextUntil(10);
        h.trigger(QStringLiteral("SaveAs1"));
        QCOMPARE(h.fakes.dialogs.saveSuggestions, (QStringList {QString(), path}));
    }

    // A failed save shows the error box, leaves any old file as it was, and New unavailable.
    void failedSave_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("folder gone") << QStringLiteral("/nonexistent-tarvex-folder/a.cfg");
        QTest::newRow("system folder") << QStringLiteral("/proc/tarvex.cfg");
    }
    void failedSave()
    {
        QFETCH(QString, path);
        Harness h;
        h.startRun();
        const QString before = h.text();
        h.fakes.dialogs.saveAnswers << path;
        h.click(QStringLiteral("tbSave"));
        QCOMPARE(h.fakes.dialogs.messages.size(), 1);
        const QString message = h.fakes.dialogs.lastError();
        QVERIFY2(message.startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)),
                 qPrintable(message));
        QVERIFY(message.endsWith(QLatin1Char('.')));
        QVERIFY(!message.endsWith(QStringLiteral("..")));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(h.text(), before);
        QVERIFY(!newAvailable(h));
    }

    void readOnlyFolderKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.cfg"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old contents\r\n");
        }
        // A protected folder: read-only for an ordinary user; root writes anywhere, so for root
        // the folder is made immutable instead.
        const bool root = ::geteuid() == 0;
        if (root) {
            if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), dir.path()})
                != 0)
                QSKIP("the folder cannot be protected here");
        } else {
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        }
        const QString message = writeScriptFile(path, QStringLiteral("new\r\n"));
        if (root)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), dir.path()});
        else
            QFile::setPermissions(dir.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(message.startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)),
                 qPrintable(message));
        QCOMPARE(Harness::readFile(path), QByteArray("old contents\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"kept.cfg"});
    }

    void cancelledSaveWritesNothing()
    {
        QTemporaryDir dir;
        Harness h;
        h.startRun();
        h.click(QStringLiteral("tbSave"));
        QVERIFY(newAvailable(h));
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // The player removed the final line break, then began another run.
    void removedFinalBreakThenAnotherRun()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("joined.cfg"));
        Harness h;
        h.startRun();
        h.nextUntil(10);
        QTextCursor cursor(h.window().editor()->document());
        cursor.movePosition(QTextCursor::End);
        cursor.deletePreviousChar();
        const QString edited = h.text();
        QVERIFY(edited.endsWith(
                QStringLiteral("//-----------------------------------------------\r\n ")));
        h.fakes.dialogs.saveAnswers << QString() << path;
        h.click(QStringLiteral("tbSave"));
        h.click(QStringLiteral("tbNew"));
        h.click(QStringLiteral("SpeedButton1"));
        QCOMPARE(h.text(),
                 edited
                         + QStringLiteral("\r\n//My CFG\r\n//Name: Jorin Vale\r\n \r\n "
                                          "\r\n \r\n \r\n "));
        h.click(QStringLiteral("tbSave"));
        QCOMPARE(Harness::readFile(path), h.text().toUtf8());
        QVERIFY(!Harness::readFile(path).endsWith("\r\n"));
    }

    // Two runs appended one after the other in one saved file.
    void twoRunsInOneFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("two.cfg"));
        Harness h;
        h.startRun();
        h.nextUntil(10);
        h.fakes.dialogs.saveAnswers << QString() << path;
        h.click(QStringLiteral("tbSave"));
        h.startRun();
        h.nextUntil(10);
        h.click(QStringLiteral("tbSave"));
        const QByteArray one = Harness::data(QStringLiteral("default_s1.cfg"));
        // The second run begins where the first one ended: no second empty first line.
        QCOMPARE(Harness::readFile(path), one + one.mid(2));
    }

    void savedFileUsesTheSystemCodePage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("utf.cfg"));
        const QString text = QStringLiteral("\r\n//\u00e9\u00df\u0416\U0001F600\r\n");
        QCOMPARE(writeScriptFile(path, text), QString());
        // The system's 8-bit code page is UTF-8 here; no byte-order mark.
        QCOMPARE(Harness::readFile(path), text.toUtf8());
    }
};

TARVEX_TEST_MAIN(SaveTest)
#include "tst_save.moc"
