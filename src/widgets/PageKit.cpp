#include "widgets/PageKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QVBoxLayout>

#include <limits>

namespace PageKit {

void setHint(QWidget *widget, const QString &hint)
{
    widget->setStatusTip(hint);
    widget->setToolTip(QString());
}

void showWarning(QWidget *control, const QString &warning)
{
    QList<QWidget *> parts {control};
    if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->lineEdit())
        parts << combo->lineEdit();
    for (QWidget *part : parts) {
        part->setProperty("valueProblem", !warning.isEmpty());
        setWarning(part, warning);
    }
}

QString warningOf(const QWidget *control)
{
    return control->property("tarvexWarning").toString();
}

void setWarning(QWidget *widget, const QString &warning)
{
    widget->setToolTip(warning);
    widget->setAccessibleDescription(warning);
    widget->setProperty("tarvexWarning", warning);
    if (widget->property("warned").toBool() != !warning.isEmpty()) {
        // The style sheet gives the warning colour; it is applied again when the property changes.
        widget->setProperty("warned", !warning.isEmpty());
        widget->style()->unpolish(widget);
        widget->style()->polish(widget);
        widget->update();
    }
}

void nameAfter(QWidget *control, const QString &labelText, QLabel *label)
{
    control->setAccessibleName(labelText.trimmed());
    if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->lineEdit())
        combo->lineEdit()->setAccessibleName(labelText.trimmed());
    if (label)
        label->setBuddy(control);
}

QString enableBoxName(const QString &labelText)
{
    QString caption = labelText.trimmed();
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return QStringLiteral("Use ") + caption.trimmed();
}

void chainTabOrder(const QList<QWidget *> &widgets)
{
    for (int i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

Group group(const QString &objectName, const QString &caption)
{
    auto *frame = new QFrame;
    frame->setObjectName(objectName);
    frame->setProperty("tarvexRole", QStringLiteral("group"));
    frame->setFrameShape(QFrame::StyledPanel);
    auto *outer = new QVBoxLayout(frame);
    outer->setContentsMargins(0, 0, 0, 4);
    outer->setSpacing(2);
    auto *bar = new QLabel(caption);
    bar->setProperty("tarvexRole", QStringLiteral("caption"));
    outer->addWidget(bar);
    auto *grid = new QGridLayout;
    grid->setContentsMargins(6, 0, 6, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(1);
    outer->addLayout(grid);
    outer->addStretch(1);
    return {frame, grid};
}

QLabel *titleBar(const QString &text)
{
    auto *bar = new QLabel(text);
    bar->setProperty("tarvexRole", QStringLiteral("title"));
    return bar;
}

QLabel *note(const QString &text)
{
    auto *label = new QLabel(text);
    label->setProperty("tarvexRole", QStringLiteral("note"));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel *label(const QString &text)
{
    auto *label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QCheckBox *checkBox(const QString &objectName, bool checked, const QString &hint,
                    const QString &accessibleName, const QString &caption)
{
    auto *box = new QCheckBox(caption);
    box->setObjectName(objectName);
    box->setChecked(checked);
    setHint(box, hint);
    nameAfter(box, accessibleName);
    return box;
}

QLineEdit *lineEdit(const QString &objectName, const QString &text, const QString &hint,
                    const QString &accessibleName)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(objectName);
    // No length limit of its own: QLineEdit's default is 32767 characters.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setText(text);
    edit->setCursorPosition(0);
    setHint(edit, hint);
    nameAfter(edit, accessibleName);
    return edit;
}

QComboBox *comboBox(const QString &objectName, const QStringList &items, const QString &text,
                    const QString &hint, const QString &accessibleName)
{
    auto *combo = new QComboBox;
    combo->setObjectName(objectName);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setDuplicatesEnabled(true);
    combo->addItems(items);
    const int index = combo->findText(text);
    if (index >= 0)
        combo->setCurrentIndex(index);
    combo->setEditText(text);
    combo->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    // Qt's completer would change the case of what is typed to match an item.
    combo->setCompleter(nullptr);
    setHint(combo, hint);
    nameAfter(combo, accessibleName);
    return combo;
}

} // namespace PageKit
