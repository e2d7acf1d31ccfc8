// The smallest yardstick for start-up time and memory: the smallest Qt Widgets program with a
// window, one empty main window, started and painted the way the program is. No real program
// can come near it (it draws no menus, tool bar, status bar or text); the same-shaped window
// (shaped_window.cpp) is the fair one.
#include "FirstPaint.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    new FirstPaintReporter(&window);
    window.show();
    return app.exec();
}
