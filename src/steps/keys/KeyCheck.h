#pragma once

#include "editor/KeyMapModel.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QTextBlock>

#include <functional>
#include <map>
#include <vector>

class KeyField;
class QAbstractButton;
class ScriptCheck;

// Shows on every key field of the wizard what the game will make of its key: a name the game
// does not know, no key on a row that is written, a key the script already binds to something
// else, or a key another written row of the same screen binds too (the game keeps the last
// binding of a key, silently). It only shows: Next writes every line all the same.
//
// The keys the script binds are those the script view's check finds, in its index of the
// script's bindings, which every change of the script keeps up to date: a key press looks its
// key up there, whatever the script's size.
//
// For the keyboard map it tells the keys the shown screen's written rows bind, and puts a key
// into the field that has the focus.
class KeyCheck : public QObject, public KeyMapSource
{
    Q_OBJECT
public:
    // `script` is the check of the script being built (the script view's document).
    explicit KeyCheck(ScriptCheck &script, QObject *parent = nullptr);

    // A key field of the screen of `step`, named in messages by its accessible name. `enable`
    // decides whether its line is written (none when it always is); `command` gives what its
    // bind line binds the key to, as the line would be written now.
    void add(int step, KeyField *field, QAbstractButton *enable, std::function<QString()> command);
    // The same for a field whose command is always the same.
    void add(int step, KeyField *field, QAbstractButton *enable, const QString &command);

    // Keys a file read into the wizard binds in lines kept for the end of the script, with
    // what they are bound to, by canonical key; `file` names the file. None clears them.
    void setKeptBindings(const QString &file, const QHash<QString, QString> &bindings);

    QVector<ScreenKey> screenKeys() const override;
    int stepOfLine(const QString &line) const override;
    bool putKey(const QString &key) override;

public slots:
    // Checks the fields of the screen of `step` again.
    void recheck(int step);
    // The script is checked for another game version now: every field follows.
    void versionChanged() { scriptChecked(); }

signals:
    // The fields of the screen of `step` were checked again: a key or a row changed.
    void rechecked(int step);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Row
    {
        int step;
        KeyField *field;
        QAbstractButton *enable;
        std::function<QString()> command;
    };
    struct Screen
    {
        std::vector<int> rows; // indices into m_rows
        bool stale = true; // the script changed while it was hidden: checked when it shows
    };

    bool written(const Row &row) const;
    QString lineOf(const Row &row) const;
    QString problemOf(int index, const QString &key) const;
    QTextBlock otherBinding(const QString &key, const QString &line) const;
    QString describe(const QString &key, const QTextBlock &line) const;
    QString describe(const QString &key, const Row &other) const;
    QString takenWhenRun(const QString &typed, const QString &key) const;
    QString keptBinding(const Row &row, const QString &typed, const QString &key) const;

    void noteWriters(int position, int added);
    void scriptChecked();

    ScriptCheck &m_script;
    QString m_keptFile;
    QHash<QString, QString> m_kept;
    std::vector<Row> m_rows;
    std::map<int, Screen> m_screens;
    // The row that wrote each bind line the script was given, by the line's text: the line
    // keeps its writer when the row changes later.
    QHash<QString, int> m_writers;
    // What otherBinding found since the script last changed, by key and line.
    mutable QHash<QString, QTextBlock> m_found;
};
