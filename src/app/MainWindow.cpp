#include "app/MainWindow.h"

#include "editor/EditorTools.h"
#include "steps/chat_scripts/Scripts1Page.h"
#include "steps/chat_scripts/Scripts2Page.h"
#include "steps/chat_scripts/VSaysPage.h"
#include "steps/client_options/GamePage.h"
#include "steps/client_options/MiscPage.h"
#include "steps/client_options/SystemPage.h"
#include "steps/client_options/ViewPage.h"
#include "steps/controls/ControlsPage.h"
#include "steps/server_options/ServerPage.h"
#include "app/About.h"
#include "app/Application.h"
#include "widgets/HintLine.h"
#include "widgets/Pictures.h"
#include "widgets/Style.h"
#include "app/WebLinks.h"
#include "wizard/SaveScript.h"
#include "wizard/ScriptBuffer.h"
#include "wizard/SectionStyle.h"
#include "wizard/StartPage.h"
#include "wizard/Steps.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

// The pictures live in the core library; make sure its resources are registered.
static void initResources()
{
    Q_INIT_RESOURCE(tarvex);
}

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

const QString closeQuestion = QStringLiteral("You selected to close the aplication\r"
                                             "while you were editing the config file\r"
                                             "are you sure? The config file will be lost");

} // namespace

