#pragma once

#include <QObject>

class QLabel;
class QWidget;

// Shows the hint of the control under the mouse pointer in a status bar panel: the control's
// own hint, else that of the nearest enclosing control with one, else nothing. Hints appear
// nowhere else: tool tips are suppressed for the whole application.
class HintLine : public QObject
{
    Q_OBJECT
public:
    HintLine(QWidget *window, QLabel *panel);

    // The hint shown for the pointer over `widget`.
    static QString hintFor(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QLabel *m_panel;
};
