#include "steps/client_options/SystemPage.h"

#include "steps/client_options/SettingRows.h"
#include "widgets/PageKit.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The game takes the custom width and height only while r_mode is -1.
QStringList customMode(const char *width, const char *height)
{
    return {QStringLiteral("seta r_customheight \"%1\"").arg(QLatin1String(height)),
            QStringLiteral("seta r_customwidth \"%1\"").arg(QLatin1String(width)),
            QStringLiteral("seta r_mode \"-1\"")};
}

// Each renderer setting is written only while its "Use?" box is checked.
std::vector<Row> rendererRows()
{
    using ClientOptions::useHint;
    // clang-format off
    return {
            Row::check("chkFScreen").label(" Full Screen:").checked(true).hint("set Full Screen")
                    .seta("r_fullscreen").enableBox("chkFS", true, useHint).at(0),
            Row::check("chkDetexture").label("Detail Textures:").checked(true)
                    .hint("detail textures yes/no").seta("r_detailtextures")
                    .enableBox("chkDetT", true, useHint).at(1),
            Row::check("chkCompresst").label("Compress Textures:").checked(true)
                    .hint("compress textures (faster game)").seta("r_ext_compressed_textures")
                    .enableBox("chkCT", true, useHint).at(2),
            Row::check("chkDlights").label("Dynamic Lights:").checked(false)
                    .hint("dynamic lights yes/no").seta("r_dynamiclight")
                    .enableBox("chkDynL", true, useHint).at(3),
    };
    // clang-format on
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
            {"rb1280", "1280x1024", customMode("1280", "1024")},
            {"rb1024", "1024x768 (or close to it)", customMode("1024", "768")},
            {"rb800", "800x600 (or lower)", customMode("800", "600")},
            // The wide screens of today.
            {"rb1366", "1366x768", customMode("1366", "768")},
            {"rb1600", "1600x900", customMode("1600", "900")},
            {"rb1920", "1920x1080", customMode("1920", "1080")},
            {"rb2560", "2560x1440", customMode("2560", "1440")},
            {"rb3840", "3840x2160", customMode("3840", "2160")},
            {"RadioButton1", "Don't use in my CFG", {}},
    };
    int row = 0;
    for (const auto &choice : resolutions) {
        auto *button = new QRadioButton(QLatin1String(choice.caption));
        button->setObjectName(QLatin1String(choice.name));
        // One group, and none of its buttons is selected until the player picks one.
        choices->addButton(button);
        // Rows as tall as the renderer rows beside them.
        resolution.grid->setRowMinimumHeight(row, ClientOptions::rowHeight);
        resolution.grid->addWidget(button, row++, 0, Qt::AlignLeft);
        m_resolutions.push_back({button, choice.lines});
    }

    PageKit::Group renderer
            = PageKit::group(QStringLiteral("pnlRenderer"), QStringLiteral("Renderer:"));
    renderer.grid->setVerticalSpacing(6);
    renderer.grid->setHorizontalSpacing(12);
    renderer.grid->setColumnStretch(2, 1);
    addRows(rendererRows(), {{renderer.grid}}, ClientOptions::rowStyle());

    auto *columns = new QHBoxLayout;
    columns->setSpacing(10);
    columns->addWidget(resolution.frame, 1);
    columns->addWidget(renderer.frame, 1);
    ClientOptions::addGroupsAndNote(*this, columns);

    setNextButton(7);
}

QStringList SystemPage::lines() const
{
    QStringList lines;
    for (const Resolution &resolution : m_resolutions) {
        if (resolution.button->isChecked())
            lines << resolution.lines;
    }
    return lines + StepPage::lines();
}
