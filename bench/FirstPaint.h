#pragma once

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

// Watches a window and, once its first paint is on the screen, writes "painted <ns>" to
// standard output (the monotonic clock, which the bench driver shares) and ends the program at
// once, so that its peak memory is the one at first paint (nothing the program schedules for
// later runs, and nothing is torn down).
class FirstPaintReporter : public QObject
{
public:
    explicit FirstPaintReporter(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // The window paints first, then its children, then the picture is flushed to the
            // screen, all in one go: a zero timer fires once all of that is done.
            QTimer::singleShot(0, this, [] {
                timespec now {};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("painted %lld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_window;
    bool m_seen = false;
};
