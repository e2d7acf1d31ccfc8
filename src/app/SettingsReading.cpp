#include "app/SettingsReading.h"

#include "platform/GameFolders.h"
#include "platform/Messages.h"
#include "steps/chat_scripts/VSaysPage.h"
#include "steps/keys/KeyCheck.h"
#include "wizard/PlayerSettings.h"
#include "wizard/RowFill.h"
#include "wizard/StartPage.h"
#include "wizard/Steps.h"
#include "wizard/Wizard.h"

#include <QFileInfo>
#include <QLabel>
#include <QLocale>

#include <memory>

namespace {

// `ET: Legacy - profile "Wolf" (the game's default), 7 Dec 2026 14:05`
QString profileEntry(const GameProfile &profile)
{
    QString entry = QStringLiteral("%1 - profile \"%2\"")
                            .arg(profile.legacy ? QStringLiteral("ET: Legacy")
                                                : QStringLiteral("ET 2.60b"),
                                 profile.name);
    if (profile.isDefault)
        entry += QStringLiteral(" (the game's default)");
    return entry + QStringLiteral(", ")
            + QLocale().toString(profile.modified, QLocale::ShortFormat);
}

} // namespace

SettingsReading::SettingsReading(QWidget &window, Services services, Wizard &wizard, KeyCheck &keys,
                                 QLabel *hintPanel)
    : QObject(&window)
    , m_window(window)
    , m_services(services)
    , m_wizard(wizard)
    , m_keys(keys)
    , m_hintPanel(hintPanel)
{
    // A new run starts without them.
    connect(&wizard, &Wizard::applied, this, [this](Trigger trigger) {
        if (trigger != Trigger::ToolbarNew && trigger != Trigger::MenuNew)
            return;
        m_keys.setKeptBindings(QString(), {});
        for (int step = firstStep; step <= lastStep; ++step) {
            if (auto *says = qobject_cast<VSaysPage *>(m_wizard.builtPage(step)))
                says->forgetListed();
        }
    });
}

void SettingsReading::choose()
{
    const QList<GameProfile> profiles = gameProfiles();
    QStringList entries;
    for (const GameProfile &profile : profiles)
        entries << profileEntry(profile);
    entries << QStringLiteral("Another file...");
    const int picked = m_services.dialogs->chooseItem(
            &m_window, applicationTitle, QStringLiteral("Start from the settings in:"), entries);
    if (picked < 0)
        return;
    QString path;
    if (picked < profiles.size())
        path = profiles[picked].settingsFile;
    else
        path = m_services.dialogs->openFileName(&m_window, FilePlaces {});
    if (!path.isEmpty())
        read(path);
}

bool SettingsReading::read(const QString &path)
{
    // A file that does not say which game it is for is read for the game chosen.
    auto settings
            = std::make_shared<PlayerSettings>(readPlayerSettings(path, m_wizard.gameVersion()));
    if (!settings->failure.isEmpty()) {
        m_services.dialogs->error(&m_window, applicationTitle, settings->failure);
        return false;
    }
    // A new run from the start screen, which shows what was read, for the game read.
    m_wizard.apply(Trigger::MenuNew);
    m_wizard.setGameVersion(settings->run->version());
    m_wizard.startPage()->takeScriptName(QFileInfo(path).completeBaseName());

    const RowFill fill = fillRows(m_wizard, *settings->run);
    const QVector<Game::LeftSet> left = settings->run->leftSet();
    QVector<Game::LeftSet> kept;
    QHash<QString, QString> keptKeys;
    for (int i = 0; i < left.size(); ++i) {
        if (fill.carried[i])
            continue;
        kept << left[i];
        if (left[i].kind == Game::LeftSet::Kind::Binding)
            keptKeys.insert(Game::bindingKey(left[i].name), left[i].value);
    }
    m_keys.setKeptBindings(settings->fileName, keptKeys);
    const Game::Version version = settings->run->version();
    m_wizard.setKeptSection([settings, kept, version](SectionStyle style) {
        return keptSection(style, *settings, kept, version);
    });
    const int keptLines = int(kept.size() + settings->run->rejected().size());
    m_summary = readSummary(*settings, fill.bindings, fill.settings, keptLines);
    m_hintPanel->setText(m_summary);
    m_hintPanel->setAccessibleDescription(m_summary);
    return true;
}
