#include "game/ConsoleLine.h"

#include <QStringEncoder>

namespace Game {

namespace {

// Where the game's tokenizer stops a bare word and skips: blanks and control characters, and
// bytes of 0x80 and above, which it reads as negative chars.
bool isBlank(QChar c)
{
    return c.unicode() <= 0x20 || c.unicode() >= 0x80;
}

// Whether `a` and `b` stand at `i` and `i + 1`, both before `end`.
bool pairAt(QStringView text, int i, int end, char a, char b)
{
    return i + 1 < end && text[i] == QLatin1Char(a) && text[i + 1] == QLatin1Char(b);
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

// A command as the game's command buffer cuts it off the text.
struct Piece
{
    Span span;
    bool closesComment = false; // ends with the "*/" of an ET: Legacy comment
};

// ET 2.60b cuts at every ';' outside quotes, and counts every quote of the line.
QVector<Piece> splitEt260b(QStringView text)
{
    QVector<Piece> pieces;
    bool quotes = false;
    int start = 0;
    for (int i = 0; i < int(text.size()); ++i) {
        if (text[i] == QLatin1Char('"')) {
            quotes = !quotes;
        } else if (text[i] == QLatin1Char(';') && !quotes) {
            pieces.append(Piece {Span {start, i - start}});
            start = i + 1;
        }
    }
    pieces.append(Piece {Span {start, int(text.size()) - start}});
    return pieces;
}

// ET: Legacy cuts nowhere after a "//" (its own or a web address's) and nowhere inside "/* */",
// whose "*/" ends the command; quotes inside "/* */" do not count. Reads from `from` on;
// `uncut` gets the ';'s outside quotes that end no command, `open` whether a "/*" stays open.
QVector<Piece> splitLegacy(QStringView text, int from, QVector<int> &uncut, bool &open)
{
    QVector<Piece> pieces;
    const int n = int(text.size());
    bool quotes = false;
    bool slash = false;
    bool star = false;
    int start = from;
    for (int i = from; i < n; ++i) {
        if (!star && text[i] == QLatin1Char('"'))
            quotes = !quotes;
        if (quotes)
            continue;
        if (!star && pairAt(text, i, n, '/', '/')) {
            slash = true;
        } else if (!slash && pairAt(text, i, n, '/', '*')) {
            star = true;
        } else if (star && pairAt(text, i, n, '*', '/')) {
            star = false;
            ++i;
            pieces.append(Piece {Span {start, i + 1 - start}, true});
            start = i + 1;
        } else if (text[i] == QLatin1Char(';')) {
            if (slash || star) {
                uncut.append(i);
            } else {
                pieces.append(Piece {Span {start, i - start}});
                start = i + 1;
            }
        }
    }
    pieces.append(Piece {Span {start, n - start}});
    open = star;
    return pieces;
}

// Where a "//" starts a comment: anywhere but right after a ':' (as in "http://").
bool slashComment(QStringView text, int i, int start, int end)
{
    return pairAt(text, i, end, '/', '/') && (i == start || text[i - 1] != QLatin1Char(':'));
}

class WordReader
{
public:
    WordReader(QStringView text, Version version, const Piece &piece)
        : m_text(text)
        , m_legacy(version == Version::Legacy)
        , m_start(piece.span.start)
        , m_end(piece.span.end() - (piece.closesComment ? 1 : 0))
        , m_spanEnd(piece.span.end())
    { }

    // Reads the command's words; false when a quoted word runs to its end unclosed.
    bool read(Command &command)
    {
        int i = m_start;
        while (skipToWord(i, command)) {
            if (command.words.size() == maxCommandWords) {
                command.ignoredFrom = i;
                break;
            }
            Word word;
            word.span.start = i;
            if (m_text[i] == QLatin1Char('"')) {
                word.quoted = true;
                for (++i; i < m_end && m_text[i] != QLatin1Char('"'); ++i) { }
                word.text = m_text.mid(word.span.start + 1, i - word.span.start - 1).toString();
                word.closed = i < m_end;
                if (word.closed)
                    ++i;
            } else {
                for (; i < m_end && !endsBareWord(i); ++i) { }
                word.text = m_text.mid(word.span.start, i - word.span.start).toString();
            }
            word.span.length = i - word.span.start;
            command.words.append(word);
        }
        return command.words.isEmpty() || command.words.last().closed;
    }

private:
    // Skips blanks and comments up to the next word; false at the command's end.
    bool skipToWord(int &i, Command &command)
    {
        for (;;) {
            while (i < m_end && isBlank(m_text[i]))
                ++i;
            if (i == m_end)
                return false;
            // The game looks for the "*/" from the '*' of "/*" on, so "/*/" is a whole comment.
            const bool star = m_legacy && pairAt(m_text, i, m_end, '/', '*');
            const int close = star ? int(m_text.mid(i + 1, m_end - i - 1).indexOf(u"*/")) : -1;
            if (slashComment(m_text, i, m_start, m_end) || (star && close < 0)) {
                command.comment = Span {i, m_spanEnd - i};
                return false;
            }
            if (!star)
                return true;
            command.innerComments.append({i, close + 3});
            i += close + 3;
        }
    }

    bool endsBareWord(int i) const
    {
        return isBlank(m_text[i]) || m_text[i] == QLatin1Char('"')
                || slashComment(m_text, i, m_start, m_end)
                || (m_legacy && pairAt(m_text, i, m_end, '/', '*'));
    }

    QStringView m_text;
    bool m_legacy;
    int m_start;
    int m_end; // where the game stops reading words
    int m_spanEnd;
};

// The ';'s of `semicolons` (left to right) that no comment of the line holds. Comments and
// ';'s both go left to right, so one walk does it, however many there are.
QVector<int> outsideComments(const ConsoleLine &line, const QVector<int> &semicolons)
{
    QVector<Span> comments;
    for (const Command &command : line.commands) {
        comments += command.innerComments;
        if (!command.comment.isEmpty())
            comments.append(command.comment);
    }
    QVector<int> outside;
    int next = 0;
    for (const int at : semicolons) {
        while (next < comments.size() && comments[next].end() <= at)
            ++next;
        if (next == comments.size() || at < comments[next].start)
            outside.append(at);
    }
    return outside;
}

// ET: Legacy, a line that starts inside a comment: the comment's rest as the line's first
// command, and where the game reads commands again (past the "*/"; the line's end when the
// comment stays open). The game looks for nothing but the "*/" there, quotes included.
int continuedComment(QStringView text, ConsoleLine &line)
{
    const int close = int(text.indexOf(u"*/"));
    const int end = close < 0 ? int(text.size()) : close + 2;
    Command rest;
    rest.span = Span {0, end};
    rest.comment = rest.span;
    line.commands.append(rest);
    line.continuesComment = true;
    line.openComment = close < 0;
    return end;
}

} // namespace

ConsoleLine readLine(QStringView text, Version version, bool inComment)
{
    ConsoleLine line;
    line.stop = int(text.indexOf(QChar(0)));
    if (line.stop >= 0)
        text = text.left(line.stop);
    line.byteLength = byteLength(text);
    const bool legacy = version == Version::Legacy;
    const int from = legacy && inComment ? continuedComment(text, line) : 0;
    if (line.openComment)
        return line;
    QVector<int> uncut;
    const QVector<Piece> pieces
            = legacy ? splitLegacy(text, from, uncut, line.openComment) : splitEt260b(text);
    for (const Piece &piece : pieces) {
        Command command;
        command.span = piece.span;
        line.unbalancedQuote |= !WordReader(text, version, piece).read(command);
        line.commands.append(command);
    }
    // ET 2.60b: a ';' after a comment ends it, and what follows runs.
    for (int i = 0; version == Version::Et260b && i + 1 < line.commands.size(); ++i) {
        if (!line.commands[i].comment.isEmpty())
            line.commentSemicolons.append(line.commands[i].span.end());
    }
    line.keptSemicolons = outsideComments(line, uncut);
    return line;
}

} // namespace Game
