#include "app/Application.h"
#include "app/MainWindow.h"

#include <QTimer>

int main(int argc, char *argv[])
{
    TarvexApplication app(argc, argv);
    MainWindow window;
    window.show();
    // Asked once the window is on the screen.
    QTimer::singleShot(0, &window, &MainWindow::offerRecovery);
    return app.exec();
}
