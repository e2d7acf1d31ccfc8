// A key field shows what the game will make of its key as the player types it: a name the game
// does not know, no key, or a key bound twice, on its screen or earlier in the script.
#include "support/Harness.h"

#include "steps/keys/KeyField.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolTip>

namespace {

const QColor warningColour(0xa6, 0x1b, 0x1b);

bool shownAsWarning(const QLineEdit *field)
{
    return field->palette().color(QPalette::Text) == warningColour;
}

} // namespace

class KeyCheckTest : public QObject
{
    Q_OBJECT

private slots:
    // The same screen, an earlier step, unchecked rows, and names as the game compares them.
    void keysBoundTwice()
    {
        Harness h;
        h.goToStep(1);
        // The keys the screen starts with are all fine.
        for (const KeyField *field : h.find<QWidget>("pnlControls")->findChildren<KeyField *>())
            QVERIFY2(field->accessibleDescription().isEmpty(), qPrintable(field->objectName()));
        auto *forward = h.find<KeyField>("edForward");
        auto *back = h.find<KeyField>("edBack1");
        Harness::retype(back, "w");
        QCOMPARE(back->accessibleDescription(),
                 QString("W is also bound by \"Forward:\" (step 1)"));
        QCOMPARE(forward->accessibleDescription(),
                 QString("W is also bound by \"Back:\" (step 1)"));
        QVERIFY(shownAsWarning(back));
        // An unchecked row neither counts nor is shown.
        h.setChecked("chkFoward", false);
        QCOMPARE(back->accessibleDescription(), QString());
        QCOMPARE(forward->accessibleDescription(), QString());
        h.setChecked("chkFoward", true);
        QCOMPARE(back->accessibleDescription(),
                 QString("W is also bound by \"Forward:\" (step 1)"));
        h.setChecked("chkBack", false);
        QCOMPARE(forward->accessibleDescription(), QString());
        h.setChecked("chkBack", true);
        Harness::retype(back, ";");
        // Next writes the lines all the same.
        QVERIFY(h.pressNext(1).contains("bind W \"+forward\""));

        // Step 2: keys of the lines written so far, named as the game names them.
        auto *vsayKey = h.find<KeyField>("edVs");
        QCOMPARE(vsayKey->accessibleDescription(), QString());
        Harness::retype(vsayKey, "w");
        QCOMPARE(vsayKey->accessibleDescription(),
                 QString("w is also bound by \"Forward:\" (step 1)"));
        Harness::retype(vsayKey, ";");
        QCOMPARE(vsayKey->accessibleDescription(),
                 QString("; is also bound by \"Back:\" (step 1)"));
        // A line that an Add wrote: bound again to the same message it is no second binding.
        Harness::retype(vsayKey, "F5");
        h.click("btnVsayAdd");
        QCOMPARE(vsayKey->accessibleDescription(), QString());
        Harness::retype(h.find<QComboBox>("cbVsay"), "Medic");
        QCOMPARE(vsayKey->accessibleDescription(),
                 QString("F5 is also bound by \"Vsays Key:\" (step 2)"));
        auto *sayKey = h.find<KeyField>("edS");
        Harness::retype(sayKey, "f1");
        QCOMPARE(sayKey->accessibleDescription(),
                 QString("f1 is also bound by \"Vote Yes:\" (step 1)"));
        h.fakes.dialogs.chooseAnswers = {QMessageBox::No, QMessageBox::No};
        h.click(Harness::nextButton(2));

        // Step 3: a script's keys count once its box is checked.
        auto *gammaUp = h.find<KeyField>("edGamma");
        auto *gammaDown = h.find<KeyField>("edGamma1");
        Harness::retype(gammaUp, "mouse4");
        Harness::retype(gammaDown, "Mouse4");
        QCOMPARE(gammaDown->accessibleDescription(), QString());
        h.setChecked("chkGamma");
        QCOMPARE(gammaDown->accessibleDescription(),
                 QString("Mouse4 is also bound by \"Gamma Select Increase Gamma:\" (step 3)"));
    }

