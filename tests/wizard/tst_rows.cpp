// The row model on its own, without the program's window: the lines each kind of row writes for
// a value, what its enable box and a game version change, and a value read back into a row.
#include "wizard/RowSet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

using Game::Version;

class RowsTest : public QObject
{
    Q_OBJECT

private slots:
    void linesOfEachKind()
    {
        const Row key = Row::key("edForward").binds("+forward");
        QCOMPARE(key.lines(QStringLiteral("W")), QStringList {"bind W \"+forward\""});
        // A key no bind line can carry writes nothing.
        QCOMPARE(key.lines(QStringLiteral("A\"B")), QStringList());

        const Row stereo = Row::check("chkStereo").seta("s_channels").writes("2", "1");
        QCOMPARE(stereo.lines(stereo.checkValue(true)), QStringList {"seta s_channels 2"});
        QCOMPARE(stereo.lines(stereo.checkValue(false)), QStringList {"seta s_channels 1"});
        const Row flag = Row::check("chkPserver").set("sv_pure");
        QCOMPARE(flag.lines(flag.checkValue(false)), QStringList {"set sv_pure 0"});

        const Row edit = Row::edit("edLms1").set("g_lms_matchlimit").separator("  ");
        QCOMPARE(edit.lines(QStringLiteral("3")), QStringList {"set g_lms_matchlimit  3"});
        // An empty value stays visible to the player, commented out.
        QCOMPARE(edit.lines(QString()), QStringList {"//set g_lms_matchlimit"});

        const Row combo = Row::combo("cbCrosscolor").seta("cg_crosshairColor");
        QCOMPARE(combo.lines(QStringLiteral("dark red")),
                 QStringList {"seta cg_crosshairColor \"dark red\""});

        const Row fixed = Row::fixed("seta ui_menuFiles \"ui/menus.txt\"");
        QCOMPARE(fixed.lines(QStringLiteral("ignored")),
                 QStringList {"seta ui_menuFiles \"ui/menus.txt\""});
    }

    void otherGameVersion()
    {
        Row::Writes renamed;
        renamed.name = QStringLiteral("cg_newName");
        Row::Writes absent;
        absent.absentBecause = QStringLiteral("not in this game");
        const Row row = Row::edit("edRate").seta("rate").inVersion(Version::Legacy, renamed);
        QCOMPARE(row.lines(QStringLiteral("5")), QStringList {"seta rate 5"});
        QCOMPARE(row.lines(QStringLiteral("5"), Version::Legacy),
                 QStringList {"seta cg_newName 5"});
        const Row gone = Row::edit("edRate").seta("rate").inVersion(Version::Legacy, absent);
        QCOMPARE(gone.lines(QStringLiteral("5"), Version::Legacy), QStringList());
        QCOMPARE(gone.lines(QStringLiteral("5"), Version::Et260b), QStringList {"seta rate 5"});
    }

    // Rows listed in the order they are written, the first shown below the second.
    void rowSetWritesAndTakes()
    {
        QWidget page;
        auto *grid = new QGridLayout(&page);
        RowStyle style;
        style.enablePlace = RowStyle::EnablePlace::AfterControl;
        style.enableCaption = QStringLiteral("Use?");
        RowSet rows({Row::check("chkSun").label("Draw Sun:").checked(true).seta("r_drawSun").at(1),
                     Row::edit("edFPS")
                             .label("Max FPS:")
                             .text("80")
                             .seta("com_maxfps")
                             .at(0)
                             .enableBox("chkFPS", false, "use it"),
                     Row::combo("cbSound").label("Sound:").text("22").seta("s_khz").at(2)},
                    {{grid}}, style);
        // The unchecked enable box leaves its row out.
        QCOMPARE(rows.lines(), (QStringList {"seta r_drawSun 1", "seta s_khz 22"}));

        const int fps = rows.find(QStringLiteral("com_maxfps"));
        QCOMPARE(fps, 1);
        QCOMPARE(rows.find(QStringLiteral("cl_run")), -1);
        rows.take(fps, QStringLiteral("125"));
        rows.take(rows.find(QStringLiteral("r_drawSun")), QStringLiteral("0"));
        rows.take(rows.find(QStringLiteral("s_khz")), QStringLiteral("44"));
        QVERIFY(rows.enableBox(fps)->isChecked());
        QCOMPARE(qobject_cast<QLineEdit *>(rows.control(fps))->text(), QStringLiteral("125"));
        QCOMPARE(rows.lines(),
                 (QStringList {"seta r_drawSun 0", "seta com_maxfps 125", "seta s_khz 44"}));

        // Named and hinted for the status bar, the enable box after the edit in Tab order.
        QWidget *edit = page.findChild<QLineEdit *>(QStringLiteral("edFPS"));
        QCOMPARE(edit->accessibleName(), QStringLiteral("Max FPS:"));
        QCOMPARE(rows.enableBox(fps)->accessibleName(), QStringLiteral("Use Max FPS"));
        QCOMPARE(rows.enableBox(fps)->statusTip(), QStringLiteral("use it"));
        QCOMPARE(edit->nextInFocusChain(), rows.enableBox(fps));
        QCOMPARE(rows.enableBox(fps)->nextInFocusChain(), rows.control(0));
    }
};

QTEST_MAIN(RowsTest)
#include "tst_rows.moc"
