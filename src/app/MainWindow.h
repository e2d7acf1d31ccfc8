#pragma once

#include "app/CommandBars.h"
#include "app/WebLinks.h"
#include "platform/Services.h"
#include "wizard/Layers.h"
#include "wizard/Transitions.h"

#include <QMainWindow>

#include <memory>

class QPlainTextEdit;
class QTimer;
class CheckTools;
class CrashRecovery;
class EditorTools;
class KeyCheck;
class ScriptBuffer;
class ScriptFiles;
class SettingsReading;
class StartPage;
class StepPage;
class Wizard;

// The main window: menus, tool bar, the wizard's screens and the script view stacked in the
// client area, and the status bar with hint line, clock, caret place and lock-key indicators.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(Services services = Services::platform(), QWidget *parent = nullptr);
    ~MainWindow() override;

    ScriptBuffer &buffer() const { return *m_buffer; }
    Wizard &wizard() const { return *m_wizard; }
    LayerStack &layers() const;
    QPlainTextEdit *editor() const { return m_editor; }
    EditorTools &editorTools() const { return *m_tools; }
    CheckTools &checkTools() const { return *m_checkTools; }
    ScriptFiles &scriptFiles() const { return *m_files; }
    SettingsReading &settingsReading() const { return *m_reading; }
    // The start screen and the screens of the option steps, 1 to 9. A screen is built the first
    // time it is shown or asked for.
    StartPage *startPage() const;
    StepPage *stepPage(int step) const;
    // Builds every screen now.
    void buildAllScreens();
    // At start: offers back the work of copies closed without saving.
    void offerRecovery();

public slots:
    // New from the tool bar (Trigger::ToolbarNew) or from the File menu (Trigger::MenuNew):
    // the start screen of a new run, appended to the same script.
    void newScript(Trigger trigger);
    // Saves the script under the name chosen in the save dialog.
    void saveScript();
    // Shows a script chosen in the open dialog, once the close guard allows.
    void openScript();
    // Shows the script at `path` as Open would; tells why when it cannot be read.
    void openScriptFile(const QString &path);
    void showAbout();
    void openLink(WebLink link);
    // Shows the time in the status bar; runs just after each second begins.
    void updateClock();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // What the menus' and the tool bar's commands do.
    CommandRuns commandRuns();
    void createClientArea();
    // Builds the next screen not built yet, one per turn of the event loop, once the window
    // has been painted: the window shows at once, and each screen is ready before it is needed.
    void buildNextScreen();
    void styleScriptView();
    void startClock();
    void scheduleClockTick();

    Services m_services;
    QWidget *m_client = nullptr;
    QPlainTextEdit *m_editor = nullptr;
    ScriptBuffer *m_buffer = nullptr;
    Wizard *m_wizard = nullptr;
    EditorTools *m_tools = nullptr;
    CheckTools *m_checkTools = nullptr;
    ScriptFiles *m_files = nullptr;
    KeyCheck *m_keys = nullptr; // the key fields' check, which the keyboard map follows
    CrashRecovery *m_recovery = nullptr;
    SettingsReading *m_reading = nullptr;
    std::unique_ptr<CommandBars> m_bars;
    QTimer *m_clockTimer = nullptr;
    bool m_scriptViewStyled = false;
};
