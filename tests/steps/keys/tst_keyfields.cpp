// Pressing a key, a mouse button or the wheel in a key field of any step that binds keys sets
// the game's name of it; whatever edits the text keeps editing it.
#include "support/Harness.h"

#include "steps/keys/KeyField.h"

#include <QApplication>
#include <QClipboard>
#include <QWheelEvent>

namespace {

// Presses and releases a key alone, with the key symbol X11 gives it (Shift_L, Shift_R, ...).
void pressAlone(QWidget *widget, Qt::Key key, quint32 symbol)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, 0, symbol, 0);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, 0, symbol, 0);
    QApplication::sendEvent(widget, &release);
}

void turnWheel(QWidget *widget, int delta)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent turn(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &turn);
}

} // namespace

class KeyFieldsTest : public QObject
{
    Q_OBJECT

private slots:
    // What the player presses in a field of each step that binds keys, and the line it writes.
    void pressedKeys_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key"); // a key press, or 0
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<Qt::MouseButton>("button"); // a click, or none
        QTest::addColumn<int>("wheel"); // a turn of the wheel, or 0
        QTest::addColumn<QString>("name");

        const Qt::KeyboardModifiers none = Qt::NoModifier, pad = Qt::KeypadModifier;
        const Qt::MouseButton noButton = Qt::NoButton;
        const struct
        {
            const char *field;
            int key;
            Qt::KeyboardModifiers modifiers;
            Qt::MouseButton button;
            int wheel;
            const char *name;
        } presses[] = {
                {"edForward", Qt::Key_F7, none, noButton, 0, "F7"},
                {"edVs", Qt::Key_F7, none, noButton, 0, "F7"},
                {"edGun", Qt::Key_F7, none, noButton, 0, "F7"},
                {"edReady", Qt::Key_F7, none, noButton, 0, "F7"},
                {"edForward", Qt::Key_5, pad, noButton, 0, "KP_5"}, // Num Lock on
                {"edVs", Qt::Key_5, pad, noButton, 0, "KP_5"},
                {"edGun", Qt::Key_Clear, pad, noButton, 0, "KP_5"}, // Num Lock off
                {"edReady", Qt::Key_Home, pad, noButton, 0, "KP_HOME"},
                {"edForward", Qt::Key_Home, none, noButton, 0, "HOME"},
                {"edGun", Qt::Key_Space, none, noButton, 0, "SPACE"},
                {"edVs", Qt::Key_Return, none, noButton, 0, "ENTER"},
                {"edReady", Qt::Key_Enter, pad, noButton, 0, "KP_ENTER"},
                // Shift, Ctrl and Alt pressed and released alone.
                {"edForward", Qt::Key_Control, none, noButton, 0, "CTRL"},
                {"edVs", Qt::Key_Shift, none, noButton, 0, "SHIFT"},
                {"edReady", Qt::Key_Alt, none, noButton, 0, "ALT"},
                {"edForward", 0, none, Qt::MiddleButton, 0, "MOUSE3"},
                {"edVs", 0, none, Qt::MiddleButton, 0, "MOUSE3"},
                {"edGun", 0, none, Qt::MiddleButton, 0, "MOUSE3"},
                {"edReady", 0, none, Qt::MiddleButton, 0, "MOUSE3"},
                {"edGun", 0, none, Qt::BackButton, 0, "MOUSE4"},
                {"edReady", 0, none, Qt::ForwardButton, 0, "MOUSE5"},
                {"edForward", 0, none, noButton, 120, "MWHEELUP"},
                {"edVs", 0, none, noButton, 120, "MWHEELUP"},
                {"edGun", 0, none, noButton, 120, "MWHEELUP"},
                {"edReady", 0, none, noButton, 120, "MWHEELUP"},
                {"edReady", 0, none, noButton, -120, "MWHEELDOWN"},
        };
        for (const auto &press : presses) {
            QTest::addRow("%s %s", press.field, press.name)
                    << press.field << press.key << press.modifiers << press.button << press.wheel
                    << press.name;
        }
    }
    void pressedKeys()
    {
        QFETCH(QString, field);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, wheel);
        QFETCH(QString, name);
        // Each field's step, the box that enables it, the button that writes it and its command.
        const QHash<QString, QStringList> fields = {
                {"edForward", {"1", "", Harness::nextButton(1), "\"+forward\""}},
                {"edVs", {"2", "", "btnVsayAdd", "\"vsay PathCleared\""}},
                {"edGun", {"3", "chkGun", Harness::nextButton(3), "\"vstr gun\""}},
                {"edReady", {"9", "", Harness::nextButton(9), "\"ready\""}},
        };
        const QStringList row = fields.value(field);

        Harness h;
        h.goToStep(row[0].toInt());
        if (!row[1].isEmpty())
            h.setChecked(row[1]);
        KeyField *input = h.focus<KeyField>(field);
        QVERIFY(input->hasFocus());
        if (key)
            QTest::keyClick(input, Qt::Key(key), modifiers);
        else if (button != Qt::NoButton)
            QTest::mouseClick(input, button, Qt::NoModifier, QPoint(4, input->height() / 2));
        else
            turnWheel(input, wheel);
        QCOMPARE(input->text(), name);
        const QStringList written = h.press(row[2]);
        QVERIFY2(written.contains("bind " + name + ' ' + row[3]), qPrintable(written.join('|')));
    }

    // ET: Legacy tells the right-hand Shift, Ctrl and Alt from the left-hand ones, and binds
    // both hands for SHIFT, CTRL and ALT; ET 2.60b has one name for both.
    void handsOfModifiers()
    {
        Harness h;
        h.click(QStringLiteral("tbNew"));
        h.chooseGame(Game::Version::Legacy);
        h.click(QStringLiteral("SpeedButton1"));
        KeyField *field = h.focus<KeyField>(QStringLiteral("edForward"));
        const struct
        {
            Qt::Key key;
            quint32 symbol;
            const char *name;
        } presses[] = {
                {Qt::Key_Shift, 0xffe1, "SHIFT"},    {Qt::Key_Shift, 0xffe2, "RIGHTSHIFT"},
                {Qt::Key_Control, 0xffe3, "CTRL"},   {Qt::Key_Control, 0xffe4, "RIGHTCTRL"},
                {Qt::Key_Alt, 0xffe9, "ALT"},        {Qt::Key_Alt, 0xffea, "RIGHTALT"},
                {Qt::Key_AltGr, 0xfe03, "RIGHTALT"},
        };
        for (const auto &press : presses) {
            pressAlone(field, press.key, press.symbol);
            QCOMPARE(field->text(), QLatin1String(press.name));
        }
        pressAlone(field, Qt::Key_Shift, 0xffe1);
        const QStringList written = h.pressNext(1);
        const int first = int(written.indexOf(QStringLiteral("bind SHIFT \"+forward\"")));
        QVERIFY(first >= 0);
        QCOMPARE(written.mid(first, 3),
                 (QStringList {"bind SHIFT \"+forward\"", "bind RIGHTSHIFT \"+forward\"",
                               "bind S \"+back\""}));

        // ET 2.60b: the right-hand keys are the same keys.
        Harness et;
        et.chooseGame(Game::Version::Et260b);
        et.goToStep(1);
        field = et.focus<KeyField>(QStringLiteral("edForward"));
        pressAlone(field, Qt::Key_Shift, 0xffe2);
        QCOMPARE(field->text(), QStringLiteral("SHIFT"));
        pressAlone(field, Qt::Key_AltGr, 0xfe03);
        QCOMPARE(field->text(), QStringLiteral("ALT"));
        const QStringList etWritten = et.pressNext(1);
        QCOMPARE(etWritten.mid(int(etWritten.indexOf(QStringLiteral("bind ALT \"+forward\""))), 2),
                 (QStringList {"bind ALT \"+forward\"", "bind S \"+back\""}));
    }

    // Everything that edits the text keeps editing it.
    void editingStillEdits()
    {
        Harness h;
        h.goToStep(1);
        KeyField *field = h.focus<KeyField>("edForward");
        Harness::retype(field, "mouse1");
        QCOMPARE(field->text(), QString("MOUSE1"));
        QGuiApplication::clipboard()->setText("KP_5");
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field->text(), QString("KP_5"));
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field->text(), QString("MOUSE1"));
        field->setCursorPosition(6);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClick(field, Qt::Key_Escape);
        QCOMPARE(field->text(), QString("MOUSE"));
        field->setCursorPosition(0);
        QTest::keyClick(field, Qt::Key_Delete);
        QCOMPARE(field->text(), QString("OUSE"));
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::mouseClick(field, Qt::RightButton);
        QCOMPARE(field->text(), QString("OUSE"));
        // The wheel sets nothing over a field without the focus.
        auto *back = h.find<KeyField>("edBack1");
        turnWheel(back, 120);
        QCOMPARE(back->text(), QString("S"));
        // A key pressed after the Ctrl key makes Ctrl no key of its own.
        QTest::keyPress(field, Qt::Key_Control);
        QTest::keyClick(field, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyRelease(field, Qt::Key_Control);
        QCOMPARE(field->text(), QString("HOME"));
        QTest::keyClick(field, Qt::Key_Tab);
        QVERIFY(!field->hasFocus());
        QCOMPARE(field->text(), QString("HOME"));
        // Alt+N presses Next; Alt was no key of its own.
        field->setFocus();
        QTest::keyClick(field, Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(!field->isVisible());
        QCOMPARE(field->text(), QString("HOME"));
    }
};

TARVEX_TEST_MAIN(KeyFieldsTest)
#include "tst_keyfields.moc"
