#include "steps/client_options/ViewPage.h"

#include "widgets/PageKit.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using ClientOptions::check;
using ClientOptions::Setting;

namespace {

std::vector<Setting> viewSettings()
{
    return {
            check("cbGun", "Draw Gun:", true, "show gun", "cg_drawGun", 0, 0),
            check("cbCompass", "Show Compass:", true, "show compass", "cg_drawCompass", 1, 0),
            check("cbReinforcement", "Reinforcement Timer:", true, "show reinforcement time",
                  "cg_drawReinforcementTime", 2, 0),
            check("cbCrosshealth", "Crosshair Health Info:", false, "show crosshair health",
                  "cg_crosshairHealth", 3, 0),
            check("cbCrossname", "Crosshair Name Draing:", false, "crosshair name draing",
                  "cg_drawCrosshairNames", 4, 0),
            check("cbParticles", "Particles:", false, "show particles", "cg_wolfparticles", 5, 0),
    };
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
    m_settings = std::make_unique<ClientOptions::SettingRows>(viewSettings(), view.grid);

    auto *columns = new QHBoxLayout;
    columns->addWidget(view.frame, 1);
    columns->addStretch(1);
    ClientOptions::addGroupsAndNote(*this, columns);

    setNextButton(6);
}

ViewPage::~ViewPage() = default;

QStringList ViewPage::lines() const
{
    return m_settings->lines();
}
