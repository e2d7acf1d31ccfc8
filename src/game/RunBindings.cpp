#include "game/RunBindings.h"

#include "game/ConsoleLine.h"
#include "game/ValueRules.h"

namespace Game {

namespace {

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
        const bool unbind = isCommand(w[0].text, QLatin1String("unbind"));
        if ((unbind || (isCommand(w[0].text, QLatin1String("bind")) && w.size() >= 3))
            && isKey(w[1].text, version))
            out.append({canonicalKey(w[1].text), variable, unbind});
        else if (isSetCommand(w[0].text) && w.size() >= 3)
            collect(joinedWords(w, 2), variable, version, out, depth + 1);
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
        if (w.size() >= 3 && isSetCommand(w[0].text))
            collect(joinedWords(w, 2), w[1].text, version, out, 0);
    }
    return out;
}

} // namespace Game
