#pragma once

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>

class QKeyEvent;
class QPrinter;
class QWidget;

// The platform services the program uses, behind small interfaces so that tests can script them.

// Where a file dialog opens, and the places its side bar offers besides its own.
struct FilePlaces
{
    // The folder shown first; empty for the platform's default.
    QString folder;
    QList<QUrl> sideBar;
};

// Standard dialogs: the save and open dialogs, the message boxes and the printer setup.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // The save dialog for scripts: "*.CFG" files, default extension "cfg", no question before
    // replacing a file. Offers `suggested` as the file name (and its folder), else opens in
    // `places.folder`; returns the chosen path, or an empty string when cancelled.
    virtual QString saveFileName(QWidget *parent, const QString &suggested,
                                 const FilePlaces &places)
            = 0;
    // The open dialog for scripts: an existing "*.CFG" file. Returns the chosen path, or an
    // empty string when cancelled.
    virtual QString openFileName(QWidget *parent, const FilePlaces &places) = 0;
    // The save dialog for pictures: a PNG image or an SVG drawing, the kind chosen by the
    // filter, which also gives a name without an extension its extension. Offers `suggested`;
    // returns the chosen path, or an empty string when cancelled.
    virtual QString pictureFileName(QWidget *parent, const QString &suggested) = 0;
    // A short list to pick one entry from, with `label` above it. Returns the index picked, or
    // -1 when cancelled.
    virtual int chooseItem(QWidget *parent, const QString &caption, const QString &label,
                           const QStringList &items)
            = 0;
    // Modal message boxes. confirm() has OK (the default) and Cancel; true means OK.
    virtual void information(QWidget *parent, const QString &caption, const QString &text) = 0;
    virtual bool confirm(QWidget *parent, const QString &caption, const QString &text) = 0;
    virtual void error(QWidget *parent, const QString &caption, const QString &text) = 0;
    // A question with two answers, given as button captions with "&" before their mnemonic
    // letters. The first is the default, and closing the box answers it too, so it must be
    // the answer that loses nothing. True for the first answer.
    virtual bool ask(QWidget *parent, const QString &caption, const QString &text,
                     const QString &first, const QString &second)
            = 0;
    // A question answered by one of `buttons` (Save, Discard, Cancel, ...), `defaultButton`
    // being the default; `captions` gives some of them other captions ("Add" for Yes). Escape
    // and closing the box answer Cancel.
    using Answer = QMessageBox::StandardButton;
    virtual Answer choose(QWidget *parent, const QString &caption, const QString &text,
                          QMessageBox::StandardButtons buttons, Answer defaultButton,
                          const QMap<Answer, QString> &captions = {})
            = 0;
    // The printer setup dialog; true when the player confirmed a choice for `printer`.
    virtual bool printerSetup(QWidget *parent, QPrinter &printer) = 0;
};

// The desktop's "open" action (the default browser for web addresses).
class Desktop
{
public:
    virtual ~Desktop() = default;
    virtual void open(const QUrl &url) = 0;
};

// The toggle states of the lock keys, as the platform reports them now. A platform that cannot
// tell reports them off.
class KeyLocks
{
public:
    virtual ~KeyLocks() = default;
    virtual bool capsLock() = 0;
    virtual bool numLock() = 0;
    // Whether the lock of a lock key (Caps Lock, Num Lock) is on once `press`, a press of that
    // key, has taken effect, read from the key event itself: while the press is handled the
    // platform may not report it yet (X11 turns a lock off only when its key is released).
    // By default, the state the platform reports now.
    virtual bool lockAfterPress(const QKeyEvent &press);
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() = 0;
};

struct Services
{
    Dialogs *dialogs;
    Desktop *desktop;
    KeyLocks *keyLocks;
    Clock *clock;

    // The real services, built on Qt and the windowing system.
    static Services platform();
};
