#pragma once

#include "game/LineCheck.h"
#include "game/RunBindings.h"

#include <QObject>
#include <QTextBlock>
#include <QVector>

#include <functional>
#include <memory>

class QTextDocument;
struct CheckIndex;

// The check of every line of a document, kept up to date as the document changes. Each line
// (block) keeps what it says on its own, read in the state the line above leaves (inside an
// ET: Legacy "/*" comment or not); the script-wide facts (which lines bind each key, how often
// the script runs each name with vstr) are indexes over the lines. An edit reads again only the
// lines it touched, and the lines below whose state it changed; it names the other lines whose
// problems it may have changed: those lines, the next line that binds a key the edit bound or
// unbound, and the set lines of a name that the script began or stopped running with vstr.
class ScriptCheck : public QObject
{
    Q_OBJECT
public:
    // Reads every line now. Must be attached before anything that shows the lines' problems
    // (a highlighter) is attached to the same document: it reads the changed lines first.
    ScriptCheck(QTextDocument *document, Game::Version version, QObject *parent = nullptr);
    ~ScriptCheck() override;

    QTextDocument *document() const { return m_document; }
    Game::Version version() const { return m_version; }
    // Reads every line again, as `version` of the game reads it.
    void setVersion(Game::Version version);

    // What the line says on its own (colours, its own problems, bindings, names).
    const Game::LineCheck *lineCheck(const QTextBlock &block) const;
    // Every problem of the line, those that other lines cause included, left to right.
    QVector<Game::Problem> problems(const QTextBlock &block) const;

    struct Entry
    {
        int line; // the block's number, counted from 0
        Game::Problem problem;
    };
    // Every problem of the script, line by line.
    QVector<Entry> allProblems() const;
    // Every problem of a script given as text, read once: needs no display (a check from the
    // command line).
    static QVector<Entry> problemsOf(const QString &text, Game::Version version);

    // The first line, in the order of the script, that binds `key` (in the form of
    // Game::canonicalKey) and that `wanted` accepts; an invalid block when there is none.
    QTextBlock firstBinding(const QString &key,
                            const std::function<bool(const QTextBlock &)> &wanted) const;

    // The lines that bind `key`: the first and the last (whose binding the game keeps) in the
    // order of the script, and how many bindings there are; none when the script binds no such
    // key.
    struct KeyLines
    {
        QTextBlock first;
        QTextBlock last;
        int count = 0;
    };
    KeyLines bindings(const QString &key) const;
    // Every key the script binds, or (`whenRun`) that the values it sets bind or unbind when
    // they run; in no particular order.
    QStringList boundKeys(bool whenRun = false) const;
    // The first line whose values bind or unbind `key` when they run, and that binding; an
    // invalid block when there is none.
    QTextBlock firstRunBinding(const QString &key, Game::RunBinding *binding = nullptr) const;

signals:
    // After the lines of an edit were read again: `others` are lines outside the edit whose
    // problems the edit may have changed.
    void checked(const QVector<QTextBlock> &others);

private:
    // `follow`: keeps up with the document's changes, which a document tells only once it has
    // a layout (and a layout needs fonts, so a display).
    ScriptCheck(QTextDocument *document, Game::Version version, bool follow);
    void readAll();
    // Reads the block's line anew, inside a comment the lines above left open when
    // `inComment`; whether the line leaves a comment open for the next.
    bool read(QTextBlock block, bool inComment);
    void onContentsChange(int position, int removed, int added);
    void onContentsChanged();

    QTextDocument *m_document;
    Game::Version m_version;
    std::shared_ptr<CheckIndex> m_index;
    QVector<QTextBlock> m_others; // found while an edit is read, told once it is done
    bool m_pending = false;
};
