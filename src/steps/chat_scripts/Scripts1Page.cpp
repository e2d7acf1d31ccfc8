#include "steps/chat_scripts/Scripts1Page.h"

#include "game/ScriptText.h"
#include "steps/chat_scripts/ScriptBox.h"
#include "steps/chat_scripts/ScriptLines.h"
#include "steps/keys/KeyCheck.h"
#include "steps/keys/KeyField.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
const QString keyLabel = QStringLiteral("Key:");
constexpr int columnCount = 3;
} // namespace

Scripts1Page::Scripts1Page(KeyCheck &keys, QWidget *parent)
    : StepPage(QStringLiteral("pnlScripts1"), QStringLiteral("// Scripts part1"), parent)
{
    ScriptBox fov(QStringLiteral("pnlFov"), QStringLiteral("// Fov Selector"),
                  {QStringLiteral("Standart setting is 90, but if you need a wider view \"105\" "
                                  "the recommended setting.")});
    m_fovEnabled = fov.addEnable(QStringLiteral("chkFov"));
    m_fov = fov.addField(QStringLiteral("edFov"), QStringLiteral("Fov:"), QStringLiteral("90"),
                         QStringLiteral("select fov, default is 90"));

    ScriptBox turn(QStringLiteral("pnlTurn"), QStringLiteral("// 180º Turn Script"),
                   {QStringLiteral("Turns you 180º in a flash...")});
    m_turnEnabled = turn.addEnable(QStringLiteral("chkTurn"));
    m_turnKey = turn.addKeyField(QStringLiteral("edTurn"), keyLabel, QString(),
                                 QStringLiteral("select key to turn 180º in a flash"));

    ScriptBox gun(QStringLiteral("pnlGun"), QStringLiteral("// Show/Hide Gun"),
                  {QStringLiteral("Show or hide your gun by pressing a button.")});
    m_gunEnabled = gun.addEnable(QStringLiteral("chkGun"));
    m_gunKey = gun.addKeyField(QStringLiteral("edGun"), keyLabel, QString(),
                               QStringLiteral("select the key to hide/show gun"));

    ScriptBox smoke(QStringLiteral("pnlSmoke"), QStringLiteral("// Smoke Script"),
                    {QStringLiteral("Use the key to toggle smoke on or off.")});
    m_smokeEnabled = smoke.addEnable(QStringLiteral("chkSmoke"));
    m_smokeKey = smoke.addKeyField(QStringLiteral("edSmoke"), keyLabel, QString(),
                                   QStringLiteral("select script to toggle smoke on or off"));

    ScriptBox rain(QStringLiteral("pnlRain"), QStringLiteral("// Rain/Snow Script"),
                   {QStringLiteral("Use the key to toggle rain and snow on or off.")});
    m_rainEnabled = rain.addEnable(QStringLiteral("chkRain"));
    m_rainKey = rain.addKeyField(QStringLiteral("edRain"), keyLabel, QString(),
                                 QStringLiteral("select key to toggle rain/snow on or off"));

    ScriptBox crosshair(QStringLiteral("pnlCrosshair"),
                        QStringLiteral("// Crosshair Color Changer"),
                        {QStringLiteral("Use a key to change your crosshar color.")});
    m_crosshairEnabled = crosshair.addEnable(QStringLiteral("chkCrosshair"));
    m_crosshairKey
            = crosshair.addKeyField(QStringLiteral("edCrosshair"), keyLabel, QString(),
                                    QStringLiteral("select key to change your crosshair color"));

    ScriptBox record(QStringLiteral("pnlRecord"), QStringLiteral("// Record Script"),
                     {QStringLiteral("You can start and stop record pressing a button.")});
    m_recordEnabled = record.addEnable(QStringLiteral("chkRecord"));
    m_recordKey = record.addKeyField(QStringLiteral("edRecord"), keyLabel, QString(),
                                     QStringLiteral("select key to start or stop record"));

    ScriptBox gamma(QStringLiteral("pnlGamma"), QStringLiteral("// Gamma Select"),
                    {QStringLiteral("Control game gamma in two buttons.")});
    m_gammaEnabled = gamma.addEnable(QStringLiteral("chkGamma"));
    m_gammaUpKey = gamma.addKeyField(QStringLiteral("edGamma"), QStringLiteral("Increase Gamma:"),
                                     QString(), QStringLiteral("select key to increase gamma"));
    m_gammaDownKey
            = gamma.addKeyField(QStringLiteral("edGamma1"), QStringLiteral("Decrease Gamma:"),
                                QString(), QStringLiteral("select key to decrease gamma"));

    ScriptBox volume(QStringLiteral("pnlVolume"), QStringLiteral("// Volume Control"),
                     {QStringLiteral("Control volume in two buttons.")});
    m_volumeEnabled = volume.addEnable(QStringLiteral("chkVolume"));
    m_volumeUpKey = volume.addKeyField(QStringLiteral("edVolume"), QStringLiteral("+ Volume:"),
                                       QString(), QStringLiteral("select key to increase volume"));
    m_volumeDownKey
            = volume.addKeyField(QStringLiteral("edVolume1"), QStringLiteral("- Volume:"),
                                 QString(), QStringLiteral("select key to decrease volume"));

    using namespace ScriptLines;
    const struct
    {
        KeyField *field;
        QCheckBox *enable;
        const char *command;
    } keyRows[] = {
            {m_turnKey, m_turnEnabled, turnCommand},
            {m_gunKey, m_gunEnabled, gunCommand},
            {m_smokeKey, m_smokeEnabled, smokeCommand},
            {m_rainKey, m_rainEnabled, rainCommand},
            {m_crosshairKey, m_crosshairEnabled, crosshairCommand},
            {m_recordKey, m_recordEnabled, recordCommand},
            {m_gammaUpKey, m_gammaEnabled, gammaUpCommand},
            {m_gammaDownKey, m_gammaEnabled, gammaDownCommand},
            {m_volumeUpKey, m_volumeEnabled, volumeUpCommand},
            {m_volumeDownKey, m_volumeEnabled, volumeDownCommand},
    };
    for (const auto &row : keyRows)
        keys.add(3, row.field, row.enable, QLatin1String(row.command));

    // Three rows of three boxes, in the order the scripts are written.
    auto *boxes = new QGridLayout;
    boxes->setHorizontalSpacing(8);
    boxes->setVerticalSpacing(10);
    const ScriptBox *all[]
            = {&fov, &turn, &gun, &smoke, &rain, &crosshair, &record, &gamma, &volume};
    int index = 0;
    for (const ScriptBox *box : all) {
        boxes->addWidget(box->frame(), index / columnCount, index % columnCount);
        ++index;
    }
    for (int column = 0; column < columnCount; ++column)
        boxes->setColumnStretch(column, 1);
    body()->addLayout(boxes);
    body()->addStretch(1);

    setNextButton(3);
}

