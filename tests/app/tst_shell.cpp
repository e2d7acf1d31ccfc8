// The main window's shell: caption and size, menus, tool bar, status bar with hint line, clock
// and lock-key indicators, the close guard, the About box, web links and the error box.
#include "app/AboutDialog.h"
#include "editor/EditorTools.h"
#include "support/Harness.h"

#include <QCheckBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <stdexcept>

namespace {

QLabel *panel(Harness &h, int i)
{
    return h.find<QLabel>(QStringLiteral("StatusPanel%1").arg(i));
}

// A receiver whose handler fails, as a faulty command would.
class Faulty : public QObject
{
public:
    int handled = 0;
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("The command failed");
        if (event->type() == QEvent::User + 1) {
            ++handled;
            return true;
        }
        return QObject::event(event);
    }
};

const QString question = QStringLiteral("You selected to close the application\rwhile you were "
                                        "editing the config file\rare you sure? The config file "
                                        "will be lost");

} // namespace

class ShellTest : public QObject
{
    Q_OBJECT

private slots:
    void windowFrame()
    {
        Harness h;
        QCOMPARE(h.window().windowTitle(), QStringLiteral("Tarvex v3"));
        QCOMPARE(h.window().size(), QSize(831, 609));
        QCOMPARE(h.window().minimumSize(), h.window().maximumSize());
        QVERIFY(!(h.window().windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Tarvex 1.0"));
    }

    void menus()
    {
        Harness h;
        QStringList titles;
        for (QAction *menu : h.window().menuBar()->actions())
            titles << menu->text();
        QCOMPARE(titles, (QStringList {"&File", "&Edit", "&View", "&Help", "&More"}));
        auto items = [&](const char *menu) {
            QStringList texts;
            for (QAction *a : h.find<QMenu>(QLatin1String(menu))->actions())
                texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
            return texts;
        };
        QCOMPARE(items("File1"),
                 (QStringList {"New CFG", "Open...", "Read &Settings...", "Save CFG", "Save As...",
                               "Recent Scripts", "-", "Print Setup", "Print",
                               "Export Keyboard Map...", "-", "Exit"}));
        QCOMPARE(items("View1"), (QStringList {"Keyboard Map"}));
        QCOMPARE(h.find<QAction>(QStringLiteral("KeyboardMap1"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+M")));
        QCOMPARE(items("Edit1"),
                 (QStringList {"Undo", "-", "Cut", "Copy", "Paste", "-", "Find", "Find Next ", "-",
                               "Check Script"}));
        QCOMPARE(items("Help1"),
                 (QStringList {"About Tarvex", "Quorlin Website", "Quorlin Forums",
                               "Tarvex Manual"}));
        QCOMPARE(items("More1"), (QStringList {"Enemy-Territory", "RTCWFiles", "Splash-Damage"}));
        QCOMPARE(h.find<QAction>(QStringLiteral("FindNext1"))->shortcut(),
                 QKeySequence(Qt::Key_F3));
        QCOMPARE(h.find<QAction>(QStringLiteral("Find1"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+F")));
        QCOMPARE(h.find<QAction>(QStringLiteral("Paste1"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+V")));
        QCOMPARE(h.find<QAction>(QStringLiteral("Open1"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(h.find<QAction>(QStringLiteral("SaveAs1"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    }

    // While the Edit menu is disabled its shortcuts do nothing.
    void editShortcutsFollowTheMenu()
    {
        Harness h;
        h.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.window()));
        QTest::keyClick(&h.window(), Qt::Key_F3);
        QCOMPARE(h.fakes.dialogs.messages.size(), 0);
        h.startRun();
        h.nextUntil(10);
        QTest::keyClick(h.window().editor(), Qt::Key_F3);
        QCOMPARE(h.fakes.dialogs.messages.size(), 1);
        QCOMPARE(h.fakes.dialogs.messages.first().text,
                 QStringLiteral("No more instances of \"\""));
    }

    // New, Save, Print and Exit answer the keys a desktop user expects, but only while they are
    // enabled: before a run ends there is nothing to save or print, during a run no New.
    void standardShortcuts()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("script.pdf"));
        Harness h;
        h.window().editorTools().printer().setOutputFormat(QPrinter::PdfFormat);
        h.window().editorTools().printer().setOutputFileName(pdf);
        h.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.window()));
        auto press = [&h](Qt::Key key) {
            QWidget *focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : &h.window(), key, Qt::ControlModifier);
        };
        Layer shown = Layer::Editor;

        press(Qt::Key_S);
        press(Qt::Key_P);
        QVERIFY(h.fakes.dialogs.saveSuggestions.isEmpty());
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(!h.visibleLayer(&shown));
        press(Qt::Key_N);
        QVERIFY(h.visibleLayer(&shown) && shown == Layer::Start);
        h.click(QStringLiteral("SpeedButton1"));
        press(Qt::Key_N);
        QVERIFY(h.visibleLayer(&shown) && shown == Layer::Controls);

        h.nextUntil(10);
        press(Qt::Key_P);
        QVERIFY(QFile::exists(pdf));
        press(Qt::Key_S);
        QCOMPARE(h.fakes.dialogs.saveSuggestions.size(), 1);
        // The save was cancelled: Exit asks first, and stays when told to.
        press(Qt::Key_Q);
        QCOMPARE(h.fakes.dialogs.count(ShownMessage::Question), 1);
        QVERIFY(h.window().isVisible());
    }

    void toolBar()
    {
        Harness h;
        const char *names[] = {"tbNew", "tbOpen", "tbSave", "tbKeyMap", "tbExit"};
        const QString captions[] = {"New", "Open", "Save", "Keys", "Exit"};
        const QString hints[]
                = {"Create a new config file", "Open a config file", "Save the config file",
                   "Show the keys the script binds on a map of the keyboard", "Exit the program"};
        QWidget *previous = nullptr;
        for (int i = 0; i < 5; ++i) {
            auto *button = h.find<QToolButton>(QLatin1String(names[i]));
            QCOMPARE(button->text(), captions[i]);
            QCOMPARE(button->statusTip(), hints[i]);
            QVERIFY(button->toolTip().isEmpty() || button->toolTip() == captions[i]);
            const QIcon icon = button->icon();
            QVERIFY(icon.pixmap(24, QIcon::Normal).toImage()
                    != icon.pixmap(24, QIcon::Disabled).toImage());
            // In this order, left to right.
            QVERIFY(!previous || previous->x() < button->x());
            previous = button;
        }
    }

    void statusBarPanels()
    {
        Harness h;
        const int widths[] = {500, 70, 60, 60, 30, 30};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(panel(h, i)->width(), widths[i]);
        QCOMPARE(panel(h, 0)->text(), QStringLiteral("Run"));
        for (int i = 2; i < 6; ++i)
            QCOMPARE(panel(h, i)->text(), QString());
    }

    // The hint of the control under the pointer, else of its nearest enclosing control.
    void hintLine()
    {
        Harness h;
        h.click(QStringLiteral("tbNew"));
        auto *edit = h.find<QLineEdit>(QStringLiteral("edCFG"));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(edit, &enter);
        QCOMPARE(panel(h, 0)->text(), QStringLiteral("Your cfg name..."));

        auto *start = h.find<QWidget>(QStringLiteral("SpeedButton1"));
        QApplication::sendEvent(start, &enter);
        QCOMPARE(panel(h, 0)->text(), QString());

        auto *box = h.find<QCheckBox>(QStringLiteral("chkName"));
        auto *inner = new QWidget(box);
        QApplication::sendEvent(inner, &enter);
        QCOMPARE(panel(h, 0)->text(), QStringLiteral("do you want to use this?"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(box, &leave);
        QCOMPARE(panel(h, 0)->text(), QString());

        // No tool tips anywhere: the tool tip event is swallowed.
        QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), edit->mapToGlobal(QPoint(2, 2)));
        QVERIFY(QApplication::sendEvent(edit, &tip));
        QVERIFY(edit->toolTip().isEmpty());
    }

    void clock()
    {
        Harness h;
        auto *timer = h.find<QTimer>(QStringLiteral("Timer1"));
        QVERIFY(timer->isActive());
        // The tick is aligned to the start of the next second (the fake clock stands at .500).
        QVERIFY(timer->interval() <= 505 && timer->interval() > 500);
        h.window().updateClock();
        QCOMPARE(panel(h, 1)->text(), QStringLiteral("14:05:09"));
        h.fakes.clock.time = h.fakes.clock.time.addSecs(1);
        h.window().updateClock();
        QCOMPARE(panel(h, 1)->text(), QStringLiteral("14:05:10"));
    }

    // A lock key's press shows its lock as the press leaves it, though the platform may still
    // report the state from before; the other lock, and any other key, show what it reports.
    void lockIndicators()
    {
        Harness h;
        FakeKeyLocks &locks = h.fakes.keyLocks;
        locks.num = true;
        // Shown only at the next key press in this window.
        QCOMPARE(panel(h, 5)->text(), QString());
        h.click(QStringLiteral("tbNew"));
        auto *edit = h.find<QLineEdit>(QStringLiteral("edCFG"));
        locks.afterPress = true;
        QTest::keyClick(edit, Qt::Key_CapsLock);
        QCOMPARE(panel(h, 4)->text(), QStringLiteral("Caps"));
        QCOMPARE(panel(h, 5)->text(), QStringLiteral("Num"));
        locks.caps = true;
        locks.afterPress = false;
        QTest::keyClick(edit, Qt::Key_CapsLock);
        QCOMPARE(panel(h, 4)->text(), QString());
        QTest::keyClick(edit, Qt::Key_NumLock);
        QCOMPARE(panel(h, 4)->text(), QStringLiteral("Caps"));
        QCOMPARE(panel(h, 5)->text(), QString());
        locks.caps = false;
        QTest::keyClicks(edit, QStringLiteral("z"));
        QCOMPARE(panel(h, 4)->text(), QString());
        QCOMPARE(panel(h, 5)->text(), QStringLiteral("Num"));
        // The key still reached the field: the preview consumes nothing.
        QVERIFY(edit->text().contains(QLatin1Char('z')));
    }

    void closeRightAfterStart()
    {
        Harness h;
        QVERIFY(h.window().close());
        QCOMPARE(h.fakes.dialogs.messages.size(), 0);
    }

    void closeAfterNewCancelled()
    {
        Harness h;
        h.click(QStringLiteral("tbNew"));
        h.fakes.dialogs.chooseAnswers << QMessageBox::Cancel;
        QVERIFY(!h.window().close());
        QCOMPARE(h.fakes.dialogs.messages.size(), 1);
        QCOMPARE(h.fakes.dialogs.messages.first().kind, ShownMessage::Question);
        QCOMPARE(h.fakes.dialogs.messages.first().caption, QStringLiteral("Confirm"));
        QCOMPARE(h.fakes.dialogs.messages.first().text, question);
        QVERIFY(h.window().isVisible());
        Layer layer;
        QVERIFY(h.visibleLayer(&layer) && layer == Layer::Start);
    }

    void closeUnsavedScriptWithOk()
    {
        Harness h;
        h.startRun();
        h.nextUntil(10);
        h.fakes.dialogs.chooseAnswers << QMessageBox::Discard;
        QVERIFY(h.window().close());
        QCOMPARE(h.fakes.dialogs.count(ShownMessage::Question), 1);
    }

    // The close question offers Save: the script is saved, then the window closes.
    void closeWithSave()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("closing.cfg"));
        Harness h;
        h.startRun();
        h.nextUntil(10);
        h.fakes.dialogs.chooseAnswers << QMessageBox::Save << QMessageBox::Save;
        QVERIFY(!h.window().close()); // the save dialog is cancelled
        QCOMPARE(h.fakes.dialogs.chooseButtons.last(), (QStringList {"Save", "Discard", "Cancel"}));
        h.fakes.dialogs.saveAnswers << path;
        QVERIFY(h.window().close());
        QCOMPARE(Harness::readFile(path), h.text().toUtf8());
    }

    void exitCommandsGoThroughTheGuard()
    {
        Harness h;
        h.click(QStringLiteral("tbNew"));
        h.click(QStringLiteral("tbExit"));
        h.trigger(QStringLiteral("Exit1"));
        QCOMPARE(h.fakes.dialogs.count(ShownMessage::Question), 2);
        QVERIFY(h.window().isVisible());
    }

    // Closing asks whenever work would be lost: a cancelled or failed save, or an edit after
    // the last save; it does not ask right after a successful save.
    void closeGuardProtectsUnsavedWork()
    {
        QTemporaryDir dir;
        Harness h;
        h.startRun();
        h.nextUntil(10);
        h.click(QStringLiteral("tbSave")); // cancelled
        QVERIFY(h.find<QToolButton>(QStringLiteral("tbNew"))->isEnabled());
        QVERIFY(!h.window().close());
        QCOMPARE(h.fakes.dialogs.count(ShownMessage::Question), 1);

        h.fakes.dialogs.saveAnswers << dir.filePath(QStringLiteral("ok.cfg"));
        h.click(QStringLiteral("tbSave"));
        QTest::keyClicks(h.window().editor(), QStringLiteral("x"));
        QVERIFY(!h.window().close());
        QCOMPARE(h.fakes.dialogs.count(ShownMessage::Question), 2);

        h.fakes.dialogs.saveAnswers << QStringLiteral("/nonexistent-tarvex-folder/a.cfg");
        h.trigger(QStringLiteral("SaveAs1"));
        QVERIFY(!h.window().close());
        QCOMPARE(h.fakes.dialogs.count(ShownMessage::Question), 3);

        // Save writes to the file last saved to, without asking for a name.
        h.click(QStringLiteral("tbSave"));
        QCOMPARE(h.fakes.dialogs.saveSuggestions.size(), 3);
        QVERIFY(h.window().close());
        QCOMPARE(h.fakes.dialogs.count(ShownMessage::Question), 3);
    }

    // Each About command shows a fresh box that frees itself when closed.
    void aboutTwice()
    {
        Harness h;
        QList<QPointer<QWidget>> boxes;
        for (int i = 0; i < 2; ++i) {
            QTimer::singleShot(0, [&] {
                auto *about = qobject_cast<AboutDialog *>(QApplication::activeModalWidget());
                QVERIFY(about);
                boxes << about;
                QCOMPARE(about->windowTitle(), QStringLiteral("Tarvex "));
                QCOMPARE(about->size(), QSize(340, 231));
                QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("BitBtn1")),
                                  Qt::LeftButton);
            });
            h.trigger(QStringLiteral("AboutTarvex1"));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QCOMPARE(boxes.size(), 2);
        QVERIFY(boxes[0].isNull() && boxes[1].isNull());
    }

    void webLinks()
    {
        Harness h;
        const char *items[] = {"QuorlinWebsite1", "QuorlinForums1", "TarvexManual1",
                               "EnemyTerritory1", "RTCWFiles1",     "SplashDamage1"};
        for (const char *item : items)
            h.trigger(QLatin1String(item));
        const QList<QUrl> &opened = h.fakes.desktop.opened;
        QCOMPARE(opened.size(), 6);
        QSet<QUrl> distinct(opened.begin(), opened.end());
        QCOMPARE(distinct.size(), 6);
        QVERIFY(opened[2].isLocalFile());
        QVERIFY2(QFile::exists(opened[2].toLocalFile()), qPrintable(opened[2].toString()));
        for (int i : {0, 1, 3, 4, 5})
            QCOMPARE(opened[i].scheme(), QStringLiteral("https"));

        AboutDialog about(h.fakes.desktop);
        about.openForums();
        about.openWebsite();
        QCOMPARE(opened.mid(6), (QList<QUrl> {opened[1], opened[0]}));
    }

    // An error escaping a handler is shown with the application title and a full stop, and
    // the program goes on with the next event.
    void errorBox()
    {
        Harness h;
        Faulty faulty;
        QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User));
        QCoreApplication::postEvent(&faulty, new QEvent(QEvent::Type(QEvent::User + 1)));
        QCoreApplication::sendPostedEvents(&faulty);
        QCOMPARE(h.fakes.dialogs.messages.size(), 1);
        QCOMPARE(h.fakes.dialogs.lastError(), QStringLiteral("The command failed."));
        QCOMPARE(faulty.handled, 1);
    }
};

TARVEX_TEST_MAIN(ShellTest)
#include "tst_shell.moc"
