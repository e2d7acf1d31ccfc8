// The wizard's spine: the append rule, the script header, the layers the player sees after
// every button, and the commands each button makes available.
#include "support/Harness.h"
#include "wizard/ScriptBuffer.h"
#include "wizard/SectionStyle.h"
#include "wizard/StartPage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolButton>

namespace {
const QString rule1 = QStringLiteral("//-----------------------------------------------");
const QString rule2 = QStringLiteral("//==================================");
// The screen each step's Next shows, steps 1 to 9.
const Layer expected[]
        = {Layer::VSays,  Layer::Scripts1, Layer::Scripts2, Layer::Game,  Layer::View,
           Layer::System, Layer::Server,   Layer::Misc,     Layer::Editor};
} // namespace

class WizardTest : public QObject
{
    Q_OBJECT

private:
    static Layer shown(Harness &h)
    {
        Layer layer = Layer::VSays;
        if (!h.visibleLayer(&layer))
            return Layer(-1);
        return layer;
    }
    static bool noLayer(Harness &h)
    {
        Layer layer;
        return !h.visibleLayer(&layer);
    }

private slots:
    void bufferStartsWithOneEmptyLine()
    {
        Harness h;
        QCOMPARE(h.text(), QStringLiteral("\r\n"));
    }

    void appendRule()
    {
        QPlainTextEdit editor;
        ScriptBuffer buffer(&editor);
        buffer.append(QStringLiteral("a"));
        QCOMPARE(buffer.text(), QStringLiteral("\r\na\r\n"));
        buffer.append(QStringList {QStringLiteral("b"), QStringLiteral(" ")});
        QCOMPARE(buffer.text(), QStringLiteral("\r\na\r\nb\r\n \r\n"));

        // The player removed the final line break: new lines get one before them instead.
        QTextCursor cursor(editor.document());
        cursor.movePosition(QTextCursor::End);
        cursor.deletePreviousChar();
        QCOMPARE(buffer.text(), QStringLiteral("\r\na\r\nb\r\n "));
        buffer.append(QStringLiteral("c"));
        buffer.append(QStringLiteral("d"));
        QCOMPARE(buffer.text(), QStringLiteral("\r\na\r\nb\r\n \r\nc\r\nd"));

        // An emptied text takes the line and a break after it.
        editor.clear();
        buffer.append(QStringLiteral("e"));
        QCOMPARE(buffer.text(), QStringLiteral("e\r\n"));
    }

    void textKeepsEveryCharacter()
    {
        QPlainTextEdit editor;
        ScriptBuffer buffer(&editor);
        const QString odd = QStringLiteral("a\u00a0b \"q\";// \u00e9\u00df\u0416 \U0001F600");
        buffer.append(odd);
        QCOMPARE(buffer.text(), QStringLiteral("\r\n") + odd + QStringLiteral("\r\n"));
    }

