// The program by keyboard and screen reader: a whole run with key presses only, and every
// screen's controls reachable by Tab in the order they stand, each with a name of its own.
#include "app/AboutDialog.h"
#include "support/Harness.h"
#include "wizard/Steps.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QSet>
#include <QTemporaryDir>

#include <memory>

namespace {

// Where key presses go: an open menu, else the control of `window` with the keyboard focus.
void press(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::activePopupWidget();
    if (!target)
        target = window->focusWidget();
    QTest::keyClick(target ? target : window, key, modifiers);
}

// Opens the File menu with Alt+F, goes down to the item with the arrow key and chooses it.
void chooseFromFileMenu(QWidget *window, const QString &item)
{
    press(window, Qt::Key_F, Qt::AltModifier);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QVERIFY(menu->activeAction());
    for (int i = 0; i < menu->actions().size() && menu->activeAction()->objectName() != item; ++i)
        press(window, Qt::Key_Down);
    QCOMPARE(menu->activeAction()->objectName(), item);
    press(window, Qt::Key_Return);
    QVERIFY(!QApplication::activePopupWidget());
    // The window manager gives the window back its activation when the menu closes; the
    // headless platform leaves that to the test.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

Layer shownLayer(Harness &h)
{
    Layer layer = Layer::Start;
    return h.visibleLayer(&layer) ? layer : Layer::Start;
}

// The name a screen reader gives the control: the one set for it, else what it shows (a
// button's caption). (On Linux Qt reports a combo box's text as its name and names it through
// its label instead: the name set is the label's text.)
QString accessibleName(QWidget *widget)
{
    if (!widget->accessibleName().isEmpty())
        return widget->accessibleName();
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// The controls of `screen` that take the keyboard focus, in the order Tab goes through them. A
// control that passes the focus on to another (an editable combo box's field to its box) is
// reached through that one; it goes to `proxied`.
QList<QWidget *> tabStops(QWidget *screen, QList<QWidget *> &proxied)
{
    QList<QWidget *> stops;
    if (screen->focusPolicy() & Qt::TabFocus)
        stops << screen; // the script view is a control of its own
    for (QWidget *w = screen->nextInFocusChain(); w != screen; w = w->nextInFocusChain()) {
        if (!screen->isAncestorOf(w) || !w->isVisible() || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        QList<QWidget *> &list = w->focusProxy() ? proxied : stops;
        if (list.contains(w))
            break;
        list << w;
    }
    return stops;
}

// Whether Tab going from `a` to `b` follows the screen: to the right on the same row, down,
// or up to the top of a column further right; never back up the same column or leftwards.
bool followsTheScreen(QWidget *screen, QWidget *a, QWidget *b)
{
    const QRect ra(a->mapTo(screen, QPoint(0, 0)), a->size());
    const QRect rb(b->mapTo(screen, QPoint(0, 0)), b->size());
    const bool sameRow = qAbs(ra.center().y() - rb.center().y()) < qMin(ra.height(), rb.height());
    if (sameRow)
        return rb.center().x() > ra.center().x();
    return rb.center().y() > ra.center().y() || rb.left() >= ra.right();
}

} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    // New, "Start...", the nine Next buttons and Save, by keyboard alone.
    void wholeRunByKeyboard()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("keys.cfg"));
        Harness h;
        QWidget *window = &h.window();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));

        chooseFromFileMenu(window, QStringLiteral("NewCFG1"));
        QCOMPARE(shownLayer(h), Layer::Start);
        press(window, Qt::Key_S, Qt::AltModifier);
        // A mnemonic presses its button for a moment before it clicks.
        QTRY_COMPARE(shownLayer(h), Layer::Controls);
        // Alt+N presses the Next of the screen in sight only: one step per press.
        for (int step = firstStep; step < lastStep; ++step) {
            press(window, Qt::Key_N, Qt::AltModifier);
            QTRY_COMPARE(shownLayer(h), stepInfo(step + 1).layer);
        }
        press(window, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(shownLayer(h), Layer::Editor);

        h.fakes.dialogs.saveAnswers << path;
        chooseFromFileMenu(window, QStringLiteral("SaveCFG1"));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), Harness::data(QStringLiteral("default_s1.cfg")));
        QCOMPARE(h.fakes.dialogs.messages.size(), 0);
    }

    // The About box's links: Tab reaches them, Enter and Space open them.
    void aboutLinksByKeyboard()
    {
        Harness h;
        auto *about = new AboutDialog(h.fakes.desktop, &h.window());
        about->show();
        about->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about));
        auto focused = [about] {
            return about->focusWidget() ? about->focusWidget()->objectName() : QString();
        };
        QCOMPARE(focused(), QStringLiteral("BitBtn1"));
        press(about, Qt::Key_Tab);
        QCOMPARE(focused(), QStringLiteral("Label5"));
        press(about, Qt::Key_Return);
        press(about, Qt::Key_Tab);
        QCOMPARE(focused(), QStringLiteral("Label2"));
        press(about, Qt::Key_Space);
        QCOMPARE(h.fakes.desktop.opened.size(), 2);
        QVERIFY(about->isVisible());
        delete about;
    }

    void everyScreen_data()
    {
        QTest::addColumn<int>("screen"); // a layer, or -1 for the About box
        const char *names[] = {"step 2", "step 3", "step 4", "step 5", "step 6", "step 7",
                               "step 8", "script", "step 1", "step 9", "start"};
        for (int layer = 0; layer < layerCount; ++layer)
            QTest::newRow(names[layer]) << layer;
        QTest::newRow("About box") << -1;
    }
    // Every control that Tab reaches has a name for screen readers, none shared on its screen,
    // and Tab goes through them in the order they stand.
    void everyScreen()
    {
        QFETCH(int, screen);
        Harness h;
        std::unique_ptr<AboutDialog> about;
        QWidget *shown = nullptr;
        if (screen < 0) {
            about = std::make_unique<AboutDialog>(h.fakes.desktop);
            about->setAttribute(Qt::WA_DeleteOnClose, false);
            about->show();
            QVERIFY(QTest::qWaitForWindowExposed(about.get()));
            shown = about.get();
        } else {
            h.window().buildAllScreens();
            h.window().layers().show(static_cast<Layer>(screen));
            shown = h.window().layers().widget(static_cast<Layer>(screen));
            QVERIFY(shown->isVisible());
        }

        QList<QWidget *> proxied;
        const QList<QWidget *> stops = tabStops(shown, proxied);
        QVERIFY(!stops.isEmpty());
        for (QWidget *control : proxied)
            QVERIFY2(!accessibleName(control).isEmpty(), qPrintable(control->objectName()));
        QSet<QString> names;
        for (QWidget *control : stops) {
            const QString name = accessibleName(control);
            QVERIFY2(!name.isEmpty(), qPrintable(control->objectName()));
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
        }
        for (int i = 1; i < stops.size(); ++i) {
            QVERIFY2(followsTheScreen(shown, stops[i - 1], stops[i]),
                     qPrintable(stops[i - 1]->objectName() + QStringLiteral(" -> ")
                                + stops[i]->objectName()));
        }
    }
};

TARVEX_TEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
