#pragma once

#include <QString>
#include <QStringView>

// The game compares names folding only the ASCII letters: any other letter keeps its case.
namespace Game {

constexpr char16_t asciiLower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

constexpr char16_t asciiUpper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? char16_t(c - (u'a' - u'A')) : c;
}

// `text` with each ASCII letter passed through `change` (asciiLower or asciiUpper).
inline QString asciiCase(QStringView text, char16_t (*change)(char16_t))
{
    QString changed = text.toString();
    for (QChar &c : changed)
        c = QChar(change(c.unicode()));
    return changed;
}

} // namespace Game
