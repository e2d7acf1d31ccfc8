#include "support/Harness.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>

namespace {

const QString title = QStringLiteral("//Server Options ---");
const QString rule = QStringLiteral("//-----------------------------------------------");

// What the step writes when nothing on its screen was touched.
const QStringList defaultLines = {
        QStringLiteral("//set sv_minping"),
        QStringLiteral("//set sv_maxping"),
        QStringLiteral("seta match_latejoin 1"),
        QStringLiteral("//seta match_readypercent"),
        QStringLiteral("//set sv_maxclients"),
        QStringLiteral("//set match_minplayers"),
        QStringLiteral("seta match_mutespecs 1"),
        QStringLiteral("//seta team_maxplayers"),
        QStringLiteral("seta team_noControls 1"),
        QStringLiteral("//seta g_warmup"),
        QStringLiteral("//seta timelimit"),
        QStringLiteral("//set g_complaintlimit"),
        QStringLiteral("set sv_pure 1"),
        QStringLiteral("seta refereePassword none"),
        QStringLiteral("set g_password none"),
        QStringLiteral("set vote_limit 3"),
        QStringLiteral("set vote_percent 50"),
        QStringLiteral("set vote_allow_comp 0"),
        QStringLiteral("set vote_allow_kick 1"),
        QStringLiteral("set vote_allow_map 1"),
        QStringLiteral("set vote_allow_matchreset 0"),
        QStringLiteral("set vote_allow_mutespecs 0"),
        QStringLiteral("set vote_allow_nextmap 1"),
        QStringLiteral("set vote_allow_pub 0"),
        QStringLiteral("set vote_allow_referee 0"),
        QStringLiteral("set vote_allow_shuffleteamsxp 1"),
        QStringLiteral("set vote_allow_swapteams 1"),
        QStringLiteral("set vote_allow_friendlyfire 1"),
        QStringLiteral("set vote_allow_timelimit 0"),
        QStringLiteral("set vote_allow_warmupdamage 1"),
        QStringLiteral("set vote_allow_antilag 0"),
        QStringLiteral("set vote_allow_balancedteams 0"),
        QStringLiteral("set server_motd0 \" ^NEnemy Territory ^7MOTD \""),
};

// Every row as the player changes it: its enable box, its value control, the text typed into
// an edit (none for a check box, which is clicked over) and the line then written, in the
// order the step writes them.
struct Change
{
    const char *enable;
    const char *control;
    const char *typed;
    const char *line;
};
const Change everyRow[] = {
        {"chkSMPM", "edMinping", "20", "set sv_minping 20"},
        {"chkSMP", "edMaxPing", "400", "set sv_maxping 400"},
        {"chkSALJ", "chkLatejoins", nullptr, "seta match_latejoin 0"},
        {"chkSRP", "edReadyp", "75", "seta match_readypercent 75"},
        {"chkMP", "edMaxplayers", "32", "set sv_maxclients 32"},
        {"chkMPM", "edMinplayers", "4", "set match_minplayers 4"},
        {"chkMS", "chkMutespecs", nullptr, "seta match_mutespecs 0"},
        {"chkMPPT", "edMaxteam", "16", "seta team_maxplayers 16"},
        {"chkSTC", "chkTeamctrls", nullptr, "seta team_noControls 0"},
        {"chkWD", "edWarmup", "30", "seta g_warmup 30"},
        {"chkTL", "edTime", "20", "seta timelimit 20"},
        {"chkMC", "edComplaints", "3", "set g_complaintlimit 3"},
        {"chkLMSR", "edLms", "5", "seta g_lms_roundlimit 5"},
        {"chkLMSM", "edLms1", "2", "seta g_lms_matchlimit  2"},
        {"chkLMSL", "chkLms", nullptr, "seta g_lms_lockTeams  1"},
        {"chkPS", "chkPserver", nullptr, "set sv_pure 0"},
        {"chkRP", "edPassr", "refpass", "seta refereePassword refpass"},
        {"chkSP", "edPasss", "joinme", "set g_password joinme"},
        {"chkVLPP", "edVlimit", "5", "set vote_limit 5"},
        {"chkSV", "edSvote", "66", "set vote_percent 66"},
        {"chkACS", "chComSet", nullptr, "set vote_allow_comp 1"},
        {"chkAK", "chkKick", nullptr, "set vote_allow_kick 0"},
        {"chkAMC", "chkMap", nullptr, "set vote_allow_map 0"},
        {"chkAMR", "chkMatch", nullptr, "set vote_allow_matchreset 1"},
        {"chkMSpecs", "chkMute", nullptr, "set vote_allow_mutespecs 1"},
        {"chkNM", "chkNmap", nullptr, "set vote_allow_nextmap 0"},
        {"chkAPS", "chkPub", nullptr, "set vote_allow_pub 1"},
        {"chkAR", "chkReferee", nullptr, "set vote_allow_referee 1"},
        {"chkAXPST", "chkXP", nullptr, "set vote_allow_shuffleteamsxp 0"},
        {"chkAST", "chkSwap", nullptr, "set vote_allow_swapteams 0"},
        {"chkAFF", "chkFfire", nullptr, "set vote_allow_friendlyfire 0"},
        {"chkATL", "chkTime", nullptr, "set vote_allow_timelimit 1"},
        {"chkAWD", "chkWarmup", nullptr, "set vote_allow_warmupdamage 0"},
        {"chkAAL", "chkLag", nullptr, "set vote_allow_antilag 1"},
        {"chkABT", "chkBteams", nullptr, "set vote_allow_balancedteams 1"},
        {"chkM1", "edM1", "one", "set server_motd0 one"},
        {"chkM2", "edM2", "two", "set server_motd1 two"},
        {"chkM3", "edM3", "three", "set server_motd2 three"},
        {"chkM4", "edM4", "four", "set server_motd3 four"},
        {"chkM5", "edM5", "five", "set server_motd4 five"},
        {"chkAD", "chkDownload", nullptr, "set sv_allowDownload 0"},
        {"chkHTTPFTP", "chkHttp", nullptr, "set sv_wwwDownload 0"},
        {"chkFF", "chkFriend", nullptr, "set g_friendlyFire 0"},
        {"chkSN", "edServer", "my box", "set sv_hostname \"my box\""},
};

// Sets a check box with the mouse.
void setBox(Harness &h, const char *name, bool checked)
{
    auto *box = h.find<QCheckBox>(QLatin1String(name));
    if (box && box->isChecked() != checked)
        h.click(QLatin1String(name));
}

void openStep(Harness &h, const QString &style)
{
    h.click(QStringLiteral("tbNew"));
    h.chooseStyle(style);
    h.click(QStringLiteral("SpeedButton1"));
    h.nextUntil(8);
}

} // namespace

