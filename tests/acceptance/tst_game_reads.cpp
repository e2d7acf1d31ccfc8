// Whole scripts read back line by line the way each game version reads a script: a default
// run, a run with everything checked, and a run whose texts hold blanks, quotes, ';' and letters
// beyond ASCII. No line may make the game print an error or do other than the player meant.
// A script written for ET 2.60b is read by both games, one for ET: Legacy by ET: Legacy.
#include "GameReads.h"
#include "game/ConsoleLine.h"
#include "game/GameData.h"
#include "support/Harness.h"
#include "wizard/StepPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

using namespace Game;

class GameReadsTest : public QObject
{
    Q_OBJECT

    // Reads every line of a run as both game versions do: one known command, no comment that
    // runs on, no quote left open, no command cut short; a value for set, one value word for
    // seta, a known key and one quoted binding for bind.
    static void readBack(const QStringList &lines, const QVector<Version> &versions)
    {
        for (const QString &line : lines) {
            for (const Version version : versions) {
                const ConsoleLine read = readLine(line, version);
                const QByteArray where
                        = (displayName(version) + QStringLiteral(": ") + line).toUtf8();
                [&] {
                    QVERIFY2(read.commands.size() == 1, where);
                    QVERIFY2(read.commentSemicolons.isEmpty(), where);
                    QVERIFY2(!read.unbalancedQuote, where);
                    QVERIFY2(read.byteLength <= maxCommandBytes, where);
                    const QVector<Word> &words = read.commands.first().words;
                    if (words.isEmpty())
                        return;
                    QVERIFY2(findCommand(words[0].text), where);
                    const QString command = words[0].text;
                    // "set" joins the words after the name (the fixed chains use that), ET
                    // 2.60b's "seta" takes one value word.
                    if (command == QLatin1String("set")) {
                        QVERIFY2(words.size() >= 3, where);
                    } else if (command == QLatin1String("seta")) {
                        QVERIFY2(words.size() == 3, where);
                    } else if (command == QLatin1String("bind")) {
                        QVERIFY2(words.size() == 3 && words[2].quoted, where);
                        QVERIFY2(isKey(words[1].text, version), where);
                    }
                }();
                if (QTest::currentTestFailed())
                    return;
            }
        }
    }

