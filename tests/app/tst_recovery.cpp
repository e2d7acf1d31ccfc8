// Work brought back after Tarvex was closed without saving: a window dropped without its close
// path (or a program killed) on each kind of screen, then a new one started; the question at
// start, broken files, and the times the recovery file goes away.
#include "app/CrashRecovery.h"
#include "support/Harness.h"
#include "wizard/RecoveryFiles.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include "app/ScriptFiles.h"

namespace {

// The steps of a run with a vsay added on step 2, a line typed in the script view after it and
// saved, then a second run after New, saved again. `save` names the first file; the second is
// saved as `save` with "2" added.
QStringList actions()
{
    QStringList list
            = {QStringLiteral("tbNew"), QStringLiteral("S1"), QStringLiteral("SpeedButton1"),
               QStringLiteral("next1"), QStringLiteral("vsay")};
    for (int step = 2; step <= 9; ++step)
        list << QStringLiteral("next%1").arg(step);
    list << QStringLiteral("type") << QStringLiteral("pause") << QStringLiteral("save")
         << QStringLiteral("type") << QStringLiteral("pause") << QStringLiteral("tbNew")
         << QStringLiteral("SpeedButton1");
    for (int step = 1; step <= 9; ++step)
        list << QStringLiteral("next%1").arg(step);
    list << QStringLiteral("save2");
    return list;
}

// Lets the script view's pause run out at once, after checking that it is waiting.
void pause(Harness &h)
{
    auto *timer = h.find<QTimer>(QStringLiteral("RecoveryTimer"));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), CrashRecovery::editPause);
    timer->start(0);
    QTRY_VERIFY(!timer->isActive());
    timer->setInterval(CrashRecovery::editPause);
}

void typeLine(Harness &h, const QString &line)
{
    auto *editor = h.focus<QPlainTextEdit>(QStringLiteral("Editor"));
    QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(editor, line);
    QTest::keyClick(editor, Qt::Key_Return);
}

void perform(Harness &h, const QString &action, const QString &saveAs)
{
    if (action.startsWith(QLatin1String("next"))) {
        h.click(Harness::nextButton(action.mid(4).toInt()));
    } else if (action == QLatin1String("S1")) {
        h.chooseStyle(action);
    } else if (action == QLatin1String("vsay")) {
        // The second of the two "EnemyWeak" items.
        h.find<QComboBox>(QStringLiteral("cbVsay"))->setCurrentIndex(1);
        h.click(QStringLiteral("btnVsayAdd"));
    } else if (action == QLatin1String("type")) {
        typeLine(h, QStringLiteral("say typed"));
    } else if (action == QLatin1String("pause")) {
        pause(h);
    } else if (action.startsWith(QLatin1String("save"))) {
        h.fakes.dialogs.saveAnswers << saveAs + action.mid(4);
        // Each save goes to a file of its own: Save As, once the script has a file.
        auto *asked = h.find<QAction>(QStringLiteral("SaveAs1"));
        if (asked->isEnabled() && !h.window().scriptFiles().path().isEmpty())
            asked->trigger();
        else
            h.click(QStringLiteral("tbSave"));
    } else {
        h.click(action);
    }
}

// What the player sees and has set: the screen, every control's value, the commands, the title,
// the script and its caret.
QStringList seen(Harness &h)
{
    MainWindow &window = h.window();
    window.buildAllScreens();
    window.scriptFiles().updateTitle();
    QStringList out;
    for (QWidget *control : window.findChildren<QWidget *>()) {
        const QString name = control->objectName();
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            out << name + QStringLiteral(" text ") + edit->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(control);
                 button && button->isCheckable())
            out << name + QStringLiteral(" checked ") + QString::number(button->isChecked());
        else if (auto *combo = qobject_cast<QComboBox *>(control))
            out << name + QStringLiteral(" item ") + QString::number(combo->currentIndex());
    }
    // The screens are built in another order when work is restored.
    out.sort();
    Layer top;
    out << QStringLiteral("layer %1").arg(h.visibleLayer(&top) ? int(top) : -1);
    for (const char *command :
         {"tbNew", "NewCFG1", "tbSave", "SaveCFG1", "Print1", "Edit1", "ReadSettings1"}) {
        QObject *object = window.findChild<QObject *>(QLatin1String(command));
        out << QLatin1String(command) + QStringLiteral(" on ")
                        + object->property("enabled").toString();
    }
    out << window.windowTitle() + QStringLiteral(" modified ")
                    + QString::number(window.isWindowModified());
    const QTextCursor caret = window.editor()->textCursor();
    out << QStringLiteral("caret %1 %2").arg(caret.anchor()).arg(caret.position());
    out << window.editor()->toPlainText().split(QLatin1Char('\n'));
    return out;
}

