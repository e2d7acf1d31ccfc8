#pragma once

#include "platform/Services.h"
#include "wizard/ScriptFile.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QMainWindow;
class QMenu;
class QMimeData;
class QTimer;
class ScriptBuffer;
class Wizard;

// The script as a file: Save, Open (from the open dialog, Recent Scripts or a dropped file), the
// close guard that asks before unsaved work is dropped, and the window's title, which names the
// script's file and marks it while it differs from that file.
class ScriptFiles : public QObject
{
    Q_OBJECT
public:
    // The wizard tells whether a run is in progress.
    ScriptFiles(QMainWindow &window, Services services, ScriptBuffer &buffer, Wizard &wizard);

    // Saves the script to the file it was opened from or last saved to; a script that has no
    // file yet asks for a name as saveAs() does. True when the script was written.
    bool save();
    // Saves the script under the name chosen in the save dialog.
    bool saveAs();
    // Lets the player choose a script in the open dialog and, once unsaved work is saved or
    // given up (askBeforeOpening), shows it in the script view.
    void open();
    // Opens a script whose path is known already (a dropped file): when it can be read, and
    // unsaved work is saved or given up, it replaces the script.
    void openFile(const QString &path);
    // A script chosen from Recent Scripts; one that no longer exists leaves the list.
    void openRecent(const QString &path);

    // The close guard: asks before work would be lost, offering to save it; true when the
    // script may be dropped.
    bool mayDiscard();
    // The same before the script at `path` takes the place of unsaved work.
    bool askBeforeOpening(const QString &path);

    // A run in progress, or a script that differs from the one last saved or opened; restored
    // work counts as unsaved until it is saved.
    bool unsaved() const;
    // The script differs from the one last saved or opened.
    bool differsFromFile() const;
    // The file the script was last saved to or opened from; empty before the first.
    QString path() const { return m_path; }
    // The script view holds work brought back after the program was closed without saving it;
    // it belonged to `path` (empty for a new script).
    void restore(const QString &path);

    // Fills the Recent Scripts menu: the scripts, most recent first, then "Clear".
    void fillRecentMenu(QMenu *menu);

    // The path of the script in dropped data: a single local file ending in ".cfg" (in any
    // case), or a plain text file; empty for anything else (a picture, a folder, many files).
    static QString droppedScript(const QMimeData *data);
    // What was dropped, named for the player: the name of its (first) file or folder.
    static QString droppedName(const QMimeData *data);

signals:
    // The script is safe in a file: saved, or just opened.
    void workSafe();

public slots:
    // The title names the script's file, marked while the script differs from it.
    void updateTitle();
    // After an edit or a screen change: the title follows once the player pauses.
    void scheduleTitle();

private:
    // Writes the script to `path`; shows why when it cannot.
    bool write(const QString &path);
    // Saves, Discards or Cancels as the player answered `question`; true unless cancelled or
    // the save failed.
    bool settle(const QString &question, QWidget *parent);
    // Reads the script at `path`; shows why when it cannot be read.
    bool read(const QString &path, ScriptFileContents *contents);
    // Puts the script read from `path` in place of the old one, in the script view.
    void show(const QString &path, const ScriptFileContents &contents);
    // Where the save and open dialogs start, and the game's folders for their side bar.
    FilePlaces places() const;

    QMainWindow &m_window;
    Services m_services;
    ScriptBuffer &m_buffer;
    Wizard &m_wizard;
    QTimer *m_titleTimer;

    // The name the save dialog offers: the one confirmed last, or the script opened last.
    QString m_saveName;
    // The file the script was last saved to or opened from; empty before the first.
    QString m_path;
    // The script as last saved or opened.
    QString m_savedText;
    bool m_restored = false;
    // The encoding and line ends of the file opened last, which Save keeps.
    FileFormat m_format;
};
