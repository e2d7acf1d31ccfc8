#include "app/Application.h"
#include "app/MainWindow.h"

int main(int argc, char *argv[])
{
    TarvexApplication app(argc, argv);
    MainWindow window;
    window.show();
    return app.exec();
}
