#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/Application.h"
#include "app/CrashRecovery.h"
#include "app/KeyMapShell.h"
#include "app/ScriptFiles.h"
#include "app/SettingsReading.h"
#include "app/StepScreens.h"
#include "app/WindowWatchers.h"
#include "editor/CheckTools.h"
#include "editor/EditorTools.h"
#include "editor/KeyMapWindow.h"
#include "widgets/Background.h"
#include "widgets/HintLine.h"
#include "widgets/Pictures.h"
#include "widgets/Style.h"
#include "wizard/ScriptBuffer.h"
#include "wizard/StartPage.h"
#include "wizard/Wizard.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>

namespace {

// The client area: the background picture and the layers, each filling the whole area.
class ClientArea : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void resizeEvent(QResizeEvent *) override
    {
        for (QObject *child : children()) {
            if (auto *widget = qobject_cast<QWidget *>(child))
                widget->setGeometry(rect());
        }
    }
    void childEvent(QChildEvent *event) override
    {
        if (event->added()) {
            if (auto *widget = qobject_cast<QWidget *>(event->child()))
                widget->setGeometry(rect());
        }
        QWidget::childEvent(event);
    }
};

// The clock's text: the locale's long time format without its time zone.
QString clockText(const QDateTime &now)
{
    const QLocale locale = QLocale::system();
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*")));
    return locale.toString(now.time(), format.trimmed());
}

} // namespace

MainWindow::MainWindow(Services services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(pictureIcon(QStringLiteral("tarvex"), QString(), QSize(64, 64)));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);

    createClientArea();
    m_bars = std::make_unique<CommandBars>(*this, commandRuns());

    // The check first: its first colouring lays out the still empty script in the window's font,
    // before the script view's own font is set, which is loaded when the view is first shown.
    m_checkTools = new CheckTools(m_editor, m_bars->hintPanel, this);
    m_tools = new EditorTools(m_editor, m_bars->linePanel, m_bars->positionPanel, m_services, this);
    m_bars->connectEditor(m_editor, *m_tools);
    // The key fields of the screens look up the keys the script binds in the script's check.
    m_keys = addStepScreens(*m_wizard, *m_buffer, *m_checkTools->check(), *m_services.dialogs,
                            m_client, m_bars->readSettings());
    m_files = new ScriptFiles(*this, m_services, *m_buffer, *m_wizard);
    // One choice of game: the screens write for the game the script is checked for.
    connect(m_checkTools, &CheckTools::versionChanged, m_wizard, &Wizard::setGameVersion);
    connect(m_wizard, &Wizard::gameVersionChanged, m_checkTools, &CheckTools::chooseVersion);
    m_checkTools->useSavedVersion();
    m_recovery = new CrashRecovery(*this, m_services, *m_wizard, m_editor, *m_files);
    m_reading = new SettingsReading(*this, m_services, *m_wizard, *m_keys, m_bars->hintPanel);
    // Reading starts a run from the start screen: not while a run is past it.
    connect(m_wizard, &Wizard::screenChanged, this, [this] {
        Layer top = Layer::Start;
        m_wizard->layers().visibleLayer(&top);
        m_bars->readSettings()->setEnabled(top == Layer::Start || top == Layer::Editor);
    });
    setAcceptDrops(true);

    TarvexApplication::setErrorSink([this](const QString &message) {
        m_services.dialogs->error(this, applicationTitle, message);
    });
    new HintLine(this, m_bars->hintPanel);
    new ScriptDropWatcher(
            this, [this](const QString &path) { m_files->openFile(path); },
            [this](const QString &name) {
                m_bars->hintPanel->setText(QStringLiteral("Not a script: \"%1\".").arg(name));
            });
    // The screens are built once the window is on the screen: the first paint of the client
    // area (the background covers it whole) comes after the window's own.
    new FirstPaintWatcher(m_client, [this] { buildNextScreen(); });
    new LockKeyWatcher(this, *m_services.keyLocks, m_bars->capsPanel, m_bars->numPanel);

    startClock();

    m_wizard->apply(Trigger::ProgramStart);

    setFixedSize(831, 609);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