    // The value or binding of the line that starts with `prefix`, as ET 2.60b reads it.
    static QString wordAfter(const QStringList &lines, const QString &prefix)
    {
        for (const QString &line : lines) {
            if (line.startsWith(prefix))
                return readLine(line, Version::Et260b).commands.first().words.value(2).text;
        }
        return QStringLiteral("<no line>");
    }

private slots:
    // Whole scripts read back as the game reads them: a default run, a run with everything
    // checked, and a run with the player's texts holding blanks, quotes, ';' and non-ASCII.
    void wholeRunsReadBack_data()
    {
        QTest::addColumn<QString>("run");
        QTest::addColumn<Version>("game");
        for (const Version game : allVersions) {
            const QByteArray name = displayName(game).toUtf8();
            QTest::addRow("%s defaults", name.data()) << "defaults" << game;
            QTest::addRow("%s everything checked", name.data()) << "everything" << game;
            QTest::addRow("%s hostile texts", name.data()) << "hostile" << game;
        }
    }
    void wholeRunsReadBack()
    {
        QFETCH(QString, run);
        QFETCH(Version, game);
        const QString nick = QStringLiteral("J\u00f6rg \"JJ\" Stra\u00dfe; quit");
        const QString server
                = QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442 \"srv\"; kick all");
        const QString say = QStringLiteral("Sch\u00f6ne \"Gr\u00fc\u00dfe\"; quit");
        const QString note = QStringLiteral("\u00dcnicode note; quit \"x\"");
        Harness h;
        h.click(QStringLiteral("tbNew"));
        h.chooseGame(game);
        if (run != QLatin1String("defaults")) {
            for (QCheckBox *box :
                 h.find<QWidget>(QStringLiteral("pnlStart"))->findChildren<QCheckBox *>())
                h.setChecked(box->objectName());
        }
        if (run == QLatin1String("hostile")) {
            h.paste(QStringLiteral("edNotes"), note);
            h.paste(QStringLiteral("edCFG"), say);
        }
        h.click(QStringLiteral("SpeedButton1"));
        int key = 0;
        for (int step = 1; step <= 9; ++step) {
            QWidget *page = h.window().stepPage(step);
            if (run == QLatin1String("everything")) {
                for (QCheckBox *box : page->findChildren<QCheckBox *>())
                    h.setChecked(box->objectName());
                // The script steps' keys start empty: the player types one for each script.
                for (QLineEdit *edit : page->findChildren<QLineEdit *>()) {
                    if (edit->text().isEmpty() && (step == 3 || step == 4))
                        h.paste(edit->objectName(), QString(QLatin1Char(char('a' + key++))));
                }
                if (step == 7)
                    h.click(QStringLiteral("rb1024"));
            } else if (run == QLatin1String("hostile")) {
                if (step == 2) {
                    h.paste(QStringLiteral("edTexthere"), say);
                    h.paste(QStringLiteral("edS"), QStringLiteral(";"));
                } else if (step == 4) {
                    h.setChecked(QStringLiteral("chkKill"));
                    h.paste(QStringLiteral("edKill"), QStringLiteral("K"));
                    h.paste(QStringLiteral("edKill1"), say);
                } else if (step == 5) {
                    h.paste(QStringLiteral("edNick"), nick);
                } else if (step == 8) {
                    h.setChecked(QStringLiteral("chkSN"));
                    h.paste(QStringLiteral("edServer"), server);
                }
            }
            if (step == 2) {
                h.click(QStringLiteral("btnVsayAdd"));
                h.click(QStringLiteral("btnSayAdd"));
            }
            h.click(Harness::nextButton(step));
        }
        const QStringList lines = h.lines();
        readBack(lines,
                 game == Version::Et260b
                         ? QVector<Version>(std::begin(allVersions), std::end(allVersions))
                         : QVector<Version> {game});
        if (QTest::currentTestFailed())
            return;
        // Every line does something in the game it is written for, and in ET: Legacy a
        // modifier binds both hands alike.
        const QStringList unread = GameReads::settingsUnread(lines, game);
        QVERIFY2(unread.isEmpty(), qPrintable(unread.join(QLatin1Char('|'))));
        if (game == Version::Legacy) {
            const QStringList oneSided = GameReads::oneSidedModifiers(lines);
            QVERIFY2(oneSided.isEmpty(), qPrintable(oneSided.join(QLatin1Char('|'))));
        }
        if (run != QLatin1String("hostile"))
            return;

        // The player's own texts, as the game keeps them.
        QCOMPARE(wordAfter(lines, QStringLiteral("seta name ")),
                 QStringLiteral("J\u00f6rg 'JJ' Stra\u00dfe; quit"));
        QCOMPARE(wordAfter(lines, QStringLiteral("set sv_hostname ")),
                 QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442 'srv'; kick all"));
        const QString said = QStringLiteral("say Sch\u00f6ne 'Gr\u00fc\u00dfe', quit");
        QCOMPARE(wordAfter(lines, QStringLiteral("bind SEMICOLON ")), said);
        QCOMPARE(wordAfter(lines, QStringLiteral("bind K ")), QStringLiteral("kill;") + said);
        QVERIFY(lines.contains(QStringLiteral("//Notes: \u00dcnicode note, quit \"x\"")));
        QVERIFY(lines.contains(QStringLiteral("//Sch\u00f6ne \"Gr\u00fc\u00dfe\", quit")));
        // When the key is pressed the binding runs again: the say stays one command.
        for (const Version version : allVersions)
            QCOMPARE(readLine(said, version).commands.size(), 1);
    }
};

TARVEX_TEST_MAIN(GameReadsTest)
#include "tst_game_reads.moc"
