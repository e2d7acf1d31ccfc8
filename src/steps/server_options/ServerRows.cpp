#include "steps/server_options/ServerRows.h"

#include <QString>

#include <map>

namespace ServerRows {

namespace {

// What a row writes in a version where another row of the screen writes its line: nothing.
Row::Writes noLine()
{
    Row::Writes writes;
    writes.form = Row::Writes::Form::Fixed;
    return writes;
}

} // namespace

namespace {
constexpr const char *enable = "enable?";
constexpr const char *noHint = "";
// Two rows keep two blanks before their value; the game's console reads them like one.
constexpr const char *two = "  ";
// The game's own word for "no password".
constexpr const char *noPassword = "none";

// ET: Legacy made the comp and pub votes one "config" vote: allowed when either box says so.
Row::Writes configVote()
{
    Row::Writes config;
    config.form = Row::Writes::Form::Set;
    config.name = QStringLiteral("vote_allow_config");
    config.joinedWith = QStringLiteral("chkPub");
    return config;
}
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

std::vector<Row> rows()
{
    // clang-format off
    std::vector<Row> table = {
            // The minimum ping is written first, though the screen shows it second.
            Row::edit("edMinping").label("Minimum Ping:").hint("Minimum Ping")
                    .enableBox("chkSMPM", true, enable).set("sv_minping").in(int(Group::General))
                    .at(1),
            Row::edit("edMaxPing").label("Maximum Ping:").hint("Maximum Ping")
                    .enableBox("chkSMP", true, enable).set("sv_maxping").in(int(Group::General))
                    .at(0),
            Row::check("chkLatejoins").label("Allow Late Joins:").checked(true)
                    .hint("allow late joins").enableBox("chkSALJ", true, enable)
                    .seta("match_latejoin").in(int(Group::Match)).at(0),
            Row::edit("edReadyp").label("Ready Percentage \"1/100\":").hint("ready percentage")
                    .enableBox("chkSRP", true, enable).seta("match_readypercent")
                    .in(int(Group::Match)).at(1),
            Row::edit("edMaxplayers").label("Max Players:").hint("max players")
                    .enableBox("chkMP", true, enable).set("sv_maxclients").in(int(Group::Match))
                    .at(2),
            Row::edit("edMinplayers").label("Minimum Players:").hint("minimum players")
                    .enableBox("chkMPM", true, enable).set("match_minplayers").in(int(Group::Match))
                    .at(3),
            Row::check("chkMutespecs").label("Mute Spectators:").checked(true)
                    .hint("mute spectators").enableBox("chkMS", true, enable)
                    .seta("match_mutespecs").in(int(Group::Match)).at(4),
            Row::edit("edMaxteam").label("Max players per team:").hint("max players per team")
                    .enableBox("chkMPPT", true, enable).seta("team_maxplayers")
                    .in(int(Group::Match)).at(5),
            Row::check("chkTeamctrls").label("Disable Team Controls:").checked(true)
                    .hint("disable team controls").enableBox("chkSTC", true, enable)
                    .seta("team_noControls").in(int(Group::Match)).at(6),
            Row::edit("edWarmup").label("Warmup Duration:").hint("warmup duration")
                    .enableBox("chkWD", true, enable).seta("g_warmup").in(int(Group::Match)).at(7),
            Row::edit("edTime").label("Time Limit:").hint("set time limit")
                    .enableBox("chkTL", true, enable).seta("timelimit").in(int(Group::Match)).at(8),
            Row::edit("edComplaints").label("Maximum Complaints:").hint("maximum complaints")
                    .enableBox("chkMC", true, enable).set("g_complaintlimit").in(int(Group::Match))
                    .at(9),
            Row::edit("edLms").label("LMS Round per match:").hint("lms round per match")
                    .enableBox("chkLMSR", false, enable).seta("g_lms_roundlimit")
                    .in(int(Group::LastManStanding)).at(0),
            Row::edit("edLms1").label("LMS Matches per Map:").hint("lms matches per map")
                    .enableBox("chkLMSM", false, enable).seta("g_lms_matchlimit").separator(two)
                    .in(int(Group::LastManStanding)).at(1),
            Row::check("chkLms").label("LMS Locked Teams:").checked(false).hint("lms locked teams")
                    .enableBox("chkLMSL", false, noHint).seta("g_lms_lockTeams").separator(two)
                    .in(int(Group::LastManStanding)).at(2),
            Row::check("chkPserver").label("Pure Server:").checked(true).hint("set Pure Server")
                    .enableBox("chkPS", true, enable).set("sv_pure").in(int(Group::Admin)).at(0),
            Row::edit("edPassr").label("Referee Password:").text(noPassword)
                    .hint("referee password (for server admin)").enableBox("chkRP", true, enable)
                    .seta("refereePassword").in(int(Group::Admin)).at(1),
            // The game's join password.
            Row::edit("edPasss").label("Server Password:").text(noPassword).hint("server password")
                    .enableBox("chkSP", true, enable).set("g_password").in(int(Group::Admin)).at(2),
            Row::edit("edVlimit").label("Vote Limit per player:").text("3")
                    .hint("vote limit per player").enableBox("chkVLPP", true, enable)
                    .set("vote_limit").in(int(Group::Voting)).at(0),
            Row::edit("edSvote").label("Successful Voting:").text("50")
                    .hint("successful voting (%)").unit("%").enableBox("chkSV", true, enable)
                    .set("vote_percent").in(int(Group::Voting)).at(1),
            Row::check("chkAvote").label("Allow Vote:").checked(true).hint("allow votes")
                    .enableBox("chkAV", true, enable).set("g_allowVote")
                    .absent(QStringLiteral("No version of the game reads this setting")).in(int(Group::Voting))
                    .at(2),
            Row::check("chComSet").label("Allow Comp Settings:").checked(false)
                    .hint("vote: allow competition settings").enableBox("chkACS", true, enable)
                    .set("vote_allow_comp")
                    .inVersion(Game::Version::Legacy, configVote()).in(int(Group::AllowVotes)).at(0),
            Row::check("chkKick").label("Allow Kick:").checked(true).hint("vote: allow kick")
                    .enableBox("chkAK", true, enable).set("vote_allow_kick")
                    .in(int(Group::AllowVotes)).at(1),
            Row::check("chkMap").label("Allow Map Change:").checked(true)
                    .hint("vote: allow map change").enableBox("chkAMC", true, enable)
                    .set("vote_allow_map").in(int(Group::AllowVotes)).at(2),
            Row::check("chkMatch").label("Allow Match Reset:").checked(false)
                    .hint("vote: allow match reset").enableBox("chkAMR", true, enable)
                    .set("vote_allow_matchreset").in(int(Group::AllowVotes)).at(3),
            Row::check("chkMute").label("Mute Spectators:").checked(false)
                    .hint("vote: mute spectators").enableBox("chkMSpecs", true, enable)
                    .set("vote_allow_mutespecs").in(int(Group::AllowVotes)).at(4),
            Row::check("chkNmap").label("Next Map:").checked(true).hint("vote: allow next map")
                    .enableBox("chkNM", true, enable).set("vote_allow_nextmap")
                    .in(int(Group::AllowVotes)).at(5),
            Row::check("chkPub").label("Allow Pub Settings:").checked(false)
                    .hint("vote: allow public settings").enableBox("chkAPS", true, enable)
                    .set("vote_allow_pub")
                    .inVersion(Game::Version::Legacy, noLine()).in(int(Group::AllowVotes)).at(6),
            Row::check("chkReferee").label("Allow Referee:").checked(false)
                    .hint("vote: allow referee (don't use in public servers)")
                    .enableBox("chkAR", true, enable).set("vote_allow_referee")
                    .in(int(Group::AllowVotes)).at(7),
            // The game's vote is "shuffleteamsxp": shuffle by experience points.
            Row::check("chkXP").label("Allow XP Shuffle Teams:").checked(true)
                    .hint("vote: allow Experience Shuffle Teams")
                    .enableBox("chkAXPST", true, enable).set("vote_allow_shuffleteamsxp")
                    .renamedIn(Game::Version::Legacy, "vote_allow_shuffleteams")
                    .in(int(Group::AllowVotes)).at(8),
            Row::check("chkSwap").label("Allow Swap teams:").checked(true)
                    .hint("vote: allow swap teams").enableBox("chkAST", true, enable)
                    .set("vote_allow_swapteams").in(int(Group::AllowVotes)).at(9),
            Row::check("chkFfire").label("Allow Friendly Fire:").checked(true)
                    .hint("vote: allow friendly fire").enableBox("chkAFF", true, enable)
                    .set("vote_allow_friendlyfire").in(int(Group::AllowVotesContinued)).at(0),
            Row::check("chkTime").label("Allow Time Limit:").checked(false)
                    .hint("vote:allow time limit").enableBox("chkATL", true, enable)
                    .set("vote_allow_timelimit").in(int(Group::AllowVotesContinued)).at(1),
            Row::check("chkWarmup").label("Allow Warmup Damage:").checked(true)
                    .hint("vote: allow warmup damage").enableBox("chkAWD", true, enable)
                    .set("vote_allow_warmupdamage").in(int(Group::AllowVotesContinued)).at(2),
            Row::check("chkLag").label("Allow Anti Lag:").checked(false)
                    .hint("vote: allow anti lag").enableBox("chkAAL", true, enable)
                    .set("vote_allow_antilag").in(int(Group::AllowVotesContinued)).at(3),
            Row::check("chkBteams").label("Allow Balanced Teams:").checked(false)
                    .hint("vote: allow balanced teams (recommended)")
                    .enableBox("chkABT", true, enable).set("vote_allow_balancedteams")
                    .in(int(Group::AllowVotesContinued)).at(4),
            // "Motd 1:" to "Motd 5:" are the game's lines 0 to 4.
            Row::edit("edM1").label("Motd 1:").text(" ^NEnemy Territory ^7MOTD ")
                    .hint("message of the day line 1").enableBox("chkM1", true, enable)
                    .set("server_motd0").in(int(Group::Motd)).at(0),
            Row::edit("edM2").label("Motd 2:").hint("message of the day line 2")
                    .enableBox("chkM2", false, enable).set("server_motd1").in(int(Group::Motd))
                    .at(1),
            Row::edit("edM3").label("Motd 3:").hint("message of the day line 3")
                    .enableBox("chkM3", false, enable).set("server_motd2").in(int(Group::Motd))
                    .at(2),
            Row::edit("edM4").label("Motd 4:").hint("message of the day line 4")
                    .enableBox("chkM4", false, enable).set("server_motd3").in(int(Group::Motd))
                    .at(3),
            Row::edit("edM5").label("Motd 5:").hint("message of the day line 5")
                    .enableBox("chkM5", false, enable).set("server_motd4").in(int(Group::Motd))
                    .at(4),
            Row::check("chkDownload").label("Allow Download:").checked(true).hint("allow download")
                    .enableBox("chkAD", false, noHint).set("sv_allowDownload")
                    .in(int(Group::Download)).at(0),
            Row::check("chkHttp").label("HTTP/FTP Download:").checked(true)
                    .hint("allow HTTP/FTP download").enableBox("chkHTTPFTP", false, noHint)
                    .set("sv_wwwDownload").in(int(Group::Download)).at(1),
            // Friendly fire is written before the server name, though the screen shows it second.
            Row::check("chkFriend").label("Friendly Fire:").checked(true)
                    .hint("friendly fire on/off").enableBox("chkFF", false, noHint)
                    .set("g_friendlyFire").in(int(Group::ServerOptions)).at(1),
            Row::edit("edServer").label("Server Name:").text("Tarvex's server")
                    .hint("Host name (server name)").enableBox("chkSN", false, noHint)
                    .set("sv_hostname").in(int(Group::ServerOptions)).at(0),
    };
    // clang-format on
    std::map<QString, int> captionCount;
    for (const Row &row : table)
        ++captionCount[row.labelText()];
    for (Row &row : table) {
        if (captionCount.at(row.labelText()) > 1) {
            const QString group = QLatin1String(groups().at(row.group()).caption).mid(3);
            row.accessibleName(group + QLatin1Char(' ') + row.labelText());
        }
    }
    return table;
}

} // namespace ServerRows
