// Times what the player waits for once the window is up, in the real main window with
// non-blocking dialogs:
//   - a whole wizard run: New, "Start...", the nine Next buttons, every check box checked;
//   - Find and Find Next through every match of a word in a script of 1 MiB;
//   - the recovery file of that script, written when the player pauses typing;
//   - Save of that script;
//   - the script check in that script: a full check, colouring every line, and typing (each
//     key's check and colours of the lines it changes, with the repaint);
//   - the keyboard map in that script: reading its bindings and drawing it again after each
//     key typed in the script view;
//   - then, in a new script after it, key presses in a key field of the Controls step, each
//     checked against the 1 MiB of script before it;
//   - the check of one line of 256 KiB and of 1 MiB made of semicolons (LongLine.h).
// Each handler is timed together with the repaint it causes. Prints one "name value" line per
// figure and run:
//   tarvex_bench_ops [RUNS] [FOLDER]   (FOLDER receives the saved script; a temporary one if none)
#include "BenchServices.h"
#include "LongLine.h"

#include "app/Application.h"
#include "app/CrashRecovery.h"
#include "app/MainWindow.h"
#include "app/SettingsReading.h"
#include "editor/CheckTools.h"
#include "editor/EditorTools.h"
#include "editor/FindDialog.h"
#include "editor/KeyMapView.h"
#include "editor/KeyMapWindow.h"
#include "editor/ScriptCheck.h"
#include "editor/ScriptHighlighter.h"
#include "steps/keys/KeyField.h"
#include "wizard/Layers.h"
#include "wizard/RecoveryFiles.h"
#include "wizard/ScriptBuffer.h"
#include "wizard/StartPage.h"
#include "wizard/StepPage.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr qsizetype scriptSize = 1024 * 1024;
// A setting the wizard's script holds three times (the quick-turn script sets it twice): a few
// hundred matches in the 1 MiB script.
const QString findWord = QStringLiteral("com_maxfps");

void settle(int msec = 50)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < msec)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

double millisecondsSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// Off during the warm-up run.
bool reporting = false;

void report(const char *name, double value)
{
    if (reporting)
        std::printf("%s %.4f\n", name, value);
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "tarvex_bench_ops: %s\n", what);
    std::exit(1);
}

// A press as the player makes it, with the repaint it causes.
void press(QAbstractButton *button)
{
    if (!button || !button->isEnabled())
        fail("a button to press is missing or disabled");
    button->click();
    QCoreApplication::processEvents();
}

// Types into the script view as the player does: key press and release, then the repaint.
void typeKey(QPlainTextEdit *editor, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(editor, &press);
    QCoreApplication::sendEvent(editor, &release);
    QCoreApplication::processEvents();
}

// Puts the caret after the key name of the first binding line from line `number` on.
void caretAfterBindingKey(QPlainTextEdit *editor, int number)
{
    QTextBlock block = editor->document()->findBlockByNumber(number);
    while (block.isValid() && !block.text().startsWith(QLatin1String("bind ")))
        block = block.next();
    if (!block.isValid())
        fail("no binding line to type in");
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + int(block.text().indexOf(QLatin1Char(' '), 5)));
    editor->setTextCursor(cursor);
}

// The `i`th key of a typing run: mostly letters; every fifth key a line break, which adds a line.
void typeRunKey(QPlainTextEdit *editor, int i)
{
    const bool lineBreak = i % 5 == 4;
    typeKey(editor, lineBreak ? Qt::Key_Return : Qt::Key_X,
            lineBreak ? QStringLiteral("\r") : QStringLiteral("x"));
}

// The check of the script view in the 1 MiB script: every line read again (as when the
// view is first checked), every line coloured again, and keys typed at the ends of binding
// lines all over the script, so that each key changes a binding that others follow.
void measureCheck(MainWindow &window)
{
    CheckTools &tools = window.checkTools();
    ScriptCheck *check = tools.check();
    QElapsedTimer timer;
    timer.start();
    check->setVersion(Game::Version::Et260b);
    report("check_full_ms", millisecondsSince(timer));
    timer.restart();
    tools.highlighter()->refresh();
    QCoreApplication::processEvents();
    report("colour_full_ms", millisecondsSince(timer));
    settle();

    QPlainTextEdit *editor = window.editor();
    editor->setFocus();
    const int lines = editor->document()->blockCount();
    double total = 0;
    double slowest = 0;
    int keys = 0;
    for (int i = 0; i < 40; ++i) {
        caretAfterBindingKey(editor, lines / 8 + i * (lines / 50));
        QCoreApplication::processEvents();
        timer.restart();
        typeRunKey(editor, i);
        const double ms = millisecondsSince(timer);
        total += ms;
        slowest = std::max(slowest, ms);
        ++keys;
    }
    report("typing_keys", keys);
    report("typing_mean_ms", total / keys);
    report("typing_max_ms", slowest);
}

