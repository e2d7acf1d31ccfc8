#include "editor/ScriptHighlighter.h"

#include "editor/ScriptCheck.h"

#include <QSignalBlocker>
#include <QTextDocument>

namespace {

constexpr quint8 underlined = 0x80; // added to a character's mark (its index plus one, or 0)

} // namespace

ScriptHighlighter::ScriptHighlighter(ScriptCheck &check)
    : QSyntaxHighlighter(&check)
    , m_check(check)
{
    // Attached after the check, so that an edit's lines are read before they are coloured.
    setDocument(check.document());
    refresh();
    m_checked = connect(&check, &ScriptCheck::checked, this,
                        [this](const QVector<QTextBlock> &others) {
                            for (const QTextBlock &block : others)
                                recolour(block);
                        });
}

ScriptHighlighter::~ScriptHighlighter()
{
    // Taking the colours off the document is an edit the check tells of: no colouring then.
    disconnect(m_checked);
}

void ScriptHighlighter::refresh()
{
    // Colours are no change of the text: whoever follows the text is not told.
    const QSignalBlocker quiet(document());
    rehighlight();
}

QColor ScriptHighlighter::colour(Game::Mark mark)
{
    // Quiet colours, each dark enough to read on the view's white.
    switch (mark) {
    case Game::Mark::Comment:
        return QColor(0x4e, 0x7a, 0x4e);
    case Game::Mark::Command:
        return QColor(0x2d, 0x5f, 0x8b);
    case Game::Mark::Setting:
        return QColor(0x7a, 0x4e, 0x8a);
    case Game::Mark::Key:
        return QColor(0x8a, 0x5a, 0x14);
    case Game::Mark::Quoted:
        return QColor(0xa0, 0x40, 0x3a);
    case Game::Mark::Number:
        return QColor(0x2a, 0x7a, 0x70);
    }
    return QColor();
}

QColor ScriptHighlighter::problemColour()
{
    return QColor(0xd4, 0x20, 0x20);
}

QVector<QTextLayout::FormatRange> ScriptHighlighter::formats(const QTextBlock &block) const
{
    const Game::LineCheck *line = m_check.lineCheck(block);
    if (!line)
        return {};
    const int length = block.length() - 1;
    QVector<quint8> styles(length, 0);
    auto fill = [&](Game::Span span, auto &&paint) {
        for (int i = qMax(0, span.start); i < qMin(length, span.end()); ++i)
            paint(styles[i]);
    };
    for (const Game::Marked &marked : line->marks)
        fill(marked.span, [&](quint8 &style) { style = quint8(int(marked.mark) + 1); });
    for (const Game::Problem &problem : m_check.problems(block))
        fill(problem.span, [](quint8 &style) { style |= underlined; });

    QVector<QTextLayout::FormatRange> ranges;
    for (int start = 0; start < length;) {
        int end = start + 1;
        while (end < length && styles[end] == styles[start])
            ++end;
        if (const quint8 style = styles[start]) {
            QTextLayout::FormatRange range;
            range.start = start;
            range.length = end - start;
            if (style & ~underlined)
                range.format.setForeground(colour(Game::Mark((style & ~underlined) - 1)));
            if (style & underlined) {
                range.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
                range.format.setUnderlineColor(problemColour());
            }
            ranges.append(range);
        }
        start = end;
    }
    return ranges;
}

void ScriptHighlighter::highlightBlock(const QString &)
{
    for (const QTextLayout::FormatRange &range : formats(currentBlock()))
        setFormat(range.start, range.length, range.format);
}

void ScriptHighlighter::recolour(const QTextBlock &block)
{
    // As the highlighter itself applies formats, but outside an edit of the document: the
    // view then only lays out and repaints that line.
    QTextLayout *layout = block.layout();
    const QVector<QTextLayout::FormatRange> ranges = formats(block);
    if (!layout || ranges == layout->formats())
        return;
    layout->setFormats(ranges);
    document()->markContentsDirty(block.position(), block.length());
}
