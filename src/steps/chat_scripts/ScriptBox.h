#pragma once

#include "widgets/PageKit.h"

#include <QString>
#include <QStringList>

class KeyField;
class QCheckBox;
class QFrame;
class QLineEdit;
class QWidget;

// One framed box of the chat and script steps: its caption bar, a few lines of explanation that
// wrap to the box's width, then its rows (the "Enable" box, labels and fields). The rows sit at
// the foot of the box, so that boxes of one row of the screen line up whatever their text.
class ScriptBox
{
public:
    // `title` is the caption bar ("// Gun"); each of `texts` is one paragraph of explanation.
    ScriptBox(const QString &objectName, const QString &title, const QStringList &texts);

    QFrame *frame() const { return m_group.frame; }

    // The "Enable" box of a script: it stands left of the first field row.
    QCheckBox *addEnable(const QString &objectName);
    // A labelled single-line edit, named after the box and its label.
    QLineEdit *addField(const QString &objectName, const QString &labelText, const QString &text,
                        const QString &hint);
    // The same for a field holding the key of a bind line.
    KeyField *addKeyField(const QString &objectName, const QString &labelText, const QString &text,
                          const QString &hint);
    // A labelled control built elsewhere, named after the box and its label.
    void addRow(const QString &labelText, QWidget *control);
    // A widget on a row of its own at the right edge (an Add button).
    void addTrailing(QWidget *widget);

private:
    QString accessibleName(const QString &labelText) const;

    PageKit::Group m_group;
    QString m_name;
    int m_row = 1;
};
