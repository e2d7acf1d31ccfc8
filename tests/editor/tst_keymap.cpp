// The keyboard map: the keys the script binds, drawn where they sit, kept up to date as the
// script and the key fields change, readable as accessible items, and saved as a picture.
#include "support/Harness.h"

#include "editor/CheckTools.h"
#include "editor/EditorTools.h"
#include "editor/KeyMapView.h"
#include "editor/KeyMapWindow.h"
#include "steps/keys/KeyField.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

KeyMapWindow *openMap(Harness &h)
{
    h.click(QStringLiteral("tbKeyMap"));
    auto *map = h.window().findChild<KeyMapWindow *>();
    if (map)
        map->resize(1100, 520);
    return map;
}

// The place of a key on the map; the `nth` when the key has two (ALT in ET 2.60b).
int placeOf(const KeyMapView *view, const QString &name, int nth = 0)
{
    for (int i = 0; i < view->placeCount(); ++i) {
        if (view->place(i).name == name && nth-- == 0)
            return i;
    }
    return -1;
}

QString itemName(const KeyMapView *view, int place)
{
    QAccessibleInterface *map
            = QAccessible::queryAccessibleInterface(const_cast<KeyMapView *>(view));
    return map->child(place)->text(QAccessible::Name);
}

QString itemName(const KeyMapView *view, const QString &key, int nth = 0)
{
    return itemName(view, placeOf(view, key, nth));
}

// The colour a key is filled with on screen, read near its bottom right corner, where no text is.
QColor fillOf(KeyMapView *view, const QString &key)
{
    const QRect r = view->placeRect(placeOf(view, key));
    return view->grab().toImage().pixelColor(r.right() - r.width() / 8,
                                             r.bottom() - r.height() / 8);
}

// How many pixels of the key are drawn in `colour`.
int pixelsOf(KeyMapView *view, const QString &key, const QColor &colour)
{
    const QImage image = view->grab().toImage();
    const QRect r = view->placeRect(placeOf(view, key));
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x)
            count += image.pixelColor(x, y) == colour;
    }
    return count;
}

void clickKey(KeyMapView *view, const QString &key)
{
    QTest::mouseClick(view, Qt::LeftButton, {}, view->placeRect(placeOf(view, key)).center());
}

void defaultRun(Harness &h)
{
    h.click(QStringLiteral("tbNew"));
    h.chooseStyle(QStringLiteral("S1"));
    h.click(QStringLiteral("SpeedButton1"));
    h.nextUntil(10);
}

// The items of the map that are bound, each key once, in the order of their lines.
QStringList boundItems(const KeyMapView *view)
{
    QStringList items;
    for (int i = 0; i < view->placeCount(); ++i) {
        const QString name = itemName(view, i);
        if (!name.endsWith(QLatin1String(": free")) && !name.contains(QLatin1String("no key name")))
            items << name;
    }
    items.removeDuplicates();
    const QRegularExpression line(QStringLiteral("\\(line (\\d+)\\)$"));
    std::stable_sort(items.begin(), items.end(), [&line](const QString &a, const QString &b) {
        return line.match(a).captured(1).toInt() < line.match(b).captured(1).toInt();
    });
    return items;
}

const QColor slate(0x3b, 0x50, 0x68);

} // namespace

