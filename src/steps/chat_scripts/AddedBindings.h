#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;
class ScriptBuffer;

// The bind lines the Add buttons of the says step appended, in the order of the presses. Each
// box shows its own under it, key and text, with a Remove button that takes the line out of the
// script again. A Back that took the lines out leaves them listed: they are written again, in
// their order, before the next Add or at Next. So are the bindings read from the player's own
// settings, which a new run keeps listed until they are written.
class AddedBindings : public QObject
{
    Q_OBJECT
public:
    enum Kind { Vsay, Say };

    AddedBindings(ScriptBuffer &buffer, QLabel *note, QObject *parent = nullptr);

    // The list of a box and its Remove button, side by side.
    QWidget *createList(Kind kind, const QString &listName, const QString &removeName,
                        const QString &accessibleName);

    // Appends `line`, the bind line of `key` and `command`, and lists it with `text`. False, with
    // the reason in the note, when the Add before bound the same key to the same command: pressing
    // Add again would only bind the key twice.
    bool add(Kind kind, const QString &key, const QString &command, const QString &text,
             const QStringList &line);
    // Lists `line` without appending it: the next Add, or writeAgain() at Next, writes it. For
    // the bindings of the player's own settings; false when the line is empty or listed already.
    bool list(Kind kind, const QString &key, const QString &command, const QString &text,
              const QStringList &line);
    // Takes every line out of the lists (a new script), or only the ones written (a new run,
    // which keeps the player's settings listed for its says step).
    void forget(bool unwrittenToo);
    // Whether the key is bound to the command by one of the listed lines.
    bool contains(const QString &key, const QString &command) const;
    // Appends again the listed lines that are no longer in the script.
    void writeAgain();

private:
    struct Entry
    {
        Kind kind;
        QString key;
        QString command;
        QString text; // as the player typed it
        QString line;
        int append = 0; // the buffer's record of it, 0 before it is written
    };
    void removeSelected(Kind kind);
    void refresh(Kind kind);

    ScriptBuffer &m_buffer;
    QLabel *m_note;
    std::vector<Entry> m_entries;
    QListWidget *m_lists[2] = {nullptr, nullptr};
    QPushButton *m_removes[2] = {nullptr, nullptr};
};
