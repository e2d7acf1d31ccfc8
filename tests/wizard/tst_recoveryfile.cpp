// The recovery file: its format read and written byte for byte, damaged files refused, and the
// files of running copies kept apart from those left by copies that no longer run.
#include "support/Harness.h"
#include "wizard/RecoveryFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// The state tests/data/recovery_v1.recovery holds: a script with a line separator inside a
// line and a line that looks like the file's last record, a value over several lines.
RecoveryState sample()
{
    RecoveryState state;
    state.written = QDateTime(QDate(2026, 12, 7), QTime(14, 5, 9, 500));
    state.fileName = QStringLiteral("/home/player/et/etmain/my \"best\".cfg");
    state.sectionStyle = QStringLiteral("S1");
    state.shownLayers[int(Layer::Game)] = true;
    state.shownLayers[int(Layer::System)] = true;
    state.commandsOn[int(Command::ToolbarSave)] = true;
    state.caretAnchor = 3;
    state.caretPosition = 12;
    state.fields = {{QStringLiteral("0/text/edName"), QStringLiteral("line one\nline two")},
                    {QStringLiteral("2/index/cbVsay"), QStringLiteral("33")}};
    state.script = QStringLiteral("//ET config\u2029seta name \"A\u2028B\"\u2029end 0\u2029");
    return state;
}

void compareStates(const RecoveryState &read, const RecoveryState &expected)
{
    QCOMPARE(read.written, expected.written);
    QCOMPARE(read.fileName, expected.fileName);
    QCOMPARE(read.game, expected.game);
    QCOMPARE(read.sectionStyle, expected.sectionStyle);
    QVERIFY(read.shownLayers == expected.shownLayers);
    QVERIFY(read.commandsOn == expected.commandsOn);
    QCOMPARE(read.caretAnchor, expected.caretAnchor);
    QCOMPARE(read.caretPosition, expected.caretPosition);
    QCOMPARE(read.fields, expected.fields);
    QCOMPARE(read.script, expected.script);
}

int recoveryFiles()
{
    return QDir(RecoveryFiles::folder()).entryList({QStringLiteral("*.recovery")}).size();
}

} // namespace

class RecoveryFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_folder.isValid());
        QDir(m_folder.path()).removeRecursively();
        QDir().mkpath(m_folder.path());
        RecoveryFiles::setFolder(m_folder.path());
    }

    void format()
    {
        const QByteArray file = Harness::data(QStringLiteral("recovery_v1.recovery"));
        QCOMPARE(Recovery::encode(sample()), file);
        RecoveryState read;
        QString why;
        QVERIFY2(Recovery::decode(file, &read, &why), qPrintable(why));
        compareStates(read, sample());
    }

    // Whatever a file lacks, it is refused with a reason; the state handed in is left alone.
    void damagedFiles()
    {
        const QByteArray file = Harness::data(QStringLiteral("recovery_v1.recovery"));
        for (qsizetype size = 0; size < file.size(); ++size) {
            RecoveryState read;
            read.game = QStringLiteral("untouched");
            QString why;
            QVERIFY2(!Recovery::decode(file.left(size), &read, &why), qPrintable(file.left(size)));
            QVERIFY(!why.isEmpty());
            QCOMPARE(read.game, QStringLiteral("untouched"));
        }
        RecoveryState read;
        QString why;
        QByteArray newer = file;
        newer.replace("Tarvex recovery 1\n", "Tarvex recovery 2\n");
        QVERIFY(!Recovery::decode(newer, &read, &why));
        QCOMPARE(why, QStringLiteral("it was written by a newer version of Tarvex"));
        QByteArray badLayers = file;
        badLayers.replace("00010100000", "0001010000x");
        QVERIFY(!Recovery::decode(badLayers, &read, &why));
        QCOMPARE(why, QStringLiteral("its layers is damaged"));
        QVERIFY(!Recovery::decode("#!/bin/sh\nrm -rf /\n", &read, &why));
        QCOMPARE(why, QStringLiteral("it is not a Tarvex recovery file"));
    }

    // Two copies that run at the same time never take each other's file; once one has gone
    // without removing its file, the other finds that file left.
    void runningCopiesKeepApart()
    {
        auto first = std::make_unique<RecoveryFiles>();
        RecoveryFiles second;
        RecoveryState state = sample();
        QCOMPARE(first->write(Recovery::encode(state)), QString());
        state.game = QStringLiteral("second");
        QCOMPARE(second.write(Recovery::encode(state)), QString());
        QVERIFY(first->path() != second.path());
        first->flush();
        second.flush();
        QCOMPARE(recoveryFiles(), 2);
        QStringList problems;
        QVERIFY(second.claimLeft(&problems).isEmpty());
        QVERIFY(problems.isEmpty());

        const QString firstPath = first->path();
        first.reset();
        const QList<RecoveryFiles::Left> left = second.claimLeft(&problems);
        QCOMPARE(left.size(), 1);
        QCOMPARE(left[0].path, firstPath);
        QCOMPARE(left[0].state.game, QString());
        // A third copy starting meanwhile does not offer it too.
        RecoveryFiles third;
        QVERIFY(third.claimLeft(&problems).isEmpty());
        second.discard(firstPath);
        QCOMPARE(recoveryFiles(), 1);
        second.remove();
        second.flush();
        QCOMPARE(recoveryFiles(), 0);
    }

    // Unreadable files are set aside and reported once; the readable ones come newest first.
    void leftFiles()
    {
        RecoveryState older = sample();
        RecoveryState newer = sample();
        newer.written = older.written.addSecs(60);
        const QString folder = m_folder.path() + QLatin1Char('/');
        Harness::writeFile(folder + QStringLiteral("a.recovery"), Recovery::encode(older));
        Harness::writeFile(folder + QStringLiteral("b.recovery"),
                           Recovery::encode(older).chopped(1));
        Harness::writeFile(folder + QStringLiteral("c.recovery"), Recovery::encode(newer));
        Harness::writeFile(folder + QStringLiteral("b.recovery.bad"), "an earlier one");

        RecoveryFiles files;
        QStringList problems;
        const QList<RecoveryFiles::Left> left = files.claimLeft(&problems);
        QCOMPARE(left.size(), 2);
        QCOMPARE(left[0].path, folder + QStringLiteral("c.recovery"));
        QCOMPARE(left[1].path, folder + QStringLiteral("a.recovery"));
        QCOMPARE(problems,
                 QStringList {QStringLiteral("The recovery file %1b.recovery could not be read: it "
                                             "was cut short. It was kept as %1b.recovery.2.bad.")
                                      .arg(QDir::toNativeSeparators(folder))});
        QCOMPARE(Harness::readFile(folder + QStringLiteral("b.recovery.bad")), "an earlier one");
        QCOMPARE(Harness::readFile(folder + QStringLiteral("b.recovery.2.bad")),
                 Recovery::encode(older).chopped(1));

        files.release(left[0].path);
        files.release(left[1].path);
        RecoveryFiles later;
        QCOMPARE(later.claimLeft(&problems).size(), 2);
        QCOMPARE(problems.size(), 1);
    }

private:
    QTemporaryDir m_folder;
};

TARVEX_TEST_MAIN(RecoveryFileTest)
#include "tst_recoveryfile.moc"
