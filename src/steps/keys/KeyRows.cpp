#include "steps/keys/KeyRows.h"

#include "steps/keys/KeyCheck.h"
#include "steps/keys/KeyField.h"
#include "wizard/RowSet.h"

#include <QCheckBox>

void useKeyFields(RowStyle &style, KeyCheck &keys, int step, bool inCapitals)
{
    style.makeKeyField = [inCapitals](const Row &row) -> QLineEdit * {
        if (inCapitals)
            return KeyField::inCapitals(row.name(), row.startText(), row.hintText());
        return new KeyField(row.name(), row.startText(), row.hintText());
    };
    style.addKeyField = [&keys, step](QLineEdit *field, QCheckBox *enable, const Row &row) {
        keys.add(step, static_cast<KeyField *>(field), enable, row.target());
    };
}