    // Why a key field is red is on screen too: in the hint line while the field has the focus
    // or the pointer, and as its tool tip; the pointer over another control shows its hint.
    void warningOnScreen()
    {
        Harness h;
        h.goToStep(1);
        auto *hintLine = h.find<QLabel>(QStringLiteral("StatusPanel0"));
        auto *jump = h.focus<KeyField>(QStringLiteral("edJump1"));
        Harness::retype(jump, QStringLiteral("SPACEBAR"));
        QCOMPARE(jump->text(), QStringLiteral("SPACEBAR"));
        const QString unknown = QStringLiteral("\"SPACEBAR\" is not a key the game knows");
        QCOMPARE(hintLine->text(), unknown);
        QCOMPARE(jump->toolTip(), unknown);
        QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), jump->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(jump, &tip);
        QTRY_COMPARE(QToolTip::text(), unknown);
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());

        QEvent enter(QEvent::Enter);
        auto *forward = h.find<KeyField>(QStringLiteral("edForward"));
        QApplication::sendEvent(forward, &enter);
        QCOMPARE(hintLine->text(), forward->statusTip());
        QHelpEvent forwardTip(QEvent::ToolTip, QPoint(2, 2), forward->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(forward, &forwardTip);
        QTest::qWait(50);
        QVERIFY(!QToolTip::isVisible());
        QApplication::sendEvent(jump, &enter);
        QCOMPARE(hintLine->text(), unknown);

        // Typed to a key step 1 binds already: the reason changes under the pointer.
        Harness::retype(jump, QStringLiteral("w"));
        QCOMPARE(hintLine->text(), QStringLiteral("W is also bound by \"Forward:\" (step 1)"));
        Harness::retype(jump, QStringLiteral("J"));
        QCOMPARE(hintLine->text(), jump->statusTip());
        QCOMPARE(jump->toolTip(), QString());

        // Focus given to a red field shows its reason at once.
        Harness::retype(forward, QStringLiteral("J"));
        h.focus<KeyField>(QStringLiteral("edForward"));
        QCOMPARE(hintLine->text(), QStringLiteral("J is also bound by \"Jump:\" (step 1)"));
    }

    // A second script in the same run of the program goes on after the first one: its lines and
    // the player's own count, but the same lines written again do not.
    // In ET: Legacy ALT is the left Alt: LEFTALT is the same key. ET 2.60b knows no LEFTALT.
    void leftHandNames()
    {
        Harness h;
        h.chooseGame(Game::Version::Legacy);
        h.goToStep(1);
        auto *back = h.find<KeyField>("edBack1");
        Harness::retype(back, "leftalt");
        QCOMPARE(back->accessibleDescription(),
                 QString("LEFTALT is also bound by \"Player Stats:\" (step 1)"));
        h.chooseGame(Game::Version::Et260b);
        QCOMPARE(back->accessibleDescription(), QString("\"LEFTALT\" is not a key the game knows"));
    }

    void secondScript()
    {
        Harness h;
        h.goToStep(10);
        auto *editor = h.find<QPlainTextEdit>("Editor");
        editor->moveCursor(QTextCursor::Start);
        QTest::keyClicks(editor, "bind F8 \"quit\"");
        QTest::keyClick(editor, Qt::Key_Return);
        QTemporaryDir dir;
        h.fakes.dialogs.saveAnswers << dir.filePath("first.cfg");
        h.click("tbSave");
        h.startRun();
        const auto fields = h.find<QWidget>("pnlControls")->findChildren<KeyField *>();
        QCOMPARE(fields.size(), 46);
        for (const KeyField *field : fields)
            QVERIFY2(field->accessibleDescription().isEmpty(), qPrintable(field->objectName()));

        // F3 is Find Next now that the script view has been shown; here it is the key.
        KeyField *forward = h.focus<KeyField>("edForward");
        QTest::keyClick(forward, Qt::Key_F3);
        QCOMPARE(forward->text(), QString("F3"));
        QCOMPARE(forward->accessibleDescription(),
                 QString("F3 is also bound by \"Ready key:\" (step 9)"));
        Harness::retype(forward, "f8");
        QCOMPARE(forward->accessibleDescription(),
                 QString("F8 is also bound by line 1 of the script"));
    }

    void unknownNames_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("description");
        QTest::newRow("unknown") << 1 << "edForward"
                                 << "chkFoward" << true << "foo"
                                 << "\"FOO\" is not a key the game knows";
        QTest::newRow("unknown, unchecked") << 1 << "edForward"
                                            << "chkFoward" << false << "foo"
                                            << "\"FOO\" is not a key the game knows";
        QTest::newRow("two words") << 4 << "edWalk2"
                                   << "chkWalk" << true << " mouse 1 "
                                   << "\"mouse 1\" is not a key the game knows";
        QTest::newRow("not ASCII") << 2 << "edS"
                                   << "" << true << "\u00e9"
                                   << "\"\u00e9\" is not a key the game knows";
        QTest::newRow("quote") << 9 << "edReady"
                               << "" << true << "F\"3"
                               << "\" cannot be bound";
        QTest::newRow("empty") << 3 << "edGun"
                               << "chkGun" << true << ""
                               << "no key given";
        QTest::newRow("empty, unchecked") << 3 << "edGun"
                                          << "chkGun" << false << ""
                                          << "";
        QTest::newRow("name in lower case") << 3 << "edGun"
                                            << "chkGun" << true << "kp_plus"
                                            << "";
        QTest::newRow("semicolon, written as SEMICOLON") << 1 << "edForward"
                                                         << "chkFoward" << true << ";"
                                                         << "";
        QTest::newRow("one character") << 1 << "edForward"
                                       << "chkFoward" << true << "["
                                       << "";
        // Checked for the game version the script view checks for: ET 2.60b at first.
        QTest::newRow("a key of ET: Legacy only") << 1 << "edForward"
                                                  << "chkFoward" << true << "leftctrl"
                                                  << "\"LEFTCTRL\" is not a key the game knows";
    }
    void unknownNames()
    {
        QFETCH(int, step);
        QFETCH(QString, field);
        QFETCH(QString, box);
        QFETCH(bool, checked);
        QFETCH(QString, typed);
        QFETCH(QString, description);
        Harness h;
        h.goToStep(step);
        if (!box.isEmpty())
            h.setChecked(box, checked);
        auto *input = h.find<KeyField>(field);
        // The row's own hint, if any, then how to set the key; what is wrong does not go there.
        const QString hint = input->statusTip();
        const QString how = "(press a key or type its name)";
        QVERIFY2(hint == how || hint.endsWith(' ' + how), qPrintable(hint));
        h.paste(field, typed);
        QCOMPARE(input->statusTip(), hint);
        QCOMPARE(input->accessibleDescription(), description);
        QCOMPARE(shownAsWarning(input), !description.isEmpty());
        // An empty field has no text to colour: it says why in its place.
        if (typed.isEmpty())
            QCOMPARE(input->placeholderText(), description);
        h.paste(field, "F7");
        QCOMPARE(input->accessibleDescription(), QString());
        QVERIFY(!shownAsWarning(input));
    }
};

TARVEX_TEST_MAIN(KeyCheckTest)
#include "tst_keycheck.moc"