// The keyboard map open beside the 1 MiB script: after each key typed in the script view, the
// map reads the script's bindings again and draws itself (a key typed after the key name of
// a binding line changes a binding, every fifth key adds a line).
void measureKeyMap(MainWindow &window)
{
    auto *show = window.findChild<QAction *>(QStringLiteral("KeyboardMap1"));
    if (!show)
        fail("there is no Keyboard Map command");
    show->trigger();
    auto *map = window.findChild<KeyMapWindow *>();
    if (!map || !map->isVisible())
        fail("the keyboard map does not show");
    settle();
    QPlainTextEdit *editor = window.editor();
    const int lines = editor->document()->blockCount();
    double total = 0;
    double slowest = 0;
    const int keys = 40;
    QElapsedTimer timer;
    for (int i = 0; i < keys; ++i) {
        caretAfterBindingKey(editor, lines / 9 + i * (lines / 45));
        typeRunKey(editor, i);
        // The map followed the key already; what it costs is timed again on its own.
        timer.restart();
        map->refresh();
        map->view()->repaint();
        const double ms = millisecondsSince(timer);
        total += ms;
        slowest = std::max(slowest, ms);
    }
    report("keymap_mean_ms", total / keys);
    report("keymap_max_ms", slowest);
    map->close();
}