class KeyMapTest : public QObject
{
    Q_OBJECT

private slots:
    void defaultScript()
    {
        Harness h;
        defaultRun(h);
        QCOMPARE(h.text().toUtf8(), Harness::data(QStringLiteral("default_s1.cfg")));
        KeyMapWindow *map = openMap(h);
        QVERIFY(map && map->isVisible());
        KeyMapView *view = map->view();

        const QStringList expected = QString::fromUtf8(Harness::data("keymap_default.txt"))
                                             .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(boundItems(view), expected);
        // Every other key with a name is free, both Shift keys are one key in ET 2.60b, and
        // nothing is bound twice.
        QCOMPARE(itemName(view, "F9"), QString("F9: free"));
        QCOMPARE(itemName(view, "SHIFT", 1), QString("SHIFT: sprint (line 21)"));
        QCOMPARE(itemName(view, placeOf(view, "")), QString("PRINT: no key name in ET 2.60b"));
        for (const KeyUse &use : map->model().uses())
            QVERIFY2(!use.twice() && use.runScript.isEmpty(), qPrintable(use.key));
        QCOMPARE(fillOf(view, "W"), KeyMapDrawing::kindColour(Game::BindingKind::Moving));
        QCOMPARE(fillOf(view, "MOUSE1"), KeyMapDrawing::kindColour(Game::BindingKind::Weapons));
        QCOMPARE(fillOf(view, "F9"), QColor(Qt::white));
        QVERIFY(map->view()->drawing().unplaced().isEmpty());

        // The list: the same 48 keys, sorted by key, then by binding.
        auto *list = h.window().findChild<QTreeWidget *>("KeyList");
        QCOMPARE(list->topLevelItemCount(), 48);
        QCOMPARE(list->topLevelItem(0)->text(0), QString(","));
        QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {},
                          QPoint(list->header()->sectionViewportPosition(1) + 5, 5));
        QCOMPARE(list->topLevelItem(0)->text(1), QString("+activate"));
        QCOMPARE(list->topLevelItem(0)->text(0), QString("F"));
        QCOMPARE(list->topLevelItem(47)->text(1), QString("weapprev"));

