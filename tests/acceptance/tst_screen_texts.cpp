// What the player reads on each screen: spelled right, advice that holds, and the fields shown
// so that what they hold can be read.
#include "support/Harness.h"

#include "steps/keys/KeyField.h"
#include "wizard/StartPage.h"
#include "wizard/StepPage.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

// Every text a screen shows: labels, buttons, hints, accessible names and the fields' texts.
QStringList shownTexts(QWidget *screen)
{
    QStringList texts;
    for (QWidget *w : screen->findChildren<QWidget *>()) {
        texts << w->statusTip() << w->accessibleName() << w->toolTip();
        if (auto *label = qobject_cast<QLabel *>(w))
            texts << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts << button->text();
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            texts << edit->text();
    }
    return texts;
}

} // namespace

class ScreenTextsTest : public QObject
{
    Q_OBJECT
private slots:
    // No screen shows the misspellings, nor an object's name, nor advice that no longer holds.
    void noMisspellings()
    {
        Harness h;
        h.window().buildAllScreens();
        const QStringList wrong
                = {"Fite",        "Allways",   "Foward",        "Draing",    "not eady",   "whant",
                   "automaticly", "sended",    "Jumb",          "Atrillery", "aplication", "whrote",
                   "16KB",        "et/etmain", "note the keys", "1024x1600", "chkName",    "is is"};
        for (int step = 0; step <= 9; ++step) {
            for (const QString &text : shownTexts(h.window().stepPage(step))) {
                for (const QString &word : wrong)
                    QVERIFY2(!text.contains(word),
                             qPrintable(QStringLiteral("step %1: %2").arg(step).arg(text)));
            }
        }
    }

    // The corrected texts, where the player reads them, and the names that follow them.
    void correctedTexts()
    {
        Harness h;
        h.window().buildAllScreens();
        QCOMPARE(h.find<QWidget>(QStringLiteral("edForward"))->statusTip(),
                 QStringLiteral("Move Forward (press a key or type its name)"));
        QCOMPARE(h.find<QCheckBox>(QStringLiteral("cbRun"))->accessibleName(),
                 QStringLiteral("Always Run:"));
        QCOMPARE(h.find<QCheckBox>(QStringLiteral("cbCrossname"))->accessibleName(),
                 QStringLiteral("Crosshair Name Drawing:"));
        QCOMPARE(h.find<QLineEdit>(QStringLiteral("edNready"))->accessibleName(),
                 QStringLiteral("not ready key:"));
        QCOMPARE(h.find<QRadioButton>(QStringLiteral("rb1280"))->text(),
                 QStringLiteral("1280x1024"));
        QCOMPARE(h.find<QRadioButton>(QStringLiteral("rb1920"))->text(),
                 QStringLiteral("1920x1080"));
        const QStringList misc = shownTexts(h.window().stepPage(9));
        QVERIFY(misc.join('\n').contains("save it into the game's folder"));
        const QStringList controls = shownTexts(h.window().stepPage(1));
        QVERIFY(controls.contains("// Fire Teams"));
        QVERIFY(controls.contains(
                "A key used twice is shown in red, with the reason in the hint line."));
    }

    // The example nick shows in the warning colour, with the reason, until it is replaced.
    void exampleNickWarned()
    {
        Harness h;
        h.goToStep(5);
        auto *nick = h.focus<QLineEdit>(QStringLiteral("edNick"));
        const QString reason = QStringLiteral(
                "\"Your Nick Here\" is only an example: type the nick other players see");
        QCOMPARE(nick->accessibleDescription(), reason);
        QCOMPARE(nick->toolTip(), reason);
        QCOMPARE(h.find<QLabel>(QStringLiteral("StatusPanel0"))->text(), reason);
        QCOMPARE(nick->palette().color(QPalette::Text), QColor(0xa6, 0x1b, 0x1b));
        // The reason goes with the focus: the next screen does not show it.
        h.click(Harness::nextButton(5));
        QCOMPARE(h.find<QLabel>(QStringLiteral("StatusPanel0"))->text(), QString());
        h.click(QStringLiteral("btnBack6"));
        Harness::retype(nick, QStringLiteral("Jorin"));
        QCOMPARE(nick->accessibleDescription(), QString());
        QVERIFY(nick->palette().color(QPalette::Text) != QColor(0xa6, 0x1b, 0x1b));
    }

    // Every key field after the Controls step (whose columns are sized to the keys they start
    // with) shows the longest key names whole.
    void keyFieldsWideEnough()
    {
        Harness h;
        h.startRun();
        QStringList narrow;
        for (int step = 1; step <= 9; ++step) {
            QWidget *page = h.window().stepPage(step);
            if (step > 1)
                h.click(Harness::nextButton(step - 1));
            for (KeyField *field : page->findChildren<KeyField *>()) {
                if (step == 1)
                    continue;
                // The frame, the field's own margins and its padding take a few pixels.
                if (field->isVisible()
                    && field->width()
                            < field->fontMetrics().horizontalAdvance("KP_RIGHTARROW") + 12)
                    narrow << field->objectName();
            }
        }
        // The boxes of step 3 break their long labels ("Max FPS after the turn:") to make room.
        QCOMPARE(narrow.join(QLatin1Char(' ')), QString());
    }
};

TARVEX_TEST_MAIN(ScreenTextsTest)
#include "tst_screen_texts.moc"
