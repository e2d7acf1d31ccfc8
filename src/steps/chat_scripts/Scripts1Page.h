#pragma once

#include "wizard/StepPage.h"

class QCheckBox;
class QLineEdit;

// Scripts part 1: field of view, turn, gun, smoke, rain, crosshair, record, gamma, volume.
class Scripts1Page : public StepPage
{
    Q_OBJECT
public:
    explicit Scripts1Page(QWidget *parent = nullptr);

    // The enabled scripts, always in the same order, whatever order they were ticked in.
    QStringList lines() const override;

private:
    QCheckBox *m_chkFov, *m_chkTurn, *m_chkGun, *m_chkSmoke, *m_chkRain, *m_chkCrosshair,
            *m_chkRecord, *m_chkGamma, *m_chkVolume;
    QLineEdit *m_edFov, *m_edTurn, *m_edGun, *m_edSmoke, *m_edRain, *m_edCrosshair, *m_edRecord,
            *m_edGamma, *m_edGamma1, *m_edVolume, *m_edVolume1;
};
