#include "app/CrashRecovery.h"

#include "app/ScriptFiles.h"
#include "platform/Messages.h"
#include "wizard/Wizard.h"
#include "wizard/WorkState.h"

#include <QFileInfo>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTimer>

CrashRecovery::CrashRecovery(QWidget &window, Services services, Wizard &wizard,
                             QPlainTextEdit *scriptView, ScriptFiles &files)
    : QObject(&window)
    , m_window(window)
    , m_services(services)
    , m_wizard(wizard)
    , m_scriptView(scriptView)
    , m_files(files)
{
    connect(&wizard, &Wizard::progressed, this, &CrashRecovery::keep);
    connect(&files, &ScriptFiles::workSafe, this, &CrashRecovery::drop);
    // Writing at every key would slow typing: the work is written once the player pauses.
    m_editTimer = new QTimer(this);
    m_editTimer->setObjectName(QStringLiteral("RecoveryTimer"));
    m_editTimer->setSingleShot(true);
    m_editTimer->setInterval(editPause);
    connect(m_editTimer, &QTimer::timeout, this, &CrashRecovery::update);
    connect(scriptView->document(), &QTextDocument::contentsChanged, m_editTimer,
            qOverload<>(&QTimer::start));
}

void CrashRecovery::keep()
{
    RecoveryState state = WorkState::take(m_wizard, m_scriptView);
    state.written = m_services.clock->now();
    state.fileName = m_files.path();
    const QString failure = m_recoveryFiles.write(Recovery::encode(state));
    // The work itself is untouched, and a message box at every Next would be worse than no
    // recovery file.
    if (!failure.isEmpty())
        qWarning("the recovery file could not be written: %s", qPrintable(failure));
}

void CrashRecovery::update()
{
    if (m_files.unsaved())
        keep();
    else
        drop();
}

void CrashRecovery::afterNew()
{
    if (m_files.differsFromFile())
        keep();
    else
        drop();
}

void CrashRecovery::drop()
{
    m_editTimer->stop();
    m_recoveryFiles.remove();
}

QString CrashRecovery::question(const RecoveryState &state) const
{
    const QLocale locale;
    const QString when = locale.toString(state.written.date(), QLocale::ShortFormat)
            + QStringLiteral(", ") + locale.toString(state.written.time(), QLocale::ShortFormat);
    const QString name = state.fileName.isEmpty() ? QStringLiteral("a new script")
                                                  : QFileInfo(state.fileName).fileName();
    return QStringLiteral("Tarvex was closed on %1 without saving \"%2\". Restore it?")
            .arg(when, name);
}

void CrashRecovery::offerLeftWork()
{
    QStringList problems;
    const QList<RecoveryFiles::Left> left = m_recoveryFiles.claimLeft(&problems);
    for (const QString &problem : problems)
        m_services.dialogs->error(&m_window, applicationTitle, problem);
    bool restored = false;
    for (const RecoveryFiles::Left &work : left) {
        if (restored) {
            m_recoveryFiles.release(work.path);
            continue;
        }
        if (m_services.dialogs->ask(&m_window, applicationTitle, question(work.state),
                                    QStringLiteral("&Restore"), QStringLiteral("&Discard"))) {
            WorkState::restore(work.state, m_wizard, m_scriptView);
            m_files.restore(work.state.fileName);
            // This copy's file holds the work before the old one goes.
            keep();
            m_recoveryFiles.flush();
            restored = true;
        }
        m_recoveryFiles.discard(work.path);
    }
}
