#include "platform/Services.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

#ifdef TARVEX_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Message texts keep their single CR line breaks; the message box shows them as line breaks.
QString forDisplay(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

class QtDialogs : public Dialogs
{
public:
    QString saveFileName(QWidget *parent, const QString &suggested) override
    {
        QFileDialog dialog(parent);
        dialog.setObjectName(QStringLiteral("SaveDialog"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(QStringLiteral("*.CFG (*.cfg)"));
        dialog.setDefaultSuffix(QStringLiteral("cfg"));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        if (!suggested.isEmpty())
            dialog.selectFile(suggested);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    }

    void information(QWidget *parent, const QString &caption, const QString &text) override
    {
        QMessageBox::information(parent, caption, forDisplay(text));
    }

    bool confirm(QWidget *parent, const QString &caption, const QString &text) override
    {
        QMessageBox box(QMessageBox::Question, caption, forDisplay(text),
                        QMessageBox::Ok | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        return box.exec() == QMessageBox::Ok;
    }

    void error(QWidget *parent, const QString &caption, const QString &text) override
    {
        QMessageBox::critical(parent, caption, forDisplay(text));
    }

    bool printerSetup(QWidget *parent, QPrinter &printer) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
};

class QtDesktop : public Desktop
{
public:
    void open(const QUrl &url) override { QDesktopServices::openUrl(url); }
};

class PlatformKeyLocks : public KeyLocks
{
public:
#ifdef Q_OS_WIN
    bool capsLock() override
    {
        return GetKeyState(VK_CAPITAL) & 1;
    }
    bool numLock() override
    {
        return GetKeyState(VK_NUMLOCK) & 1;
    }
#else
    bool capsLock() override
    {
        return indicator("Caps Lock");
    }
    bool numLock() override
    {
        return indicator("Num Lock");
    }
#endif

private:
    static bool indicator(const char *name)
    {
#ifdef TARVEX_HAVE_X11
        auto *x11
                = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        Display *display = x11 ? x11->display() : nullptr;
        if (!display)
            return false;
        Bool on = False;
        const Atom atom = XInternAtom(display, name, False);
        if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
            return false;
        return on;
#else
        Q_UNUSED(name);
        return false;
#endif
    }
};

class SystemClock : public Clock
{
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

} // namespace

Services Services::platform()
{
    static QtDialogs dialogs;
    static QtDesktop desktop;
    static PlatformKeyLocks keyLocks;
    static SystemClock clock;
    return {&dialogs, &desktop, &keyLocks, &clock};
}
