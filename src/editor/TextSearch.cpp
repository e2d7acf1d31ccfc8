#include "editor/TextSearch.h"

namespace {

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

bool sameCharacter(QChar a, QChar b, bool matchCase)
{
    return a == b || (!matchCase && a.toCaseFolded() == b.toCaseFolded());
}

bool matchesAt(QStringView text, QStringView pattern, qsizetype at, const SearchOptions &options)
{
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (!sameCharacter(text[at + i], pattern[i], options.matchCase))
            return false;
    }
    if (options.wholeWord) {
        const qsizetype end = at + pattern.size();
        if (at > 0 && isWordCharacter(text[at - 1]))
            return false;
        if (end < text.size() && isWordCharacter(text[end]))
            return false;
    }
    return true;
}

} // namespace

qsizetype findText(QStringView text, QStringView pattern, qsizetype from,
                   const SearchOptions &options)
{
    if (pattern.isEmpty() || pattern.size() > text.size())
        return -1;
    // The last offset at which the whole pattern still fits.
    const qsizetype last = text.size() - pattern.size();
    if (options.down) {
        for (qsizetype at = qMax<qsizetype>(from, 0); at <= last; ++at) {
            if (matchesAt(text, pattern, at, options))
                return at;
        }
    } else {
        for (qsizetype at = qMin(from, last); at >= 0; --at) {
            if (matchesAt(text, pattern, at, options))
                return at;
        }
    }
    return -1;
}