MainWindow::MainWindow(Services services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(services)
{
    initResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tarvex v3"));
    setWindowIcon(QIcon(svgPixmap(QStringLiteral(":/images/tarvex.svg"), QSize(64, 64))));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setStyleSheet(tarvexStyleSheet());

    buildClientArea();
    buildMenus();
    buildToolBar();
    buildStatusBar();

    m_tools = new EditorTools(m_editor, m_panels[2], m_panels[3], m_services, this);
    m_savedText = m_buffer->text();

    TarvexApplication::setErrorSink([this](const QString &message) {
        m_services.dialogs->error(this, applicationTitle, message);
    });
    new HintLine(this, m_panels[0]);
    qApp->installEventFilter(this);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &MainWindow::Timer1Timer);
    scheduleClockTick();

    apply(Trigger::ProgramStart);

    setFixedSize(831, 609);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

MainWindow::~MainWindow()
{
    TarvexApplication::setErrorSink(nullptr);
}

namespace {

// The layer of each option step, 1 to 9.
const Layer stepLayers[]
        = {Layer::Controls, Layer::VSays,  Layer::Scripts1, Layer::Scripts2, Layer::Game,
           Layer::View,     Layer::System, Layer::Server,   Layer::Misc};

} // namespace

StartPage *MainWindow::startPage() const
{
    return static_cast<StartPage *>(m_layers->ensure(Layer::Start));
}

StepPage *MainWindow::stepPage(int step) const
{
    return static_cast<StepPage *>(m_layers->ensure(stepLayers[step - 1]));
}

void MainWindow::buildAllScreens() const
{
    startPage();
    for (int step = 1; step <= 9; ++step)
        stepPage(step);
}

void MainWindow::buildNextScreen()
{
    if (!m_layers->widget(Layer::Start)) {
        startPage();
    } else {
        int step = 1;
        while (step <= 9 && m_layers->widget(stepLayers[step - 1]))
            ++step;
        if (step > 9)
            return;
        stepPage(step);
    }
    QTimer::singleShot(0, this, &MainWindow::buildNextScreen);
}

StepPage *MainWindow::createStepPage(int step)
{
    StepPage *page = nullptr;
    void (MainWindow::*handler)() = nullptr;
    switch (step) {
    case 1:
        page = new ControlsPage(m_client);
        handler = &MainWindow::SpeedButton8Click;
        break;
    case 2:
        page = new VSaysPage(*m_buffer, m_client);
        handler = &MainWindow::SpeedButton7Click;
        break;
    case 3:
        page = new Scripts1Page(m_client);
        handler = &MainWindow::SpeedButton6Click;
        break;
    case 4:
        page = new Scripts2Page(m_client);
        handler = &MainWindow::SpeedButton5Click;
        break;
    case 5:
        // The nick line is guarded by the start screen's name box too.
        page = new GamePage(startPage()->nameBox(), m_client);
        handler = &MainWindow::SpeedButton4Click;
        break;
    case 6:
        page = new ViewPage(m_client);
        handler = &MainWindow::SpeedButton3Click;
        break;
    case 7:
        page = new SystemPage(m_client);
        handler = &MainWindow::SpeedButton2Click;
        break;
    case 8:
        page = new ServerPage(m_client);
        handler = &MainWindow::btn8Click;
        break;
    default:
        page = new MiscPage(m_client);
        handler = &MainWindow::btn9Click;
        break;
    }
    connect(page, &StepPage::nextClicked, this, handler);
    return page;
}

void MainWindow::buildClientArea()
{
    m_client = new ClientArea;
    m_client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(m_client);

    auto *background = new Picture(QStringLiteral(":/images/background.svg"), m_client);
    background->setObjectName(QStringLiteral("Background"));

    m_editor = new QPlainTextEdit(m_client);
    m_editor->setObjectName(QStringLiteral("Editor"));
    m_editor->setAccessibleName(QStringLiteral("Script"));
    m_buffer = new ScriptBuffer(m_editor, this);

    m_layers = new LayerStack(this);
    m_layers->setBackground(background);
    m_layers->setWidget(Layer::Editor, m_editor);
    m_layers->setFactory(Layer::Start, [this] {
        auto *start = new StartPage(m_client);
        connect(start, &StepPage::nextClicked, this, &MainWindow::SpeedButton1Click);
        return start;
    });
    for (int step = 1; step <= 9; ++step)
        m_layers->setFactory(stepLayers[step - 1], [this, step] { return createStepPage(step); });
}

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setNativeMenuBar(false);

    auto addItem = [this](QMenu *menu, const char *name, const QString &caption,
                          void (MainWindow::*handler)(), const QKeySequence &shortcut = {}) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    m_newCFG = addItem(file, "NewCFG1", QStringLiteral("New CFG"), &MainWindow::NewCFG1Click);
    m_saveCFG = addItem(file, "SaveCFG1", QStringLiteral("Save CFG"), &MainWindow::SaveCFG1Click);
    file->addSeparator();
    addItem(file, "PrintSetup1", QStringLiteral("Print Setup"), &MainWindow::PrintSetup1Click);
    m_print = addItem(file, "Print1", QStringLiteral("Print"), &MainWindow::Print1Click);
    file->addSeparator();
    addItem(file, "Exit1", QStringLiteral("Exit"), &MainWindow::Exit1Click);

    m_editMenu = bar->addMenu(QStringLiteral("&Edit"));
    m_editMenu->setObjectName(QStringLiteral("Edit1"));
    addItem(m_editMenu, "Undo1", QStringLiteral("Undo"), &MainWindow::Undo1Click);
    m_editMenu->addSeparator();
    addItem(m_editMenu, "Cut1", QStringLiteral("Cut"), &MainWindow::Cut1Click,
            QKeySequence(Qt::CTRL | Qt::Key_X));
    addItem(m_editMenu, "Copy1", QStringLiteral("Copy"), &MainWindow::Copy1Click,
            QKeySequence(Qt::CTRL | Qt::Key_C));
    addItem(m_editMenu, "Paste1", QStringLiteral("Paste"), &MainWindow::Paste1Click,
            QKeySequence(Qt::CTRL | Qt::Key_V));
    m_editMenu->addSeparator();
    addItem(m_editMenu, "Find1", QStringLiteral("Find"), &MainWindow::Find1Click,
            QKeySequence(Qt::CTRL | Qt::Key_F));
    addItem(m_editMenu, "FindNext1", QStringLiteral("Find Next "), &MainWindow::FindNext1Click,
            QKeySequence(Qt::Key_F3));

    QMenu *help = bar->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help1"));
    addItem(help, "AboutTarvex1", QStringLiteral("About Tarvex"), &MainWindow::AboutTarvex1Click);
    addItem(help, "QuorlinWebsite1", QStringLiteral("Quorlin Website"),
            &MainWindow::QuorlinWebsite1Click);
    addItem(help, "QuorlinForums1", QStringLiteral("Quorlin Forums"), &MainWindow::QuorlinForums1Click);
    addItem(help, "TarvexManual1", QStringLiteral("Tarvex Manual"), &MainWindow::TarvexManual1Click);

    QMenu *more = bar->addMenu(QStringLiteral("More"));
    more->setObjectName(QStringLiteral("More1"));
    addItem(more, "EnemyTerritory1", QStringLiteral("Enemy-Territory"),
            &MainWindow::EnemyTerritory1Click);
    addItem(more, "RTCWFiles1", QStringLiteral("RTCWFiles"), &MainWindow::RTCWFiles1Click);
    addItem(more, "SplashDamage1", QStringLiteral("Splash-Damage"), &MainWindow::SplashDamage1Click);
}

