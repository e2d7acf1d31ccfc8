#pragma once

#include <QValidator>

class QLineEdit;

// Key names are held in capitals: whatever is typed or pasted into a key field is turned to
// upper case on the spot. Any text is accepted, blanks and quotes included.
class UpperCaseValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
};

namespace KeyField {
// A borderless field holding a key name, upper case, no length limit.
QLineEdit *create(const QString &objectName, const QString &text, const QString &hint);

// Any field whose text is the key of a bind line: while it holds a text the game cannot bind
// (a '"'), its row writes no line, and its status-bar hint says why after its own hint.
void explainUnbindable(QLineEdit *field);
} // namespace KeyField