CommandRuns MainWindow::commandRuns()
{
    CommandRuns runs;
    runs.newScript = [this](Trigger trigger) {
        newScript(trigger);
    };
    runs.open = [this] {
        openScript();
    };
    runs.readSettings = [this] {
        m_reading->choose();
    };
    runs.save = [this] {
        saveScript();
    };
    runs.saveAs = [this] {
        m_files->saveAs();
    };
    runs.exit = [this] {
        close();
    };
    runs.checkScript = [this] {
        m_checkTools->showProblems();
    };
    runs.keyboardMap = [this] {
        keyMapWindow(*this, *m_keys, m_services)->showBeside();
    };
    runs.exportKeyboardMap = [this] {
        KeyMapWindow *map = keyMapWindow(*this, *m_keys, m_services);
        map->showBeside();
        map->exportMap(*m_services.dialogs);
    };
    runs.about = [this] {
        showAbout();
    };
    runs.openLink = [this](WebLink link) {
        openLink(link);
    };
    runs.fillRecent = [this](QMenu *menu) {
        m_files->fillRecentMenu(menu);
    };
    return runs;
}

MainWindow::~MainWindow()
{
    TarvexApplication::setErrorSink(nullptr);
}

void MainWindow::createClientArea()
{
    m_client = new ClientArea;
    m_client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(m_client);

    auto *background = new Background(m_client);
    background->setObjectName(QStringLiteral("Background"));

    m_editor = new QPlainTextEdit(m_client);
    m_editor->setObjectName(QStringLiteral("Editor"));
    m_editor->setAccessibleName(QStringLiteral("Script"));
    m_buffer = new ScriptBuffer(m_editor, this);

    m_wizard = new Wizard(
            *m_buffer,
            [this](Command command, bool enabled) {
                m_bars->setEnabled(command, enabled);
                // New available or not: the title's mark may change with it.
                if (m_files)
                    m_files->scheduleTitle();
            },
            this);
    m_wizard->layers().setBackground(background);
    m_wizard->layers().setWidget(Layer::Editor, m_editor);
}

LayerStack &MainWindow::layers() const
{
    return m_wizard->layers();
}

StartPage *MainWindow::startPage() const
{
    return m_wizard->startPage();
}

StepPage *MainWindow::stepPage(int step) const
{
    return m_wizard->stepPage(step);
}

void MainWindow::buildAllScreens()
{
    styleScriptView();
    m_wizard->buildAllScreens();
}

void MainWindow::styleScriptView()
{
    // The script view stays hidden until the end of a run: its style sheet waits until the
    // window has been painted, with the screens.
    if (!m_scriptViewStyled) {
        m_scriptViewStyled = true;
        setScriptViewStyle(m_editor);
    }
}

void MainWindow::buildNextScreen()
{
    styleScriptView();
    if (m_wizard->buildNextScreen())
        QTimer::singleShot(0, this, &MainWindow::buildNextScreen);
}

void MainWindow::offerRecovery()
{
    m_recovery->offerLeftWork();
}

void MainWindow::newScript(Trigger trigger)
{
    m_wizard->apply(trigger);
    m_recovery->afterNew();
}

void MainWindow::saveScript()
{
    m_files->save();
}

void MainWindow::openScript()
{
    m_files->open();
}

void MainWindow::openScriptFile(const QString &path)
{
    m_files->openFile(path);
}

void MainWindow::showAbout()
{
    // A fresh box every time; it frees itself when it closes.
    auto *about = new AboutDialog(*m_services.desktop, this);
    about->exec();
}

void MainWindow::openLink(WebLink link)
{
    m_services.desktop->open(webLinkUrl(link));
}

// The status bar clock: one single-shot timer, set again at each tick for the next second.
void MainWindow::startClock()
{
    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("Timer1"));
    m_clockTimer->setSingleShot(true);
    m_clockTimer->setTimerType(Qt::PreciseTimer);
    connect(m_clockTimer, &QTimer::timeout, this, &MainWindow::updateClock);
    scheduleClockTick();
}

void MainWindow::scheduleClockTick()
{
    // Wake just after the next second begins, so the clock never lags the real second.
    const int msec = m_services.clock->now().time().msec();
    m_clockTimer->start(1000 - msec + 5);
}

void MainWindow::updateClock()
{
    m_bars->clockPanel->setText(clockText(m_services.clock->now()));
    scheduleClockTick();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_files->mayDiscard()) {
        // Nothing unsaved, or the player chose to drop it.
        m_recovery->drop();
        event->accept();
    } else
        event->ignore();
}