QStringList Scripts1Page::lines() const
{
    using namespace ScriptLines;
    using Game::bindLine;
    QStringList out;
    if (m_fovEnabled->isChecked())
        out << Game::settingLine(QLatin1String(fovSetting), m_fov->text());
    if (m_turnEnabled->isChecked())
        out << bindLine(m_turnKey->text(), QLatin1String(turnCommand));
    // The toggles define their states before the key that runs them...
    if (m_gunEnabled->isChecked())
        out << block(gunLines) << bindLine(m_gunKey->text(), QLatin1String(gunCommand));
    if (m_smokeEnabled->isChecked())
        out << block(smokeLines) << bindLine(m_smokeKey->text(), QLatin1String(smokeCommand));
    if (m_rainEnabled->isChecked())
        out << block(rainLines) << bindLine(m_rainKey->text(), QLatin1String(rainCommand));
    // ...the crosshair, record and gamma scripts bind their keys first...
    if (m_crosshairEnabled->isChecked())
        out << bindLine(m_crosshairKey->text(), QLatin1String(crosshairCommand))
            << block(crosshairLines);
    if (m_recordEnabled->isChecked())
        out << bindLine(m_recordKey->text(), QLatin1String(recordCommand)) << block(recordLines);
    if (m_gammaEnabled->isChecked()) {
        out << bindLine(m_gammaUpKey->text(), QLatin1String(gammaUpCommand))
            << bindLine(m_gammaDownKey->text(), QLatin1String(gammaDownCommand))
            << block(gammaLines);
    }
    // ...and the volume keys come after the chain they jump into.
    if (m_volumeEnabled->isChecked()) {
        out << block(volumeLines) << bindLine(m_volumeUpKey->text(), QLatin1String(volumeUpCommand))
            << bindLine(m_volumeDownKey->text(), QLatin1String(volumeDownCommand));
    }
    return out;
}
