#include "steps/client_options/GamePage.h"

#include "game/ScriptRun.h"
#include "steps/client_options/SettingRows.h"
#include "widgets/PageKit.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

// ET: Legacy draws the complaint pop-up as a part of its HUD; the script says so in a comment.
Row::Writes hudComplaints()
{
    Row::Writes hud;
    hud.absentBecause
            = QStringLiteral("ET: Legacy sets this in its HUD editor (component votetext)");
    hud.fixedLines = {QStringLiteral("//cg_complaintPopup: ") + hud.absentBecause};
    return hud;
}

// ET: Legacy sets the format of every screenshot: JPEG when checked, else its own PNG.
Row::Writes jpegScreenshots()
{
    Row::Writes format;
    format.name = QStringLiteral("r_screenshotFormat");
    format.onlyWhenChecked = true;
    return format;
}

// In the order the lines are written; the screen shows them in row order, below the nick.
std::vector<Row> gameRows()
{
    // clang-format off
    return {
            Row::check("cbRun").label("Always Run: ").checked(true).hint("Always Run")
                    .seta("cl_run").at(5),
            Row::check("cbReload").label("Auto Reload:").checked(true).hint("Reload Automaticly")
                    .seta("cg_autoReload").at(6),
            Row::check("cbSwitch").label("Auto Switch:").checked(true).hint("Auto Switch")
                    .seta("cg_autoswitch").at(7),
            Row::check("cbDownloads").label("HTTP/FTP Downloads:").checked(false)
                    .hint("allow HTTP/FTP Downloads").seta("cl_wwwDownload").at(2),
            Row::check("cbMissingserver").label("Get Missing Files From Server:").checked(true)
                    .hint("allow get missing files from server").seta("cl_allowDownload").at(3),
            Row::check("cbPopup").label("Complaint Popup:").checked(true).hint("complaint popup")
                    .seta("cg_complaintPopup").inVersion(Game::Version::Legacy, hudComplaints())
                    .at(4),
            Row::check("cbJshots").label("Use JPEG for AutoScreenshots:").checked(false)
                    .hint("use JPEG for AutoScreenshots").seta("cg_useScreenshotJPEG")
                    .inVersion(Game::Version::Legacy, jpegScreenshots()).at(1),
    };
    // clang-format on
}

} // namespace

GamePage::GamePage(std::function<bool()> scriptNamed, QWidget *parent)
    : StepPage(QStringLiteral("pnlGame"), QStringLiteral("// Options: Game"), parent)
    , m_scriptNamed(std::move(scriptNamed))
    , m_nickRow(Row::edit("edNick")
                        .label(QStringLiteral("Your Nick:"))
                        .text(QStringLiteral("Your Nick Here"))
                        .hint(QStringLiteral("Player Alias (Nick Name)"))
                        .seta("name")
                        .enableBox(QStringLiteral("CheckBox1"), true, QStringLiteral("enable?")))
{
    PageKit::Group game
            = PageKit::group(QStringLiteral("pnlGameOptions"), QStringLiteral("// Game"));
    QGridLayout *grid = game.grid;
    grid->setVerticalSpacing(6);
    grid->setHorizontalSpacing(12);
    grid->setColumnStretch(1, 1);
    addNick(grid);
    addRows(gameRows(), {{grid}}, ClientOptions::rowStyle());

    auto *columns = new QHBoxLayout;
    columns->addWidget(game.frame, 1);
    columns->addStretch(1);
    ClientOptions::addGroupsAndNote(*this, columns);

    setNextButton(5);
}

// The nick's edit takes the width of the screen, its enable box right beside it.
void GamePage::addNick(QGridLayout *grid)
{
    const Row &row = m_nickRow;
    QLabel *nick = PageKit::label(row.labelText());
    m_nick = PageKit::lineEdit(row.name(), row.startText(), row.hintText(), QString());
    PageKit::nameAfter(m_nick, row.labelText(), nick);
    m_nickEnabled
            = PageKit::checkBox(row.enableName(), row.enableOn(), row.enableHint(),
                                PageKit::enableBoxName(row.labelText()), QStringLiteral("Use"));
    auto *nickRow = new QHBoxLayout;
    nickRow->setSpacing(8);
    // The example nick is no player's name: it shows in the warning colour until replaced.
    auto warnOfExample = [edit = m_nick, example = row.startText()] {
        PageKit::setWarning(edit,
                            edit->text() == example
                                    ? QStringLiteral("\"%1\" is only an example: type the "
                                                     "nick other players see")
                                              .arg(example)
                                    : QString());
    };
    warnOfExample();
    connect(m_nick, &QLineEdit::textChanged, this, warnOfExample);
    nickRow->addWidget(m_nick, 1);
    nickRow->addWidget(m_nickEnabled);
    grid->addWidget(nick, 0, 0);
    grid->addLayout(nickRow, 0, 1);
    grid->setRowMinimumHeight(0, ClientOptions::rowHeight);
}

void GamePage::takeSettings(const Game::ScriptRun &read)
{
    const std::optional<QString> nick = read.setting(m_nickRow.writesIn().name);
    if (nick)
        m_nick->setText(*nick);
    m_nickEnabled->setChecked(nick.has_value());
}

QStringList GamePage::lines() const
{
    QStringList lines;
    // The nick is written only while both the start screen's box and the one beside it agree.
    if (m_scriptNamed() && m_nickEnabled->isChecked())
        lines << m_nickRow.lines(m_nick->text());
    return lines + StepPage::lines();
}
