#include "steps/client_options/GamePage.h"

#include "game/ScriptText.h"
#include "widgets/PageKit.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using ClientOptions::check;
using ClientOptions::Setting;

namespace {

// In the order the lines are written; the screen shows them in row order, below the nick.
std::vector<Setting> gameSettings()
{
    return {
            check("cbRun", "Allways Run: ", true, "Allways Run", "cl_run", 5, 0),
            check("cbReload", "Auto Reload:", true, "Reload Automaticly", "cg_autoReload", 6, 0),
            check("cbSwitch", "Auto Switch:", true, "Auto Switch", "cg_autoswitch", 7, 0),
            check("cbDownloads", "HTTP/FTP Downloads:", false, "allow HTTP/FTP Downloads",
                  "cl_wwwDownload", 2, 0),
            check("cbMissingserver", "Get Missing Files From Server:", true,
                  "allow get missing files from server", "cl_allowDownload", 3, 0),
            check("cbPopup", "Complaint Popup:", true, "complaint popup", "cg_complaintPopup", 4,
                  0),
            check("cbJshots", "Use JPEG for AutoScreenshots:", false,
                  "use JPEG for AutoScreenshots", "cg_useScreenshotJPEG", 1, 0),
    };
}

} // namespace

GamePage::GamePage(const QCheckBox *scriptNameEnabled, QWidget *parent)
    : StepPage(QStringLiteral("pnlGame"), QStringLiteral("// Options: Game"), parent)
    , m_scriptNameEnabled(scriptNameEnabled)
{
    PageKit::Group game
            = PageKit::group(QStringLiteral("pnlGameOptions"), QStringLiteral("// Game"));
    QGridLayout *grid = game.grid;
    grid->setVerticalSpacing(6);
    grid->setHorizontalSpacing(12);
    grid->setColumnStretch(1, 1);

    const QString nickLabel = QStringLiteral("Your Nick:");
    QLabel *nick = PageKit::label(nickLabel);
    m_nick = PageKit::lineEdit(QStringLiteral("edNick"), QStringLiteral("Your Nick Here"),
                               QStringLiteral("Player Alias (Nick Name)"), QString());
    PageKit::nameAfter(m_nick, nickLabel, nick);
    m_nickEnabled = PageKit::checkBox(QStringLiteral("CheckBox1"), true, QStringLiteral("enable?"),
                                      PageKit::enableBoxName(nickLabel), QStringLiteral("chkName"));
    auto *nickRow = new QHBoxLayout;
    nickRow->setSpacing(8);
    nickRow->addWidget(m_nick, 1);
    nickRow->addWidget(m_nickEnabled);
    grid->addWidget(nick, 0, 0);
    grid->addLayout(nickRow, 0, 1);
    grid->setRowMinimumHeight(0, ClientOptions::SettingRows::rowHeight);

    m_settings = std::make_unique<ClientOptions::SettingRows>(gameSettings(), grid);

    auto *columns = new QHBoxLayout;
    columns->addWidget(game.frame, 1);
    columns->addStretch(1);
    ClientOptions::addGroupsAndNote(*this, columns);

    setNextButton(5);
}

GamePage::~GamePage() = default;

QStringList GamePage::lines() const
{
    QStringList lines;
    // The nick is written only while both the start screen's box and the one beside it agree.
    if (m_scriptNameEnabled->isChecked() && m_nickEnabled->isChecked())
        lines << Game::settingLine(QStringLiteral("seta name "), m_nick->text());
    return lines + m_settings->lines();
}
