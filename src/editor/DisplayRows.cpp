#include "editor/DisplayRows.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QSet>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <climits>

namespace {

void sendPendingResize(QWidget *widget)
{
    if (!widget->testAttribute(Qt::WA_PendingResizeEvent))
        return;
    widget->setAttribute(Qt::WA_PendingResizeEvent, false);
    QResizeEvent event(widget->size(), QSize());
    QCoreApplication::sendEvent(widget, &event);
}

// A hidden view lays itself out only when it is shown: until then its document wraps at a stale
// width. Deliver the resizes it is holding back (the view's, then its viewport's, as showing it
// would) so that the document wraps at the width the view has now.
void bringLayoutUpToDate(QPlainTextEdit *view)
{
    view->ensurePolished();
    sendPendingResize(view);
    sendPendingResize(view->viewport());
}

// The block's layout with its rows made; the document lays blocks out only when asked.
QTextLayout *laidOut(QPlainTextEdit *view, const QTextBlock &block)
{
    QTextLayout *layout = block.layout();
    if (layout->lineCount() == 0)
        view->document()->documentLayout()->blockBoundingRect(block);
    return layout;
}

} // namespace

bool DisplayRows::Wrapping::operator==(const Wrapping &other) const
{
    return width == other.width && margin == other.margin && mode == other.mode
            && tabStop == other.tabStop && font == other.font;
}

DisplayRows::DisplayRows(QPlainTextEdit *view)
    : QObject(view)
    , m_view(view)
    , m_countedUpTo(view->document())
    , m_changedFrom(view->document())
    , m_changedTo(view->document())
{
    connect(view->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { changed(position, added); });
    // The layout tells of every new layout of all lines (and of more); only then may the
    // wrapped lines have dropped their rows.
    connect(view->document()->documentLayout(), &QAbstractTextDocumentLayout::update, this,
            [this] { m_laidOutAnew = true; });
}

DisplayRows::Wrapping DisplayRows::wrapping(const QTextLayout *laidOut) const
{
    const QTextDocument *document = m_view->document();
    Wrapping wrapping;
    // The width the document's layout gives every row now (it may lag a resize of the view).
    if (laidOut->lineCount() > 0)
        wrapping.width = laidOut->lineAt(0).width();
    wrapping.font = document->defaultFont();
    wrapping.margin = document->documentMargin();
    const QTextOption option = document->defaultTextOption();
    wrapping.mode = int(option.wrapMode()) | int(option.flags()) << 8;
    wrapping.tabStop = option.tabStopDistance();
    return wrapping;
}

void DisplayRows::changed(int position, int added)
{
    const int end = position + added;
    if (m_changed) {
        position = qMin(position, m_changedFrom.position());
        m_changedTo.setPosition(qMax(end, m_changedTo.position()));
    } else {
        m_changedTo.setPosition(end);
    }
    m_changedFrom.setPosition(position);
    m_changed = true;
}

bool DisplayRows::fitsOneRow(const QTextBlock &block) const
{
    // A line of plain ASCII characters, each at most as wide as the font's widest, that even
    // so ends well before the width the view wraps at cannot wrap.
    const qreal room = m_wrapping.width - 2 * m_widestCharacter;
    if (block.length() * m_widestCharacter > room)
        return false;
    const QString text = block.text();
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; });
}

void DisplayRows::count(const QTextBlock &block)
{
    int rows = 0;
    if (block.isVisible())
        rows = fitsOneRow(block) ? 1 : laidOut(m_view, block)->lineCount();
    if (block.lineCount() != rows)
        QTextBlock(block).setLineCount(rows);
    if (rows > 1) {
        m_wrapped.emplace_back(m_view->document());
        m_wrapped.back().setPosition(block.position());
    }
}

void DisplayRows::recountWrapped(int counted)
{
    m_laidOutAnew = false;
    std::vector<QTextCursor> wrapped;
    wrapped.swap(m_wrapped);
    QSet<int> seen;
    for (QTextCursor &cursor : wrapped) {
        const QTextBlock block = cursor.block();
        if (block.blockNumber() >= counted || seen.contains(block.blockNumber()))
            continue;
        seen.insert(block.blockNumber());
        const int rows = block.layout()->lineCount();
        if (rows == 0 || rows != block.lineCount())
            count(block);
        else
            m_wrapped.push_back(std::move(cursor));
    }
}

void DisplayRows::wrapAnew(const Wrapping &now)
{
    // Every line wraps anew: count them all again.
    m_wrapping = now;
    const QFontMetricsF metrics(now.font);
    m_widestCharacter = 0;
    for (char16_t c = 0x20; c < 0x7f; ++c)
        m_widestCharacter = qMax(m_widestCharacter, metrics.horizontalAdvance(QChar(c)));
    // Rounding of each advance may widen a character by up to a pixel.
    m_widestCharacter += 1;
    m_countedUpTo.setPosition(0);
    m_changed = false;
    m_wrapped.clear();
}

RowPlace DisplayRows::place(int offset)
{
    bringLayoutUpToDate(m_view);
    QTextDocument *document = m_view->document();
    const QTextBlock target = document->findBlock(offset);
    const QTextBlock upTo = target.isValid() ? target : document->lastBlock();
    const QTextLayout *layout = laidOut(m_view, upTo);
    const Wrapping now = wrapping(layout);
    if (!(now == m_wrapping))
        wrapAnew(now);
    const int counted = document->findBlock(m_countedUpTo.position()).blockNumber();

    // Lines edited among those counted.
    if (m_changed) {
        m_changed = false;
        QTextBlock block = document->findBlock(m_changedFrom.position());
        const int last
                = qMin(document->findBlock(m_changedTo.position()).blockNumber(), counted - 1);
        for (int number = block.blockNumber(); block.isValid() && number <= last;
             block = block.next(), ++number) {
            count(block);
        }
    }

    // Wrapped lines whose rows the view dropped; the others stay as they are.
    if (m_laidOutAnew)
        recountWrapped(counted);

    // Lines not counted yet up to the target.
    const int upToNumber = upTo.blockNumber();
    if (upToNumber > counted) {
        QTextBlock block = document->findBlock(m_countedUpTo.position());
        for (int number = counted; block.isValid() && number < upToNumber;
             block = block.next(), ++number) {
            count(block);
        }
        m_countedUpTo.setPosition(upTo.position());
    }

    RowPlace place;
    if (!target.isValid()) {
        count(upTo);
        place.row = upTo.firstLineNumber() + upTo.lineCount();
        return place;
    }
    place.row = target.firstLineNumber();
    const int inBlock = offset - target.position();
    // A character at a wrap belongs to the row it starts.
    int line = 0;
    while (line + 1 < layout->lineCount() && layout->lineAt(line + 1).textStart() <= inBlock)
        ++line;
    place.row += line;
    place.column = inBlock - (layout->lineCount() > 0 ? layout->lineAt(line).textStart() : 0);
    return place;
}

QStringList displayedRows(QPlainTextEdit *view)
{
    bringLayoutUpToDate(view);
    QStringList rows;
    for (QTextBlock block = view->document()->firstBlock(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = laidOut(view, block);
        const QString text = block.text();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            rows << text.mid(line.textStart(), line.textLength());
        }
    }
    return rows;
}