class ServerStepTest : public QObject
{
    Q_OBJECT
private slots:
    void defaults_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("S1") << "S1"
                            << (QStringList {title, QStringLiteral(" ")} + defaultLines
                                + QStringList {QStringLiteral(" "), rule, QStringLiteral(" ")});
        QTest::newRow("SN") << "SN" << defaultLines;
    }
    void defaults()
    {
        QFETCH(QString, style);
        QFETCH(QStringList, expected);
        Harness h;
        openStep(h, style);
        QCOMPARE(h.pressNext(8), expected);
    }

    void everyEnableBoxOff()
    {
        Harness h;
        h.startRun();
        h.nextUntil(8);
        for (const Change &row : everyRow)
            setBox(h, row.enable, false);
        QCOMPARE(h.pressNext(8),
                 (QStringList {title, QStringLiteral(" "), QStringLiteral(" "), rule,
                               QStringLiteral(" ")}));
    }

    void everyRowOnAndChanged()
    {
        Harness h;
        openStep(h, QStringLiteral("SN"));
        QStringList expected;
        for (const Change &row : everyRow) {
            setBox(h, row.enable, true);
            if (row.typed)
                h.retype(QLatin1String(row.control), QString::fromUtf8(row.typed));
            else
                h.click(QLatin1String(row.control));
            expected << QString::fromUtf8(row.line);
        }
        QCOMPARE(h.pressNext(8), expected);
    }

    void lastManStandingKeepsTwoBlanks()
    {
        Harness h;
        openStep(h, QStringLiteral("SN"));
        setBox(h, "chkLMSM", true);
        h.retype(QLatin1String("edLms1"), QStringLiteral("3"));
        setBox(h, "chkLMSL", true);
        QStringList expected = defaultLines;
        // After the complaint limit, before the pure server line.
        expected.insert(12, QStringLiteral("seta g_lms_matchlimit  3"));
        expected.insert(13, QStringLiteral("seta g_lms_lockTeams  0"));
        QCOMPARE(h.pressNext(8), expected);
    }

    void nextShowsMisc()
    {
        Harness h;
        h.startRun();
        h.nextUntil(8);
        h.pressNext(8);
        Layer layer;
        QVERIFY(h.visibleLayer(&layer));
        QCOMPARE(layer, Layer::Misc);
        QVERIFY(!h.window().layers().isShown(Layer::Server));
    }

    // The groups stand in their three columns, and every row fits inside its group.
    void layout()
    {
        Harness h;
        h.startRun();
        h.nextUntil(8);
        const QStringList columns[] = {{"pnlGeneral", "pnlMatch", "pnlLastman"},
                                       {"pnlAdmin", "pnlVoting", "pnlAvote"},
                                       {"pnlAvote1", "pnlMotd", "pnlDownload", "pnlSoptions"}};
        auto *page = h.find<QWidget>(QStringLiteral("pnlServer"));
        const QRect next = h.find<QWidget>(QStringLiteral("btn8"))->geometry();
        int left = -1;
        for (const QStringList &column : columns) {
            int top = -1;
            for (const QString &name : column) {
                auto *frame = h.find<QFrame>(name);
                const QRect r(frame->mapTo(page, QPoint()), frame->size());
                QVERIFY2(r.left() > left && r.top() > top, qPrintable(name));
                QVERIFY2(r.bottom() < next.top(), qPrintable(name));
                top = r.bottom();
                for (QWidget *child : frame->findChildren<QWidget *>()) {
                    const QRect c(child->mapTo(frame, QPoint()), child->size());
                    QVERIFY2(frame->rect().contains(c), qPrintable(child->objectName()));
                }
            }
            left = h.find<QFrame>(column.first())->mapTo(page, QPoint()).x()
                    + h.find<QFrame>(column.first())->width();
        }
        // The screen shows maximum ping above minimum ping and the server name above
        // friendly fire, though the lines come in the other order.
        QVERIFY(h.find<QWidget>("edMaxPing")->y() < h.find<QWidget>("edMinping")->y());
        QVERIFY(h.find<QWidget>("edServer")->y() < h.find<QWidget>("chkFriend")->y());
    }
};

TARVEX_TEST_MAIN(ServerStepTest)
#include "tst_serverstep.moc"
