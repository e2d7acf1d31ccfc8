// Renders one screen of the real main window to a PNG file, for looking at layouts:
//   tarvex_shot SCREEN OUT.png
// SCREEN: "background", "start", 1 to 9 (the steps) or "editor".
#include "support/Harness.h"

#include <QPixmap>

int main(int argc, char **argv)
{
    TarvexApplication app(argc, argv);
    if (argc != 3) {
        qWarning("usage: tarvex_shot background|start|1..9|editor OUT.png");
        return 2;
    }
    const QString screen = QString::fromLocal8Bit(argv[1]);
    Harness h;
    if (screen != QLatin1String("background")) {
        h.click(QStringLiteral("tbNew"));
        if (screen != QLatin1String("start")) {
            h.click(QStringLiteral("SpeedButton1"));
            const int step = screen == QLatin1String("editor") ? 10 : screen.toInt();
            h.nextUntil(step);
        }
    }
    QTest::qWait(50);
    return h.window().grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
