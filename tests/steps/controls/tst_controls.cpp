#include "support/Harness.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>

namespace {

// Every row with its default key, in the order the step writes them.
const QStringList defaultRows = {
        "bind W \"+forward\"",
        "bind S \"+back\"",
        "bind A \"+moveleft\"",
        "bind D \"+moveright\"",
        "bind Q \"+leanleft\"",
        "bind E \"+leanright\"",
        "bind SPACE \"+moveup\"",
        "bind C \"+movedown\"",
        "bind X \"+prone\"",
        "bind CAPSLOCK \"+speed\"",
        "bind SHIFT \"+sprint\"",
        "bind F \"+activate\"",
        "seta sensitivity 6",
        "bind T \"messagemode\"",
        "bind Y \"messagemode2\"",
        "bind V \"mp_quickmessage\"",
        "bind TAB \"+scores\"",
        "bind L \"openlimbomenu\"",
        "bind G \"+mapexpand\"",
        "bind . \"mapzoomin\"",
        "bind , \"mapzoomout\"",
        "bind ALT \"+stats\"",
        "bind CTRL \"+topshots\"",
        "bind MOUSE1 \"+attack\"",
        "bind MOUSE2 \"weapalt\"",
        "bind R \"+reload\"",
        "bind B \"+zoom\"",
        "bind F1 \"vote yes\"",
        "bind F2 \"vote no\"",
        "bind F11 \"screenshot\"",
        "bind F12 \"record\"",
        "bind MWHEELUP \"weapnext\"",
        "bind MWHEELDOWN \"weapprev\"",
        "bind 1 \"weaponbank 1\"",
        "bind 2 \"weaponbank 2\"",
        "bind 3 \"weaponbank 3\"",
        "bind 4 \"weaponbank 4\"",
        "bind 5 \"weaponbank 5\"",
        "bind 6 \"weaponbank 6\"",
        "bind 7 \"weaponbank 7\"",
        "bind KP_INS \"selectbuddy -2\"",
        "bind KP_LEFTARROW \"selectbuddy 0\"",
        "bind KP_5 \"selectbuddy 1\"",
        "bind KP_RIGHTARROW \"selectbuddy 2\"",
        "bind KP_HOME \"selectbuddy 3\"",
        "bind KP_UPARROW \"selectbuddy 4\"",
        "bind KP_PGUP \"selectbuddy 5\"",
};

const QString hyphens = "//-----------------------------------------------";
const QString equals = "//==================================";

// Leaves exactly the named boxes checked, clicking the others off as a player would.
void keepOnly(Harness &h, const QStringList &checked)
{
    const auto boxes = h.find<QWidget>("pnlControls")->findChildren<QCheckBox *>();
    QCOMPARE(boxes.size(), 47);
    for (QCheckBox *box : boxes) {
        if (box->isChecked() != checked.contains(box->objectName()))
            h.click(box->objectName());
        QCOMPARE(box->isChecked(), checked.contains(box->objectName()));
    }
}

} // namespace

