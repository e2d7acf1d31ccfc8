#include "steps/client_options/ViewPage.h"

#include "steps/client_options/SettingRows.h"
#include "widgets/PageKit.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>

namespace {

std::vector<Row> viewRows()
{
    // clang-format off
    return {
            Row::check("cbGun").label("Draw Gun:").checked(true).hint("show gun").seta("cg_drawGun")
                    .at(0),
            Row::check("cbCompass").label("Show Compass:").checked(true).hint("show compass")
                    .seta("cg_drawCompass")
                    .absentIn(Game::Version::Legacy, QStringLiteral("ET: Legacy sets this in its HUD editor (component compass)")).at(1),
            Row::check("cbReinforcement").label("Reinforcement Timer:").checked(true)
                    .hint("show reinforcement time").seta("cg_drawReinforcementTime")
                    .absentIn(Game::Version::Legacy, QStringLiteral("ET: Legacy sets this in its HUD editor (component reinforcement)")).at(2),
            Row::check("cbCrosshealth").label("Crosshair Health Info:").checked(false)
                    .hint("show crosshair health").seta("cg_crosshairHealth").at(3),
            Row::check("cbCrossname").label("Crosshair Name Drawing:").checked(false)
                    .hint("crosshair name draing").seta("cg_drawCrosshairNames")
                    .absentIn(Game::Version::Legacy, QStringLiteral("ET: Legacy sets this in its HUD editor (component crosshairtext)")).at(4),
            Row::check("cbParticles").label("Particles:").checked(false).hint("show particles")
                    .seta("cg_wolfparticles")
                    .renamedIn(Game::Version::Legacy, "cg_visualEffects").at(5),
    };
    // clang-format on
}

} // namespace

ViewPage::ViewPage(QWidget *parent)
    : StepPage(QStringLiteral("pnlView"), QStringLiteral("// Options: View"), parent)
{
    PageKit::Group view
            = PageKit::group(QStringLiteral("pnlViewOptions"), QStringLiteral("// View"));
    view.grid->setVerticalSpacing(6);
    view.grid->setHorizontalSpacing(12);
    view.grid->setColumnStretch(1, 1);
    addRows(viewRows(), {{view.grid}}, ClientOptions::rowStyle());

    auto *columns = new QHBoxLayout;
    columns->addWidget(view.frame, 1);
    columns->addStretch(1);
    ClientOptions::addGroupsAndNote(*this, columns);

    setNextButton(6);
}
