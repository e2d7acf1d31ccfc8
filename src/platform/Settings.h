#pragma once

#include <QCoreApplication>
#include <QSettings>

#include <memory>

// The few choices the program keeps between runs, in the user's settings of the program
// (organisation "Tarvex"). Tests run with test paths, away from the player's settings.
inline std::unique_ptr<QSettings> programSettings()
{
    return std::make_unique<QSettings>(QCoreApplication::organizationName(),
                                       QStringLiteral("tarvex"));
}
