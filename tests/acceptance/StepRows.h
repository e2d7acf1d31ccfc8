#pragma once

#include <QPair>
#include <QStringList>
#include <QVector>

// The rows of the steps, in the order their lines are written, as the tests that walk the whole
// wizard need them.

namespace StepRows {

// The Controls step's rows in the order they are written: check box and input.
inline const char *const controlRows[][2] = {
        {"chkFoward", "edForward"},
        {"chkBack", "edBack1"},
        {"chkMleft", "edMleft"},
        {"chkMright", "edMright"},
        {"chkLleft", "edLleft"},
        {"chkLright", "edLright"},
        {"chkCjump", "edJump1"},
        {"chkCcrouch", "edCrouch1"},
        {"chkProne", "edProne1"},
        {"chkWWalk", "edWalk1"},
        {"chkSprint", "edSprint1"},
        {"chkUse", "edUseact"},
        {"chkMouseS", "cbSensitivity"},
        {"chkChat", "edChat"},
        {"chkTchat", "edTchat"},
        {"chkQchat", "edQuickchat"},
        {"chkScores", "edScores"},
        {"chkLimbo", "edLimbo"},
        {"chkSmap", "edMap"},
        {"chkCzi", "edCZoomin"},
        {"chkCzo", "edCZoomout"},
        {"chkStats", "edStats"},
        {"chkTop", "edTopshots"},
        {"chkAttack", "edAttack"},
        {"chkAltsw", "edAltsw"},
        {"chkReload", "edReload"},
        {"chkBinoc", "edBinoc"},
        {"chkVotey", "edVotey"},
        {"chkVoten", "edVoten"},
        {"chkScreenshot", "edScreenshot"},
        {"chkRec", "edRec"},
        {"chkNextw", "edNextw"},
        {"chkPreviousw", "edPreviousw"},
        {"chkMelee", "edMelee"},
        {"chk1handed", "ed1handed"},
        {"chk2handed", "ed2handed"},
        {"chkGrenade", "edGrenade"},
        {"chkSpecial1", "edSpecial1"},
        {"chkSpecial2", "edSpecial2"},
        {"chkSpecial3", "edSpecial3"},
        {"chkSelectall", "edSelectall"},
        {"chkMember1", "edSMember1"},
        {"chkMember2", "edSMember2"},
        {"chkMember3", "edSMember3"},
        {"chkMember4", "edSMember4"},
        {"chkMember5", "edSMember5"},
        {"chkMember6", "edSMember6"},
};

// The server step's rows in the order they are written: enable box, line prefix and value
// control.
inline const char *const serverRows[][3] = {
        {"chkSMPM", "set sv_minping ", "edMinping"},
        {"chkSMP", "set sv_maxping ", "edMaxPing"},
        {"chkSALJ", "seta match_latejoin ", "chkLatejoins"},
        {"chkSRP", "seta match_readypercent ", "edReadyp"},
        {"chkMP", "set sv_maxclients ", "edMaxplayers"},
        {"chkMPM", "set match_minplayers ", "edMinplayers"},
        {"chkMS", "seta match_mutespecs ", "chkMutespecs"},
        {"chkMPPT", "seta team_maxplayers ", "edMaxteam"},
        {"chkSTC", "seta team_noControls ", "chkTeamctrls"},
        {"chkWD", "seta g_warmup ", "edWarmup"},
        {"chkTL", "seta timelimit ", "edTime"},
        {"chkMC", "set g_complaintlimit ", "edComplaints"},
        {"chkLMSR", "seta g_lms_roundlimit ", "edLms"},
        {"chkLMSM", "seta g_lms_matchlimit  ", "edLms1"},
        {"chkLMSL", "seta g_lms_lockTeams  ", "chkLms"},
        {"chkPS", "set sv_pure ", "chkPserver"},
        {"chkRP", "seta refereePassword ", "edPassr"},
        {"chkSP", "set g_password ", "edPasss"},
        {"chkVLPP", "set vote_limit ", "edVlimit"},
        {"chkSV", "set vote_percent ", "edSvote"},
        {"chkACS", "set vote_allow_comp ", "chComSet"},
        {"chkAK", "set vote_allow_kick ", "chkKick"},
        {"chkAMC", "set vote_allow_map ", "chkMap"},
        {"chkAMR", "set vote_allow_matchreset ", "chkMatch"},
        {"chkMSpecs", "set vote_allow_mutespecs ", "chkMute"},
        {"chkNM", "set vote_allow_nextmap ", "chkNmap"},
        {"chkAPS", "set vote_allow_pub ", "chkPub"},
        {"chkAR", "set vote_allow_referee ", "chkReferee"},
        {"chkAXPST", "set vote_allow_shuffleteamsxp ", "chkXP"},
        {"chkAST", "set vote_allow_swapteams ", "chkSwap"},
        {"chkAFF", "set vote_allow_friendlyfire ", "chkFfire"},
        {"chkATL", "set vote_allow_timelimit ", "chkTime"},
        {"chkAWD", "set vote_allow_warmupdamage ", "chkWarmup"},
        {"chkAAL", "set vote_allow_antilag ", "chkLag"},
        {"chkABT", "set vote_allow_balancedteams ", "chkBteams"},
        {"chkM1", "set server_motd0 ", "edM1"},
        {"chkM2", "set server_motd1 ", "edM2"},
        {"chkM3", "set server_motd2 ", "edM3"},
        {"chkM4", "set server_motd3 ", "edM4"},
        {"chkM5", "set server_motd4 ", "edM5"},
        {"chkAD", "set sv_allowDownload ", "chkDownload"},
        {"chkHTTPFTP", "set sv_wwwDownload ", "chkHttp"},
        {"chkFF", "set g_friendlyFire ", "chkFriend"},
        {"chkSN", "set sv_hostname ", "edServer"},
};

// The scripts steps: each Enable box, how many lines its script writes, and its key fields
// (a key the game cannot bind leaves its line out).
struct Script
{
    const char *box;
    int lines;
    QStringList keys;
};
inline const QVector<Script> scripts1 = {{"chkFov", 1, {}},
                                         {"chkTurn", 1, {"edTurn"}},
                                         {"chkGun", 4, {"edGun"}},
                                         {"chkSmoke", 4, {"edSmoke"}},
                                         {"chkRain", 4, {"edRain"}},
                                         {"chkCrosshair", 11, {"edCrosshair"}},
                                         {"chkRecord", 4, {"edRecord"}},
                                         {"chkGamma", 16, {"edGamma", "edGamma1"}},
                                         {"chkVolume", 16, {"edVolume", "edVolume1"}}};
inline const QVector<Script> scripts2 = {{"chkJump", 2, {"edJump2"}},
                                         {"chkCrouch", 4, {"edCrouch2"}},
                                         {"chkKill", 1, {"edKill"}},
                                         {"chkWalk", 1, {"edWalk2"}},
                                         {"chkArt", 2, {"edArt"}}};

// The miscellaneous step's settings in order: prefix, and the field whose text is the value
// (none for a check box).
inline const QPair<const char *, const char *> miscRows[]
        = {{"seta com_maxfps ", "edFPS"},
           {"seta cl_autoupdate ", nullptr},
           {"seta cg_crosshairSize ", "cbCrosssize"},
           {"seta rate ", "edRate"},
           {"seta r_texturebits ", "cbTxtbits"},
           {"seta r_colorbits ", "cbColorbits"},
           {"seta s_channels ", nullptr},
           {"seta r_drawSun ", nullptr},
           {"seta cg_shadows ", nullptr},
           {"seta r_highQualityVideo ", nullptr},
           {"seta s_khz ", "cbSound"},
           {"seta cg_crosshairColor ", "cbCrosscolor"},
           {"seta cg_lagometer ", nullptr},
           {"seta cg_bloodFlash ", nullptr}};

} // namespace StepRows
