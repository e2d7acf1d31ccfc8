#include "app/CommandBars.h"

#include "editor/EditorTools.h"
#include "widgets/Pictures.h"
#include "widgets/StatusPanel.h"

#include <QActionGroup>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

QAction *addItem(QMenu *menu, const char *name, const QString &caption,
                 const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

// An item whose command runs `run`.
template<typename Run>
QAction *addRunItem(QMenu *menu, const char *name, const QString &caption, Run run,
                    const QKeySequence &shortcut = {})
{
    QAction *action = addItem(menu, name, caption, shortcut);
    QObject::connect(action, &QAction::triggered, menu, std::move(run));
    return action;
}

// The platform's key for `key`, or `fallback` where the platform has none (Windows has no key
// to quit a program, and the offscreen platform follows it).
QKeySequence standardKey(QKeySequence::StandardKey key, const QKeySequence &fallback)
{
    const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    return keys.isEmpty() ? fallback : keys.constFirst();
}

QMenu *addMenu(QMenuBar *bar, const char *name, const QString &title)
{
    QMenu *menu = bar->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    return menu;
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

// Shows `action` on the tool bar as a button named `name`: its picture above its caption (the
// action's text without "..."), and `hint` in the hint line. A disabled button shows its picture
// from the set kept for disabled buttons.
void addToolButton(QToolBar *bar, QAction *action, const char *name, const QString &hint,
                   const QString &image)
{
    action->setIcon(pictureIcon(image, image + QStringLiteral("_disabled"), QSize(24, 24)));
    action->setIconVisibleInMenu(false);
    bar->addAction(action);
    QWidget *button = bar->widgetForAction(action);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(action->iconText());
    button->setStatusTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedWidth(56);
    static_cast<QToolButton *>(button)->setAutoRaise(true);
}

// A command of the tool bar alone.
QAction *toolAction(QToolBar *bar, const char *name, const QString &caption)
{
    auto *action = new QAction(caption, bar);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

CommandBars::CommandBars(QMainWindow &window, const CommandRuns &runs)
{
    createMenus(window, runs);
    createHelpMenus(window, runs);
    createToolBar(window, runs);
    createStatusBar(window);
}

void CommandBars::createMenus(QMainWindow &window, const CommandRuns &runs)
{
    QMenuBar *bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    bar->setNativeMenuBar(false);

    QMenu *file = addMenu(bar, "File1", QStringLiteral("&File"));
    m_switched[Command::MenuNew] = addRunItem(
            file, "NewCFG1", QStringLiteral("New CFG"),
            [runs] { runs.newScript(Trigger::MenuNew); }, QKeySequence::New);
    m_open = addRunItem(file, "Open1", QStringLiteral("Open..."), runs.open,
                        QKeySequence(Qt::CTRL | Qt::Key_O));
    m_readSettings = addRunItem(file, "ReadSettings1", QStringLiteral("Read &Settings..."),
                                runs.readSettings);
    m_switched[Command::MenuSave] = addRunItem(file, "SaveCFG1", QStringLiteral("Save CFG"),
                                               runs.save, QKeySequence::Save);
    m_saveAs = addRunItem(file, "SaveAs1", QStringLiteral("Save As..."), runs.saveAs,
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    // Filled each time it opens, from the list kept between runs.
    QMenu *recent = file->addMenu(QStringLiteral("Recent Scripts"));
    recent->setObjectName(QStringLiteral("RecentScripts1"));
    recent->setAccessibleName(QStringLiteral("Recent Scripts"));
    recent->menuAction()->setObjectName(QStringLiteral("RecentScriptsMenu1"));
    QObject::connect(recent, &QMenu::aboutToShow, recent,
                     [fill = runs.fillRecent, recent] { fill(recent); });
    file->addSeparator();
    m_printSetup = addItem(file, "PrintSetup1", QStringLiteral("Print Setup"));
    m_print = addItem(file, "Print1", QStringLiteral("Print"), QKeySequence::Print);
    m_switched[Command::MenuPrint] = m_print;
    addRunItem(file, "ExportKeyboardMap1", QStringLiteral("Export Keyboard Map..."),
               runs.exportKeyboardMap);
    file->addSeparator();
    m_exit = addRunItem(file, "Exit1", QStringLiteral("Exit"), runs.exit,
                        standardKey(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));

    createEditMenu(addMenu(bar, "Edit1", QStringLiteral("&Edit")), runs);

    QMenu *view = addMenu(bar, "View1", QStringLiteral("&View"));
    m_keyMap = addRunItem(view, "KeyboardMap1", QStringLiteral("Keyboard Map"), runs.keyboardMap,
                          QKeySequence(Qt::CTRL | Qt::Key_M));
    // Its tool bar button is captioned short.
    m_keyMap->setIconText(QStringLiteral("Keys"));
    m_keyMap->setToolTip(m_keyMap->iconText());
}

void CommandBars::createEditMenu(QMenu *edit, const CommandRuns &runs)
{
    m_undo = addItem(edit, "Undo1", QStringLiteral("Undo"));
    edit->addSeparator();
    m_cut = addItem(edit, "Cut1", QStringLiteral("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X));
    m_copy = addItem(edit, "Copy1", QStringLiteral("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    m_paste = addItem(edit, "Paste1", QStringLiteral("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    edit->addSeparator();
    m_find = addItem(edit, "Find1", QStringLiteral("Find"), QKeySequence(Qt::CTRL | Qt::Key_F));
    m_findNext = addItem(edit, "FindNext1", QStringLiteral("Find Next "), QKeySequence(Qt::Key_F3));
    edit->addSeparator();
    addRunItem(edit, "CheckScript1", QStringLiteral("Check Script"), runs.checkScript,
               QKeySequence(Qt::Key_F8));

    // The menu is one command: its items, their shortcuts included, go on and off with it.
    auto *items = new QActionGroup(edit);
    items->setExclusive(false);
    for (QAction *item : edit->actions())
        items->addAction(item);
    QAction *menuAction = edit->menuAction();
    m_switched[Command::EditMenu] = menuAction;
    QObject::connect(menuAction, &QAction::enabledChanged, edit, [edit, items](bool enabled) {
        edit->setEnabled(enabled);
        items->setEnabled(enabled);
    });
}

void CommandBars::createHelpMenus(QMainWindow &window, const CommandRuns &runs)
{
    auto link = [open = runs.openLink](WebLink target) {
        return [open, target] {
            open(target);
        };
    };
    QMenuBar *bar = window.menuBar();
    QMenu *help = addMenu(bar, "Help1", QStringLiteral("&Help"));
    addRunItem(help, "AboutTarvex1", QStringLiteral("About Tarvex"), runs.about);
    addRunItem(help, "QuorlinWebsite1", QStringLiteral("Quorlin Website"),
               link(WebLink::MakerSite));
    addRunItem(help, "QuorlinForums1", QStringLiteral("Quorlin Forums"),
               link(WebLink::MakerForums));
    addRunItem(help, "TarvexManual1", QStringLiteral("Tarvex Manual"), link(WebLink::Manual));

    QMenu *more = addMenu(bar, "More1", QStringLiteral("&More"));
    addRunItem(more, "EnemyTerritory1", QStringLiteral("Enemy-Territory"), link(WebLink::GameSite));
    addRunItem(more, "RTCWFiles1", QStringLiteral("RTCWFiles"), link(WebLink::FanSite));
    addRunItem(more, "SplashDamage1", QStringLiteral("Splash-Damage"),
               link(WebLink::DeveloperSite));
}

void CommandBars::createToolBar(QMainWindow &window, const CommandRuns &runs)
{
    auto *bar = new QToolBar(&window);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setEnabled(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setIconSize(QSize(24, 24));
    window.addToolBar(Qt::TopToolBarArea, bar);

    addDecoration(bar, "ToolBarLeft", false);
    QAction *newScript = toolAction(bar, "tbNewCommand", QStringLiteral("New"));
    QObject::connect(newScript, &QAction::triggered, bar,
                     [run = runs.newScript] { run(Trigger::ToolbarNew); });
    m_switched[Command::ToolbarNew] = newScript;
    addToolButton(bar, newScript, "tbNew", QStringLiteral("Create a new config file"),
                  QStringLiteral("new"));
    addToolButton(bar, m_open, "tbOpen", QStringLiteral("Open a config file"),
                  QStringLiteral("open"));
    QAction *save = toolAction(bar, "tbSaveCommand", QStringLiteral("Save"));
    QObject::connect(save, &QAction::triggered, bar, runs.save);
    m_switched[Command::ToolbarSave] = save;
    addToolButton(bar, save, "tbSave", QStringLiteral("Save the config file"),
                  QStringLiteral("save"));
    addToolButton(bar, m_keyMap, "tbKeyMap",
                  QStringLiteral("Show the keys the script binds on a map of the keyboard"),
                  QStringLiteral("keymap"));
    addToolButton(bar, m_exit, "tbExit", QStringLiteral("Exit the program"),
                  QStringLiteral("exit"));
    auto *spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    addDecoration(bar, "ToolBarRight", true);
}

void CommandBars::createStatusBar(QMainWindow &window)
{
    QStatusBar *bar = window.statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    QLabel **panels[]
            = {&hintPanel, &clockPanel, &linePanel, &positionPanel, &capsPanel, &numPanel};
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
    hintPanel->setText(QStringLiteral("Run"));
}

void CommandBars::connectEditor(QPlainTextEdit *editor, EditorTools &tools)
{
    QObject::connect(m_undo, &QAction::triggered, &tools, &EditorTools::undo);
    QObject::connect(m_cut, &QAction::triggered, editor, &QPlainTextEdit::cut);
    QObject::connect(m_copy, &QAction::triggered, editor, &QPlainTextEdit::copy);
    QObject::connect(m_paste, &QAction::triggered, editor, &QPlainTextEdit::paste);
    QObject::connect(m_find, &QAction::triggered, &tools, &EditorTools::find);
    QObject::connect(m_findNext, &QAction::triggered, &tools, &EditorTools::findNext);
    QObject::connect(m_printSetup, &QAction::triggered, &tools, &EditorTools::printSetup);
    QObject::connect(m_print, &QAction::triggered, &tools, &EditorTools::print);
}

void CommandBars::setEnabled(Command command, bool enabled) const
{
    m_switched.at(command)->setEnabled(enabled);
    if (command == Command::MenuSave)
        m_saveAs->setEnabled(enabled);
}
