#include "editor/KeyLayout.h"

namespace {

struct Row
{
    double x, y, w, h;
    const char *caption;
    const char *name; // in both versions, or in ET 2.60b when `legacy` differs
    const char *legacy; // the name in ET: Legacy; null when it is `name`
};

constexpr double r0 = 0, r1 = 1.25, r2 = 2.25, r3 = 3.25, r4 = 4.25, r5 = 5.25;
constexpr double nav = 15.25, pad = 18.5, mouse = 23.25;

// clang-format off
constexpr Row rows[] = {
    {0, r0, 1, 1, "ESC", "ESCAPE", nullptr},
    {2, r0, 1, 1, "F1", "F1", nullptr}, {3, r0, 1, 1, "F2", "F2", nullptr},
    {4, r0, 1, 1, "F3", "F3", nullptr}, {5, r0, 1, 1, "F4", "F4", nullptr},
    {6.5, r0, 1, 1, "F5", "F5", nullptr}, {7.5, r0, 1, 1, "F6", "F6", nullptr},
    {8.5, r0, 1, 1, "F7", "F7", nullptr}, {9.5, r0, 1, 1, "F8", "F8", nullptr},
    {11, r0, 1, 1, "F9", "F9", nullptr}, {12, r0, 1, 1, "F10", "F10", nullptr},
    {13, r0, 1, 1, "F11", "F11", nullptr}, {14, r0, 1, 1, "F12", "F12", nullptr},
    {nav, r0, 1, 1, "PRINT", "", "PRINT"}, {nav + 1, r0, 1, 1, "SCRL", "", "SCROLLOCK"},
    {nav + 2, r0, 1, 1, "PAUSE", "PAUSE", nullptr},

    {0, r1, 1, 1, "`", "`", nullptr}, {1, r1, 1, 1, "1", "1", nullptr},
    {2, r1, 1, 1, "2", "2", nullptr}, {3, r1, 1, 1, "3", "3", nullptr},
    {4, r1, 1, 1, "4", "4", nullptr}, {5, r1, 1, 1, "5", "5", nullptr},
    {6, r1, 1, 1, "6", "6", nullptr}, {7, r1, 1, 1, "7", "7", nullptr},
    {8, r1, 1, 1, "8", "8", nullptr}, {9, r1, 1, 1, "9", "9", nullptr},
    {10, r1, 1, 1, "0", "0", nullptr}, {11, r1, 1, 1, "-", "-", nullptr},
    {12, r1, 1, 1, "=", "=", nullptr}, {13, r1, 2, 1, "BACKSPACE", "BACKSPACE", nullptr},
    {nav, r1, 1, 1, "INS", "INS", nullptr}, {nav + 1, r1, 1, 1, "HOME", "HOME", nullptr},
    {nav + 2, r1, 1, 1, "PGUP", "PGUP", nullptr},
    {pad, r1, 1, 1, "NUM", "KP_NUMLOCK", nullptr}, {pad + 1, r1, 1, 1, "KP /", "KP_SLASH", nullptr},
    {pad + 2, r1, 1, 1, "KP *", "KP_STAR", nullptr}, {pad + 3, r1, 1, 1, "KP -", "KP_MINUS", nullptr},

    {0, r2, 1.5, 1, "TAB", "TAB", nullptr}, {1.5, r2, 1, 1, "Q", "Q", nullptr},
    {2.5, r2, 1, 1, "W", "W", nullptr}, {3.5, r2, 1, 1, "E", "E", nullptr},
    {4.5, r2, 1, 1, "R", "R", nullptr}, {5.5, r2, 1, 1, "T", "T", nullptr},
    {6.5, r2, 1, 1, "Y", "Y", nullptr}, {7.5, r2, 1, 1, "U", "U", nullptr},
    {8.5, r2, 1, 1, "I", "I", nullptr}, {9.5, r2, 1, 1, "O", "O", nullptr},
    {10.5, r2, 1, 1, "P", "P", nullptr}, {11.5, r2, 1, 1, "[", "[", nullptr},
    {12.5, r2, 1, 1, "]", "]", nullptr}, {13.5, r2, 1.5, 1, "\\", "\\", nullptr},
    {nav, r2, 1, 1, "DEL", "DEL", nullptr}, {nav + 1, r2, 1, 1, "END", "END", nullptr},
    {nav + 2, r2, 1, 1, "PGDN", "PGDN", nullptr},
    {pad, r2, 1, 1, "KP 7", "KP_HOME", nullptr}, {pad + 1, r2, 1, 1, "KP 8", "KP_UPARROW", nullptr},
    {pad + 2, r2, 1, 1, "KP 9", "KP_PGUP", nullptr}, {pad + 3, r2, 1, 2, "KP +", "KP_PLUS", nullptr},

    {0, r3, 1.75, 1, "CAPSLOCK", "CAPSLOCK", nullptr}, {1.75, r3, 1, 1, "A", "A", nullptr},
    {2.75, r3, 1, 1, "S", "S", nullptr}, {3.75, r3, 1, 1, "D", "D", nullptr},
    {4.75, r3, 1, 1, "F", "F", nullptr}, {5.75, r3, 1, 1, "G", "G", nullptr},
    {6.75, r3, 1, 1, "H", "H", nullptr}, {7.75, r3, 1, 1, "J", "J", nullptr},
    {8.75, r3, 1, 1, "K", "K", nullptr}, {9.75, r3, 1, 1, "L", "L", nullptr},
    {10.75, r3, 1, 1, ";", "SEMICOLON", nullptr}, {11.75, r3, 1, 1, "'", "'", nullptr},
    {12.75, r3, 2.25, 1, "ENTER", "ENTER", nullptr},
    {pad, r3, 1, 1, "KP 4", "KP_LEFTARROW", nullptr}, {pad + 1, r3, 1, 1, "KP 5", "KP_5", nullptr},
    {pad + 2, r3, 1, 1, "KP 6", "KP_RIGHTARROW", nullptr},

    {0, r4, 2.25, 1, "SHIFT", "SHIFT", nullptr}, {2.25, r4, 1, 1, "Z", "Z", nullptr},
    {3.25, r4, 1, 1, "X", "X", nullptr}, {4.25, r4, 1, 1, "C", "C", nullptr},
    {5.25, r4, 1, 1, "V", "V", nullptr}, {6.25, r4, 1, 1, "B", "B", nullptr},
    {7.25, r4, 1, 1, "N", "N", nullptr}, {8.25, r4, 1, 1, "M", "M", nullptr},
    {9.25, r4, 1, 1, ",", ",", nullptr}, {10.25, r4, 1, 1, ".", ".", nullptr},
    {11.25, r4, 1, 1, "/", "/", nullptr}, {12.25, r4, 2.75, 1, "SHIFT", "SHIFT", "RIGHTSHIFT"},
    {nav + 1, r4, 1, 1, "UP", "UPARROW", nullptr},
    {pad, r4, 1, 1, "KP 1", "KP_END", nullptr}, {pad + 1, r4, 1, 1, "KP 2", "KP_DOWNARROW", nullptr},
    {pad + 2, r4, 1, 1, "KP 3", "KP_PGDN", nullptr}, {pad + 3, r4, 1, 2, "KP ENT", "KP_ENTER", nullptr},

    {0, r5, 1.25, 1, "CTRL", "CTRL", nullptr}, {1.25, r5, 1.25, 1, "WIN", "", "WINDOWS"},
    {2.5, r5, 1.25, 1, "ALT", "ALT", nullptr}, {3.75, r5, 6.25, 1, "SPACE", "SPACE", nullptr},
    {10, r5, 1.25, 1, "ALT", "ALT", "RIGHTALT"}, {11.25, r5, 1.25, 1, "WIN", "", "WINDOWS"},
    {12.5, r5, 1.25, 1, "MENU", "", "MENU"}, {13.75, r5, 1.25, 1, "CTRL", "CTRL", "RIGHTCTRL"},
    {nav, r5, 1, 1, "LEFT", "LEFTARROW", nullptr}, {nav + 1, r5, 1, 1, "DOWN", "DOWNARROW", nullptr},
    {nav + 2, r5, 1, 1, "RIGHT", "RIGHTARROW", nullptr},
    {pad, r5, 2, 1, "KP 0", "KP_INS", nullptr}, {pad + 2, r5, 1, 1, "KP .", "KP_DEL", nullptr},

    {mouse, 0, 1.4, 2.5, "MOUSE1", "MOUSE1", nullptr},
    {mouse + 1.4, 0, 1.3, 0.8, "WHL UP", "MWHEELUP", nullptr},
    {mouse + 2.7, 0, 1.4, 2.5, "MOUSE2", "MOUSE2", nullptr},
    {mouse + 1.4, 0.85, 1.3, 0.8, "MOUSE3", "MOUSE3", nullptr},
    {mouse + 1.4, 1.7, 1.3, 0.8, "WHL DN", "MWHEELDOWN", nullptr},
    {mouse, 3, 1.3, 0.9, "MOUSE5", "MOUSE5", nullptr},
    {mouse, 4, 1.3, 0.9, "MOUSE4", "MOUSE4", nullptr},
};
// clang-format on

} // namespace

QVector<KeyPlace> keyPlaces(Game::Version version)
{
    QVector<KeyPlace> places;
    places.reserve(int(std::size(rows)));
    const bool legacy = version == Game::Version::Legacy;
    for (const Row &row : rows) {
        const char *name = legacy && row.legacy ? row.legacy : row.name;
        places.append({QRectF(row.x, row.y, row.w, row.h), QString::fromLatin1(row.caption),
                       QString::fromLatin1(name)});
    }
    return places;
}

QSizeF keyMapSize()
{
    return QSizeF(mouse + 4.25, r5 + 1);
}

QRectF mouseOutline()
{
    return QRectF(mouse - 0.1, -0.1, 4.3, r5 + 1.2);
}

QString keyMapName(const QString &canonicalKey, Game::Version version)
{
    if (version == Game::Version::Legacy && canonicalKey.startsWith(QLatin1String("LEFT"))
        && canonicalKey != QLatin1String("LEFTARROW"))
        return canonicalKey.mid(4);
    return canonicalKey;
}
