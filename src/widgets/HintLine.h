#pragma once

#include <QObject>
#include <QPointer>

class QLabel;
class QWidget;

// Shows the hint of the control under the mouse pointer in a status bar panel: the control's
// own hint, else that of the nearest enclosing control with one, else nothing. Hints appear
// nowhere else: tool tips are suppressed for the whole application.
//
// A control with a warning (PageKit::setWarning: why it shows red) shows the warning instead,
// while the pointer is over it and while it has the keyboard focus; its tool tip says it too.
class HintLine : public QObject
{
    Q_OBJECT
public:
    HintLine(QWidget *window, QLabel *panel);

    // The hint shown for the pointer over `widget`: its warning, else the hint.
    static QString hintFor(const QWidget *widget);
    // The warning of a control; empty when it has none.
    static QString warningOf(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool ours(const QWidget *widget) const;

    QWidget *m_window;
    QPointer<QWidget> m_under; // the control under the pointer
    QLabel *m_panel;
};
