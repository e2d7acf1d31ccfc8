#pragma once

#include <QString>

// What every message box of the program shares.

// The application title: the task bar name and the caption of the error box.
inline const QString applicationTitle = QStringLiteral("Tarvex 1.0");

// A message with a full stop added when it does not end in one.
QString withFullStop(const QString &message);