QStringList questions(Harness &h)
{
    QStringList texts;
    for (const ShownMessage &message : h.fakes.dialogs.messages) {
        if (message.kind == ShownMessage::Question)
            texts << message.caption + QStringLiteral(": ") + message.text;
    }
    return texts;
}

// The recovery files in the folder, once the running windows' writes are done.
int recoveryFiles(std::initializer_list<Harness *> running = {})
{
    for (Harness *h : running)
        h->window().findChild<CrashRecovery *>()->flush();
    return QDir(RecoveryFiles::folder()).entryList({QStringLiteral("*.recovery")}).size();
}

} // namespace

class RecoveryTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QLocale::setDefault(QLocale::system());
        QDir(RecoveryFiles::folder()).removeRecursively();
        QVERIFY(m_files.isValid());
    }

    // The whole run without a break, and the file its first run saves.
    void initTestCase()
    {
        QVERIFY(m_files.isValid());
        Harness h;
        for (const QString &action : actions())
            perform(h, action, m_files.filePath(QStringLiteral("whole")));
        m_whole = Harness::readFile(m_files.filePath(QStringLiteral("whole2")));
        // The first run is the default run under Style 1, with the vsay and the typed line.
        QByteArray first = Harness::data(QStringLiteral("default_s1.cfg"));
        first.insert(first.indexOf("//Scripts part 1 ---"), "bind F5 \"vsay EnemyWeak\"\r\n");
        QCOMPARE(Harness::readFile(m_files.filePath(QStringLiteral("whole"))),
                 first + "say typed\r\n");
    }

    void killedAndRestored_data()
    {
        QTest::addColumn<int>("killAfter");
        const QStringList list = actions();
        // After every action that leaves the work in the file: "Start...", each Next, Add Vsay,
        // the pause after typing, New after the script changed.
        for (int i = 0; i < list.size(); ++i) {
            const QString &action = list[i];
            if (action == QLatin1String("SpeedButton1") || action.startsWith(QLatin1String("next"))
                || action == QLatin1String("vsay") || action == QLatin1String("pause")
                || (action == QLatin1String("tbNew") && i > 0))
                QTest::addRow("%d %s", i, qPrintable(action)) << i + 1;
        }
    }
    void killedAndRestored()
    {
        QFETCH(int, killAfter);
        const QStringList list = actions();
        const QString saveAs = m_files.filePath(QStringLiteral("broken%1").arg(killAfter));
        QStringList before;
        {
            Harness h;
            for (int i = 0; i < killAfter; ++i)
                perform(h, list[i], saveAs);
            before = seen(h);
            // Dropped without its close path, as when the program is killed.
        }
        Harness h;
        h.window().offerRecovery();
        QCOMPARE(h.fakes.dialogs.count(ShownMessage::Question), 1);
        QCOMPARE(seen(h), before);
        for (int i = killAfter; i < list.size(); ++i)
            perform(h, list[i], saveAs);
        QCOMPARE(Harness::readFile(saveAs + QStringLiteral("2")), m_whole);
    }

    // The question names when and what was left; the newest comes first, and once one is
    // restored the others wait for the next start. Restored work counts as unsaved.
    void question()
    {
        const QString mine = m_files.filePath(QStringLiteral("mine.cfg"));
        {
            Harness h;
            h.startRun();
        }
        {
            Harness h;
            h.fakes.clock.time = QDateTime(QDate(2026, 12, 8), QTime(9, 30, 15));
            h.goToStep(10);
            h.fakes.dialogs.saveAnswers << mine;
            h.click(QStringLiteral("tbSave"));
            typeLine(h, QStringLiteral("say later"));
            pause(h);
        }
        // The date and time as the player's locale writes them.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Harness h;
        h.window().offerRecovery();
        QCOMPARE(questions(h),
                 QStringList {QStringLiteral(
                         "Tarvex 1.0: Tarvex was closed on 12/8/26, 9:30 AM without saving "
                         "\"mine.cfg\". Restore it?")});
        const QList<QStringList> buttons
                = {{QStringLiteral("&Restore"), QStringLiteral("&Discard")}};
        QCOMPARE(h.fakes.dialogs.askButtons, buttons);
        QVERIFY(h.lines().contains(QStringLiteral("say later")));
        h.window().scriptFiles().updateTitle();
        QCOMPARE(h.window().windowTitle(), QStringLiteral("mine.cfg[*] - Tarvex v3"));
        QVERIFY(h.window().isWindowModified());
        QVERIFY(!h.window().close());
        QCOMPARE(h.fakes.dialogs.count(ShownMessage::Question), 2);
        QCOMPARE(recoveryFiles({&h}), 2);

        // The other one, next time; Discard removes it.
        Harness next;
        next.fakes.dialogs.askAnswers << false;
        next.window().offerRecovery();
        QCOMPARE(questions(next),
                 QStringList {QStringLiteral(
                         "Tarvex 1.0: Tarvex was closed on 12/7/26, 2:05 PM without saving "
                         "\"a new script\". Restore it?")});
        QCOMPARE(recoveryFiles({&h}), 1);
        Layer shown;
        QVERIFY(!next.visibleLayer(&shown));
    }

    // A file that cannot be read is set aside and reported once; the start goes on.
    void brokenFiles()
    {
        const QString folder = RecoveryFiles::folder() + QLatin1Char('/');
        QVERIFY(QDir().mkpath(folder));
        Harness::writeFile(folder + QStringLiteral("cut.recovery"),
                           Harness::data(QStringLiteral("recovery_v1.recovery")).chopped(7));
        Harness::writeFile(folder + QStringLiteral("later.recovery"),
                           "Tarvex recovery 2\nend 0\n\n");
        {
            Harness h;
            h.window().offerRecovery();
            QStringList shown;
            for (const ShownMessage &message : h.fakes.dialogs.messages)
                shown << message.caption + QStringLiteral(": ") + message.text;
            const QString path = QDir::toNativeSeparators(folder);
            QCOMPARE(shown,
                     (QStringList {
                             QStringLiteral(
                                     "Tarvex 1.0: The recovery file %1cut.recovery could not be "
                                     "read: it was cut short. It was kept as %1cut.recovery.bad.")
                                     .arg(path),
                             QStringLiteral(
                                     "Tarvex 1.0: The recovery file %1later.recovery could not be "
                                     "read: it was written by a newer version of Tarvex. It was "
                                     "kept as %1later.recovery.bad.")
                                     .arg(path)}));
            Layer top;
            QVERIFY(!h.visibleLayer(&top));
            h.startRun();
            QVERIFY(h.visibleLayer(&top));
            QCOMPARE(top, Layer::Controls);
        }
        Harness h;
        h.window().offerRecovery();
        QCOMPARE(h.fakes.dialogs.messages.size(), 1); // the run just dropped
        QCOMPARE(h.fakes.dialogs.messages[0].kind, ShownMessage::Question);
    }

    // The file goes when the work is safe or given up, and only then.
    void fileGoesWhenWorkIsSafe()
    {
        Harness h;
        h.goToStep(3);
        QCOMPARE(recoveryFiles({&h}), 1);
        h.nextUntil(10, 3);
        h.fakes.dialogs.saveAnswers << m_files.filePath(QStringLiteral("safe.cfg"));
        h.click(QStringLiteral("tbSave"));
        QCOMPARE(recoveryFiles({&h}), 0);
        // New after a save: nothing to keep until the new run writes.
        h.click(QStringLiteral("tbNew"));
        QCOMPARE(recoveryFiles({&h}), 0);
        h.click(QStringLiteral("SpeedButton1"));
        QCOMPARE(recoveryFiles({&h}), 1);
        // Exit, refused and then allowed.
        QVERIFY(!h.window().close());
        QCOMPARE(recoveryFiles({&h}), 1);
        h.fakes.dialogs.chooseAnswers << QMessageBox::Discard;
        QVERIFY(h.window().close());
        QCOMPARE(recoveryFiles({&h}), 0);
    }

    // An edit undone before Exit leaves nothing unsaved: Exit asks nothing and the file goes.
    void normalExitAfterUndo()
    {
        const QString path
                = Harness::writeFile(m_files.filePath(QStringLiteral("open.cfg")), "say hi\r\n");
        Harness h;
        h.fakes.dialogs.openAnswers << path;
        h.click(QStringLiteral("tbOpen"));
        typeLine(h, QStringLiteral("say more"));
        pause(h);
        QCOMPARE(recoveryFiles({&h}), 1);
        for (int i = 0; i < 3 && h.text() != QLatin1String("say hi\r\n"); ++i)
            QTest::keyClick(h.window().editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(h.text(), QStringLiteral("say hi\r\n"));
        QVERIFY(h.window().close());
        QCOMPARE(h.fakes.dialogs.messages.size(), 0);
        QCOMPARE(recoveryFiles({&h}), 0);
    }

#ifdef TARVEX_RECOVERY_CHILD
    // A program killed on step 5 is offered back and, finished, writes the default script.
    void killedProgram()
    {
        QProcess child;
        child.start(QStringLiteral(TARVEX_RECOVERY_CHILD),
                    {RecoveryFiles::folder(), QStringLiteral("5"), QStringLiteral("abort")});
        QVERIFY(child.waitForFinished(120000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(child.readAllStandardOutput(), QByteArray("ready\n"));
        Harness h;
        h.window().offerRecovery();
        QCOMPARE(h.fakes.dialogs.count(ShownMessage::Question), 1);
        Layer top;
        QVERIFY(h.visibleLayer(&top));
        QCOMPARE(top, Layer::Game);
        h.nextUntil(10, 5);
        const QString saved = m_files.filePath(QStringLiteral("killed.cfg"));
        h.fakes.dialogs.saveAnswers << saved;
        h.click(QStringLiteral("tbSave"));
        QCOMPARE(Harness::readFile(saved), Harness::data(QStringLiteral("default_s1.cfg")));
    }

    // Copies running at the same time keep separate files and never offer each other's.
    void runningCopies()
    {
        QProcess child;
        child.start(QStringLiteral(TARVEX_RECOVERY_CHILD),
                    {RecoveryFiles::folder(), QStringLiteral("3"), QStringLiteral("wait")});
        QVERIFY(child.waitForReadyRead(120000));
        Harness h;
        h.window().offerRecovery();
        QCOMPARE(h.fakes.dialogs.messages.size(), 0);
        h.goToStep(2);
        QCOMPARE(recoveryFiles({&h}), 2);
        child.kill();
        QVERIFY(child.waitForFinished());
        Harness other;
        other.window().offerRecovery();
        QCOMPARE(other.fakes.dialogs.count(ShownMessage::Question), 1);
        Layer top;
        QVERIFY(other.visibleLayer(&top));
        QCOMPARE(top, Layer::Scripts1);
        QCOMPARE(recoveryFiles({&h, &other}), 2); // the first window's and the second's own
    }
#endif

private:
    QTemporaryDir m_files;
    QByteArray m_whole;
};

TARVEX_TEST_MAIN(RecoveryTest)
#include "tst_recovery.moc"