void MainWindow::buildToolBar()
{
    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setEnabled(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, bar);

    auto decoration = [bar](const char *name, const QString &resource) {
        auto *picture = new Picture(resource);
        picture->setObjectName(QLatin1String(name));
        picture->setFixedSize(150, 44);
        bar->addWidget(picture);
    };
    auto button = [this, bar](const char *name, const QString &caption, const QString &hint,
                              const QString &image, void (MainWindow::*handler)()) {
        auto *tool = new QToolButton;
        tool->setObjectName(QLatin1String(name));
        tool->setText(caption);
        tool->setAccessibleName(caption);
        tool->setStatusTip(hint);
        tool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        tool->setAutoRaise(true);
        tool->setFocusPolicy(Qt::NoFocus);
        tool->setFixedWidth(56);
        QIcon icon;
        const QString base = QStringLiteral(":/images/%1").arg(image);
        icon.addPixmap(svgPixmap(base + QStringLiteral(".svg"), QSize(24, 24)), QIcon::Normal);
        // A disabled button shows its picture from the set kept for disabled buttons.
        icon.addPixmap(svgPixmap(base + QStringLiteral("_disabled.svg"), QSize(24, 24)),
                       QIcon::Disabled);
        tool->setIcon(icon);
        tool->setIconSize(QSize(24, 24));
        connect(tool, &QToolButton::clicked, this, handler);
        bar->addWidget(tool);
        return tool;
    };

    decoration("ToolBarLeft", QStringLiteral(":/images/toolbar_left.svg"));
    m_tbNew = button("tbNew", QStringLiteral("New"), QStringLiteral("Create a new config file"),
                     QStringLiteral("new"), &MainWindow::tbNewClick);
    m_tbSave = button("tbSave", QStringLiteral("Save"), QStringLiteral("Save the config file"),
                      QStringLiteral("save"), &MainWindow::tbSaveClick);
    m_tbExit = button("tbExit", QStringLiteral("Exit"), QStringLiteral("Exit the program"),
                      QStringLiteral("exit"), &MainWindow::tbExitClick);
    auto *spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    decoration("ToolBarRight", QStringLiteral(":/images/toolbar_right.svg"));
}

void MainWindow::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    const int widths[6] = {500, 70, 60, 60, 30, 30};
    const Qt::Alignment alignments[6] = {Qt::AlignLeft,   Qt::AlignCenter, Qt::AlignCenter,
                                         Qt::AlignCenter, Qt::AlignCenter, Qt::AlignLeft};
    for (int i = 0; i < 6; ++i) {
        auto *panel = new QLabel;
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setProperty("tarvexRole", QStringLiteral("panel"));
        panel->setFixedWidth(widths[i]);
        panel->setAlignment(alignments[i] | Qt::AlignVCenter);
        panel->setTextFormat(Qt::PlainText);
        bar->addWidget(panel, i == 0 ? 1 : 0);
        m_panels[i] = panel;
    }
    m_panels[0]->setText(QStringLiteral("Run"));
}

void MainWindow::apply(Trigger trigger)
{
    applyTransition(trigger, *m_layers,
                    [this](Command command, bool enabled) { setCommandEnabled(command, enabled); });
    // The script view, once it is what the player sees, takes the keyboard.
    Layer top;
    if (m_layers->visibleLayer(&top) && top == Layer::Editor)
        m_editor->setFocus();
}

void MainWindow::setCommandEnabled(Command command, bool enabled)
{
    switch (command) {
    case Command::ToolbarNew:
        m_tbNew->setEnabled(enabled);
        break;
    case Command::MenuNew:
        m_newCFG->setEnabled(enabled);
        break;
    case Command::ToolbarSave:
        m_tbSave->setEnabled(enabled);
        break;
    case Command::MenuSave:
        m_saveCFG->setEnabled(enabled);
        break;
    case Command::MenuPrint:
        m_print->setEnabled(enabled);
        break;
    case Command::EditMenu:
        // A disabled menu's items must not answer their shortcuts either.
        m_editMenu->setEnabled(enabled);
        m_editMenu->menuAction()->setEnabled(enabled);
        for (QAction *action : m_editMenu->actions())
            action->setEnabled(enabled);
        break;
    }
}

void MainWindow::runStep(int step)
{
    const StepInfo &info = stepInfo(step);
    if (info.writesLines) {
        m_buffer->append(
                Section::framed(startPage()->sectionStyle(), info.title, stepPage(step)->lines()));
    }
    apply(info.next);
}

void MainWindow::tbNewClick()
{
    apply(Trigger::ToolbarNew);
}

void MainWindow::NewCFG1Click()
{
    apply(Trigger::MenuNew);
}

void MainWindow::SpeedButton1Click()
{
    m_buffer->append(startPage()->lines());
    apply(Trigger::Start);
}

