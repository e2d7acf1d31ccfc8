#pragma once

#include <QObject>

#include <functional>

class KeyLocks;
class QKeyEvent;
class QLabel;
class QWidget;

// Small watchers of the events of the whole application on behalf of the main window; each
// installs itself when made and goes away with the window.

// Files dragged over any part of `window` are the window's, never a control's (no field takes a
// file's address as text). A single script (a .cfg or plain text file) is handed to `open` once
// it is dropped; for anything else `refuse` gets the name of what was dropped.
class ScriptDropWatcher : public QObject
{
public:
    ScriptDropWatcher(QWidget *window, std::function<void(const QString &path)> open,
                      std::function<void(const QString &name)> refuse);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    std::function<void(const QString &)> m_open;
    std::function<void(const QString &)> m_refuse;
};

// Runs `then` once, in the turn of the event loop after `area` (or a control in it) is first
// painted, and then stops watching.
class FirstPaintWatcher : public QObject
{
public:
    FirstPaintWatcher(QWidget *area, std::function<void()> then);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_area;
    std::function<void()> m_then;
};

// Shows the Caps Lock and Num Lock states in their panels at every key press in `window`,
// before the focused control sees it; the press goes on as it is.
class LockKeyWatcher : public QObject
{
public:
    LockKeyWatcher(QWidget *window, KeyLocks &locks, QLabel *capsPanel, QLabel *numPanel);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(const QKeyEvent &press);

    QWidget *m_window;
    KeyLocks &m_locks;
    QLabel *m_capsPanel;
    QLabel *m_numPanel;
};
