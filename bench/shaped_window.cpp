// The fair yardstick for start-up time and memory: a plain Qt window of the program's own shape,
// written the way any Qt program would be, without the program's pictures, style or screens:
// a menu bar of four menus with a few actions and shortcuts each, a tool bar of four actions
// with SVG icons (as Tarvex's New, Open, Save and Exit), a status bar of six permanent label panels
// and a plain text edit in the middle, 831 x 609, its first paint reported as the program's is.
#include "FirstPaint.h"

#include <QApplication>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>

namespace {

void addMenu(QMenuBar *bar, const QString &title,
             const QList<QPair<QString, QKeySequence>> &actions)
{
    QMenu *menu = bar->addMenu(title);
    for (const auto &[text, shortcut] : actions)
        menu->addAction(text)->setShortcut(shortcut);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Plain window"));

    QMenuBar *menus = window.menuBar();
    addMenu(menus, QStringLiteral("&File"),
            {{QStringLiteral("New"), QKeySequence::New},
             {QStringLiteral("Open"), QKeySequence::Open},
             {QStringLiteral("Save"), QKeySequence::Save},
             {QStringLiteral("Print"), QKeySequence::Print},
             {QStringLiteral("Exit"), QKeySequence::Quit}});
    addMenu(menus, QStringLiteral("&Edit"),
            {{QStringLiteral("Undo"), QKeySequence::Undo},
             {QStringLiteral("Cut"), QKeySequence::Cut},
             {QStringLiteral("Copy"), QKeySequence::Copy},
             {QStringLiteral("Paste"), QKeySequence::Paste},
             {QStringLiteral("Find"), QKeySequence::Find},
             {QStringLiteral("Find Next"), QKeySequence::FindNext}});
    addMenu(menus, QStringLiteral("Help"),
            {{QStringLiteral("About"), QKeySequence()},
             {QStringLiteral("Manual"), QKeySequence::HelpContents}});
    addMenu(menus, QStringLiteral("More"),
            {{QStringLiteral("Website"), QKeySequence()},
             {QStringLiteral("Forums"), QKeySequence()}});

    QToolBar *tools = window.addToolBar(QStringLiteral("Tools"));
    tools->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tools->addAction(QIcon(QStringLiteral(":/shaped/new.svg")), QStringLiteral("New"));
    tools->addAction(QIcon(QStringLiteral(":/shaped/open.svg")), QStringLiteral("Open"));
    tools->addAction(QIcon(QStringLiteral(":/shaped/save.svg")), QStringLiteral("Save"));
    tools->addAction(QIcon(QStringLiteral(":/shaped/exit.svg")), QStringLiteral("Exit"));

    QStatusBar *status = window.statusBar();
    for (int i = 0; i < 6; ++i)
        status->addPermanentWidget(new QLabel(QStringLiteral("Panel %1").arg(i + 1)));

    auto *text = new QPlainTextEdit;
    text->setPlainText(QStringLiteral("A plain text edit."));
    window.setCentralWidget(text);

    window.setFixedSize(831, 609);
    new FirstPaintReporter(&window);
    window.show();
    return app.exec();
}
