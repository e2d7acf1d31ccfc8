#include "steps/chat_scripts/Scripts1Page.h"

#include "steps/chat_scripts/ScriptBox.h"
#include "steps/chat_scripts/ScriptLines.h"
#include "steps/keys/KeyRows.h"

#include <QFrame>
#include <QGridLayout>
#include <QVBoxLayout>

namespace {

constexpr int columnCount = 3;
const QString keyLabel = QStringLiteral("Key:");

// The boxes in the order their scripts are written, three to a row of the screen.
enum Box { Fov, Turn, Gun, Smoke, Rain, Crosshair, Record, Gamma, Volume };
const ScriptBox::Text boxes[] = {
        {"pnlFov", "// Fov Selector",
         "Standard setting is 90, but if you need a wider view \"105\" the recommended setting."},
        {"pnlTurn", "// 180º Turn Script", "Turns you 180º in a flash..."},
        {"pnlGun", "// Show/Hide Gun", "Show or hide your gun by pressing a button."},
        {"pnlSmoke", "// Smoke Script", "Use the key to toggle smoke on or off."},
        {"pnlRain", "// Rain/Snow Script", "Use the key to toggle rain and snow on or off."},
        {"pnlCrosshair", "// Crosshair Color Changer", "Use a key to change your crosshair color."},
        {"pnlRecord", "// Record Script", "You can start and stop record pressing a button."},
        {"pnlGamma", "// Gamma Select", "Control game gamma in two buttons."},
        {"pnlVolume", "// Volume Control", "Control volume in two buttons."},
};

// A script's key that its box's "Enable" box turns on.
Row scriptKey(Box box, const char *enable, const char *name, const char *hint, const char *command)
{
    return Row::key(name)
            .label(keyLabel)
            .hint(QString::fromUtf8(hint))
            .binds(command)
            .in(box)
            .at(1)
            .enableBox(QLatin1String(enable), false, ScriptBox::enableHint);
}

// ET: Legacy renamed the setting for smoke and debris.
Row::Writes legacySmoke()
{
    Row::Writes smoke;
    smoke.form = Row::Writes::Form::Fixed;
    smoke.fixedLines = ScriptLines::block(ScriptLines::smokeLines);
    smoke.fixedLines.replaceInStrings(QStringLiteral("cg_wolfparticles"),
                                      QStringLiteral("cg_visualEffects"));
    return smoke;
}

std::vector<Row> scriptRows()
{
    using namespace ScriptLines;
    // clang-format off
    return {
        Row::edit("edFov").label("Fov:").text("90").hint("select fov, default is 90")
                .seta("cg_fov").in(Fov).at(1).enableBox("chkFov", false, ScriptBox::enableHint),
        scriptKey(Turn, "chkTurn", "edTurn", "select key to turn 180º in a flash", "")
                .bindsWithText(turnCommand, "edTurnFps"),
        Row::edit("edTurnFps").label("Max FPS after the turn:").text("76")
                .hint("the frame rate limit the turn puts back: your own Max FPS")
                .writesNothing().readsFrom("com_maxfps").in(Turn).at(2, 1),
        // The toggles define their states before the key that runs them...
        Row::block(block(gunLines)).enabledBy("chkGun"),
        scriptKey(Gun, "chkGun", "edGun", "select the key to hide/show gun", gunCommand),
        Row::block(block(smokeLines)).enabledBy("chkSmoke")
                .inVersion(Game::Version::Legacy, legacySmoke()),
        scriptKey(Smoke, "chkSmoke", "edSmoke", "select script to toggle smoke on or off",
                  smokeCommand),
        Row::block(block(rainLines)).enabledBy("chkRain"),
        scriptKey(Rain, "chkRain", "edRain", "select key to toggle rain/snow on or off",
                  rainCommand),
        // ...the crosshair, record and gamma scripts bind their keys first...
        scriptKey(Crosshair, "chkCrosshair", "edCrosshair",
                  "select key to change your crosshair color", crosshairCommand),
        Row::block(block(crosshairLines)).enabledBy("chkCrosshair"),
        scriptKey(Record, "chkRecord", "edRecord", "select key to start or stop record",
                  recordCommand),
        Row::block(block(recordLines)).enabledBy("chkRecord"),
        scriptKey(Gamma, "chkGamma", "edGamma", "select key to increase gamma", gammaUpCommand)
                .label("Increase Gamma:"),
        Row::key("edGamma1").label("Decrease Gamma:").hint("select key to decrease gamma")
                .binds(gammaDownCommand).in(Gamma).at(2, 1).enabledBy("chkGamma"),
        Row::block(block(gammaLines)).enabledBy("chkGamma"),
        // ...and the volume keys come after the chain they jump into.
        Row::block(block(volumeLines)).enabledBy("chkVolume"),
        scriptKey(Volume, "chkVolume", "edVolume", "select key to increase volume",
                  volumeUpCommand).label("+ Volume:"),
        Row::key("edVolume1").label("- Volume:").hint("select key to decrease volume")
                .binds(volumeDownCommand).in(Volume).at(2, 1).enabledBy("chkVolume"),
    };
    // clang-format on
}

} // namespace

Scripts1Page::Scripts1Page(KeyCheck &keys, QWidget *parent)
    : StepPage(QStringLiteral("pnlScripts1"), QStringLiteral("// Scripts part1"), parent)
{
    const std::vector<ScriptBox> shown = ScriptBox::make(boxes);
    RowStyle style = ScriptBox::rowStyle();
    useKeyFields(style, keys, 3);
    addRows(ScriptBox::named(scriptRows(), shown), ScriptBox::grids(shown), style);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    for (std::size_t index = 0; index < shown.size(); ++index)
        grid->addWidget(shown[index].frame(), int(index) / columnCount, int(index) % columnCount);
    for (int column = 0; column < columnCount; ++column)
        grid->setColumnStretch(column, 1);
    body()->addLayout(grid);
    body()->addStretch(1);

    setNextButton(3);
}
