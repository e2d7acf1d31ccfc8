#include "game/RunBindings.h"

#include "game/ConsoleLine.h"

namespace Game {

namespace {

bool is(QStringView word, const char *name)
{
    return word.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

bool isSet(QStringView word)
{
    return is(word, "set") || is(word, "seta") || is(word, "sets") || is(word, "setu");
}

QString joined(const QVector<Word> &words, int first)
{
    QString text;
    for (int i = first; i < words.size(); ++i) {
        if (i > first)
            text += QLatin1Char(' ');
        text += words[i].text;
    }
    return text;
}

// The commands of a value that runs later: its binds and unbinds, and those of the values it
// sets in turn, up to a depth no real script reaches.
void collect(QStringView value, const QString &variable, Version version, QVector<RunBinding> &out,
             int depth)
{
    if (depth > 8 || !value.contains(QLatin1String("bind"), Qt::CaseInsensitive))
        return;
    for (const Command &command : readLine(value, version).commands) {
        const QVector<Word> &w = command.words;
        if (w.size() < 2)
            continue;
        const bool unbind = is(w[0].text, "unbind");
        if ((unbind || (is(w[0].text, "bind") && w.size() >= 3)) && isKey(w[1].text, version))
            out.append({canonicalKey(w[1].text), variable, unbind});
        else if (isSet(w[0].text) && w.size() >= 3)
            collect(joined(w, 2), variable, version, out, depth + 1);
    }
}

} // namespace

QVector<RunBinding> keysBoundWhenRun(QStringView line, Version version, bool inComment)
{
    QVector<RunBinding> out;
    // Most lines bind nothing anywhere: they are not read again.
    if (!line.contains(QLatin1String("bind"), Qt::CaseInsensitive))
        return out;
    for (const Command &command : readLine(line, version, inComment).commands) {
        const QVector<Word> &w = command.words;
        if (w.size() >= 3 && isSet(w[0].text))
            collect(joined(w, 2), w[1].text, version, out, 0);
    }
    return out;
}

} // namespace Game
