// The program's start exactly as src/app/main.cpp does it, plus a report of the first paint, so
// that the bench driver can time start-up and read its memory.
#include "FirstPaint.h"

#include "app/Application.h"
#include "app/MainWindow.h"

int main(int argc, char *argv[])
{
    TarvexApplication app(argc, argv);
    MainWindow window;
    new FirstPaintReporter(&window);
    window.show();
    return app.exec();
}
