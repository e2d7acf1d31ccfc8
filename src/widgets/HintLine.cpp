#include "widgets/HintLine.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QStatusTipEvent>
#include <QWidget>

HintLine::HintLine(QWidget *window, QLabel *panel)
    : QObject(window)
    , m_window(window)
    , m_panel(panel)
{
    qApp->installEventFilter(this);
}

QString HintLine::warningOf(const QWidget *widget)
{
    return widget ? widget->property("tarvexWarning").toString() : QString();
}

bool HintLine::ours(const QWidget *widget) const
{
    return widget && widget->window() == m_window;
}

QString HintLine::hintFor(const QWidget *widget)
{
    const QString warning = warningOf(widget);
    if (!warning.isEmpty())
        return warning;
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (!w->statusTip().isEmpty())
            return w->statusTip();
        if (w->isWindow())
            break;
    }
    return QString();
}

bool HintLine::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    switch (event->type()) {
    // Hints go to the hint panel only; Qt's own tips would show them twice or elsewhere.
    case QEvent::ToolTip:
        // Only a warning has a tool tip; hints go to the hint panel only.
        return warningOf(widget).isEmpty();
    case QEvent::StatusTip:
        // Qt's own status tips would show hints twice or elsewhere.
        return true;
    case QEvent::Enter:
    case QEvent::Leave: {
        if (!ours(widget))
            break;
        // On leaving, the pointer is back over the parent (an Enter follows if it is not).
        QWidget *under = event->type() == QEvent::Enter ? widget : widget->parentWidget();
        m_under = under;
        if (under)
            m_panel->setText(hintFor(under));
        break;
    }
    case QEvent::FocusIn:
        if (ours(widget) && !warningOf(widget).isEmpty())
            m_panel->setText(warningOf(widget));
        break;
    case QEvent::FocusOut:
        // The reason goes with the focus, unless the pointer still rests on the control.
        if (ours(widget) && widget != m_under && !warningOf(widget).isEmpty()
            && m_panel->text() == warningOf(widget))
            m_panel->setText(m_under ? hintFor(m_under) : QString());
        break;
    case QEvent::DynamicPropertyChange: {
        // A warning that comes or goes while the player looks at the control or types in it.
        auto *change = static_cast<QDynamicPropertyChangeEvent *>(event);
        if (change->propertyName() == "tarvexWarning" && ours(widget)
            && (widget == m_under || widget->hasFocus()))
            m_panel->setText(hintFor(widget));
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
