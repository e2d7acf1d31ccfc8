#include "app/CommandBars.h"

#include "app/MainWindow.h"
#include "app/ScriptFiles.h"
#include "editor/CheckTools.h"
#include "editor/EditorTools.h"
#include "widgets/Pictures.h"
#include "widgets/StatusPanel.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <functional>

namespace {

using Run = std::function<void()>;

QAction *addItem(QMenu *menu, const char *name, const QString &caption, Run run,
                 const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, menu, std::move(run));
    return action;
}

QMenu *addMenu(QMenuBar *bar, const char *name, const QString &title)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

void createMenus(MainWindow &w, CommandBars &bars)
{
    QMenuBar *bar = w.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setNativeMenuBar(false);
    // The script view's tools are set up after the bars: reach them when a command runs.
    auto tool = [&w](void (EditorTools::*command)()) {
        return [&w, command] {
            (w.editorTools().*command)();
        };
    };

    QMenu *file = addMenu(bar, "File1", QStringLiteral("&File"));
    bars.menuNew = addItem(file, "NewCFG1", QStringLiteral("New CFG"),
                           [&w] { w.newScript(Trigger::MenuNew); });
    addItem(
            file, "Open1", QStringLiteral("Open..."), [&w] { w.openScript(); },
            QKeySequence(Qt::CTRL | Qt::Key_O));
    bars.menuSave = addItem(file, "SaveCFG1", QStringLiteral("Save CFG"), [&w] { w.saveScript(); });
    // Filled each time it opens, from the list kept between runs.
    QMenu *recent = file->addMenu(QStringLiteral("Recent Scripts"));
    recent->setObjectName(QStringLiteral("RecentScripts1"));
    recent->setAccessibleName(QStringLiteral("Recent Scripts"));
    recent->menuAction()->setObjectName(QStringLiteral("RecentScriptsMenu1"));
    QObject::connect(recent, &QMenu::aboutToShow, recent,
                     [&w, recent] { w.scriptFiles().fillRecentMenu(recent); });
    file->addSeparator();
    addItem(file, "PrintSetup1", QStringLiteral("Print Setup"), tool(&EditorTools::printSetup));
    bars.menuPrint = addItem(file, "Print1", QStringLiteral("Print"), tool(&EditorTools::print));
    file->addSeparator();
    addItem(file, "Exit1", QStringLiteral("Exit"), [&w] { w.close(); });

    QMenu *edit = addMenu(bar, "Edit1", QStringLiteral("&Edit"));
    bars.editMenu = edit;
    addItem(edit, "Undo1", QStringLiteral("Undo"), tool(&EditorTools::undo));
    edit->addSeparator();
    addItem(edit, "Cut1", QStringLiteral("Cut"), tool(&EditorTools::cut),
            QKeySequence(Qt::CTRL | Qt::Key_X));
    addItem(edit, "Copy1", QStringLiteral("Copy"), tool(&EditorTools::copy),
            QKeySequence(Qt::CTRL | Qt::Key_C));
    addItem(edit, "Paste1", QStringLiteral("Paste"), tool(&EditorTools::paste),
            QKeySequence(Qt::CTRL | Qt::Key_V));
    edit->addSeparator();
    addItem(edit, "Find1", QStringLiteral("Find"), tool(&EditorTools::find),
            QKeySequence(Qt::CTRL | Qt::Key_F));
    addItem(edit, "FindNext1", QStringLiteral("Find Next "), tool(&EditorTools::findNext),
            QKeySequence(Qt::Key_F3));
    edit->addSeparator();
    addItem(
            edit, "CheckScript1", QStringLiteral("Check Script"),
            [&w] { w.checkTools().showProblems(); }, QKeySequence(Qt::Key_F8));

    auto link = [&w](WebLink target) {
        return [&w, target] {
            w.openLink(target);
        };
    };
    QMenu *help = addMenu(bar, "Help1", QStringLiteral("Help"));
    addItem(help, "AboutTarvex1", QStringLiteral("About Tarvex"), [&w] { w.showAbout(); });
    addItem(help, "QuorlinWebsite1", QStringLiteral("Quorlin Website"), link(WebLink::MakerSite));
    addItem(help, "QuorlinForums1", QStringLiteral("Quorlin Forums"), link(WebLink::MakerForums));
    addItem(help, "TarvexManual1", QStringLiteral("Tarvex Manual"), link(WebLink::Manual));

    QMenu *more = addMenu(bar, "More1", QStringLiteral("More"));
    addItem(more, "EnemyTerritory1", QStringLiteral("Enemy-Territory"), link(WebLink::GameSite));
    addItem(more, "RTCWFiles1", QStringLiteral("RTCWFiles"), link(WebLink::FanSite));
    addItem(more, "SplashDamage1", QStringLiteral("Splash-Damage"), link(WebLink::DeveloperSite));
}

