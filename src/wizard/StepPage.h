#pragma once

#include <QStringList>
#include <QWidget>

class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

// One screen of the wizard: a title bar across the top, the screen's own controls in the body,
// and its Next button at the lower right. A step's Next reads the controls through lines(); the
// wizard frames them with the step heading and footer and appends them.
class StepPage : public QWidget
{
    Q_OBJECT
public:
    StepPage(const QString &objectName, const QString &titleBar, QWidget *parent = nullptr);

    // The step's own lines, built from the controls as they are now, in the order they are
    // written. Steps whose Next writes nothing return none.
    virtual QStringList lines() const { return {}; }

    // The Next button of the start screen (0) or of an option step (1 to 9), named, captioned
    // and hinted as the step table says. It takes no keyboard focus, so that the player's typing
    // stays in the fields; its mnemonic (Alt+S, Alt+N) presses it from the keyboard.
    QPushButton *setNextButton(int step);
    QPushButton *nextButton() const { return m_next; }

    // Where the screen lays out its controls, between the title bar and the button row.
    QVBoxLayout *body() const { return m_body; }
    // The row at the bottom, left of the Next button (notes, warnings).
    QVBoxLayout *footerNotes() const { return m_footerNotes; }

signals:
    void nextClicked();

private:
    QVBoxLayout *m_body;
    QVBoxLayout *m_footerNotes;
    QPushButton *m_next = nullptr;
    QHBoxLayout *m_bottom = nullptr;
};
