#include "steps/chat_scripts/Scripts2Page.h"

#include "steps/chat_scripts/ScriptBox.h"
#include "steps/chat_scripts/ScriptLines.h"
#include "steps/keys/KeyRows.h"
#include "widgets/PageKit.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

const QString keyLabel = QStringLiteral("Key:");
// The same hint serves the kill and the walk fields.
constexpr char walkHint[] = "select key to walk until button is pressed again";

// The boxes in the order their scripts are written.
enum Box { Jump, Crouch, Kill, Walk, Artillery };
const ScriptBox::Text boxes[] = {
        {"pnlJump", "// Jump Script", "With this script you can jump farder and faster."},
        {"pnlCrouch", "// Crouch Script", "You'll keep crouch until button is pressed again."},
        {"pnlKill", "// Kill Script",
         "Press a button to kill your self and say something at the same time."},
        {"pnlWalk", "// Walk Script", "You'll keep walking until button is pressed again."},
        {"Panel55", "// Direct Artillery",
         "Press a button and artillery will be automatically sent, you don't need the "
         "binoculars... It's cool!!"},
};

// A script's key that its box's "Enable" box turns on.
Row scriptKey(Box box, const char *enable, const char *name, const char *hint)
{
    return Row::key(name)
            .label(keyLabel)
            .hint(QString::fromUtf8(hint))
            .in(box)
            .at(1)
            .enableBox(QLatin1String(enable), false, ScriptBox::enableHint);
}

std::vector<Row> scriptRows()
{
    using namespace ScriptLines;
    // clang-format off
    return {
        scriptKey(Jump, "chkJump", "edJump2", "select key to jump farder and faster")
                .binds(jumpCommand),
        Row::block(block(jumpLines)).enabledBy("chkJump"),
        scriptKey(Crouch, "chkCrouch", "edCrouch2",
                  "select key to keep crouch until button is pressed again").binds(crouchCommand),
        Row::block(block(crouchLines)).enabledBy("chkCrouch"),
        // The say text must not end the binding's quotes nor start a command of its own.
        scriptKey(Kill, "chkKill", "edKill", walkHint).bindsWithText(killCommand, "edKill1"),
        Row::edit("edKill1").label("Say:").hint(walkHint).writesNothing().in(Kill).at(2, 1),
        scriptKey(Walk, "chkWalk", "edWalk2", walkHint).binds(walkCommand),
        Row::block(block(artilleryLines)).enabledBy("chkArt"),
        scriptKey(Artillery, "chkArt", "edArt", "select a key to auto send Artillery")
                .binds(artilleryCommand),
    };
    // clang-format on
}

// The player's own reminder; the key fields show a key bound twice as it is typed.
QVBoxLayout *warningText()
{
    auto *warning = new QVBoxLayout;
    warning->setSpacing(0);
    warning->setContentsMargins(2, 8, 2, 0);
    QLabel *first = PageKit::label(QStringLiteral("Do not use the same key in more than 1 space."));
    first->setProperty("tarvexRole", QStringLiteral("warning"));
    warning->addWidget(first);
    for (const QString &text :
         {QStringLiteral("A key used twice is shown in red, with the reason in the hint line."),
          QStringLiteral("for example, if you used the SPACE at Jump at the controls, then you "
                         "cannot use"),
          QStringLiteral("SPACE at this Jump Script, use \"P\" for example... OR use SPACE but "
                         "then you'll"),
          QStringLiteral("have to remove \"bind SPACE \"+moveup\"\" at the script view step on "
                         "Controls lines..."),
          QStringLiteral("See the Quorlin forum for MUCH more information...")})
        warning->addWidget(PageKit::note(text));
    return warning;
}

} // namespace

Scripts2Page::Scripts2Page(KeyCheck &keys, QWidget *parent)
    : StepPage(QStringLiteral("pnlScripts2"), QStringLiteral("// Scripts part2"), parent)
{
    const std::vector<ScriptBox> shown = ScriptBox::make(boxes);
    RowStyle style = ScriptBox::rowStyle();
    useKeyFields(style, keys, 4);
    addRows(ScriptBox::named(scriptRows(), shown), ScriptBox::grids(shown), style);

    // Three boxes above, two wider ones below, in the order the scripts are written.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    grid->addWidget(shown[Jump].frame(), 0, 0, 1, 2);
    grid->addWidget(shown[Crouch].frame(), 0, 2, 1, 2);
    grid->addWidget(shown[Kill].frame(), 0, 4, 1, 2);
    grid->addWidget(shown[Walk].frame(), 1, 0, 1, 3);
    grid->addWidget(shown[Artillery].frame(), 1, 3, 1, 3);
    for (int column = 0; column < 6; ++column)
        grid->setColumnStretch(column, 1);
    body()->addLayout(grid);

    body()->addLayout(warningText());
    body()->addStretch(1);

    setNextButton(4);
}

void Scripts2Page::showGameVersion()
{
    const QString legacyNote
            = QStringLiteral(" (ET: Legacy refuses /kill during spawn protection unless "
                             "cg_allowSelfKillSpawnProtection is 1)");
    for (const char *name : {"chkKill", "edKill", "edKill1"}) {
        auto *control = findChild<QWidget *>(QLatin1String(name));
        if (!control->property("hintForAnyGame").isValid())
            control->setProperty("hintForAnyGame", control->statusTip());
        const QString hint = control->property("hintForAnyGame").toString();
        control->setStatusTip(gameVersion() == Game::Version::Legacy ? hint + legacyNote : hint);
    }
}
