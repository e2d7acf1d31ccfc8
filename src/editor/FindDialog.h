#pragma once

#include "editor/TextSearch.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The modeless Find dialog of the script view: the text to find, whole word and match case,
// the direction (down at first), Find Next and Cancel. It keeps its settings between openings.
class FindDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FindDialog(QWidget *parent = nullptr);

    // The find text as typed.
    QString findText() const;
    SearchOptions options() const;

    // Shows the dialog, or brings it to the front, with the find text ready for typing.
    void present();

signals:
    // Find Next was pressed (never while the find text is empty).
    void findNextClicked();

private:
    void layOut(QLabel *label, QGroupBox *direction);
    QLineEdit *m_findText;
    QCheckBox *m_wholeWord;
    QCheckBox *m_matchCase;
    QRadioButton *m_up;
    QRadioButton *m_down;
    QPushButton *m_findNext;
    QPushButton *m_cancel;
};
