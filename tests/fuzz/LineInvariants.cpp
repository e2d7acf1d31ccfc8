#include "LineInvariants.h"

#include "FuzzSupport.h"

using namespace Game;

namespace Fuzz {

namespace {

bool inside(Span span, int start, int end)
{
    return span.start >= start && span.length >= 0 && span.end() <= end;
}

bool isBlank(QChar c)
{
    return c.unicode() <= 0x20 || c.unicode() >= 0x80;
}

void checkWord(const QString &line, const Word &word)
{
    const QString covered = line.mid(word.span.start, word.span.length);
    FUZZ_CHECK(!word.span.isEmpty(), line);
    if (!word.quoted) {
        FUZZ_CHECK(word.closed && word.text == covered, line);
        for (const QChar c : covered)
            FUZZ_CHECK(!isBlank(c) && c != QLatin1Char('"'), line);
        return;
    }
    FUZZ_CHECK(covered.startsWith(QLatin1Char('"')), line);
    const QString inner = covered.mid(1, covered.size() - (word.closed ? 2 : 1));
    FUZZ_CHECK(word.text == inner && !inner.contains(QLatin1Char('"')), line);
    FUZZ_CHECK(!word.closed || (covered.size() >= 2 && covered.endsWith(QLatin1Char('"'))), line);
}

// `continued`: the command is the rest of a comment that a line above opened.
void checkCommand(const QString &line, const Command &command, Version version, bool continued)
{
    int at = command.span.start;
    for (const Word &word : command.words) {
        FUZZ_CHECK(word.span.start >= at && inside(word.span, at, command.span.end()), line);
        checkWord(line, word);
        at = word.span.end();
    }
    FUZZ_CHECK(command.words.size() <= maxCommandWords, line);
    FUZZ_CHECK(command.ignoredFrom < 0 || command.words.size() == maxCommandWords, line);
    FUZZ_CHECK(version == Version::Legacy || command.innerComments.isEmpty(), line);
    for (const Span &comment : command.innerComments) {
        FUZZ_CHECK(inside(comment, command.span.start, command.span.end()), line);
        FUZZ_CHECK(line.mid(comment.start, 2) == QLatin1String("/*"), line);
    }
    if (!command.comment.isEmpty()) {
        FUZZ_CHECK(command.comment.start >= at && command.comment.end() == command.span.end(),
                   line);
        const QString opening = line.mid(command.comment.start, 2);
        FUZZ_CHECK(continued || opening == QLatin1String("//") || opening == QLatin1String("/*"),
                   line);
    }
}

} // namespace

void checkRead(const QString &line, const ConsoleLine &read, Version version)
{
    const int stop = int(line.indexOf(QChar(0)));
    FUZZ_CHECK(read.stop == stop, line);
    const int end = stop < 0 ? int(line.size()) : stop;
    FUZZ_CHECK(!read.commands.isEmpty() && read.commands.first().span.start == 0, line);
    FUZZ_CHECK(read.commands.last().span.end() == end, line);
    bool unclosed = false;
    for (int i = 0; i < read.commands.size(); ++i) {
        const Command &command = read.commands[i];
        FUZZ_CHECK(inside(command.span, 0, end), line);
        if (i > 0) {
            // After a ';', or right after the "*/" that ended an ET: Legacy comment.
            const int previous = read.commands[i - 1].span.end();
            const bool semicolon
                    = command.span.start == previous + 1 && line.at(previous) == QLatin1Char(';');
            const bool closed = version == Version::Legacy && command.span.start == previous
                    && line.mid(previous - 2, 2) == QLatin1String("*/");
            FUZZ_CHECK(semicolon || closed, line);
        }
        checkCommand(line, command, version, i == 0 && read.continuesComment);
        for (const Word &word : command.words) {
            // Only the line's last word runs unclosed to its end.
            FUZZ_CHECK(word.closed
                               || (i == read.commands.size() - 1 && &word == &command.words.last()),
                       line);
            unclosed |= !word.closed;
        }
    }
    FUZZ_CHECK(unclosed == read.unbalancedQuote, line);
    if (read.continuesComment) {
        // The comment from above runs to the line's first "*/", or over the whole line.
        const Command &rest = read.commands.first();
        const int close = int(line.left(end).indexOf(QLatin1String("*/")));
        FUZZ_CHECK(version == Version::Legacy && rest.words.isEmpty() && rest.comment == rest.span,
                   line);
        FUZZ_CHECK(close < 0 ? read.openComment && read.commands.size() == 1
                             : rest.span.end() == close + 2,
                   line);
    }
    FUZZ_CHECK(version == Version::Et260b || read.commentSemicolons.isEmpty(), line);
    FUZZ_CHECK(version == Version::Legacy || (read.keptSemicolons.isEmpty() && !read.openComment),
               line);
    for (const int at : read.commentSemicolons + read.keptSemicolons)
        FUZZ_CHECK(at >= 0 && at < end && line.at(at) == QLatin1Char(';'), line);
    FUZZ_CHECK(read.byteLength >= end, line);
}

void checkChecked(const QString &line, const LineCheck &check)
{
    const int n = int(line.size());
    int at = 0;
    for (const Marked &mark : check.marks) {
        FUZZ_CHECK(mark.span.start >= at && !mark.span.isEmpty() && inside(mark.span, 0, n), line);
        at = mark.span.end();
    }
    at = 0;
    for (const Problem &problem : check.problems) {
        FUZZ_CHECK(problem.span.start >= at && !problem.span.isEmpty(), line);
        FUZZ_CHECK(inside(problem.span, 0, n) && !problem.message.isEmpty(), line);
        at = problem.span.start;
    }
    for (const Binding &binding : check.bindings)
        FUZZ_CHECK(!binding.key.isEmpty() && inside(binding.span, 0, n), line);
}

} // namespace Fuzz
