#pragma once

#include "app/Application.h"
#include "app/MainWindow.h"
#include "game/GameData.h"
#include "support/FakeServices.h"
#include "wizard/Layers.h"

#include <QAbstractButton>
#include <QAction>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>

#include <memory>

// Thrown when a test looks for a control that is not there; its failure is already recorded.
struct ControlNotFound
{
};

// The real main window with scripted platform services, driven the way a player drives it.
class Harness
{
public:
    Harness();
    ~Harness();

    MainWindow &window() { return *m_window; }
    FakeServices fakes;

    // A control of the window by its name. When there is none the test fails with that name
    // and its test program stops, instead of going on with a null pointer.
    template<typename T> T *find(const QString &name)
    {
        T *child = m_window->findChild<T *>(name);
        if (!child) {
            // Screens are built when first shown; a test may look at one before that.
            m_window->buildAllScreens();
            child = m_window->findChild<T *>(name);
        }
        if (!child)
            failLookup(name);
        return child;
    }

    // Clicks a button (or a tool bar button) with the mouse, as a player would.
    void click(const QString &buttonName);
    // Clicks a button and returns the lines that click appended.
    QStringList press(const QString &buttonName);
    // Replaces a field's text as a player does: select all, delete, then type.
    static void retype(QWidget *field, const QString &text);
    // The same for the field (edit or editable combo box) of that name.
    void retype(const QString &fieldName, const QString &text);
    // Replaces that field's text by selecting all and pasting: for text that cannot be typed as
    // key presses (letters beyond ASCII).
    void paste(const QString &fieldName, const QString &text);
    // Clicks a check box until it shows `checked`.
    void setChecked(const QString &boxName, bool checked = true);
    // Triggers a menu item by its name.
    void trigger(const QString &actionName);

    // Picks the section style on the start screen: "SN", "S1" or "S2".
    void chooseStyle(const QString &style);
    // Picks the game on the start screen.
    void chooseGame(Game::Version version);

    // New, then "Start...": the Controls step is shown.
    void startRun();
    // Presses the Next buttons of the steps from `from` up to the one before `step` (1 to 10),
    // after startRun().
    void nextUntil(int step, int from = 1);
    // Presses the Next button of `step` and returns the lines that press appended.
    QStringList pressNext(int step);
    // The Next button's name of a step, 1 to 9.
    static QString nextButton(int step);

    // The script as it would be saved.
    QString text() const;
    // The script's lines (the pieces between CR LF pairs).
    QStringList lines() const;

    // The layer the player sees; false when only the background shows.
    bool visibleLayer(Layer *layer) const;

    // The contents of a file in tests/data, byte for byte.
    static QByteArray data(const QString &name);
    // Writes a file for a test to open; returns its path.
    static QString writeFile(const QString &path, const QByteArray &bytes);
    // A file's bytes, or "<missing>" when there is no such file.
    static QByteArray readFile(const QString &path);

    // Starts a run under SN and goes on to `step` (1 to 9), whose screen then shows.
    void goToStep(int step);
    // A control given the keyboard focus in the active window, as a click leaves it.
    template<typename T> T *focus(const QString &name)
    {
        T *control = find<T>(name);
        focusInWindow(control);
        return control;
    }

private:
    // Records the failure naming `name`, then throws ControlNotFound.
    [[noreturn]] static void failLookup(const QString &name);
    void focusInWindow(QWidget *control);
    std::unique_ptr<MainWindow> m_window;
};

// Gives this test program settings and recovery files of its own, in a folder removed when it
// ends: away from the player's and from those of the test programs that run at the same time.
void useOwnSettings();

// Every test program runs in the program's own application object, so that errors escaping
// a handler reach the error box as in the program.
#define TARVEX_TEST_MAIN(TestObject)                                                               \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        QStandardPaths::setTestModeEnabled(true); /* not the player's settings */                  \
        useOwnSettings();                                                                          \
        TarvexApplication app(argc, argv);                                                         \
        TestObject test;                                                                           \
        try {                                                                                      \
            return QTest::qExec(&test, argc, argv);                                                \
        } catch (const ControlNotFound &) {                                                        \
            return 1; /* the failure names the control */                                          \
        }                                                                                          \
    }
