#pragma once

#include <QString>

// The look shared by every screen: title bars, group caption bars, notes and Next buttons.
QString tarvexStyleSheet();
