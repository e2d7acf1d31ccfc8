#include "game/KeyNames.h"

namespace Game {

namespace {

struct KeyName
{
    int qtKey;
    const char *name;
};

// The keypad, with Num Lock off (the keys' second meanings, keypad 5 as Clear) and on (digits
// and the decimal point; some layouts give a comma there). Under X11 Qt adds the keypad
// modifier to all of them except '=', which arrives as a plain '=' and so types text.
// clang-format off
constexpr KeyName keypad[] = {
    {Qt::Key_Home,     "KP_HOME"},       {Qt::Key_7,        "KP_HOME"},
    {Qt::Key_Up,       "KP_UPARROW"},    {Qt::Key_8,        "KP_UPARROW"},
    {Qt::Key_PageUp,   "KP_PGUP"},       {Qt::Key_9,        "KP_PGUP"},
    {Qt::Key_Left,     "KP_LEFTARROW"},  {Qt::Key_4,        "KP_LEFTARROW"},
    {Qt::Key_Clear,    "KP_5"},          {Qt::Key_5,        "KP_5"},
    {Qt::Key_Right,    "KP_RIGHTARROW"}, {Qt::Key_6,        "KP_RIGHTARROW"},
    {Qt::Key_End,      "KP_END"},        {Qt::Key_1,        "KP_END"},
    {Qt::Key_Down,     "KP_DOWNARROW"},  {Qt::Key_2,        "KP_DOWNARROW"},
    {Qt::Key_PageDown, "KP_PGDN"},       {Qt::Key_3,        "KP_PGDN"},
    {Qt::Key_Insert,   "KP_INS"},        {Qt::Key_0,        "KP_INS"},
    {Qt::Key_Delete,   "KP_DEL"},        {Qt::Key_Period,   "KP_DEL"},
    {Qt::Key_Comma,    "KP_DEL"},        {Qt::Key_Enter,    "KP_ENTER"},
    {Qt::Key_Return,   "KP_ENTER"},      {Qt::Key_Slash,    "KP_SLASH"},
    {Qt::Key_Asterisk, "KP_STAR"},       {Qt::Key_Minus,    "KP_MINUS"},
    {Qt::Key_Plus,     "KP_PLUS"},       {Qt::Key_Equal,    "KP_EQUALS"},
    {Qt::Key_NumLock,  "KP_NUMLOCK"},
};

// Keys outside the keypad that type no text, besides F1 to F12. Keypad Enter and keypad 5
// (Num Lock off) may come without the keypad modifier, but no other key sends Enter or Clear.
// Right Alt (AltGr) is the game's ALT too.
constexpr KeyName others[] = {
    {Qt::Key_Up,       "UPARROW"},       {Qt::Key_Down,     "DOWNARROW"},
    {Qt::Key_Left,     "LEFTARROW"},     {Qt::Key_Right,    "RIGHTARROW"},
    {Qt::Key_Insert,   "INS"},           {Qt::Key_Home,     "HOME"},
    {Qt::Key_End,      "END"},           {Qt::Key_PageUp,   "PGUP"},
    {Qt::Key_PageDown, "PGDN"},          {Qt::Key_Pause,    "PAUSE"},
    {Qt::Key_Shift,    "SHIFT"},         {Qt::Key_Control,  "CTRL"},
    {Qt::Key_Alt,      "ALT"},           {Qt::Key_AltGr,    "ALT"},
    {Qt::Key_CapsLock, "CAPSLOCK"},      {Qt::Key_Return,   "ENTER"},
    {Qt::Key_Space,    "SPACE"},         {Qt::Key_Enter,    "KP_ENTER"},
    {Qt::Key_Clear,    "KP_5"},          {Qt::Key_NumLock,  "KP_NUMLOCK"},
};
// clang-format on

template<size_t N> QString lookUp(const KeyName (&table)[N], int qtKey)
{
    for (const KeyName &key : table) {
        if (key.qtKey == qtKey)
            return QString::fromLatin1(key.name);
    }
    return QString();
}

} // namespace

QString keyNameFor(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return QStringLiteral("F%1").arg(qtKey - Qt::Key_F1 + 1);
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        const QString name = lookUp(keypad, qtKey);
        if (!name.isEmpty())
            return name;
    }
    return lookUp(others, qtKey);
}

QString modifierKeyName(int qtKey, bool rightHand, Version version)
{
    if (qtKey != Qt::Key_Shift && qtKey != Qt::Key_Control && qtKey != Qt::Key_Alt
        && qtKey != Qt::Key_AltGr)
        return QString();
    const QString name = lookUp(others, qtKey);
    if (version == Version::Legacy && (rightHand || qtKey == Qt::Key_AltGr))
        return QStringLiteral("RIGHT") + name;
    return name;
}

QString keyNameFor(Qt::MouseButton button)
{
    switch (button) {
    case Qt::MiddleButton:
        return QStringLiteral("MOUSE3");
    case Qt::BackButton:
        return QStringLiteral("MOUSE4");
    case Qt::ForwardButton:
        return QStringLiteral("MOUSE5");
    default:
        return QString();
    }
}

QString wheelKeyName(int angleDeltaY)
{
    if (angleDeltaY > 0)
        return QStringLiteral("MWHEELUP");
    if (angleDeltaY < 0)
        return QStringLiteral("MWHEELDOWN");
    return QString();
}

} // namespace Game
