#include "steps/controls/BindingRows.h"

#include "game/ScriptText.h"

#include <iterator>

namespace BindingRows {

namespace {

constexpr const char *useThis = "do you whant to use this?";
constexpr Form B = Form::Bind;

// clang-format off
constexpr Row table[] = {
    // Move
    {"Forward:",          "chkFoward",     "edForward",     "W",        "Move Foward",          useThis, "+forward",        B},
    {"Back:",             "chkBack",       "edBack1",       "S",        "move back",            useThis, "+back",           B},
    {"Move Left:",        "chkMleft",      "edMleft",       "A",        "move left",            useThis, "+moveleft",       B},
    {"Move Right:",       "chkMright",     "edMright",      "D",        "move right",           useThis, "+moveright",      B},
    {"Lean Left:",        "chkLleft",      "edLleft",       "Q",        "lean left",            "",      "+leanleft",       B},
    {"Lean Right:",       "chkLright",     "edLright",      "E",        "lean right",           "",      "+leanright",      B},
    {"Jump:",             "chkCjump",      "edJump1",       "SPACE",    "jump",                 "",      "+moveup",         B},
    {"Crouch:",           "chkCcrouch",    "edCrouch1",     "C",        "crouch",               "",      "+movedown",       B},
    {"Prone:",            "chkProne",      "edProne1",      "X",        "prone",                "",      "+prone",          B},
    {"Walk:",             "chkWWalk",      "edWalk1",       "CAPSLOCK", "walk",                 "",      "+speed",          B},
    {"Sprint:",           "chkSprint",     "edSprint1",     "SHIFT",    "run / sprint",         "",      "+sprint",         B},
    {"Use (Activate:",    "chkUse",        "edUseact",      "F",        "use (activate)",       "",      "+activate",       B},
    // Mouse: the only row that writes a setting instead of a binding
    {"Mouse Sensitivity:", "chkMouseS",    "cbSensitivity", "6",        "mouse sensitivity",    "",      "sensitivity",     Form::Seta},
    // Chat
    {"Chat:",             "chkChat",       "edChat",        "T",        "chat (say)",           "",      "messagemode",     B},
    {"Team Chat:",        "chkTchat",      "edTchat",       "Y",        "team chat (say_team)", "",      "messagemode2",    B},
    {"Quick Chat:",       "chkQchat",      "edQuickchat",   "V",        "quick chat (vsay)",    "",      "mp_quickmessage", B},
    // Pop-ups. The compass has its own zoom; plain zoomin/zoomout zoom the binoculars.
    {"Show Scores:",      "chkScores",     "edScores",      "TAB",      "popup window (show scores)", "", "+scores",       B},
    {"Show Limbo:",       "chkLimbo",      "edLimbo",       "L",        "show limbo menu",      "",      "openlimbomenu",   B},
    {"Show Map:",         "chkSmap",       "edMap",         "G",        "popup (show map)",     "",      "+mapexpand",      B},
    {"Compass Zoom in:",  "chkCzi",        "edCZoomin",     ".",        "compass zoom in",      "",      "mapzoomin",       B},
    {"Compass Zoom Out:", "chkCzo",        "edCZoomout",    ",",        "compass zoom out",     useThis, "mapzoomout",      B},
    // The stats window shows while the key is held.
    {"Player Stats:",     "chkStats",      "edStats",       "ALT",      "popup (player stats)", "",      "+stats",          B},
    {"Top Shots:",        "chkTop",        "edTopshots",    "CTRL",     "popup (player stats)", "",      "+topshots",       B},
    // Use weapons
    {"Attack:",           "chkAttack",     "edAttack",      "MOUSE1",   "Attack (fire)",        "",      "+attack",         B},
    {"Switch to Alternative:", "chkAltsw", "edAltsw",       "MOUSE2",   "alternative attack",   "",      "weapalt",         B},
    {"Reload Weapon:",    "chkReload",     "edReload",      "R",        "reload weapon",        "",      "+reload",         B},
    {"Binocular Zoom:",   "chkBinoc",      "edBinoc",       "B",        "Binoculars",           "",      "+zoom",           B},
    // Miscellaneous
    {"Vote Yes:",         "chkVotey",      "edVotey",       "F1",       "vote yes",             "",      "vote yes",        B},
    {"Vote No:",          "chkVoten",      "edVoten",       "F2",       "vote no",              "",      "vote no",         B},
    {"Screenshot:",       "chkScreenshot", "edScreenshot",  "F11",      "take screenshot",      useThis, "screenshot",      B},
    {"Record Replay:",    "chkRec",        "edRec",         "F12",      "record replay",        "",      "record",          B},
    // Select weapons
    {"Next Weapon:",      "chkNextw",      "edNextw",       "MWHEELUP", "next weapon",          "",      "weapnext",        B},
    {"Previous Weapon:",  "chkPreviousw",  "edPreviousw",   "MWHEELDOWN", "previous weapon",    "",      "weapprev",        B},
    {"Slot 1 - Melee:",   "chkMelee",      "edMelee",       "1",        "Melee Attack",         "",      "weaponbank 1",    B},
    {"Slot 2 - One Handed:", "chk1handed", "ed1handed",     "2",        "Pistol",               "",      "weaponbank 2",    B},
    {"Slot 3 - Two Handed:", "chk2handed", "ed2handed",     "3",
     "two handed (machinegun, rifle, panzerfaust, flamethrower, sten, sniper, fg42, mortar)",   "",      "weaponbank 3",    B},
    {"Slot 4 - Grenade:", "chkGrenade",    "edGrenade",     "4",        "Grenade",              "",      "weaponbank 4",    B},
    {"Slot 5 - Special 1:", "chkSpecial1", "edSpecial1",    "5",        "Special 1",            "",      "weaponbank 5",    B},
    {"Slot 6 - Special 2:", "chkSpecial2", "edSpecial2",    "6",        "Special 2",            "",      "weaponbank 6",    B},
    {"Slot 7 - Special 3:", "chkSpecial3", "edSpecial3",    "7",        "Special 3",            "",      "weaponbank 7",    B},
    // Fire teams: selectbuddy takes the member's index, counted from 0; -2 selects everyone.
    {"Select All Members:", "chkSelectall", "edSelectall",  "KP_INS",   "select all fireteam members", "", "selectbuddy -2", B},
    {"Select Member #1:", "chkMember1",    "edSMember1",    "KP_LEFTARROW", "select member 1",  "",      "selectbuddy 0",   B},
    {"Select Member #2:", "chkMember2",    "edSMember2",    "KP_5",     "select member 2",      "",      "selectbuddy 1",   B},
    {"Select Member #3:", "chkMember3",    "edSMember3",    "KP_RIGHTARROW", "select member 3", "",      "selectbuddy 2",   B},
    {"Select Member #4:", "chkMember4",    "edSMember4",    "KP_HOME",  "select member 4",      "",      "selectbuddy 3",   B},
    {"Select Member #5:", "chkMember5",    "edSMember5",    "KP_UPARROW", "select member 5",    "",      "selectbuddy 4",   B},
    {"Select Member #6:", "chkMember6",    "edSMember6",    "KP_PGUP",  "select member 6",      "",      "selectbuddy 5",   B},
};

constexpr Group groupTable[] = {
    {"pnlMove",          "// Move",           0, 12},
    {"pnlMouse",         "// Mouse",          0, 1},
    {"pnlChat",          "// Chat",           0, 3},
    {"pnlPopUps",        "// Pop - Ups",      1, 7},
    {"pnlWeaponsuse",    "// Use Weapons",    1, 4},
    {"pnlMiscellaneous", "// Miscellaneous",  1, 4},
    {"pnlSelectw",       "// Select Weapons", 2, 9},
    {"pnlFireteams",     "// Fite Teams",     2, 7},
};
// clang-format on

constexpr int sumRows(int upTo)
{
    return upTo == 0 ? 0 : groupTable[upTo - 1].rowCount + sumRows(upTo - 1);
}
static_assert(sumRows(int(std::size(groupTable))) == int(std::size(table)),
              "every row belongs to exactly one group");

} // namespace

const Row *rows()
{
    return table;
}

int rowCount()
{
    return int(std::size(table));
}

const Group *groups()
{
    return groupTable;
}

int groupCount()
{
    return int(std::size(groupTable));
}

QStringList sensitivityItems()
{
    return {QStringLiteral("1"),  QStringLiteral("2"),  QStringLiteral("4"),  QStringLiteral("5"),
            QStringLiteral("6"),  QStringLiteral("8"),  QStringLiteral("12"), QStringLiteral("17"),
            QStringLiteral("20"), QStringLiteral("22"), QStringLiteral("24"), QStringLiteral("27"),
            QStringLiteral("28"), QStringLiteral("30")};
}

QStringList lines(const Row &row, const QString &text)
{
    const QLatin1String command(row.command);
    if (row.form == Form::Seta)
        return {Game::settingLine(QLatin1String("seta ") + command + QLatin1Char(' '), text)};
    return Game::bindLine(text, command);
}

} // namespace BindingRows
