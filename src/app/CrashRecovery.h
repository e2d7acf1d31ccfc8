#pragma once

#include "platform/Services.h"
#include "wizard/RecoveryFiles.h"

#include <QObject>

class QPlainTextEdit;
class QTimer;
class QWidget;
class ScriptFiles;
class Wizard;

// Keeps the player's unsaved work in this copy's recovery file while the program runs: after
// every Next, after Add Vsay and Add Say, and when the player pauses typing in the script view.
// At the next start, the work of a copy that was closed without saving is offered back.
class CrashRecovery : public QObject
{
    Q_OBJECT
public:
    CrashRecovery(QWidget &window, Services services, Wizard &wizard, QPlainTextEdit *scriptView,
                  ScriptFiles &files);

    // Asks, newest first, whether to bring back the work of each copy closed without saving;
    // reports each recovery file that cannot be read. After one is restored the others are
    // kept for the next start.
    void offerLeftWork();

    // Writes the work as it is now when some of it is unsaved; otherwise removes the file.
    void update();
    // After New: a script unchanged since it was saved leaves nothing to keep yet.
    void afterNew();
    // The work is safe in its file or given up: the recovery file goes.
    void drop();
    // Waits until the recovery file is as last asked (written or removed).
    void flush() { m_recoveryFiles.flush(); }

    // The pause after the last edit in the script view before the work is written.
    static constexpr int editPause = 2000;

private:
    void keep();
    QString question(const RecoveryState &state) const;

    QWidget &m_window;
    Services m_services;
    Wizard &m_wizard;
    QPlainTextEdit *m_scriptView;
    ScriptFiles &m_files;
    QTimer *m_editTimer;
    RecoveryFiles m_recoveryFiles;
};
