// The yardstick for start-up time and memory: the smallest Qt Widgets program with a window,
// one empty main window, started and painted the way the program is.
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