// The gold crosshair on a fading band; the right one is the left one mirrored.
void addDecoration(QToolBar *bar, const char *name, bool mirrored)
{
    auto *picture = new Picture(QStringLiteral("toolbar_decoration"));
    picture->setObjectName(QLatin1String(name));
    picture->setMirrored(mirrored);
    picture->setFixedSize(150, 44);
    bar->addWidget(picture);
}

QToolButton *addToolButton(QToolBar *bar, const char *name, const QString &caption,
                           const QString &hint, const QString &image, Run run)
{
    auto *tool = new QToolButton;
    tool->setObjectName(QLatin1String(name));
    tool->setText(caption);
    tool->setAccessibleName(caption);
    tool->setStatusTip(hint);
    tool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tool->setAutoRaise(true);
    tool->setFocusPolicy(Qt::NoFocus);
    tool->setFixedWidth(56);
    // A disabled button shows its picture from the set kept for disabled buttons.
    tool->setIcon(pictureIcon(image, image + QStringLiteral("_disabled"), QSize(24, 24)));
    tool->setIconSize(QSize(24, 24));
    QObject::connect(tool, &QToolButton::clicked, bar, std::move(run));
    bar->addWidget(tool);
    return tool;
}

void createToolBar(MainWindow &w, CommandBars &bars)
{
    auto *bar = new QToolBar(&w);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setEnabled(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    w.addToolBar(Qt::TopToolBarArea, bar);

    addDecoration(bar, "ToolBarLeft", false);
    bars.toolNew = addToolButton(bar, "tbNew", QStringLiteral("New"),
                                 QStringLiteral("Create a new config file"), QStringLiteral("new"),
                                 [&w] { w.newScript(Trigger::ToolbarNew); });
    addToolButton(bar, "tbOpen", QStringLiteral("Open"), QStringLiteral("Open a config file"),
                  QStringLiteral("open"), [&w] { w.openScript(); });
    bars.toolSave = addToolButton(bar, "tbSave", QStringLiteral("Save"),
                                  QStringLiteral("Save the config file"), QStringLiteral("save"),
                                  [&w] { w.saveScript(); });
    addToolButton(bar, "tbExit", QStringLiteral("Exit"), QStringLiteral("Exit the program"),
                  QStringLiteral("exit"), [&w] { w.close(); });
    auto *spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    addDecoration(bar, "ToolBarRight", true);
}

void createStatusBar(MainWindow &w, CommandBars &bars)
{
    QStatusBar *bar = w.statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    QLabel **panels[] = {&bars.hintPanel,     &bars.clockPanel, &bars.linePanel,
                         &bars.positionPanel, &bars.capsPanel,  &bars.numPanel};
    const int widths[] = {500, 70, 60, 60, 30, 30};
    const Qt::Alignment alignments[] = {Qt::AlignLeft,   Qt::AlignCenter, Qt::AlignCenter,
                                        Qt::AlignCenter, Qt::AlignCenter, Qt::AlignLeft};
    for (int i = 0; i < 6; ++i) {
        auto *panel = new StatusPanel;
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFixedWidth(widths[i]);
        panel->setAlignment(alignments[i] | Qt::AlignVCenter);
        bar->addWidget(panel, i == 0 ? 1 : 0);
        *panels[i] = panel;
    }
    bars.hintPanel->setText(QStringLiteral("Run"));
}

} // namespace

CommandBars CommandBars::create(MainWindow &window)
{
    CommandBars bars;
    createMenus(window, bars);
    createToolBar(window, bars);
    createStatusBar(window, bars);
    return bars;
}

void CommandBars::setEnabled(Command command, bool enabled) const
{
    switch (command) {
    case Command::ToolbarNew:
        toolNew->setEnabled(enabled);
        break;
    case Command::MenuNew:
        menuNew->setEnabled(enabled);
        break;
    case Command::ToolbarSave:
        toolSave->setEnabled(enabled);
        break;
    case Command::MenuSave:
        menuSave->setEnabled(enabled);
        break;
    case Command::MenuPrint:
        menuPrint->setEnabled(enabled);
        break;
    case Command::EditMenu:
        // A disabled menu's items must not answer their shortcuts either.
        editMenu->setEnabled(enabled);
        editMenu->menuAction()->setEnabled(enabled);
        for (QAction *action : editMenu->actions())
            action->setEnabled(enabled);
        break;
    }
}
