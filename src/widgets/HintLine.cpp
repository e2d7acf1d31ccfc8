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

QString HintLine::hintFor(const QWidget *widget)
{
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
    switch (event->type()) {
    // Hints go to the hint panel only; Qt's own tips would show them twice or elsewhere.
    case QEvent::ToolTip:
        // Except a warning: why a field shows in the warning colour (PageKit::showWarning).
        if (auto *widget = qobject_cast<QWidget *>(watched);
            widget && !widget->property("warning").toString().isEmpty())
            break;
        return true;
    case QEvent::StatusTip:
        // A control's warning came or went while the player typed in it or pointed at it.
        if (auto *widget = qobject_cast<QWidget *>(watched);
            widget && widget->window() == m_window && widget->property("plainHint").isValid())
            m_panel->setText(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    case QEvent::Enter:
    case QEvent::Leave: {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() != m_window)
            break;
        // On leaving, the pointer is back over the parent (an Enter follows if it is not).
        const QWidget *under = event->type() == QEvent::Enter ? widget : widget->parentWidget();
        if (under)
            m_panel->setText(hintFor(under));
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
