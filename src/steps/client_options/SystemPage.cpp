#include "steps/client_options/SystemPage.h"

#include "widgets/PageKit.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

using ClientOptions::check;
using ClientOptions::Setting;

namespace {

// The game takes the custom width and height only while r_mode is -1.
QStringList customMode(const char *width, const char *height)
{
    return {QStringLiteral("seta r_customheight \"%1\"").arg(QLatin1String(height)),
            QStringLiteral("seta r_customwidth \"%1\"").arg(QLatin1String(width)),
            QStringLiteral("seta r_mode \"-1\"")};
}

// A renderer setting written only while its "Use?" box is checked.
Setting used(const char *useBox, Setting setting)
{
    setting.useBox = QLatin1String(useBox);
    return setting;
}

std::vector<Setting> rendererSettings()
{
    return {
            used("chkFS",
                 check("chkFScreen", " Full Screen:", true, "set Full Screen", "r_fullscreen", 0,
                       0)),
            used("chkDetT",
                 check("chkDetexture", "Detail Textures:", true, "detail textures yes/no",
                       "r_detailtextures", 1, 0)),
            used("chkCT",
                 check("chkCompresst", "Compress Textures:", true,
                       "compress textures (faster game)", "r_ext_compressed_textures", 2, 0)),
            used("chkDynL",
                 check("chkDlights", "Dynamic Lights:", false, "dynamic lights yes/no",
                       "r_dynamiclight", 3, 0)),
    };
}

} // namespace

SystemPage::SystemPage(QWidget *parent)
    : StepPage(QStringLiteral("pnlSystem"), QStringLiteral("// Options: System"), parent)
{
    PageKit::Group resolution
            = PageKit::group(QStringLiteral("pnlResolution"), QStringLiteral("Resolution:"));
    resolution.grid->setVerticalSpacing(6);
    resolution.frame->setAccessibleName(QStringLiteral("Resolution:"));
    auto *choices = new QButtonGroup(this);
    const struct
    {
        const char *name;
        const char *caption;
        QStringList lines;
    } resolutions[] = {
            {"rb1280", "1280x1024 / 1024x1600", customMode("1280", "1024")},
            {"rb1024", "1024x768 (or close to it)", customMode("1024", "768")},
            {"rb800", "800x600 (or lower)", customMode("800", "600")},
            {"RadioButton1", "Don't use in my CFG", {}},
    };
    int row = 0;
    for (const auto &choice : resolutions) {
        auto *button = new QRadioButton(QLatin1String(choice.caption));
        button->setObjectName(QLatin1String(choice.name));
        // One group, and none of its buttons is selected until the player picks one.
        choices->addButton(button);
        // Rows as tall as the renderer rows beside them.
        resolution.grid->setRowMinimumHeight(row, ClientOptions::SettingRows::rowHeight);
        resolution.grid->addWidget(button, row++, 0, Qt::AlignLeft);
        m_resolutions.push_back({button, choice.lines});
    }

    PageKit::Group renderer
            = PageKit::group(QStringLiteral("pnlRenderer"), QStringLiteral("Renderer:"));
    renderer.grid->setVerticalSpacing(6);
    renderer.grid->setHorizontalSpacing(12);
    renderer.grid->setColumnStretch(2, 1);
    m_settings = std::make_unique<ClientOptions::SettingRows>(rendererSettings(), renderer.grid);

    auto *columns = new QHBoxLayout;
    columns->setSpacing(10);
    columns->addWidget(resolution.frame, 1);
    columns->addWidget(renderer.frame, 1);
    ClientOptions::addGroupsAndNote(*this, columns);

    setNextButton(7);
}

SystemPage::~SystemPage() = default;

QStringList SystemPage::lines() const
{
    QStringList lines;
    for (const Resolution &resolution : m_resolutions) {
        if (resolution.button->isChecked())
            lines << resolution.lines;
    }
    return lines + m_settings->lines();
}