// One press in a key field as the player makes it, in turn: F7, keypad 5 (which the Fire Teams
// rows bind too), the middle button and the wheel (which Next Weapon binds too).
void pressKey(KeyField *field, int turn)
{
    const QPointF at(4, field->height() / 2.0);
    switch (turn % 4) {
    case 0:
    case 1: {
        const int key = turn % 4 == 0 ? Qt::Key_F7 : Qt::Key_5;
        const Qt::KeyboardModifiers modifiers = turn % 4 == 0 ? Qt::NoModifier : Qt::KeypadModifier;
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers);
        QCoreApplication::sendEvent(field, &press);
        QCoreApplication::sendEvent(field, &release);
        break;
    }
    case 2: {
        QMouseEvent press(QEvent::MouseButtonPress, at, field->mapToGlobal(at), Qt::MiddleButton,
                          Qt::MiddleButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, field->mapToGlobal(at),
                            Qt::MiddleButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(field, &press);
        QCoreApplication::sendEvent(field, &release);
        break;
    }
    default: {
        QWheelEvent turn(at, field->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(field, &turn);
        break;
    }
    }
    QCoreApplication::processEvents();
}

// Read Settings on a settings file of 2000 lines in the game's shape: every key bound, every
// setting a row has, and the rest settings no row has.
void measureReading(MainWindow &window, const QString &folder)
{
    QStringList lines {QStringLiteral("// generated by ET, do not modify"),
                       QStringLiteral("unbindall")};
    const char *commands[] = {"+forward", "+back",   "+moveleft", "+moveright",          "+attack",
                              "weapalt",  "+scores", "vstr gun",  "say hello; say again"};
    for (char key = 'a'; key <= 'z'; ++key)
        lines << QStringLiteral("bind %1 \"%2\"").arg(QLatin1Char(key)).arg(commands[key % 9]);
    for (int key = 1; key <= 12; ++key)
        lines << QStringLiteral("bind F%1 \"vsay Hi\"").arg(key);
    for (const char *setting : {"cg_fov", "com_maxfps", "sensitivity", "rate", "cl_run", "name"})
        lines << QStringLiteral("seta %1 \"1\"").arg(QLatin1String(setting));
    while (lines.size() < 2000)
        lines << QStringLiteral("seta mod_setting%1 \"value %1\"").arg(lines.size());
    const QString path = QDir(folder).filePath(QStringLiteral("etconfig.cfg"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(lines.join(QLatin1Char('\n')).toLatin1()) < 0)
        fail("cannot write the settings file to read");
    file.close();
    settle();
    QElapsedTimer timer;
    timer.start();
    const bool read = window.settingsReading().read(path);
    report("read_settings_ms", millisecondsSince(timer));
    if (!read || !window.settingsReading().summary().startsWith(QLatin1String("Read etconfig.cfg")))
        fail("Read Settings did not read the settings file");
}

void run(BenchServices &fakes, const QString &folder)
{
    auto window = std::make_unique<MainWindow>(fakes.services());
    window->show();
    // The player's first click comes well after the window shows; by then the program has
    // built its screens in the background.
    settle(500);
    window->buildAllScreens();

    // Every option on: every check box of every screen, the scripts' Enable boxes among them.
    for (QCheckBox *box : window->findChildren<QCheckBox *>())
        box->setChecked(true);
    settle();

    QElapsedTimer timer;
    timer.start();
    press(window->findChild<QToolButton *>(QStringLiteral("tbNew")));
    press(window->startPage()->nextButton());
    for (int step = 1; step <= 9; ++step)
        press(window->stepPage(step)->nextButton());
    report("wizard_ms", millisecondsSince(timer));

    Layer top;
    if (!window->layers().visibleLayer(&top) || top != Layer::Editor)
        fail("the script view is not shown after the ninth step");

    // The script of this run, again and again, up to 1 MiB.
    ScriptBuffer &buffer = window->buffer();
    const QStringList wizardLines = buffer.text().split(QStringLiteral("\r\n"));
    while (buffer.text().size() < scriptSize)
        buffer.append(wizardLines);
    const QString script = buffer.text();
    report("script_bytes", double(script.size()));
    settle();

    // Find: the dialog's Find Next searches from the start.
    EditorTools &tools = window->editorTools();
    tools.find();
    FindDialog *dialog = tools.findDialog();
    auto *findText
            = dialog ? dialog->findChild<QLineEdit *>(QStringLiteral("edFindText")) : nullptr;
    auto *findNext
            = dialog ? dialog->findChild<QPushButton *>(QStringLiteral("btnFindNext")) : nullptr;
    if (!findText || !findNext)
        fail("the Find dialog has no find text or no Find Next button");
    findText->setText(findWord);
    settle();
    const int messagesBefore = fakes.dialogs.informationCount;
    timer.restart();
    press(findNext);
    report("find_ms", millisecondsSince(timer));
    if (fakes.dialogs.informationCount != messagesBefore)
        fail("Find did not find the word");

    // Find Next, from match to match until the message says there are no more.
    int matches = 1;
    double total = 0;
    double slowest = 0;
    for (;;) {
        timer.restart();
        window->editorTools().findNext();
        QCoreApplication::processEvents();
        const double ms = millisecondsSince(timer);
        if (fakes.dialogs.informationCount != messagesBefore)
            break;
        ++matches;
        total += ms;
        slowest = std::max(slowest, ms);
    }
    if (matches != script.count(findWord, Qt::CaseInsensitive))
        fail("Find Next did not stop at every match");
    report("matches", matches);
    report("findnext_mean_ms", total / (matches - 1));
    report("findnext_max_ms", slowest);
    report("findnext_total_ms", total);
    settle();

    // The recovery file once the player pauses typing, with the 1 MiB not saved yet: what the
    // window waits for (the state taken and encoded; the disk is written on a thread of its own).
    auto *recovery = window->findChild<CrashRecovery *>();
    if (!recovery)
        fail("the window keeps no recovery file");
    timer.restart();
    recovery->update();
    report("recovery_ms", millisecondsSince(timer));
    recovery->flush();
    if (QDir(RecoveryFiles::folder()).entryList({QStringLiteral("*.recovery")}).isEmpty())
        fail("the recovery file was not written");
    settle();

    // Save into a new file, as the first Save of a script does.
    const QString path = QDir(folder).filePath(QStringLiteral("bench.cfg"));
    QFile::remove(path);
    fakes.dialogs.saveAnswers = QStringList {path};
    timer.restart();
    window->saveScript();
    QCoreApplication::processEvents();
    report("save_ms", millisecondsSince(timer));
    if (fakes.dialogs.errorCount || QFileInfo(path).size() < scriptSize)
        fail("Save did not write the script");
    settle();

    measureCheck(*window);
    settle();
    measureKeyMap(*window);
    settle();

    // A new script goes on after the saved one: the key fields of the Controls step check each
    // key against the 1 MiB before it.
    press(window->findChild<QToolButton *>(QStringLiteral("tbNew")));
    press(window->startPage()->nextButton());
    auto *field = window->findChild<KeyField *>(QStringLiteral("edForward"));
    if (!field || !field->isVisible())
        fail("the Controls step does not show its key fields");
    QApplication::setActiveWindow(window.get());
    field->setFocus();
    settle();
    const int presses = 40;
    total = 0;
    slowest = 0;
    for (int i = 0; i < presses; ++i) {
        timer.restart();
        pressKey(field, i);
        const double ms = millisecondsSince(timer);
        total += ms;
        slowest = std::max(slowest, ms);
    }
    if (field->text() != QLatin1String("MWHEELUP")
        || !field->problem().startsWith(QLatin1String("MWHEELUP is also bound")))
        fail("the key field did not take the wheel, or did not find it bound twice");
    report("keypress_mean_ms", total / presses);
    report("keypress_max_ms", slowest);

    measureReading(*window, folder);

    window->hide();
    for (const auto kind : {LongLine::Kind::CommentSemicolons, LongLine::Kind::WebAddress}) {
        const bool comments = kind == LongLine::Kind::CommentSemicolons;
        const double quarterMs = LongLine::checkMs(kind, 256 * 1024);
        const double wholeMs = LongLine::checkMs(kind, 1024 * 1024);
        report(comments ? "long_line_ms" : "long_address_line_ms", wholeMs);
        report(comments ? "long_line_growth" : "long_address_line_growth", wholeMs / quarterMs);
    }
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    // The game version the script is checked for is the bench's own, not the player's choice.
    QStandardPaths::setTestModeEnabled(true);
    TarvexApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    QTemporaryDir temporary;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temporary.path();
    // Each run's window is dropped without its close path: its recovery file stays behind.
    RecoveryFiles::setFolder(temporary.filePath(QStringLiteral("recovery")));

    BenchServices fakes;
    // A first run that is not reported: fonts, style sheets and caches warm up.
    run(fakes, folder);
    reporting = true;
    for (int i = 0; i < runs; ++i)
        run(fakes, folder);
    return 0;
}
