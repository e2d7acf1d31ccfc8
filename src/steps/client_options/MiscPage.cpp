#include "steps/client_options/MiscPage.h"

#include "steps/keys/KeyCheck.h"
#include "widgets/PageKit.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

using ClientOptions::check;
using ClientOptions::combo;
using ClientOptions::edit;
using ClientOptions::fixedLine;
using ClientOptions::keyBind;
using ClientOptions::Setting;

namespace {

// Where the rows go: two columns of settings (label and control each, a gap between them),
// and the two key fields below a dividing line.
enum Column { Left = 0, Gap = 2, Right = 3 };
enum Row { DividerRow = 9, KeyRow = 10 };

// In the order the lines are written: the left column, then the right one, then the keys.
std::vector<Setting> miscSettings()
{
    const QStringList bits = {QStringLiteral("16"), QStringLiteral("32")};
    return {
            edit("edFPS", "Max FPS:", "80", "Max frames / second  default  about :65", "com_maxfps",
                 0, Left),
            check("chkUpdate", "Auto Update:", false, "Turns auto update on or off",
                  "cl_autoupdate", 1, Left),
            check("chkPlimbo", "Popup Limbo Menu:", true, "Popup limbo menu", "cg_popupLimboMenu",
                  2, Left),
            combo("cbCrosssize", "Crosshair Size:", "25",
                  {QStringLiteral("5   //Tiny"), QStringLiteral("10"), QStringLiteral("20 //Small"),
                   QStringLiteral("25"), QStringLiteral("30 //Medium"), QStringLiteral("35"),
                   QStringLiteral("40 //Large"), QStringLiteral("48 //Huge")},
                  "Select your crosshair size", "cg_crosshairSize", 3, Left),
            edit("edRate", "Rate:", "25000", "Rate, default is 25000", "rate", 4, Left),
            combo("cbTxtbits", "Texture Bits:", "32", bits, "Texture Bits, game options",
                  "r_texturebits", 5, Left),
            combo("cbColorbits", "Color Bits:", "32", bits, "Color Bits, game options",
                  "r_colorbits", 6, Left),
            // The game's sound channels: 2 for stereo, 1 for mono (r_stereo is 3-D rendering).
            check("chkStereo", "Stereo Sound:", true, "Stereo Sound, sound options", "s_channels",
                  "2", "1", 7, Left),
            check("chkSun", "Draw Sun:", true, "Show Sun", "r_drawSun", 1, Right),
            check("chkShadows", "Show Shadows:", true, "Show body shadows", "cg_shadows", 2, Right),
            check("chkVideo", "High Quality Video:", true, "Set high quality video",
                  "r_highQualityVideo", 3, Right),
            combo("cbSound", "Sound Quality:", "22",
                  {QStringLiteral("11"), QStringLiteral("22"), QStringLiteral("44")},
                  "Sound Quality, game options", "s_khz", 4, Right),
            fixedLine("seta ui_menuFiles \"ui/menus.txt\""),
            check("chkBuddies", "Draw Buddies:", true, "Draw Buddies in game", "cg_drawBuddies", 5,
                  Right),
            combo("cbCrosscolor", "Crosshair Color:", "white",
                  {QStringLiteral("white"), QStringLiteral("red"), QStringLiteral("blue"),
                   QStringLiteral("green"), QStringLiteral("yellow")},
                  "Select your crosshair color", "cg_crosshairColor", 6, Right),
            check("chkIcons", "Draw Icons:", true, "Show ingame icons", "cg_drawIcons", 7, Right),
            check("chkLagometer", "Draw Lagometer:", false, "Ingame lagometer", "cg_lagometer", 8,
                  Right),
            // Shown at the top of the right column, written after the lagometer so that every
            // other line keeps its place.
            check("chkBlood", "Show Blood Flash:", true, "Show blood flash in other players",
                  "cg_bloodFlash", 0, Right),
            keyBind("edReady", "Ready key:", "F3", "ready", KeyRow, Left),
            keyBind("edNready", "not eady key:", "F4", "notready", KeyRow, Right),
    };
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

    m_settings = std::make_unique<ClientOptions::SettingRows>(miscSettings(), grid);
    for (const ClientOptions::SettingRows::KeyRow &key : m_settings->keyFields())
        keys.add(9, key.field, nullptr, key.command);

    body()->addWidget(settings.frame);
    body()->addStretch(1);

    const QString notes[] = {
            QStringLiteral("At the next step, mabe you'll note that the cfg is a little messy "
                           "because you didn't used all of the cfg options... \"CFG would be "
                           "great if you use them\"."),
            QStringLiteral("So at the next step you can organize the CFG as you whant and then "
                           "press save button at the top and save to et/etmain... You cannot "
                           "forget the name."),
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

MiscPage::~MiscPage() = default;

QStringList MiscPage::lines() const
{
    return m_settings->lines();
}
