#pragma once

#include "platform/Services.h"

class KeyCheck;
class KeyMapWindow;
class MainWindow;

// The keyboard map window of `window`, built the first time it is asked for: it follows the
// script view's check and the key fields of `keys`, and its Print button prints on the script
// view's printer.
KeyMapWindow *keyMapWindow(MainWindow &window, KeyCheck &keys, Services services);
