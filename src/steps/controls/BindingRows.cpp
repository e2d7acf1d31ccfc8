#include "steps/controls/BindingRows.h"

namespace BindingRows {

namespace {

const QString useThis = QStringLiteral("do you want to use this?");
const QString none;

QStringList sensitivityItems()
{
    return {QStringLiteral("1"),  QStringLiteral("2"),  QStringLiteral("4"),  QStringLiteral("5"),
            QStringLiteral("6"),  QStringLiteral("8"),  QStringLiteral("12"), QStringLiteral("17"),
            QStringLiteral("20"), QStringLiteral("22"), QStringLiteral("24"), QStringLiteral("27"),
            QStringLiteral("28"), QStringLiteral("30")};
}

} // namespace

std::vector<Row> rows()
{
    // clang-format off
    return {
    // Move
    Row::key("edForward").label("Forward:").text("W").hint("Move Forward")
            .enableBox("chkFoward", true, useThis).binds("+forward").in(0).at(0),
    Row::key("edBack1").label("Back:").text("S").hint("move back")
            .enableBox("chkBack", true, useThis).binds("+back").in(0).at(1),
    Row::key("edMleft").label("Move Left:").text("A").hint("move left")
            .enableBox("chkMleft", true, useThis).binds("+moveleft").in(0).at(2),
    Row::key("edMright").label("Move Right:").text("D").hint("move right")
            .enableBox("chkMright", true, useThis).binds("+moveright").in(0).at(3),
    Row::key("edLleft").label("Lean Left:").text("Q").hint("lean left")
            .enableBox("chkLleft", true, none).binds("+leanleft").in(0).at(4),
    Row::key("edLright").label("Lean Right:").text("E").hint("lean right")
            .enableBox("chkLright", true, none).binds("+leanright").in(0).at(5),
    Row::key("edJump1").label("Jump:").text("SPACE").hint("jump")
            .enableBox("chkCjump", true, none).binds("+moveup").in(0).at(6),
    Row::key("edCrouch1").label("Crouch:").text("C").hint("crouch")
            .enableBox("chkCcrouch", true, none).binds("+movedown").in(0).at(7),
    Row::key("edProne1").label("Prone:").text("X").hint("prone")
            .enableBox("chkProne", true, none).binds("+prone").in(0).at(8),
    Row::key("edWalk1").label("Walk:").text("CAPSLOCK").hint("walk")
            .enableBox("chkWWalk", true, none).binds("+speed").in(0).at(9),
    Row::key("edSprint1").label("Sprint:").text("SHIFT").hint("run / sprint")
            .enableBox("chkSprint", true, none).binds("+sprint").in(0).at(10),
    Row::key("edUseact").label("Use (Activate:").text("F").hint("use (activate)")
            .enableBox("chkUse", true, none).binds("+activate").in(0).at(11),
    // Mouse: the only row that writes a setting instead of a binding
    Row::combo("cbSensitivity").items(sensitivityItems()).label("Mouse Sensitivity:").text("6")
            .hint("mouse sensitivity")
            .enableBox("chkMouseS", true, none).seta("sensitivity").in(1).at(0),
    // Chat
    Row::key("edChat").label("Chat:").text("T").hint("chat (say)")
            .enableBox("chkChat", true, none).binds("messagemode").in(2).at(0),
    Row::key("edTchat").label("Team Chat:").text("Y").hint("team chat (say_team)")
            .enableBox("chkTchat", true, none).binds("messagemode2").in(2).at(1),
    Row::key("edQuickchat").label("Quick Chat:").text("V").hint("quick chat (vsay)")
            .enableBox("chkQchat", true, none).binds("mp_quickmessage").in(2).at(2),
    // Pop-ups. The compass has its own zoom; plain zoomin/zoomout zoom the binoculars.
    Row::key("edScores").label("Show Scores:").text("TAB").hint("popup window (show scores)")
            .enableBox("chkScores", true, none).binds("+scores").in(3).at(0),
    Row::key("edLimbo").label("Show Limbo:").text("L").hint("show limbo menu")
            .enableBox("chkLimbo", true, none).binds("openlimbomenu").in(3).at(1),
    Row::key("edMap").label("Show Map:").text("G").hint("popup (show map)")
            .enableBox("chkSmap", true, none).binds("+mapexpand").in(3).at(2),
    Row::key("edCZoomin").label("Compass Zoom in:").text(".").hint("compass zoom in")
            .enableBox("chkCzi", true, none).binds("mapzoomin").in(3).at(3),
    Row::key("edCZoomout").label("Compass Zoom Out:").text(",").hint("compass zoom out")
            .enableBox("chkCzo", true, useThis).binds("mapzoomout").in(3).at(4),
    // The stats window shows while the key is held.
    Row::key("edStats").label("Player Stats:").text("ALT").hint("popup (player stats)")
            .enableBox("chkStats", true, none).binds("+stats").in(3).at(5),
    Row::key("edTopshots").label("Top Shots:").text("CTRL").hint("popup (player stats)")
            .enableBox("chkTop", true, none).binds("+topshots").in(3).at(6),
    // Use weapons
    Row::key("edAttack").label("Attack:").text("MOUSE1").hint("Attack (fire)")
            .enableBox("chkAttack", true, none).binds("+attack").in(4).at(0),
    Row::key("edAltsw").label("Switch to Alternative:").text("MOUSE2").hint("alternative attack")
            .enableBox("chkAltsw", true, none).binds("weapalt").in(4).at(1),
    Row::key("edReload").label("Reload Weapon:").text("R").hint("reload weapon")
            .enableBox("chkReload", true, none).binds("+reload").in(4).at(2),
    Row::key("edBinoc").label("Binocular Zoom:").text("B").hint("Binoculars")
            .enableBox("chkBinoc", true, none).binds("+zoom").in(4).at(3),
    // Miscellaneous
    Row::key("edVotey").label("Vote Yes:").text("F1").hint("vote yes")
            .enableBox("chkVotey", true, none).binds("vote yes").in(5).at(0),
    Row::key("edVoten").label("Vote No:").text("F2").hint("vote no")
            .enableBox("chkVoten", true, none).binds("vote no").in(5).at(1),
    Row::key("edScreenshot").label("Screenshot:").text("F11").hint("take screenshot")
            .enableBox("chkScreenshot", true, useThis).binds("screenshot").in(5).at(2),
    Row::key("edRec").label("Record Replay:").text("F12").hint("record replay")
            .enableBox("chkRec", true, none).binds("record").in(5).at(3),
    // Select weapons
    Row::key("edNextw").label("Next Weapon:").text("MWHEELUP").hint("next weapon")
            .enableBox("chkNextw", true, none).binds("weapnext").in(6).at(0),
    Row::key("edPreviousw").label("Previous Weapon:").text("MWHEELDOWN").hint("previous weapon")
            .enableBox("chkPreviousw", true, none).binds("weapprev").in(6).at(1),
    Row::key("edMelee").label("Slot 1 - Melee:").text("1").hint("Melee Attack")
            .enableBox("chkMelee", true, none).binds("weaponbank 1").in(6).at(2),
    Row::key("ed1handed").label("Slot 2 - One Handed:").text("2").hint("Pistol")
            .enableBox("chk1handed", true, none).binds("weaponbank 2").in(6).at(3),
    Row::key("ed2handed").label("Slot 3 - Two Handed:").text("3")
            .hint("two handed (machinegun, rifle, panzerfaust, flamethrower, sten, sniper, fg42, mortar)")
            .enableBox("chk2handed", true, none).binds("weaponbank 3").in(6).at(4),
    Row::key("edGrenade").label("Slot 4 - Grenade:").text("4").hint("Grenade")
            .enableBox("chkGrenade", true, none).binds("weaponbank 4").in(6).at(5),
    Row::key("edSpecial1").label("Slot 5 - Special 1:").text("5").hint("Special 1")
            .enableBox("chkSpecial1", true, none).binds("weaponbank 5").in(6).at(6),
    Row::key("edSpecial2").label("Slot 6 - Special 2:").text("6").hint("Special 2")
            .enableBox("chkSpecial2", true, none).binds("weaponbank 6").in(6).at(7),
    Row::key("edSpecial3").label("Slot 7 - Special 3:").text("7").hint("Special 3")
            .enableBox("chkSpecial3", true, none).binds("weaponbank 7").in(6).at(8),
    // Fire teams: selectbuddy takes the member's index, counted from 0; -2 selects everyone.
    Row::key("edSelectall").label("Select All Members:").text("KP_INS")
            .hint("select all fireteam members")
            .enableBox("chkSelectall", true, none).binds("selectbuddy -2").in(7).at(0),
    Row::key("edSMember1").label("Select Member #1:").text("KP_LEFTARROW").hint("select member 1")
            .enableBox("chkMember1", true, none).binds("selectbuddy 0").in(7).at(1),
    Row::key("edSMember2").label("Select Member #2:").text("KP_5").hint("select member 2")
            .enableBox("chkMember2", true, none).binds("selectbuddy 1").in(7).at(2),
    Row::key("edSMember3").label("Select Member #3:").text("KP_RIGHTARROW").hint("select member 3")
            .enableBox("chkMember3", true, none).binds("selectbuddy 2").in(7).at(3),
    Row::key("edSMember4").label("Select Member #4:").text("KP_HOME").hint("select member 4")
            .enableBox("chkMember4", true, none).binds("selectbuddy 3").in(7).at(4),
    Row::key("edSMember5").label("Select Member #5:").text("KP_UPARROW").hint("select member 5")
            .enableBox("chkMember5", true, none).binds("selectbuddy 4").in(7).at(5),
    Row::key("edSMember6").label("Select Member #6:").text("KP_PGUP").hint("select member 6")
            .enableBox("chkMember6", true, none).binds("selectbuddy 5").in(7).at(6),
    };
    // clang-format on
}

const std::vector<Group> &groups()
{
    static const std::vector<Group> table = {
            {"pnlMove", "// Move", 0},
            {"pnlMouse", "// Mouse", 0},
            {"pnlChat", "// Chat", 0},
            {"pnlPopUps", "// Pop - Ups", 1},
            {"pnlWeaponsuse", "// Use Weapons", 1},
            {"pnlMiscellaneous", "// Miscellaneous", 1},
            {"pnlSelectw", "// Select Weapons", 2},
            {"pnlFireteams", "// Fire Teams", 2},
    };
    return table;
}

} // namespace BindingRows
