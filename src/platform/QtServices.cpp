#include "platform/Services.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>

#ifdef TARVEX_HAVE_X11
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
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

// A file dialog for scripts, opening in the given folder, with the given places added to its
// side bar. Qt's own dialog: a native one would ignore the side bar.
void prepareScriptDialog(QFileDialog &dialog, const FilePlaces &places)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setNameFilter(QStringLiteral("*.CFG (*.cfg)"));
    if (!places.folder.isEmpty())
        dialog.setDirectory(places.folder);
    QList<QUrl> sideBar = dialog.sidebarUrls();
    for (const QUrl &place : places.sideBar) {
        if (!sideBar.contains(place))
            sideBar << place;
    }
    dialog.setSidebarUrls(sideBar);
}

QString chosenFile(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

class QtDialogs : public Dialogs
{
public:
    QString saveFileName(QWidget *parent, const QString &suggested,
                         const FilePlaces &places) override
    {
        QFileDialog dialog(parent);
        dialog.setObjectName(QStringLiteral("SaveDialog"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        prepareScriptDialog(dialog, places);
        dialog.setDefaultSuffix(QStringLiteral("cfg"));
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        if (!suggested.isEmpty())
            dialog.selectFile(suggested);
        return chosenFile(dialog);
    }

    QString openFileName(QWidget *parent, const FilePlaces &places) override
    {
        QFileDialog dialog(parent);
        dialog.setObjectName(QStringLiteral("OpenDialog"));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        prepareScriptDialog(dialog, places);
        return chosenFile(dialog);
    }

    QString pictureFileName(QWidget *parent, const QString &suggested) override
    {
        QFileDialog dialog(parent);
        dialog.setObjectName(QStringLiteral("PictureDialog"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const QString png = QStringLiteral("PNG image (*.png)");
        const QString svg = QStringLiteral("SVG drawing (*.svg)");
        dialog.setNameFilters({png, svg});
        dialog.setDefaultSuffix(QStringLiteral("png"));
        // The filter chosen gives a name typed without an extension its extension.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, svg](const QString &filter) {
                             dialog.setDefaultSuffix(filter == svg ? QStringLiteral("svg")
                                                                   : QStringLiteral("png"));
                         });
        dialog.selectFile(suggested);
        return chosenFile(dialog);
    }

    int chooseItem(QWidget *parent, const QString &caption, const QString &label,
                   const QStringList &items) override
    {
        QInputDialog dialog(parent);
        dialog.setObjectName(QStringLiteral("ChooseDialog"));
        dialog.setWindowTitle(caption);
        dialog.setLabelText(label);
        dialog.setComboBoxItems(items);
        dialog.setComboBoxEditable(false);
        dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
        if (dialog.exec() != QDialog::Accepted)
            return -1;
        return int(items.indexOf(dialog.textValue()));
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

    bool ask(QWidget *parent, const QString &caption, const QString &text, const QString &first,
             const QString &second) override
    {
        QMessageBox box(QMessageBox::Question, caption, forDisplay(text), QMessageBox::NoButton,
                        parent);
        QPushButton *firstButton = box.addButton(first, QMessageBox::AcceptRole);
        QPushButton *secondButton = box.addButton(second, QMessageBox::DestructiveRole);
        for (QPushButton *button : {firstButton, secondButton})
            button->setAccessibleName(QString(button->text()).remove(QLatin1Char('&')));
        box.setDefaultButton(firstButton);
        box.setEscapeButton(firstButton);
        box.exec();
        return box.clickedButton() != secondButton;
    }

    Answer choose(QWidget *parent, const QString &caption, const QString &text,
                  QMessageBox::StandardButtons buttons, Answer defaultButton,
                  const QMap<Answer, QString> &captions) override
    {
        QMessageBox box(QMessageBox::Question, caption, forDisplay(text), buttons, parent);
        box.setDefaultButton(defaultButton);
        if (buttons.testFlag(QMessageBox::Cancel))
            box.setEscapeButton(QMessageBox::Cancel);
        for (auto it = captions.cbegin(); it != captions.cend(); ++it) {
            if (QAbstractButton *button = box.button(it.key()))
                button->setText(it.value());
        }
        const int answer = box.exec();
        return buttons.testFlag(Answer(answer)) ? Answer(answer) : QMessageBox::Cancel;
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

    bool lockAfterPress(const QKeyEvent &press) override
    {
#ifdef TARVEX_HAVE_X11
        // An X key event carries the modifier and lock state from just before it: the press
        // turns its own lock over.
        if (Display *display = x11Display()) {
            const KeySym lock = press.key() == Qt::Key_CapsLock ? XK_Caps_Lock : XK_Num_Lock;
            const unsigned int mask = XkbKeysymToModifiers(display, lock);
            if (mask)
                return !(press.nativeModifiers() & mask);
        }
#endif
        // Elsewhere the platform has turned the lock over by the time the press is handled.
        return KeyLocks::lockAfterPress(press);
    }

private:
#ifdef TARVEX_HAVE_X11
    static Display *x11Display()
    {
        auto *x11
                = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        return x11 ? x11->display() : nullptr;
    }
#endif

    static bool indicator(const char *name)
    {
#ifdef TARVEX_HAVE_X11
        Display *display = x11Display();
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

bool KeyLocks::lockAfterPress(const QKeyEvent &press)
{
    return press.key() == Qt::Key_CapsLock ? capsLock() : numLock();
}

Services Services::platform()
{
    static QtDialogs dialogs;
    static QtDesktop desktop;
    static PlatformKeyLocks keyLocks;
    static SystemClock clock;
    return {&dialogs, &desktop, &keyLocks, &clock};
}
