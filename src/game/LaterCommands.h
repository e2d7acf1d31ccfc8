#pragma once

#include "game/ConsoleLine.h"
#include "game/GameData.h"
#include "game/LineCheck.h"

#include <QString>
#include <QVector>

// The check of text that the game runs later, as commands of their own: a binding's text when
// its key is pressed, a value's when a vstr runs it (game/LineCheck.cpp finds such texts).
namespace Game {

// Text the game runs later, as commands of their own: a binding's when its key is pressed, a
// value's when a vstr runs it. Its problems are told on the words of the line that hold it:
// at their place in a single word, on the whole text when it is joined from several.
struct Later
{
    QString when; // " when the key is pressed", " when vstr runs this value"
    QVector<Problem> *problems = nullptr; // null: names are collected, problems not told
    int depth = 0; // 0: the line itself
    int base = 0;
    bool exact = true;
    Span whole;

    Span map(Span span) const { return exact ? Span {base + span.start, span.length} : whole; }
    void problem(Span span, const QString &message) const { tell(span, message + when); }
    // A message that says when itself.
    void tell(Span span, const QString &message) const
    {
        if (problems)
            problems->append({map(span), message});
    }
};

// The words of `w` from `first` on, read in `outer` (the line itself: a default Later), as text
// run later: where its characters are on the line.
Later nested(const Later &outer, const QVector<Word> &w, int first, const QString &when,
             QVector<Problem> *problems);

// Deeper than a binding inside a value inside a binding, texts are no longer read.
constexpr int deepest = 3;

extern const QString keyPressed; // " when the key is pressed"
extern const QString vstrRuns; // " when vstr runs this value"

// "; did you mean NAME?" for a name the game does not know, when a known one is close.
QString didYouMean(QStringView name, Version version, bool commandsToo);
// The problem of a command that `version` does not have.
// `when` follows "it does nothing", before a closest known name.
QString unknownCommandMessage(QStringView name, Version version, const QString &when = QString());
// Notes that the line runs `word` with vstr; `span` is where to tell about it.
void useName(LineCheck &out, const Word &word, Span span, Version version);

// Checks the commands of `text`, read in `later`, the line's check being `out`: their names,
// keys and comments; the names they run with vstr and set go to `out`.
void checkLater(const QString &text, const Later &later, Version version, LineCheck &out);

} // namespace Game