void MainWindow::SpeedButton8Click()
{
    runStep(1);
}

void MainWindow::SpeedButton7Click()
{
    runStep(2);
}

void MainWindow::SpeedButton6Click()
{
    runStep(3);
}

void MainWindow::SpeedButton5Click()
{
    runStep(4);
}

void MainWindow::SpeedButton4Click()
{
    runStep(5);
}

void MainWindow::SpeedButton3Click()
{
    runStep(6);
}

void MainWindow::SpeedButton2Click()
{
    runStep(7);
}

void MainWindow::btn8Click()
{
    runStep(8);
}

void MainWindow::btn9Click()
{
    runStep(9);
}

void MainWindow::save()
{
    const QString path = m_services.dialogs->saveFileName(this, m_saveName);
    if (!path.isEmpty()) {
        m_saveName = path;
        const QString text = m_buffer->text();
        const QString failure = saveScript(path, text);
        if (!failure.isEmpty()) {
            // New stays unavailable: the script is not safe anywhere yet.
            m_services.dialogs->error(this, applicationTitle, failure);
            return;
        }
        m_savedText = text;
    }
    apply(Trigger::Save);
}

void MainWindow::tbSaveClick()
{
    save();
}

void MainWindow::SaveCFG1Click()
{
    save();
}

void MainWindow::tbExitClick()
{
    close();
}

void MainWindow::Exit1Click()
{
    close();
}

void MainWindow::PrintSetup1Click()
{
    m_tools->printSetup();
}

void MainWindow::Print1Click()
{
    m_tools->print();
}

void MainWindow::Undo1Click()
{
    m_tools->undo();
}

void MainWindow::Cut1Click()
{
    m_tools->cut();
}

void MainWindow::Copy1Click()
{
    m_tools->copy();
}

void MainWindow::Paste1Click()
{
    m_tools->paste();
}

void MainWindow::Find1Click()
{
    m_tools->find();
}

void MainWindow::FindNext1Click()
{
    m_tools->findNext();
}

void MainWindow::AboutTarvex1Click()
{
    // A fresh box every time; it frees itself when it closes.
    auto *about = new TForm2(*m_services.desktop, this);
    about->exec();
}

void MainWindow::QuorlinWebsite1Click()
{
    m_services.desktop->open(webLinkUrl(WebLink::MakerSite));
}

void MainWindow::QuorlinForums1Click()
{
    m_services.desktop->open(webLinkUrl(WebLink::MakerForums));
}

void MainWindow::TarvexManual1Click()
{
    m_services.desktop->open(webLinkUrl(WebLink::Manual));
}

void MainWindow::EnemyTerritory1Click()
{
    m_services.desktop->open(webLinkUrl(WebLink::GameSite));
}

void MainWindow::RTCWFiles1Click()
{
    m_services.desktop->open(webLinkUrl(WebLink::FanSite));
}

void MainWindow::SplashDamage1Click()
{
    m_services.desktop->open(webLinkUrl(WebLink::DeveloperSite));
}

void MainWindow::scheduleClockTick()
{
    // Wake just after the next second begins, so the clock never lags the real second.
    const int msec = m_services.clock->now().time().msec();
    m_timer->start(1000 - msec + 5);
}

void MainWindow::Timer1Timer()
{
    m_panels[1]->setText(clockText(m_services.clock->now()));
    scheduleClockTick();
}

void MainWindow::FormCloseQuery(bool &canClose)
{
    // Ask while a run is in progress, and whenever the script holds work not saved.
    const bool unsaved = !m_tbNew->isEnabled() || m_buffer->text() != m_savedText;
    canClose = !unsaved
            || m_services.dialogs->confirm(nullptr, QStringLiteral("Confirm"), closeQuestion);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    bool canClose = true;
    FormCloseQuery(canClose);
    if (canClose)
        event->accept();
    else
        event->ignore();
}

void MainWindow::FormKeyDown()
{
    m_panels[4]->setText(m_services.keyLocks->capsLock() ? QStringLiteral("Caps") : QString());
    m_panels[5]->setText(m_services.keyLocks->numLock() ? QStringLiteral("Num") : QString());
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_screensScheduled && event->type() == QEvent::Paint && watched == centralWidget()) {
        m_screensScheduled = true;
        QTimer::singleShot(0, this, &MainWindow::buildNextScreen);
    }
    if (event->type() == QEvent::KeyPress) {
        auto *widget = qobject_cast<QWidget *>(watched);
        // Seen before the focused control; never consumed.
        if (widget && widget->window() == this)
            FormKeyDown();
    }
    return QMainWindow::eventFilter(watched, event);
}
