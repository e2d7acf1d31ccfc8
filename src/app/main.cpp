#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "editor/CheckTools.h"

#include <QCoreApplication>

#include <cstdio>

#include <QTimer>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = parseCommandLine(arguments);
    if (line.exitCode) {
        std::fputs(line.output.toLocal8Bit().constData(), line.outputIsError ? stderr : stdout);
        return *line.exitCode;
    }
    // The check needs no display: no window, no widgets.
    if (line.check) {
        QCoreApplication app(argc, argv);
        TarvexApplication::setIdentity(app);
        return checkFiles(line.files, line.version.value_or(CheckTools::savedVersion()), stdout,
                          stderr);
    }
    TarvexApplication app(argc, argv);
    MainWindow window;
    window.show();
    // Asked once the window is on the screen; a script named on the command line (the desktop
    // entry's %f) then opens as File > Open would.
    QTimer::singleShot(0, &window, [&window, files = line.files] {
        window.offerRecovery();
        if (!files.isEmpty())
            window.openScriptFile(files.constFirst());
    });
    return app.exec();
}
