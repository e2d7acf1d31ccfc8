#include "steps/server_options/ServerRows.h"

#include "game/ScriptText.h"

namespace ServerRows {

namespace {
constexpr const char *enable = "enable?";
constexpr const char *noHint = "";
constexpr const char *noUnit = "";
constexpr const char *one = " ";
// Two rows keep two blanks before their value; the game's console reads them like one.
constexpr const char *two = "  ";
// The game's own word for "no password".
constexpr const char *noPassword = "none";
} // namespace

const std::vector<GroupInfo> &groups()
{
    static const std::vector<GroupInfo> table = {
            {Group::General, "pnlGeneral", "// General", 0, false},
            {Group::Match, "pnlMatch", "// Match", 0, false},
            {Group::LastManStanding, "pnlLastman", "// Last Man Standing", 0, false},
            {Group::Admin, "pnlAdmin", "// Admin", 1, false},
            {Group::Voting, "pnlVoting", "// Voting", 1, false},
            {Group::AllowVotes, "pnlAvote", "// Allow Votes", 1, false},
            {Group::AllowVotesContinued, "pnlAvote1", "// Allow Votes", 2, false},
            {Group::Motd, "pnlMotd", "// Message of the Day", 2, true},
            {Group::Download, "pnlDownload", "// Download", 2, false},
            {Group::ServerOptions, "pnlSoptions", "// Server Options", 2, true},
    };
    return table;
}

const std::vector<Row> &rows()
{
    using V = Value;
    using G = Group;
    // clang-format off
    static const std::vector<Row> table = {
        // group, screen row, label,
        //   enable box, checked, hint,  value kind, control, default, hint, unit,
        //   command, setting, separator

        // The minimum ping is written first, though the screen shows it second.
        {G::General, 1, "Minimum Ping:",
            "chkSMPM", true, enable, V::Edit, "edMinping", "", "Minimum Ping", noUnit,
            "set", "sv_minping", one},
        {G::General, 0, "Maximum Ping:",
            "chkSMP", true, enable, V::Edit, "edMaxPing", "", "Maximum Ping", noUnit,
            "set", "sv_maxping", one},

        {G::Match, 0, "Allow Late Joins:",
            "chkSALJ", true, enable, V::Check, "chkLatejoins", "1", "allow late joins", noUnit,
            "seta", "match_latejoin", one},
        {G::Match, 1, "Ready Percentage \"1/100\":",
            "chkSRP", true, enable, V::Edit, "edReadyp", "", "ready percentage", noUnit,
            "seta", "match_readypercent", one},
        {G::Match, 2, "Max Players:",
            "chkMP", true, enable, V::Edit, "edMaxplayers", "", "max players", noUnit,
            "set", "sv_maxclients", one},
        {G::Match, 3, "Minimum Players:",
            "chkMPM", true, enable, V::Edit, "edMinplayers", "", "minimum players", noUnit,
            "set", "match_minplayers", one},
        {G::Match, 4, "Mute Spectators:",
            "chkMS", true, enable, V::Check, "chkMutespecs", "1", "mute spectators", noUnit,
            "seta", "match_mutespecs", one},
        {G::Match, 5, "Max players per team:",
            "chkMPPT", true, enable, V::Edit, "edMaxteam", "", "max players per team", noUnit,
            "seta", "team_maxplayers", one},
        {G::Match, 6, "Disable Team Controls:",
            "chkSTC", true, enable, V::Check, "chkTeamctrls", "1", "disable team controls", noUnit,
            "seta", "team_noControls", one},
        {G::Match, 7, "Warmup Duration:",
            "chkWD", true, enable, V::Edit, "edWarmup", "", "warmup duration", noUnit,
            "seta", "g_warmup", one},
        {G::Match, 8, "Time Limit:",
            "chkTL", true, enable, V::Edit, "edTime", "", "set time limit", noUnit,
            "seta", "timelimit", one},
        {G::Match, 9, "Maximum Complaints:",
            "chkMC", true, enable, V::Edit, "edComplaints", "", "maximum complaints", noUnit,
            "set", "g_complaintlimit", one},

        {G::LastManStanding, 0, "LMS Round per match:",
            "chkLMSR", false, enable, V::Edit, "edLms", "", "lms round per match", noUnit,
            "seta", "g_lms_roundlimit", one},
        {G::LastManStanding, 1, "LMS Matches per Map:",
            "chkLMSM", false, enable, V::Edit, "edLms1", "", "lms matches per map", noUnit,
            "seta", "g_lms_matchlimit", two},
        {G::LastManStanding, 2, "LMS Locked Teams:",
            "chkLMSL", false, noHint, V::Check, "chkLms", "0", "lms locked teams", noUnit,
            "seta", "g_lms_lockTeams", two},

        {G::Admin, 0, "Pure Server:",
            "chkPS", true, enable, V::Check, "chkPserver", "1", "set Pure Server", noUnit,
            "set", "sv_pure", one},
        {G::Admin, 1, "Referee Password:",
            "chkRP", true, enable, V::Edit, "edPassr", noPassword,
            "referee password (for server admin)", noUnit,
            "seta", "refereePassword", one},
        // The game's join password.
        {G::Admin, 2, "Server Password:",
            "chkSP", true, enable, V::Edit, "edPasss", noPassword, "server password", noUnit,
            "set", "g_password", one},

        {G::Voting, 0, "Vote Limit per player:",
            "chkVLPP", true, enable, V::Edit, "edVlimit", "3", "vote limit per player", noUnit,
            "set", "vote_limit", one},
        {G::Voting, 1, "Successful Voting:",
            "chkSV", true, enable, V::Edit, "edSvote", "50", "successful voting (%)", "%",
            "set", "vote_percent", one},
        {G::Voting, 2, "Allow Vote:",
            "chkAV", true, enable, V::Check, "chkAvote", "1", "allow votes", noUnit,
            "set", "g_allowVote", one},

        {G::AllowVotes, 0, "Allow Comp Settings:",
            "chkACS", true, enable, V::Check, "chComSet", "0",
            "vote: allow competition settings", noUnit,
            "set", "vote_allow_comp", one},
        {G::AllowVotes, 1, "Allow Kick:",
            "chkAK", true, enable, V::Check, "chkKick", "1", "vote: allow kick", noUnit,
            "set", "vote_allow_kick", one},
        {G::AllowVotes, 2, "Allow Map Change:",
            "chkAMC", true, enable, V::Check, "chkMap", "1", "vote: allow map change", noUnit,
            "set", "vote_allow_map", one},
        {G::AllowVotes, 3, "Allow Match Reset:",
            "chkAMR", true, enable, V::Check, "chkMatch", "0", "vote: allow match reset", noUnit,
            "set", "vote_allow_matchreset", one},
        {G::AllowVotes, 4, "Mute Spectators:",
            "chkMSpecs", true, enable, V::Check, "chkMute", "0", "vote: mute spectators", noUnit,
            "set", "vote_allow_mutespecs", one},
        {G::AllowVotes, 5, "Next Map:",
            "chkNM", true, enable, V::Check, "chkNmap", "1", "vote: allow next map", noUnit,
            "set", "vote_allow_nextmap", one},
        {G::AllowVotes, 6, "Allow Pub Settings:",
            "chkAPS", true, enable, V::Check, "chkPub", "0", "vote: allow public settings", noUnit,
            "set", "vote_allow_pub", one},
        {G::AllowVotes, 7, "Allow Referee:",
            "chkAR", true, enable, V::Check, "chkReferee", "0",
            "vote: allow referee (don't use in public servers)", noUnit,
            "set", "vote_allow_referee", one},
        // The game's vote is "shuffleteamsxp": shuffle by experience points.
        {G::AllowVotes, 8, "Allow XP Shuffle Teams:",
            "chkAXPST", true, enable, V::Check, "chkXP", "1",
            "vote: allow Experience Shuffle Teams", noUnit,
            "set", "vote_allow_shuffleteamsxp", one},
        {G::AllowVotes, 9, "Allow Swap teams:",
            "chkAST", true, enable, V::Check, "chkSwap", "1", "vote: allow swap teams", noUnit,
            "set", "vote_allow_swapteams", one},

        {G::AllowVotesContinued, 0, "Allow Friendly Fire:",
            "chkAFF", true, enable, V::Check, "chkFfire", "1", "vote: allow friendly fire", noUnit,
            "set", "vote_allow_friendlyfire", one},
        {G::AllowVotesContinued, 1, "Allow Time Limit:",
            "chkATL", true, enable, V::Check, "chkTime", "0", "vote:allow time limit", noUnit,
            "set", "vote_allow_timelimit", one},
        {G::AllowVotesContinued, 2, "Allow Warmup Damage:",
            "chkAWD", true, enable, V::Check, "chkWarmup", "1", "vote: allow warmup damage", noUnit,
            "set", "vote_allow_warmupdamage", one},
        {G::AllowVotesContinued, 3, "Allow Anti Lag:",
            "chkAAL", true, enable, V::Check, "chkLag", "0", "vote: allow anti lag", noUnit,
            "set", "vote_allow_antilag", one},
        {G::AllowVotesContinued, 4, "Allow Balanced Teams:",
            "chkABT", true, enable, V::Check, "chkBteams", "0",
            "vote: allow balanced teams (recommended)", noUnit,
            "set", "vote_allow_balancedteams", one},

        // "Motd 1:" to "Motd 5:" are the game's lines 0 to 4.
        {G::Motd, 0, "Motd 1:",
            "chkM1", true, enable, V::Edit, "edM1", " ^NEnemy Territory ^7MOTD ",
            "message of the day line 1", noUnit,
            "set", "server_motd0", one},
        {G::Motd, 1, "Motd 2:",
            "chkM2", false, enable, V::Edit, "edM2", "", "message of the day line 2", noUnit,
            "set", "server_motd1", one},
        {G::Motd, 2, "Motd 3:",
            "chkM3", false, enable, V::Edit, "edM3", "", "message of the day line 3", noUnit,
            "set", "server_motd2", one},
        {G::Motd, 3, "Motd 4:",
            "chkM4", false, enable, V::Edit, "edM4", "", "message of the day line 4", noUnit,
            "set", "server_motd3", one},
        {G::Motd, 4, "Motd 5:",
            "chkM5", false, enable, V::Edit, "edM5", "", "message of the day line 5", noUnit,
            "set", "server_motd4", one},

        {G::Download, 0, "Allow Download:",
            "chkAD", false, noHint, V::Check, "chkDownload", "1", "allow download", noUnit,
            "set", "sv_allowDownload", one},
        {G::Download, 1, "HTTP/FTP Download:",
            "chkHTTPFTP", false, noHint, V::Check, "chkHttp", "1", "allow HTTP/FTP download",
            noUnit,
            "set", "sv_wwwDownload", one},

        // Friendly fire is written before the server name, though the screen shows it second.
        {G::ServerOptions, 1, "Friendly Fire:",
            "chkFF", false, noHint, V::Check, "chkFriend", "1", "friendly fire on/off", noUnit,
            "set", "g_friendlyFire", one},
        {G::ServerOptions, 0, "Server Name:",
            "chkSN", false, noHint, V::Edit, "edServer", "Tarvex's server",
            "Host name (server name)", noUnit,
            "set", "sv_hostname", one},
    };
    // clang-format on
    return table;
}

QString line(const Row &row, const QString &value)
{
    return Game::settingLine(QLatin1String(row.command) + QLatin1Char(' ')
                                     + QLatin1String(row.setting) + QLatin1String(row.separator),
                             value);
}

} // namespace ServerRows
