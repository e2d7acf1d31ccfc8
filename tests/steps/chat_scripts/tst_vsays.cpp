#include "support/Harness.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QSet>

namespace {

// Replaces a field's text the way a player does: select all, then type.
void type(QLineEdit *edit, const QString &text)
{
    Harness::retype(edit, text);
    QCOMPARE(edit->text(), text);
}

} // namespace

class VSaysTest : public QObject
{
    Q_OBJECT
private slots:
    // The game's messages in the game's order, each offered once.
    void vsayList()
    {
        Harness h;
        auto *combo = h.find<QComboBox>(QStringLiteral("cbVsay"));
        QCOMPARE(combo->count(), 48);
        QCOMPARE(combo->currentText(), QStringLiteral("PathCleared"));
        QCOMPARE(combo->itemText(0), QStringLiteral("PathCleared"));
        QCOMPARE(combo->itemText(1), QStringLiteral("EnemyWeak"));
        QCOMPARE(combo->itemText(15), QStringLiteral("HoldFire"));
        QCOMPARE(combo->itemText(33), QStringLiteral("Hi"));
        QCOMPARE(combo->itemText(38), QStringLiteral("CommandAcknowledged"));
        QCOMPARE(combo->itemText(47), QStringLiteral("EscortVehicle"));
        QSet<QString> seen;
        for (int i = 0; i < combo->count(); ++i)
            seen.insert(combo->itemText(i));
        QCOMPARE(seen.size(), combo->count());
    }

    // Lines land in press order, one per press, framed by nothing; Next adds nothing.
    void pressesInOrderAndNextWritesNothing()
    {
        Harness h;
        h.startRun();
        h.nextUntil(2);
        const QString vsay = QStringLiteral("bind F5 \"vsay PathCleared\"");
        const QString say = QStringLiteral("bind F6 \"say Hi all!\"");
        QStringList pressed;
        // The last press repeats the Add before it: the key is not bound twice.
        for (const char *button : {"btnVsayAdd", "btnSayAdd", "btnVsayAdd", "btnVsayAdd"})
            pressed << h.press(QLatin1String(button));
        QCOMPARE(pressed, (QStringList {vsay, say, vsay}));

        const QString before = h.text();
        QCOMPARE(h.pressNext(2), QStringList());
        QCOMPARE(h.text(), before);

        // Between the Controls footer and the next step's heading, only the pressed lines.
        h.pressNext(3);
        const QStringList lines = h.lines();
        const int first = lines.indexOf(vsay);
        QVERIFY(first > 0);
        QCOMPARE(lines[first - 1], QStringLiteral(" "));
        QCOMPARE(lines[first - 2], QStringLiteral("//") + QString(47, QLatin1Char('-')));
        QCOMPARE(lines.mid(first, 5),
                 (QStringList {vsay, say, vsay, QStringLiteral("//Scripts part 1 ---"),
                               QStringLiteral(" ")}));
    }