class ControlsTest : public QObject
{
    Q_OBJECT
private slots:
    void defaults_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("S1") << "S1"
                            << (QStringList {"//Controls ---", " "} + defaultRows
                                + QStringList {" ", hyphens, " "});
        QTest::newRow("S2") << "S2"
                            << (QStringList {" ", equals} + defaultRows
                                + QStringList {" ", equals});
        QTest::newRow("SN") << "SN" << defaultRows;
    }
    void defaults()
    {
        QFETCH(QString, style);
        QFETCH(QStringList, expected);
        Harness h;
        h.chooseStyle(style);
        h.startRun();
        QCOMPARE(h.pressNext(1), expected);

        Layer shown;
        QVERIFY(h.visibleLayer(&shown));
        QCOMPARE(shown, Layer::VSays);
    }

    void fireTeamsOnly()
    {
        Harness h;
        h.chooseStyle("SN");
        h.startRun();
        keepOnly(h,
                 {"chkSelectall", "chkMember1", "chkMember2", "chkMember3", "chkMember4",
                  "chkMember5", "chkMember6"});
        QCOMPARE(h.pressNext(1),
                 QStringList({"bind KP_INS \"selectbuddy -2\"",
                              "bind KP_LEFTARROW \"selectbuddy 0\"", "bind KP_5 \"selectbuddy 1\"",
                              "bind KP_RIGHTARROW \"selectbuddy 2\"",
                              "bind KP_HOME \"selectbuddy 3\"", "bind KP_UPARROW \"selectbuddy 4\"",
                              "bind KP_PGUP \"selectbuddy 5\""}));
    }

    void allUnchecked_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("S1") << "S1" << QStringList {"//Controls ---", " ", " ", hyphens, " "};
        QTest::newRow("S2") << "S2" << QStringList {" ", equals, " ", equals};
        QTest::newRow("SN") << "SN" << QStringList {};
    }
    void allUnchecked()
    {
        QFETCH(QString, style);
        QFETCH(QStringList, expected);
        Harness h;
        h.chooseStyle(style);
        h.startRun();
        keepOnly(h, {});
        QCOMPARE(h.pressNext(1), expected);
        Layer shown;
        QVERIFY(h.visibleLayer(&shown));
        QCOMPARE(shown, Layer::VSays);
    }

    void typedKeysAreUpperCase_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("held");
        QTest::newRow("word") << "space"
                              << "SPACE";
        QTest::newRow("mixed") << "kp_Enter"
                               << "KP_ENTER";
        QTest::newRow("any text") << "no-key"
                                  << "NO-KEY";
    }
    void typedKeysAreUpperCase()
    {
        QFETCH(QString, typed);
        QFETCH(QString, held);
        Harness h;
        h.chooseStyle("SN");
        h.startRun();
        keepOnly(h, {"chkFoward"});
        auto *field = h.find<QLineEdit>("edForward");
        Harness::retype(field, typed);
        QCOMPARE(field->text(), held);
        QCOMPARE(h.pressNext(1), QStringList {"bind " + held + " \"+forward\""});
    }

    void typingInsideKeepsTheCaret()
    {
        Harness h;
        h.startRun();
        auto *field = h.find<QLineEdit>("edJump1");
        Harness::retype(field, "mouse");
        // Home and End are keys to set: the caret is placed as a click places it.
        field->setCursorPosition(0);
        QTest::keyClicks(field, "x");
        field->setCursorPosition(field->text().size());
        QTest::keyClicks(field, "4");
        QCOMPARE(field->text(), QString("XMOUSE4"));
    }

    void pastedKeysAreUpperCase()
    {
        Harness h;
        h.chooseStyle("SN");
        h.startRun();
        keepOnly(h, {"chkNextw", "chkPreviousw"});
        auto *next = h.find<QLineEdit>("edNextw");
        QGuiApplication::clipboard()->setText("mouse3");
        QTest::keyClick(next, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(next, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(next->text(), QString("MOUSE3"));

        // Pasted into the middle of a key.
        auto *previous = h.find<QLineEdit>("edPreviousw");
        QGuiApplication::clipboard()->setText("_aux");
        previous->setCursorPosition(previous->text().size() - 4);
        QTest::keyClick(previous, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(previous->text(), QString("MWHEEL_AUXDOWN"));

        QCOMPARE(h.pressNext(1),
                 QStringList({"bind MOUSE3 \"weapnext\"", "bind MWHEEL_AUXDOWN \"weapprev\""}));
    }

    void keyFieldsHaveNoLengthLimit()
    {
        Harness h;
        h.chooseStyle("SN");
        h.startRun();
        keepOnly(h, {"chkUse"});
        auto *field = h.find<QLineEdit>("edUseact");
        QGuiApplication::clipboard()->setText(QString(40000, 'k'));
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(field, "p");
        const QString key = QString(40000, 'K') + "P";
        QCOMPARE(field->text(), key);
        QCOMPARE(h.pressNext(1), QStringList {"bind " + key + " \"+activate\""});
    }

    void sensitivity_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("line");
        QTest::newRow("not in the list") << "3.5"
                                         << "seta sensitivity 3.5";
        QTest::newRow("empty") << ""
                               << "//seta sensitivity";
        QTest::newRow("keeps case") << "Fast"
                                    << "seta sensitivity Fast";
    }
    void sensitivity()
    {
        QFETCH(QString, typed);
        QFETCH(QString, line);
        Harness h;
        h.chooseStyle("SN");
        h.startRun();
        keepOnly(h, {"chkMouseS"});
        auto *combo = h.find<QComboBox>("cbSensitivity");
        Harness::retype(combo, typed);
        QCOMPARE(combo->currentText(), typed);
        QCOMPARE(h.pressNext(1), QStringList {line});
    }

    void sensitivityFromTheList()
    {
        Harness h;
        h.chooseStyle("SN");
        h.startRun();
        keepOnly(h, {"chkMouseS"});
        // The list runs 1, 2, 4, 5, 6, 8, ...: the item after the starting 6 is 8.
        QTest::keyClick(h.find<QComboBox>("cbSensitivity"), Qt::Key_Down);
        QCOMPARE(h.pressNext(1), QStringList {"seta sensitivity 8"});
    }

    void emptyKeyField()
    {
        Harness h;
        h.chooseStyle("SN");
        h.startRun();
        Harness::retype(h.find<QLineEdit>("edForward"), "");
        QStringList expected = defaultRows;
        expected[0] = "//bind  \"+forward\"";
        QCOMPARE(h.pressNext(1), expected);
    }

    void keyUsedTwice()
    {
        Harness h;
        h.chooseStyle("SN");
        h.startRun();
        Harness::retype(h.find<QLineEdit>("edBack1"), "w");
        QStringList expected = defaultRows;
        expected[1] = "bind W \"+back\"";
        QCOMPARE(h.pressNext(1), expected);
        QVERIFY(h.fakes.dialogs.messages.isEmpty());
    }

    void uncheckedRowWithText()
    {
        Harness h;
        h.chooseStyle("SN");
        h.startRun();
        auto *field = h.find<QLineEdit>("edMleft");
        Harness::retype(field, "kp_del");
        h.click("chkMleft");
        QVERIFY(field->isEnabled());
        QCOMPARE(field->text(), QString("KP_DEL"));
        QStringList expected = defaultRows;
        expected.removeAt(2);
        QCOMPARE(h.pressNext(1), expected);
    }
};

TARVEX_TEST_MAIN(ControlsTest)
#include "tst_controls.moc"
