#include "steps/chat_scripts/Scripts1Page.h"

#include "steps/chat_scripts/ScriptBox.h"
#include "steps/chat_scripts/ScriptLines.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
const QString keyLabel = QStringLiteral("Key:");
constexpr int columnCount = 3;
} // namespace

Scripts1Page::Scripts1Page(QWidget *parent)
    : StepPage(QStringLiteral("pnlScripts1"), QStringLiteral("// Scripts part1"), parent)
{
    ScriptBox fov(QStringLiteral("pnlFov"), QStringLiteral("// Fov Selector"),
                  {QStringLiteral("Standart setting is 90, but if you need a wider view \"105\" "
                                  "the recommended setting.")});
    m_chkFov = fov.addEnable(QStringLiteral("chkFov"));
    m_edFov = fov.addField(QStringLiteral("edFov"), QStringLiteral("Fov:"), QStringLiteral("90"),
                           QStringLiteral("select fov, default is 90"));

    ScriptBox turn(QStringLiteral("pnlTurn"), QStringLiteral("// 180º Turn Script"),
                   {QStringLiteral("Turns you 180º in a flash...")});
    m_chkTurn = turn.addEnable(QStringLiteral("chkTurn"));
    m_edTurn = turn.addField(QStringLiteral("edTurn"), keyLabel, QString(),
                             QStringLiteral("select key to turn 180º in a flash"));

    ScriptBox gun(QStringLiteral("pnlGun"), QStringLiteral("// Show/Hide Gun"),
                  {QStringLiteral("Show or hide your gun by pressing a button.")});
    m_chkGun = gun.addEnable(QStringLiteral("chkGun"));
    m_edGun = gun.addField(QStringLiteral("edGun"), keyLabel, QString(),
                           QStringLiteral("select the key to hide/show gun"));

    ScriptBox smoke(QStringLiteral("pnlSmoke"), QStringLiteral("// Smoke Script"),
                    {QStringLiteral("Use the key to toggle smoke on or off.")});
    m_chkSmoke = smoke.addEnable(QStringLiteral("chkSmoke"));
    m_edSmoke = smoke.addField(QStringLiteral("edSmoke"), keyLabel, QString(),
                               QStringLiteral("select script to toggle smoke on or off"));

    ScriptBox rain(QStringLiteral("pnlRain"), QStringLiteral("// Rain/Snow Script"),
                   {QStringLiteral("Use the key to toggle rain and snow on or off.")});
    m_chkRain = rain.addEnable(QStringLiteral("chkRain"));
    m_edRain = rain.addField(QStringLiteral("edRain"), keyLabel, QString(),
                             QStringLiteral("select key to toggle rain/snow on or off"));

    ScriptBox crosshair(QStringLiteral("pnlCrosshair"),
                        QStringLiteral("// Crosshair Color Changer"),
                        {QStringLiteral("Use a key to change your crosshar color.")});
    m_chkCrosshair = crosshair.addEnable(QStringLiteral("chkCrosshair"));
    m_edCrosshair = crosshair.addField(QStringLiteral("edCrosshair"), keyLabel, QString(),
                                       QStringLiteral("select key to change your crosshair color"));

    ScriptBox record(QStringLiteral("pnlRecord"), QStringLiteral("// Record Script"),
                     {QStringLiteral("You can start and stop record pressing a button.")});
    m_chkRecord = record.addEnable(QStringLiteral("chkRecord"));
    m_edRecord = record.addField(QStringLiteral("edRecord"), keyLabel, QString(),
                                 QStringLiteral("select key to start or stop record"));

    ScriptBox gamma(QStringLiteral("pnlGamma"), QStringLiteral("// Gamma Select"),
                    {QStringLiteral("Control game gamma in two buttons.")});
    m_chkGamma = gamma.addEnable(QStringLiteral("chkGamma"));
    m_edGamma = gamma.addField(QStringLiteral("edGamma"), QStringLiteral("Increase Gamma:"),
                               QString(), QStringLiteral("select key to increase gamma"));
    m_edGamma1 = gamma.addField(QStringLiteral("edGamma1"), QStringLiteral("Decrease Gamma:"),
                                QString(), QStringLiteral("select key to decrease gamma"));

    ScriptBox volume(QStringLiteral("pnlVolume"), QStringLiteral("// Volume Control"),
                     {QStringLiteral("Control volume in two buttons.")});
    m_chkVolume = volume.addEnable(QStringLiteral("chkVolume"));
    m_edVolume = volume.addField(QStringLiteral("edVolume"), QStringLiteral("+ Volume:"), QString(),
                                 QStringLiteral("select key to increase volume"));
    m_edVolume1 = volume.addField(QStringLiteral("edVolume1"), QStringLiteral("- Volume:"),
                                  QString(), QStringLiteral("select key to decrease volume"));

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

    setNextButton(QStringLiteral("SpeedButton6"), QStringLiteral("Step 3/ 10 - Next >"),
                  QStringLiteral("go to step 4"));
}

QStringList Scripts1Page::lines() const
{
    using namespace ScriptLines;
    QStringList out;
    if (m_chkFov->isChecked())
        out << QLatin1String(fovSetting) + m_edFov->text();
    if (m_chkTurn->isChecked())
        out << bind(m_edTurn->text(), QLatin1String(turnCommand));
    // The toggles define their states before the key that runs them...
    if (m_chkGun->isChecked())
        out << block(gunLines) << bind(m_edGun->text(), QLatin1String(gunCommand));
    if (m_chkSmoke->isChecked())
        out << block(smokeLines) << bind(m_edSmoke->text(), QLatin1String(smokeCommand));
    if (m_chkRain->isChecked())
        out << block(rainLines) << bind(m_edRain->text(), QLatin1String(rainCommand));
    // ...the crosshair, record and gamma scripts bind their keys first...
    if (m_chkCrosshair->isChecked())
        out << bind(m_edCrosshair->text(), QLatin1String(crosshairCommand))
            << block(crosshairLines);
    if (m_chkRecord->isChecked())
        out << bind(m_edRecord->text(), QLatin1String(recordCommand)) << block(recordLines);
    if (m_chkGamma->isChecked()) {
        out << bind(m_edGamma->text(), QLatin1String(gammaUpCommand))
            << bind(m_edGamma1->text(), QLatin1String(gammaDownCommand)) << block(gammaLines);
    }
    // ...and the volume keys come after the chain they jump into.
    if (m_chkVolume->isChecked()) {
        out << block(volumeLines) << bind(m_edVolume->text(), QLatin1String(volumeUpCommand))
            << bind(m_edVolume1->text(), QLatin1String(volumeDownCommand));
    }
    return out;
}
