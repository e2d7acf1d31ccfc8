#include "support/Harness.h"

#include <QComboBox>
#include <QLineEdit>

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
    void vsayList()
    {
        Harness h;
        auto *combo = h.find<QComboBox>(QStringLiteral("cbVsay"));
        QCOMPARE(combo->count(), 50);
        QCOMPARE(combo->currentText(), QStringLiteral("PathCleared"));
        QCOMPARE(combo->itemText(0), QStringLiteral("PathCleared"));
        QCOMPARE(combo->itemText(1), QStringLiteral("EnemyWeak"));
        QCOMPARE(combo->itemText(33), QStringLiteral("EnemyWeak"));
        QCOMPARE(combo->itemText(15), QStringLiteral("HoldFire"));
        QCOMPARE(combo->itemText(38), QStringLiteral("HoldFire"));
        QCOMPARE(combo->itemText(40), QStringLiteral("CommandAcknowledged"));
        QCOMPARE(combo->itemText(49), QStringLiteral("EscortVehicle"));
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
        for (const char *button : {"btnVsayAdd", "btnSayAdd", "btnVsayAdd", "btnVsayAdd"})
            pressed << h.press(QLatin1String(button));
        QCOMPARE(pressed, (QStringList {vsay, say, vsay, vsay}));

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
        QCOMPARE(lines.mid(first, 6),
                 (QStringList {vsay, say, vsay, vsay, QStringLiteral("//Scripts part 1 ---"),
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
        // The fields keep what was typed: the same press writes the same line again.
        QCOMPARE(h.press(button), QStringList {line});
    }

    // Item 34 is the second "EnemyWeak": picking it writes the same line as item 2.
    void secondCopyOfAnItem()
    {
        Harness h;
        h.startRun();
        h.nextUntil(2);
        auto *combo = h.find<QComboBox>(QStringLiteral("cbVsay"));
        combo->setFocus();
        for (int i = 0; i < 33; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentIndex(), 33);
        QCOMPARE(h.press(QStringLiteral("btnVsayAdd")),
                 QStringList {QStringLiteral("bind F5 \"vsay EnemyWeak\"")});
    }
};

TARVEX_TEST_MAIN(VSaysTest)
#include "tst_vsays.moc"
