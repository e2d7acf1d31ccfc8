#include "app/Application.h"
#include "app/MainUnit.h"

int main(int argc, char *argv[])
{
    TarvexApplication app(argc, argv);
    TForm1 window;
    window.show();
    return app.exec();
}
