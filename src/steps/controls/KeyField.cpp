#include "steps/controls/KeyField.h"

#include "game/ScriptText.h"
#include "widgets/PageKit.h"

#include <QLineEdit>

QValidator::State UpperCaseValidator::validate(QString &input, int &pos) const
{
    // Some letters grow when raised (a sharp s becomes two), so the caret is placed after the
    // raised form of what stood before it.
    const QString upper = input.toUpper();
    if (upper != input) {
        pos = input.left(pos).toUpper().size();
        input = upper;
    }
    return Acceptable;
}

void UpperCaseValidator::fixup(QString &input) const
{
    input = input.toUpper();
}

namespace KeyField {

QLineEdit *create(const QString &objectName, const QString &text, const QString &hint)
{
    QLineEdit *field = PageKit::lineEdit(objectName, QString(), hint, QString());
    field->setProperty("tarvexRole", QStringLiteral("key"));
    field->setFrame(false);
    field->setValidator(new UpperCaseValidator(field));
    field->setText(text);
    field->setCursorPosition(0);
    explainUnbindable(field);
    return field;
}

void explainUnbindable(QLineEdit *field)
{
    const QString hint = field->statusTip();
    const QString reason = QStringLiteral("(\" cannot be bound)");
    const QString explained = hint.isEmpty() ? reason : hint + QLatin1Char(' ') + reason;
    auto show = [field, hint, explained](const QString &text) {
        PageKit::setHint(field, Game::canBind(text) ? hint : explained);
    };
    QObject::connect(field, &QLineEdit::textChanged, field, show);
    show(field->text());
}

} // namespace KeyField
