#include "support/Harness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

namespace {

const QString s1Rule = QStringLiteral("//") + QString(47, QLatin1Char('-'));
const QString s2Rule = QStringLiteral("//") + QString(34, QLatin1Char('='));

// Replaces a field's text the way a player does: select all, then type.
void type(QLineEdit *edit, const QString &text)
{
    Harness::retype(edit, text);
    QCOMPARE(edit->text(), text);
}

void tick(Harness &h, const QString &name)
{
    auto *box = h.find<QCheckBox>(name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    QVERIFY(box->isChecked());
}

// The lines of a file in tests/data, one per text line.
QStringList dataLines(const QString &name)
{
    QStringList lines = QString::fromUtf8(Harness::data(name)).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Fills in and ticks every script of step 3 (ticked last to first: the order must not matter).
void enableAllOfStep3(Harness &h)
{
    const QList<QPair<const char *, const char *>> keys
            = {{"edFov", "105"},   {"edTurn", "MOUSE4"},   {"edGun", "g"},
               {"edSmoke", "F7"},  {"edRain", "F8"},       {"edCrosshair", "c"},
               {"edRecord", "F9"}, {"edGamma", "KP_PLUS"}, {"edGamma1", "KP_MINUS"},
               {"edVolume", "]"},  {"edVolume1", "["}};
    for (const auto &key : keys)
        type(h.find<QLineEdit>(QLatin1String(key.first)), QLatin1String(key.second));
    for (const char *box : {"chkVolume", "chkGamma", "chkRecord", "chkCrosshair", "chkRain",
                            "chkSmoke", "chkGun", "chkTurn", "chkFov"})
        tick(h, QLatin1String(box));
}

} // namespace

class ScriptsTest : public QObject
{
    Q_OBJECT
private slots:
    void step3AllNineUnderStyle1()
    {
        Harness h;
        h.startRun();
        h.nextUntil(3);
        enableAllOfStep3(h);
        const QStringList own = dataLines(QStringLiteral("scripts1_all.txt"));
        QCOMPARE(own.size(), 61);
        const QStringList expected
                = QStringList {QStringLiteral("//Scripts part 1 ---"), QStringLiteral(" ")} + own
                + QStringList {QStringLiteral(" "), s1Rule, QStringLiteral(" ")};
        QCOMPARE(h.pressNext(3), expected);
    }

    void step3DefaultFovAlone()
    {
        Harness h;
        h.click(QStringLiteral("tbNew"));
        h.chooseStyle(QStringLiteral("SN"));
        h.click(QStringLiteral("SpeedButton1"));
        h.nextUntil(3);
        tick(h, QStringLiteral("chkFov"));
        QCOMPARE(h.pressNext(3), QStringList {QStringLiteral("seta cg_fov 90")});
    }

    void step4_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("say");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("own");
        QTest::addColumn<QStringList>("after");

        const QStringList all
                = {QStringLiteral("chkArt"), QStringLiteral("chkWalk"), QStringLiteral("chkKill"),
                   QStringLiteral("chkCrouch"), QStringLiteral("chkJump")};
        const QStringList five = dataLines(QStringLiteral("scripts2_all.txt"));
        const QString blank = QStringLiteral(" ");
        QTest::newRow("S1, all five") << "S1" << all << "bye all"
                                      << QStringList {QStringLiteral("//Scripts part 2 ---"), blank}
                                      << five << QStringList {blank, s1Rule, blank};
        QTest::newRow("S2, all five") << "S2" << all << "bye all" << QStringList {blank, s2Rule}
                                      << five << QStringList {blank, s2Rule};
        QTest::newRow("SN, all five")
                << "SN" << all << "bye all" << QStringList() << five << QStringList();
        QTest::newRow("S1, none") << "S1" << QStringList() << "bye all"
                                  << QStringList {QStringLiteral("//Scripts part 2 ---"), blank}
                                  << QStringList() << QStringList {blank, s1Rule, blank};
        QTest::newRow("SN, kill with nothing to say")
                << "SN" << QStringList {QStringLiteral("chkKill")} << QString() << QStringList()
                << QStringList {QStringLiteral("bind K \"kill;say \"")} << QStringList();
    }

    void step4()
    {
        QFETCH(QString, style);
        QFETCH(QStringList, boxes);
        QFETCH(QString, say);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(QStringList, own);
        if (boxes.size() == 5)
            QCOMPARE(own.size(), 10);

        Harness h;
        h.click(QStringLiteral("tbNew"));
        h.chooseStyle(style);
        h.click(QStringLiteral("SpeedButton1"));
        h.nextUntil(4);
        type(h.find<QLineEdit>(QStringLiteral("edJump2")), QStringLiteral("SPACE"));
        type(h.find<QLineEdit>(QStringLiteral("edCrouch2")), QStringLiteral("c"));
        type(h.find<QLineEdit>(QStringLiteral("edKill")), QStringLiteral("K"));
        type(h.find<QLineEdit>(QStringLiteral("edKill1")), say);
        type(h.find<QLineEdit>(QStringLiteral("edWalk2")), QStringLiteral("CAPSLOCK"));
        type(h.find<QLineEdit>(QStringLiteral("edArt")), QStringLiteral("MOUSE5"));
        for (const QString &box : boxes)
            tick(h, box);
        QCOMPARE(h.pressNext(4), before + own + after);
    }

    // Follows the written gamma links the way the game would on each key press.
    void gammaLinks()
    {
        Harness h;
        h.startRun();
        h.nextUntil(3);
        type(h.find<QLineEdit>(QStringLiteral("edGamma")), QStringLiteral("KP_PLUS"));
        type(h.find<QLineEdit>(QStringLiteral("edGamma1")), QStringLiteral("KP_MINUS"));
        tick(h, QStringLiteral("chkGamma"));
        const QStringList lines = h.pressNext(3);

        QVERIFY(lines.contains(QStringLiteral("bind KP_PLUS \"vstr gup\"")));
        QVERIFY(lines.contains(QStringLiteral("bind KP_MINUS \"vstr gdn\"")));
        struct State
        {
            QString gamma, down, up, echo;
        };
        QMap<QString, State> states;
        QMap<QString, QString> start;
        const QRegularExpression stateLine(QStringLiteral(
                R"re(^set (\w+) "set r_gamma ([\d.]+);set gdn vstr (\w+);set gup vstr (\w+);echo (.*)"$)re"));
        const QRegularExpression startLine(QStringLiteral(R"re(^set (gup|gdn) vstr (\w+)$)re"));
        for (const QString &line : lines) {
            const auto s = stateLine.match(line);
            if (s.hasMatch())
                states.insert(s.captured(1),
                              {s.captured(2), s.captured(3), s.captured(4), s.captured(5)});
            const auto v = startLine.match(line);
            if (v.hasMatch())
                start.insert(v.captured(1), v.captured(2));
        }
        QCOMPARE(states.size(), 12);

        // Up from the start value: every step to the top, then round to the bottom.
        QStringList upValues;
        QString name = start.value(QStringLiteral("gup"));
        for (int press = 0; press < 12 && states.contains(name); ++press) {
            upValues << states[name].gamma;
            if (states[name].gamma == QLatin1String("2.0"))
                QVERIFY(states[name].echo.endsWith(QLatin1String("MAX")));
            name = states[name].up;
        }
        QCOMPARE(upValues,
                 (QStringList {"1.0", "1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "1.7", "1.8", "1.9",
                               "2.0", "0.9"}));

        // Down from the top: every step to the bottom, which stays where it is.
        QStringList downValues;
        name = QStringLiteral("gamma11");
        for (int press = 0; press < 13 && states.contains(name); ++press) {
            downValues << states[name].gamma;
            name = states[name].down;
        }
        QCOMPARE(downValues,
                 (QStringList {"2.0", "1.9", "1.8", "1.7", "1.6", "1.5", "1.4", "1.3", "1.2", "1.1",
                               "1.0", "0.9", "0.9"}));
        QVERIFY(states[QStringLiteral("gamma00")].echo.contains(QLatin1String("MIN")));
        QCOMPARE(start.value(QStringLiteral("gdn")), QStringLiteral("gamma00"));
    }

    void crosshairCycle()
    {
        Harness h;
        h.startRun();
        h.nextUntil(3);
        type(h.find<QLineEdit>(QStringLiteral("edCrosshair")), QStringLiteral("c"));
        tick(h, QStringLiteral("chkCrosshair"));
        const QStringList lines = h.pressNext(3);

        QVERIFY(lines.contains(QStringLiteral("bind c \"vstr crosshr\"")));
        QMap<QString, QPair<QString, QString>> states; // colour, next
        QString start;
        const QRegularExpression stateLine(QStringLiteral(
                R"re(^set (\w+) "cg_crosshairColorAlt (\w+); set crosshr vstr (\w+)"$)re"));
        const QRegularExpression startLine(QStringLiteral(R"re(^set crosshr "vstr (\w+)"$)re"));
        for (const QString &line : lines) {
            const auto s = stateLine.match(line);
            if (s.hasMatch())
                states.insert(s.captured(1), {s.captured(2), s.captured(3)});
            const auto v = startLine.match(line);
            if (v.hasMatch())
                start = v.captured(1);
        }
        QStringList colours;
        QString name = start;
        for (int press = 0; press < 9 && states.contains(name); ++press) {
            colours << states[name].first;
            name = states[name].second;
        }
        QCOMPARE(colours,
                 (QStringList {"black", "red", "green", "yellow", "blue", "cyan", "magenta",
                               "white", "orange"}));
        QCOMPARE(name, start); // orange leads back to black
    }

    // Every field and Enable box can be told apart by name, and hints go to the status bar.
    void namesAndHints_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("step 2") << "pnlVSays";
        QTest::newRow("step 3") << "pnlScripts1";
        QTest::newRow("step 4") << "pnlScripts2";
    }

