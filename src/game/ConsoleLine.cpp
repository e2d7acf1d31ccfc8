#include "game/ConsoleLine.h"

#include <QStringEncoder>

namespace Game {

namespace {

// Collects words and commands while the line is scanned from left to right.
class LineBuilder
{
public:
    ConsoleLine line;
    Word word;
    bool inWord = false;
    Command command;
    int commentStart = -1;

    void startWord(int at, bool quoted)
    {
        word = Word();
        word.span.start = at;
        word.quoted = quoted;
        inWord = true;
    }

    void endWord(int end)
    {
        if (!inWord)
            return;
        word.span.length = end - word.span.start;
        command.words.append(word);
        inWord = false;
    }

    // Ends the command before `end`, a ';' or the line's end; the next one starts after it.
    void endCommand(int end)
    {
        endWord(end);
        if (commentStart >= 0)
            command.comment = Span {commentStart, end - commentStart};
        commentStart = -1;
        command.span.length = end - command.span.start;
        line.commands.append(command);
        command = Command();
        command.span.start = end + 1;
    }
};

// Where the game's tokenizer stops a bare word and skips: blanks and control characters, and
// bytes of 0x80 and above, which it reads as negative chars.
bool isBlank(QChar c)
{
    return c.unicode() <= 0x20 || c.unicode() >= 0x80;
}

int byteLength(QStringView line)
{
    for (const QChar c : line) {
        if (c.unicode() >= 0x80) {
            QStringEncoder encoder(QStringConverter::System);
            const QByteArray bytes = encoder(line);
            return int(bytes.size());
        }
    }
    return int(line.size());
}

} // namespace

ConsoleLine readLine(QStringView text, Version version)
{
    LineBuilder b;
    const int n = int(text.size());
    // The splitter's view of quotes: it counts every '"' of the line, comments included.
    bool inQuotes = false;
    for (int i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (b.commentStart >= 0) {
            // ET: Legacy's comment runs to the line end. ET 2.60b's splitter does not know
            // comments: it still counts quotes and ends the command at a ';' outside them.
            if (version == Version::Et260b) {
                if (c == QLatin1Char('"')) {
                    inQuotes = !inQuotes;
                } else if (c == QLatin1Char(';') && !inQuotes) {
                    b.line.commentSemicolons.append(i);
                    b.endCommand(i);
                }
            }
            continue;
        }
        if (b.inWord && b.word.quoted) {
            if (c == QLatin1Char('"')) {
                b.endWord(i + 1);
                inQuotes = false;
            } else {
                b.word.text.append(c);
            }
            continue;
        }
        if (c == QLatin1Char(';')) {
            b.endCommand(i);
        } else if (c == QLatin1Char('"')) {
            b.endWord(i);
            b.startWord(i, true);
            inQuotes = true;
        } else if (c == QLatin1Char('/') && i + 1 < n && text[i + 1] == QLatin1Char('/')
                   && (i == 0 || text[i - 1] != QLatin1Char(':'))) {
            b.endWord(i);
            b.commentStart = i;
            ++i;
        } else if (isBlank(c)) {
            b.endWord(i);
        } else {
            if (!b.inWord)
                b.startWord(i, false);
            b.word.text.append(c);
        }
    }
    if (b.inWord && b.word.quoted) {
        b.word.closed = false;
        b.line.unbalancedQuote = true;
    }
    b.endCommand(n);
    b.line.byteLength = byteLength(text);
    return b.line;
}

} // namespace Game
