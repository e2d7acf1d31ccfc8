#pragma once

#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

// Building blocks shared by every wizard screen, so that all screens look and behave alike:
// hints go to the status bar (never tool tips) and every control is named after its label.
namespace PageKit {

// The status bar hint of a control.
void setHint(QWidget *widget, const QString &hint);
// Why a control shows in the warning colour, for every player: in the hint line while it has
// the pointer or the focus, as its tool tip, and as its accessible description. An empty
// warning takes it away.
void setWarning(QWidget *widget, const QString &warning);

// Shows why a control's value is wrong, the way a key field shows an unknown key: setWarning()
// on the control and, for an editable combo box, on its edit field too.
void showWarning(QWidget *control, const QString &warning);
// The warning a control shows; empty when it shows none.
QString warningOf(const QWidget *control);

// Names a control after the label that describes it, for screen readers and for tests; the
// label becomes the control's buddy when given. An editable combo box's edit field gets the
// same name.
void nameAfter(QWidget *control, const QString &labelText, QLabel *label = nullptr);

// The name of a row's enable box, the check box beside its value that decides whether the row
// is written at all: "Use Allow Late Joins" for the row "Allow Late Joins:". It tells the box
// apart from the value, which is named after the row itself.
QString enableBoxName(const QString &labelText);

// Makes the Tab key go through `widgets` in this order, one after the other; the first one
// keeps its place among the screen's other controls.
void chainTabOrder(const QList<QWidget *> &widgets);

// A framed group with a caption bar along its top edge ("// Move"); its rows go into the grid.
struct Group
{
    QFrame *frame;
    QGridLayout *grid;
};
Group group(const QString &objectName, const QString &caption);

// The dark bar across the top of a screen ("// Options: Controls").
QLabel *titleBar(const QString &text);
// A plain line of explanatory text.
QLabel *note(const QString &text);
// A row label, right beside its control.
QLabel *label(const QString &text);

QCheckBox *checkBox(const QString &objectName, bool checked, const QString &hint,
                    const QString &accessibleName, const QString &caption = QString());
QLineEdit *lineEdit(const QString &objectName, const QString &text, const QString &hint,
                    const QString &accessibleName);
// An editable combo box: the text shown is what is written, whether or not it is an item.
QComboBox *comboBox(const QString &objectName, const QStringList &items, const QString &text,
                    const QString &hint, const QString &accessibleName);

} // namespace PageKit
