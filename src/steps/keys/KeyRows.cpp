#include "steps/keys/KeyRows.h"

#include "steps/keys/KeyCheck.h"
#include "steps/keys/KeyField.h"
#include "wizard/RowSet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <utility>

void useKeyFields(RowStyle &style, KeyCheck &keys, int step, bool inCapitals)
{
    style.makeKeyField = [inCapitals](const Row &row) -> QLineEdit * {
        if (inCapitals)
            return KeyField::inCapitals(row.name(), row.startText(), row.hintText());
        return new KeyField(row.name(), row.startText(), row.hintText());
    };
    style.addKeyField = [&keys, step](QLineEdit *field, QCheckBox *enable,
                                      std::function<QString()> command, QWidget *text) {
        keys.add(step, static_cast<KeyField *>(field), enable, std::move(command));
        // A say's message is part of the bind line the key is checked against.
        auto recheck = [&keys, step] {
            keys.recheck(step);
        };
        if (auto *edit = qobject_cast<QLineEdit *>(text))
            QObject::connect(edit, &QLineEdit::textChanged, &keys, recheck);
        else if (auto *combo = qobject_cast<QComboBox *>(text))
            QObject::connect(combo, &QComboBox::editTextChanged, &keys, recheck);
    };
}
