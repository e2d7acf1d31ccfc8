#pragma once

#include "platform/Messages.h"

#include <QApplication>
#include <functional>

// The application object. Any exception that escapes an event handler is shown in the standard
// error box (the application title as caption, the message with a full stop) and the program
// goes on with the next event.
class TarvexApplication : public QApplication
{
    Q_OBJECT
public:
    TarvexApplication(int &argc, char **argv);
    // The program's name, version and where its settings are kept, also for the check from the
    // command line, which runs without this application object.
    static void setIdentity(QCoreApplication &app);

    bool notify(QObject *receiver, QEvent *event) override;

    // Shows an escaped error's message; the main window routes it to its error box.
    using ErrorSink = std::function<void(const QString &message)>;
    static void setErrorSink(ErrorSink sink);
    static void reportError(const QString &message);
};
