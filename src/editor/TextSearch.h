#pragma once

#include <QStringView>

// How a search compares and which way it runs.
struct SearchOptions
{
    bool matchCase = false;
    bool wholeWord = false;
    bool down = true;
};

// The offset of an occurrence of `pattern` in `text`, or -1 when there is none. Searching down
// gives the first occurrence that starts at `from` or later, searching up the last one that
// starts at `from` or earlier; an occurrence may overlap the one found before it. Without
// matchCase letters match regardless of case; with wholeWord the occurrence must not have a
// letter, digit or underscore right before or after it. An empty pattern is never found.
qsizetype findText(QStringView text, QStringView pattern, qsizetype from,
                   const SearchOptions &options);
