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
        h.find<QComboBox>(QStringLiteral("cbVsay"))->setCurrentIndex(33);
        h.click(QStringLiteral("btnVsayAdd"));
    } else if (action == QLatin1String("type")) {
        typeLine(h, QStringLiteral("say typed"));
    } else if (action == QLatin1String("pause")) {
        pause(h);
    } else if (action.startsWith(QLatin1String("save"))) {
        h.fakes.dialogs.saveAnswers << saveAs + action.mid(4);
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
    for (const char *command : {"tbNew", "NewCFG1", "tbSave", "SaveCFG1", "Print1", "Edit1"}) {
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

int recoveryFiles()
{
    return QDir(RecoveryFiles::folder()).entryList({QStringLiteral("*.recovery")}).size();
}

} // namespace

class RecoveryTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
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

private:
    QTemporaryDir m_files;
    QByteArray m_whole;
};

TARVEX_TEST_MAIN(RecoveryTest)
#include "tst_recovery.moc"
