#include "game/ReadingCheck.h"

#include <algorithm>

namespace Game {

void checkReading(QStringView text, const ConsoleLine &line, Version version, LineCheck &out)
{
    const QString name = displayName(version);
    if (line.stop >= 0) {
        out.problems.append({Span {line.stop, int(text.size()) - line.stop},
                             QStringLiteral("The game stops reading the file at this NUL "
                                            "character: nothing after it runs")});
    }
    for (const Command &command : line.commands) {
        for (const Span &comment : command.innerComments)
            out.marks.append({comment, Mark::Comment});
        if (command.ignoredFrom >= 0) {
            out.problems.append(
                    {Span {command.ignoredFrom, command.span.end() - command.ignoredFrom},
                     QStringLiteral("The game reads at most %1 words of a command and "
                                    "ignores the rest")
                             .arg(maxCommandWords)});
        }
    }
    for (const int at : line.keptSemicolons) {
        out.problems.append({Span {at, 1},
                             QStringLiteral("%1 takes the \"//\" before this \";\" for a comment's "
                                            "start (even in \"http://\"), so the \";\" ends no "
                                            "command")
                                     .arg(name)});
    }
    // Said on the line that opens the comment, not on those it runs on over.
    const Span comment = line.commands.last().comment;
    const bool opens = !line.continuesComment || line.commands.size() > 1;
    if (line.openComment && opens && !comment.isEmpty()) {
        out.problems.append({comment,
                             QStringLiteral("%1 reads everything up to the next \"*/\" as a "
                                            "comment, the lines below included")
                                     .arg(name)});
    }
    std::stable_sort(out.marks.begin(), out.marks.end(),
                     [](const Marked &a, const Marked &b) { return a.span.start < b.span.start; });
}

} // namespace Game