        // A bound key puts the caret on its line in the script view.
        clickKey(view, "F3");
        QCOMPARE(h.window().editor()->textCursor().blockNumber(), 157);
    }

    void keyBoundTwiceInTheScriptView()
    {
        Harness h;
        defaultRun(h);
        KeyMapWindow *map = openMap(h);
        KeyMapView *view = map->view();
        QPlainTextEdit *editor = h.window().editor();
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(editor, "bind W \"+back\"");
        const int line = editor->document()->blockCount();
        QCOMPARE(itemName(view, "W"), QStringLiteral("W: back (line %1)").arg(line));
        QCOMPARE(fillOf(view, "W"), KeyMapDrawing::warningColour());
        QCOMPARE(fillOf(view, "S"), KeyMapDrawing::kindColour(Game::BindingKind::Moving));
        QVERIFY(map->model().use("W").description().contains("bound 2 times"));
        // The line taken away again: W is bound once, where it was.
        QTest::keyClick(editor, Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClick(editor, Qt::Key_Delete);
        QCOMPARE(itemName(view, "W"), QString("W: forward (line 11)"));
        QCOMPARE(fillOf(view, "W"), KeyMapDrawing::kindColour(Game::BindingKind::Moving));
    }

    void keyFieldsOfTheWizard()
    {
        Harness h;
        h.goToStep(1);
        auto *forward = h.focus<KeyField>("edForward");
        KeyMapWindow *map = openMap(h);
        KeyMapView *view = map->view();
        auto *hint = map->findChild<QLabel *>("KeyMapHint");
        // The screen's keys are on the map before Next writes them.
        QCOMPARE(itemName(view, "W"), QString("W: forward (step 1)"));
        clickKey(view, "F9");
        QCOMPARE(forward->text(), QString("F9"));
        QCOMPARE(itemName(view, "F9"), QString("F9: forward (step 1)"));
        QCOMPARE(itemName(view, "W"), QString("W: free"));
        clickKey(view, "F9");
        QCOMPARE(hint->text(), QString("F9 is the key of \"Forward:\" on step 1"));

        // With no key field focused a free key only says so.
        h.focus<QWidget>(Harness::nextButton(1));
        clickKey(view, "F10");
        QCOMPARE(forward->text(), QString("F9"));
        QCOMPARE(hint->text(), QString("F10 is free"));

        const QPoint over = view->placeRect(placeOf(view, "F9")).center();
        QMouseEvent move(QEvent::MouseMove, over, view->mapToGlobal(over), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &move);
        QCOMPARE(hint->text(), QString("F9 runs \"+forward\" (\"Forward:\", step 1)"));

        // A line written earlier names its step; the field that wrote it adds no binding.
        h.click(Harness::nextButton(1));
        QCOMPARE(itemName(view, "F9"),
                 QStringLiteral("F9: forward (line %1)")
                         .arg(h.lines().indexOf("bind F9 \"+forward\"") + 1));
        clickKey(view, "F9");
        QCOMPARE(hint->text(),
                 QString("F9 is bound on line %1, written at step 1")
                         .arg(h.lines().indexOf("bind F9 \"+forward\"") + 1));
    }

    void arrowKeysAndAccessibleItems()
    {
        Harness h;
        defaultRun(h);
        KeyMapWindow *window = openMap(h);
        KeyMapView *view = window->view();
        QApplication::setActiveWindow(window);
        view->setFocus();
        QAccessibleInterface *map = QAccessible::queryAccessibleInterface(view);
        QCOMPARE(map->childCount(), view->placeCount());
        QCOMPARE(map->child(0)->role(), QAccessible::ListItem);
        const std::pair<Qt::Key, const char *> moves[]
                = {{Qt::Key_Right, "F1: vote yes (line 38)"},
                   {Qt::Key_Down, "2: weaponbank 2 (line 45)"},
                   {Qt::Key_Left, "1: weaponbank 1 (line 44)"},
                   {Qt::Key_Left, "`: free"},
                   {Qt::Key_Up, "ESCAPE: free"},
                   {Qt::Key_Down, "`: free"},
                   {Qt::Key_Down, "TAB: scores (line 27)"},
                   {Qt::Key_Right, "Q: leanleft (line 15)"}};
        for (const auto &[key, name] : moves) {
            QTest::keyClick(view, key);
            QVERIFY(map->focusChild());
            QCOMPARE(map->focusChild()->text(QAccessible::Name), QString(name));
            QVERIFY(map->focusChild()->state().focused);
        }
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(h.window().editor()->textCursor().blockNumber(), 14);
    }

    void keysTakenWhenScriptsRun()
    {
        Harness h;
        h.goToStep(3);
        h.setChecked("chkVolume");
        h.retype("edVolume", "PGDN");
        h.retype("edVolume1", "END");
        h.click(Harness::nextButton(3));
        const int line = int(h.lines().indexOf(QRegularExpression("^seta vc_volume0 .*"))) + 1;
        QVERIFY(line > 0);

        auto *jump = h.find<KeyField>("edJump2");
        h.setChecked("chkJump");
        Harness::retype(jump, "ins");
        QCOMPARE(jump->accessibleDescription(),
                 QStringLiteral("ins is taken by the script vc_volume0 when it runs (line %1)")
                         .arg(line));
        Harness::retype(jump, "F9");
        QCOMPARE(jump->accessibleDescription(), QString());

        KeyMapView *view = openMap(h)->view();
        QCOMPARE(itemName(view, "PGUP"),
                 QStringLiteral("PGUP: taken by vc_volume0 when it runs (line %1)").arg(line));
        QCOMPARE(itemName(view, "INS"),
                 QStringLiteral("INS: taken by vc_volume0 when it runs (line %1)").arg(line));
        QVERIFY(pixelsOf(view, "INS", slate) > 20);
        QCOMPARE(pixelsOf(view, "DEL", slate), 0);
        // The player's own key into the chain is a binding of its own, not hatched.
        QCOMPARE(itemName(view, "PGDN"),
                 QStringLiteral("PGDN: vc_volume5 (line %1)")
                         .arg(h.lines().indexOf("bind PGDN \"vstr vc_volume5\"") + 1));
        QCOMPARE(pixelsOf(view, "PGDN", slate), 0);
    }

    void modifiersOfEachGame()
    {
        QTemporaryDir dir;
        const QString path = Harness::writeFile(
                dir.filePath("mods.cfg"),
                "bind ALT \"+stats\"\r\nbind RIGHTALT \"+sprint\"\r\nbind LEFTCTRL \"+prone\"\r\n"
                "bind CTRL \"+speed\"\r\nbind AUX1 \"+attack\"\r\n");
        Harness h;
        h.fakes.dialogs.openAnswers << path;
        h.trigger("Open1");
        h.window().checkTools().setVersion(Game::Version::Et260b);
        KeyMapWindow *map = openMap(h);
        KeyMapView *view = map->view();
        QCOMPARE(itemName(view, "ALT", 1), QString("ALT: stats (line 1)"));
        QCOMPARE(itemName(view, "CTRL", 1), QString("CTRL: speed (line 4)"));
        QCOMPARE(map->view()->drawing().unplaced(), QStringList {"AUX1"});

        h.window().checkTools().setVersion(Game::Version::Legacy);
        QCOMPARE(itemName(view, "ALT"), QString("ALT: stats (line 1)"));
        QCOMPARE(itemName(view, "RIGHTALT"), QString("RIGHTALT: sprint (line 2)"));
        QCOMPARE(itemName(view, "RIGHTCTRL"), QString("RIGHTCTRL: free"));
        QCOMPARE(itemName(view, "CTRL"), QString("CTRL: speed (line 4)"));
        QCOMPARE(fillOf(view, "CTRL"), KeyMapDrawing::warningColour());
        QCOMPARE(fillOf(view, "RIGHTALT"), KeyMapDrawing::kindColour(Game::BindingKind::Moving));
        QCOMPARE(itemName(view, "WINDOWS"), QString("WINDOWS: free"));
    }

    void exportAndPrint()
    {
        QTemporaryDir dir;
        Harness h;
        defaultRun(h);
        KeyMapView *view = openMap(h)->view();
        const QString png = dir.filePath("map.png");
        const QString svg = dir.filePath("map.svg");
        const QString nowhere = dir.filePath("missing/map.png");
        h.fakes.dialogs.pictureAnswers << png << svg << nowhere;

        h.trigger("ExportKeyboardMap1");
        const QImage image(png);
        QCOMPARE(image.size(), view->size());
        const QRect w = view->placeRect(placeOf(view, "W"));
        QCOMPARE(image.pixelColor(w.right() - w.width() / 8, w.bottom() - w.height() / 8),
                 KeyMapDrawing::kindColour(Game::BindingKind::Moving));

        h.trigger("ExportKeyboardMap1");
        QSvgRenderer drawing(svg);
        QVERIFY(drawing.isValid());
        QCOMPARE(drawing.viewBox(), QRect(QPoint(0, 0), view->size()));
        QVERIFY(Harness::readFile(svg).contains(">forward<"));
        QCOMPARE(h.fakes.dialogs.messages.size(), 0);

        h.trigger("ExportKeyboardMap1");
        QCOMPARE(h.fakes.dialogs.lastError(),
                 QStringLiteral("The keyboard map could not be saved to %1.").arg(nowhere));

        const QString pdf = dir.filePath("map.pdf");
        h.window().editorTools().printer().setOutputFormat(QPrinter::PdfFormat);
        h.window().editorTools().printer().setOutputFileName(pdf);
        h.click("btnPrintMap");
        QProcess info;
        info.start("pdfinfo", {pdf});
        QVERIFY(info.waitForFinished(60000));
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput())
                        .contains(QRegularExpression("Pages:\\s+1\\n")));
        QCOMPARE(h.window().editorTools().printer().pageLayout().orientation(),
                 QPageLayout::Portrait);
    }
};

TARVEX_TEST_MAIN(KeyMapTest)
#include "tst_keymap.moc"
