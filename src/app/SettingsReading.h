#pragma once

#include "platform/Services.h"

#include <QObject>
#include <QString>

class KeyCheck;
class QLabel;
class QWidget;
class Wizard;

// Read Settings: the player picks one of the game profiles found on this machine or any other
// file, and the wizard's rows start from what it leaves set. What no row carries is kept for a
// section of its own at the end of the script.
class SettingsReading : public QObject
{
    Q_OBJECT
public:
    // The key fields' check `keys` learns the keys of the lines kept.
    SettingsReading(QWidget &window, Services services, Wizard &wizard, KeyCheck &keys,
                    QLabel *hintPanel);

    // Offers the profiles and "Another file...", then reads the one picked.
    void choose();
    // Reads `path` into a new run's start screen and rows. A file File > Open refuses is refused
    // with its message and changes nothing; returns false then.
    bool read(const QString &path);

    // What the last reading did, as the hint line showed it.
    const QString &summary() const { return m_summary; }

private:
    QWidget &m_window;
    Services m_services;
    Wizard &m_wizard;
    KeyCheck &m_keys;
    QLabel *m_hintPanel;
    QString m_summary;
};
