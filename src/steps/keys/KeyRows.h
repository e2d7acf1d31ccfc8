#pragma once

class KeyCheck;
struct RowStyle;

// Key rows of a step's screen become key fields that `keys` checks as fields of `step`, each
// bound to its row's command. The Controls screen holds its keys in capitals, without borders.
void useKeyFields(RowStyle &style, KeyCheck &keys, int step, bool inCapitals = false);