    void framing_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QStringList>("expected");
        const QString t = QStringLiteral("//T ---");
        QTest::newRow("S1") << int(SectionStyle::Style1)
                            << QStringList {t, " ", "x", " ", rule1, " "};
        QTest::newRow("S2") << int(SectionStyle::Style2)
                            << QStringList {" ", rule2, "x", " ", rule2};
        QTest::newRow("SN") << int(SectionStyle::None) << QStringList {"x"};
    }
    void framing()
    {
        QFETCH(int, style);
        QFETCH(QStringList, expected);
        QCOMPARE(Section::framed(SectionStyle(style), QStringLiteral("//T ---"), {"x"}), expected);
        QCOMPARE(rule1.size(), 49);
        QCOMPARE(rule2.size(), 36);
    }

    void header_data()
    {
        QTest::addColumn<QStringList>("checked");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("field"); // the edit that gets `name`; edName when none
        const QString b = QStringLiteral(" ");
        QTest::newRow("defaults") << QStringList {"chkName", "chkName2"} << QString("Jorin Vale")
                                  << QStringList {"//My CFG", "//Name: Jorin Vale", b, b, b, b, b}
                                  << "";
        QTest::newRow("none") << QStringList {} << QString("x") << QStringList {b, b, b, b, b}
                              << "";
        QTest::newRow("unbindall only") << QStringList {"chkUnbindall"} << QString("x")
                                        << QStringList {b, b, b, "unbindall", b, b} << "";
        QTest::newRow("leading blanks kept") << QStringList {"chkName2"} << QString("   x")
                                             << QStringList {"//Name:    x", b, b, b, b, b} << "";
        QTest::newRow("notes alone")
                << QStringList {"chkNotes"} << QString()
                << QStringList {b,
                                "//Notes: Whatever you want to note... It can be as long as you "
                                "want, but the game runs at most 128 KiB of commands from one "
                                "script. ",
                                b,
                                b,
                                b,
                                b}
                << "";
        QTest::newRow("copyright alone")
                << QStringList {"chkCopyright"} << QString()
                << QStringList {"//Copyright (c) 2026 Your Name. All rights reserved.",
                                b,
                                b,
                                b,
                                b,
                                b}
                << "";
        // ET 2.60b would run what follows a ';' in a comment: each header text keeps none.
        QTest::newRow("semicolon in the script name")
                << QStringList {"chkName"} << QString("My; quit")
                << QStringList {"//My, quit", b, b, b, b, b} << "edCFG";
        QTest::newRow("semicolon in the author's name")
                << QStringList {"chkName2"} << QString("Jo;quit")
                << QStringList {"//Name: Jo,quit", b, b, b, b, b} << "";
        QTest::newRow("semicolon in the copyright")
                << QStringList {"chkCopyright"} << QString("(c) me; exec x.cfg")
                << QStringList {"//(c) me, exec x.cfg", b, b, b, b, b} << "edCopyright";
        QTest::newRow("semicolons and quotes in the notes")
                << QStringList {"chkNotes"} << QString("say \"hi;\" ; quit")
                << QStringList {b, "//Notes: say \"hi,\" , quit", b, b, b, b} << "edNotes";
    }
    void header()
    {
        QFETCH(QStringList, checked);
        QFETCH(QString, name);
        QFETCH(QStringList, expected);
        QFETCH(QString, field);
        Harness h;
        h.click(QStringLiteral("tbNew"));
        for (const char *box :
             {"chkName", "chkName2", "chkCopyright", "chkUnbindall", "chkNotes"}) {
            auto *check = h.find<QCheckBox>(QLatin1String(box));
            if (check->isChecked() != checked.contains(QLatin1String(box)))
                QTest::mouseClick(check, Qt::LeftButton);
        }
        auto *edit = h.find<QLineEdit>(field.isEmpty() ? QStringLiteral("edName") : field);
        edit->clear();
        QTest::keyClicks(edit, name);
        h.click(QStringLiteral("SpeedButton1"));
        QCOMPARE(h.lines(), QStringList {""} + expected + QStringList {""});
    }

    void headerWithEmptyName()
    {
        Harness h;
        h.click(QStringLiteral("tbNew"));
        h.find<QLineEdit>(QStringLiteral("edCFG"))->clear();
        h.click(QStringLiteral("SpeedButton1"));
        QCOMPARE(h.lines().mid(1, 2), (QStringList {"//", "//Name: Jorin Vale"}));
    }

    void startScreenDefaults()
    {
        Harness h;
        QCOMPARE(h.window().startPage()->sectionStyle(), SectionStyle::Style1);
        QVERIFY(!h.find<QCheckBox>(QStringLiteral("chkCopyright"))->isChecked());
        QVERIFY(h.find<QLineEdit>(QStringLiteral("edNotes"))
                        ->text()
                        .endsWith("128 KiB of commands from one script. "));
        QCOMPARE(h.find<QCheckBox>(QStringLiteral("chkName"))->accessibleName(),
                 QStringLiteral("Use CFG Name"));
        QCOMPARE(h.find<QCheckBox>(QStringLiteral("chkName"))->statusTip(),
                 QStringLiteral("do you want to use this?"));
    }

    // What the player sees after every button of a first run, and the commands available.
    void firstRunLayers()
    {
        Harness h;
        QVERIFY(noLayer(h));
        auto *tbNew = h.find<QToolButton>(QStringLiteral("tbNew"));
        auto *newCFG = h.find<QAction>(QStringLiteral("NewCFG1"));
        auto *saveCFG = h.find<QAction>(QStringLiteral("SaveCFG1"));
        auto *print = h.find<QAction>(QStringLiteral("Print1"));
        auto *edit = h.find<QMenu>(QStringLiteral("Edit1"));
        QVERIFY(tbNew->isEnabled() && newCFG->isEnabled());
        QVERIFY(!saveCFG->isEnabled() && !print->isEnabled() && !edit->isEnabled());
        QVERIFY(h.find<QToolButton>(QStringLiteral("tbSave"))->isEnabled());

        h.click(QStringLiteral("tbNew"));
        QCOMPARE(shown(h), Layer::Start);
        QVERIFY(!tbNew->isEnabled());
        QVERIFY(newCFG->isEnabled());
        h.click(QStringLiteral("SpeedButton1"));
        QCOMPARE(shown(h), Layer::Controls);
        QVERIFY(!newCFG->isEnabled());

        for (int step = 1; step <= 9; ++step) {
            h.click(Harness::nextButton(step));
            QCOMPARE(shown(h), expected[step - 1]);
            QVERIFY(h.window().layers().widget(expected[step - 1])->isVisible());
        }
        // The System screen stays shown, unseen, beneath the script view.
        QVERIFY(h.window().layers().isShown(Layer::System));
        QVERIFY(!h.window().layers().isShown(Layer::Server));
        QVERIFY(saveCFG->isEnabled() && print->isEnabled() && edit->isEnabled());
        QVERIFY(h.find<QAction>(QStringLiteral("Find1"))->isEnabled());
        QVERIFY(!tbNew->isEnabled());
        QCOMPARE(h.window().focusWidget(), h.window().editor());
    }

    void menuNewDisablesItself()
    {
        Harness h;
        h.trigger(QStringLiteral("NewCFG1"));
        QCOMPARE(shown(h), Layer::Start);
        QVERIFY(!h.find<QAction>(QStringLiteral("NewCFG1"))->isEnabled());
        QVERIFY(!h.find<QToolButton>(QStringLiteral("tbNew"))->isEnabled());
    }

    // A second run after Save: New hides what the first run left shown, so every step's
    // screen is the one seen again, and the new header follows the old script.
    void laterRunShowsEveryScreen()
    {
        Harness h;
        h.startRun();
        h.nextUntil(10);
        const QString first = h.text();
        h.fakes.dialogs.saveAnswers << QString(); // cancelled: New is available all the same
        h.click(QStringLiteral("tbSave"));
        QVERIFY(h.find<QToolButton>(QStringLiteral("tbNew"))->isEnabled());
        QVERIFY(!h.find<QAction>(QStringLiteral("NewCFG1"))->isEnabled());
        h.click(QStringLiteral("tbNew"));
        QCOMPARE(shown(h), Layer::Start);
        QVERIFY(!h.window().layers().isShown(Layer::Editor));
        h.click(QStringLiteral("SpeedButton1"));
        QVERIFY(h.text().startsWith(first));
        QCOMPARE(h.text().mid(first.size()).left(9), QStringLiteral("//My CFG\r"));
        for (int step = 1; step <= 9; ++step) {
            h.click(Harness::nextButton(step));
            QCOMPARE(shown(h), expected[step - 1]);
        }
    }

    void newInTheMiddleOfARun()
    {
        Harness h;
        h.startRun();
        h.nextUntil(4);
        h.fakes.dialogs.saveAnswers << QString();
        h.click(QStringLiteral("tbSave"));
        h.click(QStringLiteral("tbNew"));
        QCOMPARE(shown(h), Layer::Start);
        h.click(QStringLiteral("SpeedButton1"));
        QCOMPARE(shown(h), Layer::Controls);
        QVERIFY(!h.window().layers().isShown(Layer::Scripts2));
    }

    // Steps write their lines under the style chosen when their Next is pressed.
    void styleIsReadAtEachNext()
    {
        Harness h;
        h.startRun();
        h.nextUntil(3);
        h.chooseStyle(QStringLiteral("S2"));
        QStringList lines = h.pressNext(3);
        QCOMPARE(lines, (QStringList {" ", rule2, " ", rule2}));
        h.chooseStyle(QStringLiteral("SN"));
        QCOMPARE(h.pressNext(4), QStringList {});
    }

    void stepTwoWritesNothing()
    {
        Harness h;
        h.startRun();
        h.nextUntil(2);
        const QString before = h.text();
        h.click(QStringLiteral("SpeedButton7"));
        QCOMPARE(h.text(), before);
    }

    // The window shows at once; the screens are built afterwards, unseen, before they are needed.
    void screensAreBuiltInTheBackground()
    {
        Harness h;
        QTRY_VERIFY(h.window().layers().widget(Layer::Misc) != nullptr);
        QVERIFY(noLayer(h));
        for (int layer = 0; layer < layerCount; ++layer) {
            QWidget *screen = h.window().layers().widget(Layer(layer));
            QVERIFY(screen);
            QVERIFY(!screen->isVisible());
        }
    }

    void nextButtonsTakeNoFocus()
    {
        Harness h;
        for (int step = 1; step <= 9; ++step)
            QCOMPARE(h.find<QWidget>(Harness::nextButton(step))->focusPolicy(), Qt::NoFocus);
    }
};

TARVEX_TEST_MAIN(WizardTest)
#include "tst_wizard.moc"
