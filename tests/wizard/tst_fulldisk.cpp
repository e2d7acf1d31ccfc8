// Saving when the disk fills up on the way: the save fails with the system's reason, nothing on
// disk changes, and the script stays guarded as not saved.
#include "support/Harness.h"
#include "wizard/ScriptFile.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QToolButton>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

namespace {

const QByteArray oldBytes = QByteArrayLiteral("//old script\r\nbind F1 \"vote yes\"\r\n");
const QString noSpace = QString::fromLocal8Bit(std::strerror(ENOSPC));

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// A save file whose disk fills up after `room` bytes: a write gets what still fits, and the
// next one fails as the file system would.
class FillingSaveFile : public QSaveFile
{
public:
    FillingSaveFile(const QString &name, qint64 room)
        : QSaveFile(name)
        , m_room(room)
    { }

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        if (m_room == 0) {
            setErrorString(noSpace);
            return -1;
        }
        const qint64 count = QSaveFile::writeData(data, qMin(length, m_room));
        m_room -= count;
        return count;
    }

private:
    qint64 m_room;
};

// A tmpfs of 64 KiB mounted on a folder for the length of a test, unmounted however the test
// ends.
class TinyDisk
{
public:
    explicit TinyDisk(const QString &folder)
        : m_folder(QFile::encodeName(folder))
    {
        if (::geteuid() != 0)
            m_problem = QStringLiteral("mounting a file system needs root");
        else if (::mount("tmpfs", m_folder.constData(), "tmpfs", 0, "size=64k") != 0)
            m_problem = QStringLiteral("cannot mount a tmpfs: ")
                    + QString::fromLocal8Bit(std::strerror(errno));
    }
    ~TinyDisk()
    {
        if (m_problem.isEmpty())
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    QString problem() const { return m_problem; }

private:
    QByteArray m_folder;
    QString m_problem;
};

// Fills the file system of `path` with that file, then frees one page: `room` bytes are left.
void fillLeaving(const QString &path, qint64 room)
{
    QFile fill(path);
    QVERIFY(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, '\0');
    while (fill.write(block) == block.size()) { }
    QVERIFY(fill.resize(fill.size() - room));
}

} // namespace

class FullDiskTest : public QObject
{
    Q_OBJECT

private slots:
    // A disk that takes part of the script, then no more: the message, and the old file kept.
    void failingWrites_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<qint64>("room");
        QTest::newRow("new file, disk full") << false << qint64(0);
        QTest::newRow("new file, part fits") << false << qint64(5000);
        QTest::newRow("old file, disk full") << true << qint64(0);
        QTest::newRow("old file, part fits") << true << qint64(5000);
    }
    void failingWrites()
    {
        QFETCH(bool, existing);
        QFETCH(qint64, room);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("script.cfg"));
        if (existing)
            writeFile(path, oldBytes);
        FillingSaveFile file(path, room);
        const QString message = writeScriptFile(file, QString(20000, QLatin1Char('x')));
        QCOMPARE(message, QStringLiteral("Cannot write file \"%1\". %2.").arg(path, noSpace));
        QCOMPARE(QFile::exists(path), existing);
        if (existing)
            QCOMPARE(Harness::readFile(path), oldBytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), existing ? 1 : 0);
    }

    // The real file system, full: saving from the window, a new file or over an old one.
    void saveOntoAFullDisk_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::newRow("new file") << false;
        QTest::newRow("old file") << true;
    }
    void saveOntoAFullDisk()
    {
        QFETCH(bool, existing);
        QTemporaryDir dir;
        TinyDisk disk(dir.path());
        if (!disk.problem().isEmpty())
            QSKIP(qPrintable(disk.problem()));
        const QString path = dir.filePath(QStringLiteral("script.cfg"));
        if (existing)
            writeFile(path, oldBytes);
        // One page left: less than the script, which still fits a save file's write buffer.
        fillLeaving(dir.filePath(QStringLiteral("fill")), 4096);

        Harness h;
        h.click(QStringLiteral("tbNew"));
        h.find<QCheckBox>(QStringLiteral("chkNotes"))->setChecked(true);
        h.find<QLineEdit>(QStringLiteral("edNotes"))->setText(QString(6000, QLatin1Char('n')));
        h.click(QStringLiteral("SpeedButton1"));
        h.nextUntil(10);
        QVERIFY(h.text().size() > 8192 && h.text().size() < 16384);
        h.fakes.dialogs.saveAnswers << path;
        h.trigger(QStringLiteral("SaveCFG1"));

        QCOMPARE(h.fakes.dialogs.messages.size(), 1);
        QCOMPARE(h.fakes.dialogs.lastError(),
                 QStringLiteral("Cannot write file \"%1\". %2.").arg(path, noSpace));
        QCOMPARE(Harness::readFile(path), existing ? oldBytes : QByteArray("<missing>"));
        const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        const QStringList expected {QStringLiteral("fill"), QStringLiteral("script.cfg")};
        QCOMPARE(left, existing ? expected : expected.mid(0, 1));
        QVERIFY(!h.find<QToolButton>(QStringLiteral("tbNew"))->isEnabled());
        QVERIFY(!h.window().close());
        QCOMPARE(h.fakes.dialogs.count(ShownMessage::Question), 1);
    }
};

TARVEX_TEST_MAIN(FullDiskTest)
#include "tst_fulldisk.moc"
