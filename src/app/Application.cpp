#include "app/Application.h"

#include <QMessageBox>
#include <exception>

namespace {
TarvexApplication::ErrorSink &errorSink()
{
    static TarvexApplication::ErrorSink sink;
    return sink;
}
} // namespace

TarvexApplication::TarvexApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setIdentity(*this);
    setDesktopFileName(QStringLiteral("tarvex"));
}

void TarvexApplication::setIdentity(QCoreApplication &app)
{
    app.setApplicationName(applicationTitle);
    // Where the player's few choices are kept between runs.
    app.setOrganizationName(QStringLiteral("Tarvex"));
    app.setOrganizationDomain(QStringLiteral("tarvex.org"));
    app.setApplicationVersion(QStringLiteral(TARVEX_VERSION_SHORT));
}

bool TarvexApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        reportError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        reportError(QStringLiteral("An unexpected error occurred"));
    }
    return true;
}

void TarvexApplication::setErrorSink(ErrorSink sink)
{
    errorSink() = std::move(sink);
}

void TarvexApplication::reportError(const QString &message)
{
    const QString text = withFullStop(message);
    if (errorSink())
        errorSink()(text);
    else
        QMessageBox::critical(nullptr, applicationTitle, text);
}
