#pragma once

#include "platform/Services.h"
#include "wizard/Layers.h"
#include "wizard/Transitions.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTimer;
class QToolButton;
class EditorTools;
class ScriptBuffer;
class StartPage;
class StepPage;

// The main window: menus, tool bar, the wizard's screens and the script view stacked in the
// client area, and the status bar with hint line, clock, caret place and lock-key indicators.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(Services services = Services::platform(), QWidget *parent = nullptr);
    ~MainWindow() override;

    ScriptBuffer &buffer() const { return *m_buffer; }
    LayerStack &layers() const { return *m_layers; }
    QPlainTextEdit *editor() const { return m_editor; }
    EditorTools &editorTools() const { return *m_tools; }
    // The start screen and the screens of the option steps, 1 to 9. A screen is built the first
    // time it is shown or asked for.
    StartPage *startPage() const;
    StepPage *stepPage(int step) const;
    // Builds every screen now.
    void buildAllScreens() const;

public slots:
    // File menu and tool bar.
    void tbNewClick();
    void NewCFG1Click();
    void tbSaveClick();
    void SaveCFG1Click();
    void tbExitClick();
    void Exit1Click();
    void PrintSetup1Click();
    void Print1Click();
    // Edit menu.
    void Undo1Click();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void Find1Click();
    void FindNext1Click();
    // Help and More menus.
    void AboutTarvex1Click();
    void QuorlinWebsite1Click();
    void QuorlinForums1Click();
    void TarvexManual1Click();
    void EnemyTerritory1Click();
    void RTCWFiles1Click();
    void SplashDamage1Click();
    // The wizard's buttons: "Start..." and the nine Next buttons.
    void SpeedButton1Click();
    void SpeedButton8Click();
    void SpeedButton7Click();
    void SpeedButton6Click();
    void SpeedButton5Click();
    void SpeedButton4Click();
    void SpeedButton3Click();
    void SpeedButton2Click();
    void btn8Click();
    void btn9Click();
    // The status bar clock.
    void Timer1Timer();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The close guard: whether the window may close now.
    void FormCloseQuery(bool &canClose);
    // Key preview: every key press in this window, before the focused control sees it.
    void FormKeyDown();

    void buildMenus();
    void buildToolBar();
    void buildStatusBar();
    void buildClientArea();
    StepPage *createStepPage(int step);
    // Builds the next screen not built yet, one per turn of the event loop, once the window
    // has been painted: the window shows at once, and each screen is ready before it is needed.
    void buildNextScreen();

    void apply(Trigger trigger);
    void setCommandEnabled(Command command, bool enabled);
    // A step's Next: its framed lines, then its screen change.
    void runStep(int step);
    void save();
    void scheduleClockTick();

    Services m_services;
    QPlainTextEdit *m_editor = nullptr;
    ScriptBuffer *m_buffer = nullptr;
    LayerStack *m_layers = nullptr;
    EditorTools *m_tools = nullptr;

    QWidget *m_client = nullptr;

    QToolButton *m_tbNew = nullptr;
    QToolButton *m_tbSave = nullptr;
    QToolButton *m_tbExit = nullptr;
    QAction *m_newCFG = nullptr;
    QAction *m_saveCFG = nullptr;
    QAction *m_print = nullptr;
    QMenu *m_editMenu = nullptr;
    QLabel *m_panels[6] = {};
    QTimer *m_timer = nullptr;
    bool m_screensScheduled = false;

    // The name the save dialog offers: the one confirmed last.
    QString m_saveName;
    // The script as last saved successfully; closing asks while the script differs from it.
    QString m_savedText;
};
