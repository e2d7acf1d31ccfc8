#pragma once

#include "wizard/StepPage.h"

class KeyCheck;
class KeyField;
class QCheckBox;
class QLineEdit;

// Scripts part 1: field of view, turn, gun, smoke, rain, crosshair, record, gamma, volume.
class Scripts1Page : public StepPage
{
    Q_OBJECT
public:
    explicit Scripts1Page(KeyCheck &keys, QWidget *parent = nullptr);

    // The enabled scripts, always in the same order, whatever order they were ticked in.
    QStringList lines() const override;

private:
    QCheckBox *m_fovEnabled, *m_turnEnabled, *m_gunEnabled, *m_smokeEnabled, *m_rainEnabled,
            *m_crosshairEnabled, *m_recordEnabled, *m_gammaEnabled, *m_volumeEnabled;
    QLineEdit *m_fov;
    KeyField *m_turnKey, *m_gunKey, *m_smokeKey, *m_rainKey, *m_crosshairKey, *m_recordKey,
            *m_gammaUpKey, *m_gammaDownKey, *m_volumeUpKey, *m_volumeDownKey;
};