    void namesAndHints()
    {
        QFETCH(QString, page);
        Harness h;
        QWidget *screen = h.find<QWidget>(page);
        QList<QWidget *> controls;
        for (QCheckBox *box : screen->findChildren<QCheckBox *>())
            controls << box;
        for (QComboBox *combo : screen->findChildren<QComboBox *>())
            controls << combo;
        for (QLineEdit *edit : screen->findChildren<QLineEdit *>()) {
            if (!qobject_cast<QComboBox *>(edit->parentWidget()))
                controls << edit;
        }
        QVERIFY(controls.size() >= 4);
        QSet<QString> names;
        for (QWidget *control : controls) {
            const QString name = control->accessibleName();
            QVERIFY2(!name.isEmpty(), qPrintable(control->objectName()));
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
            QVERIFY2(!control->statusTip().isEmpty(), qPrintable(control->objectName()));
            QVERIFY2(control->toolTip().isEmpty(), qPrintable(control->objectName()));
        }
        QCOMPARE(h.find<QWidget>(QStringLiteral("chkFov"))->accessibleName(),
                 QStringLiteral("Fov Selector Enable"));
        QCOMPARE(h.find<QWidget>(QStringLiteral("edGamma"))->accessibleName(),
                 QStringLiteral("Gamma Select Increase Gamma:"));
        QCOMPARE(h.find<QWidget>(QStringLiteral("edKill1"))->accessibleName(),
                 QStringLiteral("Kill Script Say:"));
    }
};

TARVEX_TEST_MAIN(ScriptsTest)
#include "tst_scripts.moc"
