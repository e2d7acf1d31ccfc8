// Opening a script: from the open dialog and by dropping a file; the close guard before the
// script is replaced, files that cannot be opened, and the window's title.
#include "app/RecentScripts.h"
#include "platform/Settings.h"
#include "support/Harness.h"
#include "wizard/ScriptFile.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolButton>

#include <unistd.h>
#include <utility>

namespace {

bool enabled(Harness &h, const char *name)
{
    if (auto *menu = h.window().findChild<QMenu *>(QLatin1String(name)))
        return menu->menuAction()->isEnabled();
    return h.find<QAction>(QLatin1String(name))->isEnabled();
}

bool newAvailable(Harness &h)
{
    return h.find<QToolButton>(QStringLiteral("tbNew"))->isEnabled();
}

Layer shownLayer(Harness &h)
{
    Layer layer = Layer::Start;
    return h.visibleLayer(&layer) ? layer : Layer(-1);
}

const QString question = QStringLiteral("You selected to close the application\rwhile you were "
                                        "editing the config file\rare you sure? The config file "
                                        "will be lost");

// Two scripts to open, one.cfg and two.cfg, each a line of its name.
std::pair<QString, QString> twoScripts(const QTemporaryDir &dir)
{
    return {Harness::writeFile(dir.filePath(QStringLiteral("one.cfg")), "one\r\n"),
            Harness::writeFile(dir.filePath(QStringLiteral("two.cfg")), "two\r\n")};
}

} // namespace

class OpenTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // Each test starts with no recent script and no folder used last.
        Settings().clear();
    }

    // An opened script is shown exactly, as at the end of a run, and an unchanged one is saved
    // back as it was read: its encoding and line ends (those of its first line) kept.
    void opening_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("shown"); // the script's text in UTF-8, lines joined by CR LF
        QTest::addColumn<QByteArray>("saved"); // the file after Save
        QTest::addColumn<QString>("title");
        const QString utf8 = QStringLiteral("my.cfg[*] - Tarvex v3");
        const QByteArray crlf = "\r\nbind F \"+forward\"\r\n// \xc3\xa9t\xc3\xa9 \xd0\x96\r\n";
        QTest::newRow("CR LF, UTF-8") << crlf << crlf << crlf << utf8;
        const QByteArray lf = "seta a 1\nseta b 2\n";
        QTest::newRow("LF") << lf << QByteArray("seta a 1\r\nseta b 2\r\n") << lf << utf8;
        const QByteArray cr = "seta a 1\rseta b 2\r";
        QTest::newRow("CR") << cr << QByteArray("seta a 1\r\nseta b 2\r\n") << cr << utf8;
        QTest::newRow("mixed, no final line end")
                << QByteArray("a\n\r\nb\rc\n\rd") << QByteArray("a\r\n\r\nb\r\nc\r\n\r\nd")
                << QByteArray("a\n\nb\nc\n\nd") << utf8;
        const QByteArray bom = "\xef\xbb\xbf"
                               "bind X \"+x\"\r\n";
        QTest::newRow("byte-order mark") << bom << bom << bom << utf8;
        QTest::newRow("empty") << QByteArray() << QByteArray() << QByteArray() << utf8;
        // Every byte of 0x80 and above, those Windows-1252 leaves undefined included.
        QByteArray upper = "// \xe4 ";
        for (int byte = 0x80; byte <= 0xff; ++byte)
            upper += char(byte);
        upper += "\nseta name \"J\xe4ger\"\n";
        QString shown = QStringLiteral("// \u00e4 \u20ac\u0081\u201a\u0192\u201e\u2026\u2020\u2021"
                                       "\u02c6\u2030\u0160\u2039\u0152\u008d\u017d\u008f\u0090"
                                       "\u2018\u2019\u201c\u201d\u2022\u2013\u2014\u02dc\u2122"
                                       "\u0161\u203a\u0153\u009d\u017e\u0178");
        for (int c = 0xa0; c <= 0xff; ++c)
            shown += QChar(c);
        shown += QStringLiteral("\r\nseta name \"J\u00e4ger\"\r\n");
        const QString windows = QStringLiteral("my.cfg (Windows-1252)[*] - Tarvex v3");
        QTest::newRow("Windows-1252, LF") << upper << shown.toUtf8() << upper << windows;
        // A UTF-8 sequence cut off at the end of the file: the file is not UTF-8.
        QTest::newRow("cut UTF-8 sequence")
                << QByteArray("say ol\xc3") << QByteArray("say ol\xc3\x83")
                << QByteArray("say ol\xc3") << windows;
        const QByteArray nul("say a\0b\r\nsay c\0\r\n\0", 17);
        QTest::newRow("NUL characters") << nul << nul << nul << utf8;
    }
    void opening()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, shown);
        QFETCH(QByteArray, saved);
        QFETCH(QString, title);
        QTemporaryDir dir;
        const QString path = Harness::writeFile(dir.filePath(QStringLiteral("my.cfg")), bytes);
        Harness h;
        h.startRun();
        h.fakes.dialogs.openAnswers << path;
        h.fakes.dialogs.chooseAnswers << QMessageBox::Discard;
        h.click(QStringLiteral("tbOpen"));

        QCOMPARE(h.fakes.dialogs.count(ShownMessage::Question), 1);
        QCOMPARE(h.fakes.dialogs.messages.size(), 1);
        QCOMPARE(h.text().toUtf8(), shown);
        QCOMPARE(shownLayer(h), Layer::Editor);
        QVERIFY(enabled(h, "Edit1") && enabled(h, "SaveCFG1") && enabled(h, "Print1"));
        QVERIFY(newAvailable(h));
        QVERIFY(!h.window().editor()->document()->isUndoAvailable());
        QCOMPARE(h.window().windowTitle(), title);
        QVERIFY(!h.window().isWindowModified());
        QCOMPARE(Harness::readFile(path), bytes);

        // Save writes the opened file back, without asking for a name.
        h.trigger(QStringLiteral("SaveCFG1"));
        QCOMPARE(h.fakes.dialogs.saveSuggestions, QStringList {});
        QCOMPARE(Harness::readFile(path), saved);
        QCOMPARE(h.fakes.dialogs.messages.size(), 1);
    }

    // A character typed into a Windows-1252 file that Windows-1252 lacks is not lost: the file
    // is saved in UTF-8 then, and the title no longer names another encoding.
    void typedBeyondWindows1252()
    {
        QTemporaryDir dir;
        const QString path
                = Harness::writeFile(dir.filePath(QStringLiteral("my.cfg")), "// \xe4\nseta a 1\n");
        Harness h;
        h.fakes.dialogs.openAnswers << path;
        h.trigger(QStringLiteral("Open1"));
        QCOMPARE(h.window().windowTitle(), QStringLiteral("my.cfg (Windows-1252)[*] - Tarvex v3"));
        h.window().editor()->moveCursor(QTextCursor::End);
        QTest::keyClicks(h.window().editor(), QStringLiteral("// "));
        QKeyEvent cyrillic(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("\u0416"));
        QCoreApplication::sendEvent(h.window().editor(), &cyrillic);
        h.fakes.dialogs.saveAnswers << path;
        h.trigger(QStringLiteral("SaveCFG1"));
        QCOMPARE(Harness::readFile(path), QByteArray("// \xc3\xa4\nseta a 1\n// \xd0\x96"));
        QTRY_COMPARE(h.window().windowTitle(), QStringLiteral("my.cfg[*] - Tarvex v3"));
    }

    // No question while nothing is unsaved; Cancel keeps everything; Discard replaces the
    // script. The question names both files. The title marks the script while it differs from its
    // file.
    void guardAnswers()
    {
        QTemporaryDir dir;
        const auto [first, second] = twoScripts(dir);
        Harness h;
        h.fakes.dialogs.openAnswers << first << second << second;
        h.trigger(QStringLiteral("Open1"));
        QCOMPARE(h.fakes.dialogs.messages.size(), 0);
        QCOMPARE(h.text(), QStringLiteral("one\r\n"));

        QTest::keyClick(h.window().editor(), Qt::Key_X);
        QTRY_VERIFY(h.window().isWindowModified());
        h.fakes.dialogs.chooseAnswers << QMessageBox::Cancel << QMessageBox::Discard;
        h.trigger(QStringLiteral("Open1"));
        QCOMPARE(h.fakes.dialogs.messages.size(), 1);
        QCOMPARE(h.fakes.dialogs.messages.last().text,
                 QStringLiteral("Save the changes to \"one.cfg\" before opening \"two.cfg\"?"));
        QCOMPARE(h.fakes.dialogs.chooseButtons.last(), (QStringList {"Save", "Discard", "Cancel"}));
        QCOMPARE(h.fakes.dialogs.openPlaces.size(), 2);
        QCOMPARE(h.text(), QStringLiteral("xone\r\n"));
        QVERIFY(h.window().isWindowModified());

        h.trigger(QStringLiteral("Open1"));
        QCOMPARE(h.fakes.dialogs.count(ShownMessage::Question), 2);
        QCOMPARE(h.text(), QStringLiteral("two\r\n"));
        QCOMPARE(h.window().windowTitle(), QStringLiteral("two.cfg[*] - Tarvex v3"));
        QVERIFY(!h.window().isWindowModified());
        // Back to the file's text: no longer marked, and closing does not ask.
        QTest::keyClick(h.window().editor(), Qt::Key_Y);
        QTRY_VERIFY(h.window().isWindowModified());
        QTest::keyClick(h.window().editor(), Qt::Key_Backspace);
        QTRY_VERIFY(!h.window().isWindowModified());
        QVERIFY(h.window().close());
        QCOMPARE(h.fakes.dialogs.messages.size(), 2);
    }

    // Save in the question before opening writes the changes to their file first; a new
    // script's name is asked for, and cancelling that opens nothing.
    void saveBeforeOpening()
    {
        QTemporaryDir dir;
        const auto [first, second] = twoScripts(dir);
        Harness h;
        h.startRun();
        h.fakes.dialogs.openAnswers << first << first;
        h.fakes.dialogs.chooseAnswers << QMessageBox::Save << QMessageBox::Save;
        h.trigger(QStringLiteral("Open1")); // the save dialog is cancelled
        QCOMPARE(h.fakes.dialogs.saveSuggestions.size(), 1);
        QCOMPARE(shownLayer(h), Layer::Controls);
        const QString run = dir.filePath(QStringLiteral("run.cfg"));
        h.fakes.dialogs.saveAnswers << run;
        const QString text = h.text();
        h.trigger(QStringLiteral("Open1"));
        QCOMPARE(Harness::readFile(run), text.toUtf8());
        QCOMPARE(h.text(), QStringLiteral("one\r\n"));

        QTest::keyClick(h.window().editor(), Qt::Key_X);
        h.fakes.dialogs.openAnswers << second;
        h.fakes.dialogs.chooseAnswers << QMessageBox::Save;
        h.trigger(QStringLiteral("Open1"));
        QCOMPARE(Harness::readFile(first), QByteArray("xone\r\n"));
        QCOMPARE(h.text(), QStringLiteral("two\r\n"));
        QCOMPARE(h.fakes.dialogs.saveSuggestions.size(), 2);
    }

    // A file that cannot be opened is named in the error box with the reason; nothing changes.
    void unreadable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "gone.cfg"
                                 << "No such file or directory";
        QTest::newRow("folder") << "folder.cfg"
                                << "Is a directory";
        QTest::newRow("no permission") << "locked.cfg"
                                       << "Permission denied";
        QTest::newRow("over 16 MiB") << "large.cfg"
                                     << "File larger than 16 MiB";
        QTest::newRow("device") << "/dev/zero"
                                << "Not a regular file";
        // Characters the script view would show and save as line breaks.
        for (const char *hex : {"2028", "2029", "FDD0", "FDD1"}) {
            QTest::addRow("U+%s", hex)
                    << QStringLiteral("U+%1.cfg").arg(QLatin1String(hex))
                    << QStringLiteral("Line 2 holds the character U+%1, which the script view "
                                      "would turn into a line break")
                               .arg(QLatin1String(hex));
        }
    }
    void unreadable()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString path = QDir::isAbsolutePath(name) ? name : dir.filePath(name);
        if (name == QLatin1String("folder.cfg")) {
            QVERIFY(QDir(dir.path()).mkdir(name));
        } else if (name == QLatin1String("locked.cfg")) {
            // Root reads any file of its own; the kernel still refuses it a write-only setting.
            if (::geteuid() == 0)
                path = QStringLiteral("/proc/sys/vm/drop_caches");
            else
                QFile::setPermissions(Harness::writeFile(path, "x\r\n"), {});
            QFile probe(path);
            if (probe.open(QIODevice::ReadOnly))
                QSKIP("no unreadable file here");
        } else if (name == QLatin1String("large.cfg")) {
            QFile large(path);
            QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(largestScriptFile + 1));
        } else if (name.startsWith(QLatin1String("U+"))) {
            const QChar hidden(name.mid(2, 4).toUShort(nullptr, 16));
            Harness::writeFile(path, QStringLiteral("say a\nsay b%1c\r\n").arg(hidden).toUtf8());
        }
        const bool device = name == QLatin1String("/dev/zero");
        const QByteArray before = device ? QByteArray() : Harness::readFile(path);
        Harness h;
        h.startRun();
        const QString text = h.text();
        h.fakes.dialogs.chooseAnswers << QMessageBox::Discard;
        h.fakes.dialogs.openAnswers << path;
        h.trigger(QStringLiteral("Open1"));

        // Nothing to ask about: the file cannot replace the script.
        QCOMPARE(h.fakes.dialogs.messages.size(), 1);
        QCOMPARE(h.fakes.dialogs.lastError(),
                 QStringLiteral("Cannot open file \"%1\". %2.").arg(path, reason));
        QCOMPARE(h.text(), text);
        QCOMPARE(shownLayer(h), Layer::Controls);
        QVERIFY(!newAvailable(h));
        QCOMPARE(h.window().windowTitle(), QStringLiteral("Tarvex v3"));
        if (!device)
            QCOMPARE(Harness::readFile(path), before);
        QVERIFY(RecentScripts::paths().isEmpty());
    }

    // A single script (.cfg or plain text) dropped anywhere on the window opens, after the
    // question; anything else is refused with its name in the status bar, and no field takes
    // its address as text.
    void droppedFile()
    {
        QTemporaryDir dir;
        const QString path = Harness::writeFile(dir.filePath(QStringLiteral("DROP.CFG")), "drop\n");
        const QString text = Harness::writeFile(dir.filePath(QStringLiteral("note.txt")), "note\n");
        const QString picture = Harness::writeFile(dir.filePath(QStringLiteral("shot.png")),
                                                   QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("maps")));
        Harness h;
        h.startRun();
        auto dropped = [&h](QWidget *target, const QList<QUrl> &urls) {
            QMimeData data;
            data.setUrls(urls);
            data.setText(urls.value(0).toString());
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            if (!enter.isAccepted())
                return false;
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &drop);
            return drop.isAccepted();
        };
        auto *hintLine = h.find<QLabel>(QStringLiteral("StatusPanel0"));
        auto *field = h.find<QLineEdit>(QStringLiteral("edForward"));
        const QString before = h.text();
        QVERIFY(!dropped(field, {QUrl::fromLocalFile(picture)}));
        QCOMPARE(field->text(), QStringLiteral("W"));
        QCOMPARE(hintLine->text(), QStringLiteral("Not a script: \"shot.png\"."));
        QVERIFY(!dropped(h.window().editor(), {QUrl::fromLocalFile(dir.filePath("maps"))}));
        QCOMPARE(hintLine->text(), QStringLiteral("Not a script: \"maps\"."));
        const QUrl cfg = QUrl::fromLocalFile(path);
        QVERIFY(!dropped(&h.window(), {cfg, cfg}));
        QCOMPARE(h.text(), before);
        QCOMPARE(h.fakes.dialogs.messages.size(), 0);

        h.fakes.dialogs.chooseAnswers << QMessageBox::Discard;
        QVERIFY(dropped(field, {QUrl::fromLocalFile(text)}));
        QTRY_COMPARE(h.text(), QStringLiteral("note\r\n"));
        QCOMPARE(h.fakes.dialogs.messages.last().text,
                 QStringLiteral("Save the changes to \"Untitled\" before opening \"note.txt\"?"));
        // The script view takes dropped text itself; a script file is opened all the same.
        QVERIFY(dropped(h.window().editor(), {cfg}));
        QTRY_COMPARE(h.text(), QStringLiteral("drop\r\n"));
        QCOMPARE(h.fakes.dialogs.count(ShownMessage::Question), 1);
        QCOMPARE(shownLayer(h), Layer::Editor);
    }
};

TARVEX_TEST_MAIN(OpenTest)
#include "tst_open.moc"
