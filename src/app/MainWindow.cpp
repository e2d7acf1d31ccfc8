#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/Application.h"
#include "app/ScriptFiles.h"
#include "app/StepScreens.h"
#include "editor/CheckTools.h"
#include "editor/EditorTools.h"
#include "widgets/Background.h"
#include "widgets/HintLine.h"
#include "widgets/Pictures.h"
#include "widgets/Style.h"
#include "wizard/ScriptBuffer.h"
#include "wizard/StartPage.h"
#include "wizard/Wizard.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

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
    m_bars = CommandBars::create(*this);

    // The check first: its first colouring lays out the still empty script in the window's font,
    // before the script view's own font is set, which is loaded when the view is first shown.
    m_checkTools = new CheckTools(m_editor, m_bars.hintPanel, this);
    m_tools = new EditorTools(m_editor, m_bars.linePanel, m_bars.positionPanel, m_services, this);
    // The key fields of the screens look up the keys the script binds in the script's check.
    addStepScreens(*m_wizard, *m_buffer, *m_checkTools->check(), m_client);
    m_files = new ScriptFiles(*this, m_services, *m_buffer, *m_wizard, m_bars.toolNew);
    setAcceptDrops(true);

    TarvexApplication::setErrorSink([this](const QString &message) {
        m_services.dialogs->error(this, applicationTitle, message);
    });
    new HintLine(this, m_bars.hintPanel);
    qApp->installEventFilter(this);

    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("Timer1"));
    m_clockTimer->setSingleShot(true);
    m_clockTimer->setTimerType(Qt::PreciseTimer);
    connect(m_clockTimer, &QTimer::timeout, this, &MainWindow::updateClock);
    scheduleClockTick();

    m_wizard->apply(Trigger::ProgramStart);

    setFixedSize(831, 609);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
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
                m_bars.setEnabled(command, enabled);
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

void MainWindow::newScript(Trigger trigger)
{
    m_wizard->apply(trigger);
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

void MainWindow::scheduleClockTick()
{
    // Wake just after the next second begins, so the clock never lags the real second.
    const int msec = m_services.clock->now().time().msec();
    m_clockTimer->start(1000 - msec + 5);
}

void MainWindow::updateClock()
{
    m_bars.clockPanel->setText(clockText(m_services.clock->now()));
    scheduleClockTick();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_files->mayDiscard())
        event->accept();
    else
        event->ignore();
}

void MainWindow::updateLockIndicators(const QKeyEvent &press)
{
    // A lock key's own press tells what its lock is once pressed; the platform may still report
    // the state from before while the press is handled.
    KeyLocks &locks = *m_services.keyLocks;
    const bool caps
            = press.key() == Qt::Key_CapsLock ? locks.lockAfterPress(press) : locks.capsLock();
    const bool num = press.key() == Qt::Key_NumLock ? locks.lockAfterPress(press) : locks.numLock();
    m_bars.capsPanel->setText(caps ? QStringLiteral("Caps") : QString());
    m_bars.numPanel->setText(num ? QStringLiteral("Num") : QString());
}

bool MainWindow::handleScriptDrop(QEvent *event)
{
    auto *drag = static_cast<QDropEvent *>(event);
    const QString path = ScriptFiles::droppedScript(drag->mimeData());
    if (path.isEmpty())
        return false;
    drag->acceptProposedAction();
    // Opened once the drop is over: the dragging program does not wait for the questions.
    if (event->type() == QEvent::Drop)
        QTimer::singleShot(0, m_files, [this, path] { m_files->openFile(path); });
    return true;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        // Also over the controls that take dropped text themselves, such as the script view.
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == this && handleScriptDrop(event))
            return true;
        break;
    }
    default:
        break;
    }
    // The first paint of the client area (the background covers it whole) comes after the
    // window's own: the screens are built once the window is on the screen.
    if (!m_screensScheduled && event->type() == QEvent::Paint) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && (widget == m_client || m_client->isAncestorOf(widget))) {
            m_screensScheduled = true;
            QTimer::singleShot(0, this, &MainWindow::buildNextScreen);
        }
    }
    if (event->type() == QEvent::KeyPress) {
        auto *widget = qobject_cast<QWidget *>(watched);
        // Seen before the focused control; never consumed.
        if (widget && widget->window() == this)
            updateLockIndicators(*static_cast<QKeyEvent *>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}