    void typedFields_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("line");
        QTest::newRow("vsay, empty key") << "btnVsayAdd"
                                         << ""
                                         << "PathCleared"
                                         << "//bind  \"vsay PathCleared\"";
        QTest::newRow("vsay, empty message") << "btnVsayAdd"
                                             << "F5"
                                             << ""
                                             << "bind F5 \"vsay \"";
        QTest::newRow("vsay, not in the list") << "btnVsayAdd"
                                               << "k"
                                               << "FireInTheHole!! now"
                                               << "bind k \"vsay FireInTheHole!! now\"";
        QTest::newRow("vsay, case kept") << "btnVsayAdd"
                                         << "x"
                                         << "medic"
                                         << "bind x \"vsay medic\"";
        QTest::newRow("say, double quote") << "btnSayAdd"
                                           << "F6"
                                           << "I said \"go\""
                                           << "bind F6 \"say I said 'go'\"";
        QTest::newRow("say, blanks kept") << "btnSayAdd"
                                          << " F6 "
                                          << " gg "
                                          << "bind  F6  \"say  gg \"";
        QTest::newRow("say, both empty") << "btnSayAdd"
                                         << ""
                                         << ""
                                         << "//bind  \"say \"";
    }

    void typedFields()
    {
        QFETCH(QString, button);
        QFETCH(QString, key);
        QFETCH(QString, message);
        QFETCH(QString, line);
        Harness h;
        h.startRun();
        h.nextUntil(2);
        const bool vsay = button == QLatin1String("btnVsayAdd");
        // Blanks go into a key field only pasted: the space bar sets SPACE.
        const QString keyField = vsay ? QStringLiteral("edVs") : QStringLiteral("edS");
        h.paste(keyField, key);
        QCOMPARE(h.find<QLineEdit>(keyField)->text(), key);
        type(vsay ? h.find<QComboBox>(QStringLiteral("cbVsay"))->lineEdit()
                  : h.find<QLineEdit>(QStringLiteral("edTexthere")),
             message);
        QCOMPARE(h.press(button), QStringList {line});
        // The fields keep what was typed: the same press again binds nothing twice.
        const QString before = h.text();
        QCOMPARE(h.press(button), QStringList {});
        QCOMPARE(h.text(), before);
    }

    // Each Add shows under its box; Remove takes that line out of the script again.
    void addedListAndRemove()
    {
        Harness h;
        h.goToStep(2);
        h.click(QStringLiteral("btnVsayAdd"));
        h.retype(QStringLiteral("edVs"), QStringLiteral("F7"));
        h.retype(QStringLiteral("cbVsay"), QStringLiteral("Medic"));
        h.click(QStringLiteral("btnVsayAdd"));
        h.click(QStringLiteral("btnSayAdd"));
        auto *vsays = h.find<QListWidget>(QStringLiteral("lstVsays"));
        auto *says = h.find<QListWidget>(QStringLiteral("lstSays"));
        QCOMPARE(items(vsays), (QStringList {"F5: PathCleared", "F7: Medic"}));
        QCOMPARE(items(says), QStringList {"F6: Hi all!"});

        // Pressed again, the say is refused, and the page says why.
        QCOMPARE(h.press(QStringLiteral("btnSayAdd")), QStringList {});
        QCOMPARE(h.find<QLabel>(QStringLiteral("lblAddNote"))->text(),
                 QStringLiteral("F6 is bound to \"Hi all!\" already: it was not added again."));
        QCOMPARE(items(says), QStringList {"F6: Hi all!"});

        QTest::mouseClick(vsays->viewport(), Qt::LeftButton, {},
                          vsays->visualItemRect(vsays->item(0)).center());
        h.click(QStringLiteral("btnVsayRemove"));
        QCOMPARE(items(vsays), QStringList {"F7: Medic"});
        h.nextUntil(10, 2);
        QCOMPARE(h.text().toLatin1(), Harness::data(QStringLiteral("vsays_removed_sn.cfg")));
    }

    // Text typed and not added is asked about at Next: Add writes it, Skip goes on without it,
    // Cancel stays on the screen.
    void askedAtNext_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<bool>("onward");
        QTest::newRow("Add") << int(QMessageBox::Yes) << QStringList {"bind F6 \"say gg\""} << true;
        QTest::newRow("Skip") << int(QMessageBox::No) << QStringList {} << true;
        QTest::newRow("Cancel") << int(QMessageBox::Cancel) << QStringList {} << false;
    }
    void askedAtNext()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, written);
        QFETCH(bool, onward);
        Harness h;
        h.goToStep(2);
        h.retype(QStringLiteral("edTexthere"), QStringLiteral("gg"));
        h.fakes.dialogs.chooseAnswers = {QMessageBox::StandardButton(answer)};
        QCOMPARE(h.pressNext(2), written);
        QCOMPARE(h.fakes.dialogs.messages.size(), 1);
        QCOMPARE(h.fakes.dialogs.messages[0].text,
                 QStringLiteral("Add the say \"gg\" on F6 first?"));
        QCOMPARE(h.fakes.dialogs.chooseButtons[0], (QStringList {"&Add", "&Skip", "Cancel"}));
        Layer shown;
        QVERIFY(h.visibleLayer(&shown));
        QCOMPARE(shown, onward ? Layer::Scripts1 : Layer::VSays);
    }

private:
    static QStringList items(QListWidget *list)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }
};

TARVEX_TEST_MAIN(VSaysTest)
#include "tst_vsays.moc"
