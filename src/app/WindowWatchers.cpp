#include "app/WindowWatchers.h"

#include "app/ScriptFiles.h"
#include "platform/Services.h"

#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

ScriptDropWatcher::ScriptDropWatcher(QWidget *window, std::function<void(const QString &)> open,
                                     std::function<void(const QString &)> refuse)
    : QObject(window)
    , m_window(window)
    , m_open(std::move(open))
    , m_refuse(std::move(refuse))
{
    qApp->installEventFilter(this);
}

bool ScriptDropWatcher::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    auto *drag = static_cast<QDropEvent *>(event);
    // Dragged text still goes into the field under the pointer.
    if (!drag->mimeData() || !drag->mimeData()->hasUrls())
        return false;
    if (type != QEvent::Drop) {
        drag->acceptProposedAction();
        return true;
    }
    const QString path = ScriptFiles::droppedScript(drag->mimeData());
    if (path.isEmpty()) {
        drag->ignore();
        m_refuse(ScriptFiles::droppedName(drag->mimeData()));
        return true;
    }
    drag->acceptProposedAction();
    // Opened once the drop is over: the dragging program does not wait for the questions.
    QTimer::singleShot(0, this, [this, path] { m_open(path); });
    return true;
}

FirstPaintWatcher::FirstPaintWatcher(QWidget *area, std::function<void()> then)
    : QObject(area)
    , m_area(area)
    , m_then(std::move(then))
{
    qApp->installEventFilter(this);
}

bool FirstPaintWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (widget && (widget == m_area || m_area->isAncestorOf(widget))) {
        qApp->removeEventFilter(this);
        QTimer::singleShot(0, m_area, m_then);
    }
    return false;
}

LockKeyWatcher::LockKeyWatcher(QWidget *window, KeyLocks &locks, QLabel *capsPanel,
                               QLabel *numPanel)
    : QObject(window)
    , m_window(window)
    , m_locks(locks)
    , m_capsPanel(capsPanel)
    , m_numPanel(numPanel)
{
    qApp->installEventFilter(this);
}

bool LockKeyWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == m_window)
            show(*static_cast<QKeyEvent *>(event));
    }
    return false;
}

void LockKeyWatcher::show(const QKeyEvent &press)
{
    // A lock key's own press tells what its lock is once pressed; the platform may still report
    // the state from before while the press is handled.
    const bool caps
            = press.key() == Qt::Key_CapsLock ? m_locks.lockAfterPress(press) : m_locks.capsLock();
    const bool num
            = press.key() == Qt::Key_NumLock ? m_locks.lockAfterPress(press) : m_locks.numLock();
    m_capsPanel->setText(caps ? QStringLiteral("Caps") : QString());
    m_numPanel->setText(num ? QStringLiteral("Num") : QString());
}
