#pragma once

#include "platform/Version.h"

#include <QString>

// What every message box of the program shares.

// The application title: the task bar name and the caption of the error box.
inline const QString applicationTitle = QStringLiteral("Tarvex " TARVEX_VERSION_SHORT);

// The main window's title, alone or after the script's file name.
inline const QString windowTitle = QStringLiteral("Tarvex v3");

// A message with a full stop added when it does not end in one.
QString withFullStop(const QString &message);
