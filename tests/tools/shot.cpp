// Renders one screen of the real main window to a PNG file, for looking at layouts:
//   tarvex_shot SCREEN OUT.png
// SCREEN: "background", "start", 1 to 9 (the steps), "editor", "check" (the Check Script
// window after a default run), "keymap" (the Keyboard Map window after a default run) or
// "about".
#include "app/AboutDialog.h"
#include "editor/KeyMapWindow.h"
#include "editor/ProblemsWindow.h"
#include "support/Harness.h"

#include <QPixmap>

int main(int argc, char **argv)
{
    TarvexApplication app(argc, argv);
    if (argc != 3) {
        qWarning("usage: tarvex_shot background|start|1..9|editor|check|keymap|about OUT.png");
        return 2;
    }
    const QString screen = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    Harness h;
    if (screen == QLatin1String("about")) {
        AboutDialog about(h.fakes.desktop);
        about.show();
        QTest::qWait(50);
        return about.grab().save(out) ? 0 : 1;
    }
    if (screen != QLatin1String("background")) {
        h.click(QStringLiteral("tbNew"));
        if (screen != QLatin1String("start")) {
            h.click(QStringLiteral("SpeedButton1"));
            const bool script = screen == QLatin1String("editor")
                    || screen == QLatin1String("check") || screen == QLatin1String("keymap");
            const int step = script ? 10 : screen.toInt();
            h.nextUntil(step);
        }
    }
    if (screen == QLatin1String("check")) {
        h.trigger(QStringLiteral("CheckScript1"));
        QTest::qWait(300);
        auto *problems = h.window().findChild<ProblemsWindow *>();
        return problems && problems->grab().save(out) ? 0 : 1;
    }
    if (screen == QLatin1String("keymap")) {
        h.trigger(QStringLiteral("KeyboardMap1"));
        QTest::qWait(300);
        auto *map = h.window().findChild<KeyMapWindow *>();
        return map && map->grab().save(out) ? 0 : 1;
    }
    QTest::qWait(50);
    return h.window().grab().save(out) ? 0 : 1;
}
