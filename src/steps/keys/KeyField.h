#pragma once

#include "game/GameData.h"

#include <QLineEdit>
#include <QValidator>

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

// A field holding the key of a bind line. The player types the key's name, or presses the key:
// a key that types no text (F1 to F12, arrows, the editing block, Pause, Shift, Ctrl, Alt,
// Caps Lock, Enter, Space, every keypad key), the middle and side mouse buttons and the wheel
// set the field to the game's name of that key. Letters, digits, Backspace, Delete, Tab, Escape,
// the left and right buttons and the editing shortcuts (Ctrl+V, Ctrl+A, ...) edit the text.
class KeyField : public QLineEdit
{
    Q_OBJECT
public:
    // `hint` is the row's own hint; the field's hint adds how to set it.
    KeyField(const QString &objectName, const QString &text, const QString &hint,
             QWidget *parent = nullptr);

    // A borderless field holding its key in capitals, as the Controls screen has them.
    static KeyField *inCapitals(const QString &objectName, const QString &text,
                                const QString &hint);

    // What is wrong with the key, as screen readers read it; empty when nothing is.
    QString problem() const { return m_problem; }
    // Shows the key in the warning colour, with `description` as the field's accessible
    // description; an empty one shows it as usual again.
    void showProblem(const QString &description);

    // The game whose names a pressed key gets (ET: Legacy tells the right-hand Shift, Ctrl and
    // Alt from the left-hand ones).
    void setGameVersion(Game::Version version) { m_version = version; }
    // Wide enough for the longest key names (KP_RIGHTARROW).
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void setKey(const QString &name);

    // A Shift, Ctrl or Alt key held down with no other key pressed since: it sets its name when
    // it is released, so that Ctrl+V pastes without setting CTRL first.
    int m_loneModifier = 0;
    bool m_rightHand = false; // whether that modifier is the right-hand one
    Game::Version m_version = Game::Version::Et260b;
    QString m_problem;
};
