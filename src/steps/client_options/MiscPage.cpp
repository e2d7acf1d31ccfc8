#include "steps/client_options/MiscPage.h"

#include "game/ValueRanges.h"
#include "steps/client_options/SettingRows.h"
#include "steps/keys/KeyRows.h"
#include "widgets/PageKit.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

// Where the rows go: two columns of settings (label and control each, a gap between them),
// and the two key fields below a dividing line.
enum Column { Left = 0, Gap = 2, Right = 3 };
enum GridRow { DividerRow = 9, KeyRow = 10 };

const QString legacyLacks = QStringLiteral("ET: Legacy does not have this setting");
const QString unread = QStringLiteral("No version of the game reads this setting");
const QString noEffect = QStringLiteral("This setting changes nothing in any version of the game");

// In the order the lines are written: the left column, then the right one, then the keys.
std::vector<Row> miscRows()
{
    const QStringList bits = {QStringLiteral("16"), QStringLiteral("32")};
    const QStringList crosshairSizes = {QStringLiteral("5   //Tiny"),  QStringLiteral("10"),
                                        QStringLiteral("20 //Small"),  QStringLiteral("25"),
                                        QStringLiteral("30 //Medium"), QStringLiteral("35"),
                                        QStringLiteral("40 //Large"),  QStringLiteral("48 //Huge")};
    const QStringList crosshairColors
            = {QStringLiteral("white"), QStringLiteral("red"), QStringLiteral("blue"),
               QStringLiteral("green"), QStringLiteral("yellow")};
    const QStringList soundRates = Game::soundRates(Game::Version::Et260b);
    // clang-format off
    return {
            Row::edit("edFPS").label("Max FPS:").text("80")
                    .hint("Max frames / second  default  about :65").seta("com_maxfps").at(0, Left),
            Row::check("chkUpdate").label("Auto Update:").checked(false)
                    .hint("Turns auto update on or off").seta("cl_autoupdate")
                    .absentIn(Game::Version::Legacy, legacyLacks).at(1, Left),
            Row::check("chkPlimbo").label("Popup Limbo Menu:").checked(true)
                    .hint("Popup limbo menu").seta("cg_popupLimboMenu").absent(noEffect).at(2, Left),
            Row::combo("cbCrosssize").label("Crosshair Size:").text("25").items(crosshairSizes)
                    .hint("Select your crosshair size").seta("cg_crosshairSize").at(3, Left),
            Row::edit("edRate").label("Rate:").text("25000").hint("Rate, default is 25000")
                    .seta("rate").at(4, Left),
            Row::combo("cbTxtbits").label("Texture Bits:").text("32").items(bits)
                    .hint("Texture Bits, game options").seta("r_texturebits").at(5, Left),
            Row::combo("cbColorbits").label("Color Bits:").text("32").items(bits)
                    .hint("Color Bits, game options").seta("r_colorbits").at(6, Left),
            // The game's sound channels: 2 for stereo, 1 for mono (r_stereo is 3-D rendering).
            Row::check("chkStereo").label("Stereo Sound:").checked(true)
                    .hint("Stereo Sound, sound options").seta("s_channels").writes("2", "1")
                    .at(7, Left),
            Row::check("chkSun").label("Draw Sun:").checked(true).hint("Show Sun").seta("r_drawSun")
                    .at(1, Right),
            Row::check("chkShadows").label("Show Shadows:").checked(true).hint("Show body shadows")
                    .seta("cg_shadows").at(2, Right),
            Row::check("chkVideo").label("High Quality Video:").checked(true)
                    .hint("Set high quality video").seta("r_highQualityVideo")
                    .absentIn(Game::Version::Legacy, legacyLacks).at(3, Right),
            Row::combo("cbSound").label("Sound Quality:").text("22").items(soundRates)
                    .hint("Sound Quality, game options").seta("s_khz").at(4, Right),
            // No line for ui_menuFiles: both games force "ui/menus.txt" when the menus start.
            Row::check("chkBuddies").label("Draw Buddies:").checked(true)
                    .hint("Draw Buddies in game").seta("cg_drawBuddies").absent(unread).at(5, Right),
            Row::combo("cbCrosscolor").label("Crosshair Color:").text("white")
                    .items(crosshairColors).hint("Select your crosshair color")
                    .seta("cg_crosshairColor").at(6, Right),
            Row::check("chkIcons").label("Draw Icons:").checked(true).hint("Show ingame icons")
                    .seta("cg_drawIcons").absent(unread).at(7, Right),
            Row::check("chkLagometer").label("Draw Lagometer:").checked(false)
                    .hint("Ingame lagometer").seta("cg_lagometer")
                    .absentIn(Game::Version::Legacy, QStringLiteral("ET: Legacy sets this in its HUD editor (component lagometer)")).at(8, Right),
            // Shown at the top of the right column, written after the lagometer so that every
            // other line keeps its place.
            Row::check("chkBlood").label("Show Blood Flash:").checked(true)
                    .hint("Show blood flash in other players").seta("cg_bloodFlash").at(0, Right),
            Row::key("edReady").label("Ready key:").text("F3").binds("ready").at(KeyRow, Left),
            Row::key("edNready").label("not ready key:").text("F4").binds("notready")
                    .at(KeyRow, Right),
    };
    // clang-format on
}

} // namespace

MiscPage::MiscPage(KeyCheck &keys, QWidget *parent)
    : StepPage(QStringLiteral("pnlMisc"), QStringLiteral("// Miscellaneous"), parent)
{
    PageKit::Group settings
            = PageKit::group(QStringLiteral("pnlMiscOptions"), QStringLiteral("// Settings"));
    QGridLayout *grid = settings.grid;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(3);
    grid->setColumnMinimumWidth(Gap, 24);
    grid->setColumnStretch(Left + 1, 1);
    grid->setColumnStretch(Right + 1, 1);

    auto *divider = new QFrame;
    divider->setObjectName(QStringLiteral("KeysDivider"));
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    grid->addWidget(divider, DividerRow, Left, 1, Right + 2);
    grid->setRowMinimumHeight(DividerRow, 16);

    RowStyle style = ClientOptions::rowStyle();
    useKeyFields(style, keys, 9);
    addRows(miscRows(), {{grid}}, style);

    body()->addWidget(settings.frame);
    body()->addStretch(1);

    const QString notes[] = {
            QStringLiteral("At the next step, maybe you'll note that the cfg is a little messy "
                           "because you didn't use all of the cfg options... \"CFG would be "
                           "great if you use them\"."),
            QStringLiteral("So at the next step you can organize the CFG as you want and then "
                           "press the save button at the top and save it into the game's folder "
                           "(the save dialog offers it; see the manual)... You cannot forget "
                           "the name."),
            QStringLiteral("Then if you don't know how to install a CFG into ET, see the "
                           "documentation at the Tarvex's directory."),
    };
    for (const QString &text : notes) {
        QLabel *note = PageKit::note(text);
        note->setWordWrap(true);
        footerNotes()->addWidget(note);
    }

    setNextButton(9);
}

void MiscPage::showGameVersion()
{
    auto *rates = findChild<QComboBox *>(QStringLiteral("cbSound"));
    const QString chosen = rates->currentText();
    const QSignalBlocker quiet(rates);
    rates->clear();
    rates->addItems(Game::soundRates(gameVersion()));
    rates->setEditText(chosen);
}
