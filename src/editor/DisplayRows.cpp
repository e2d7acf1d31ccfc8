#include "editor/DisplayRows.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

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

RowPlace rowPlace(QPlainTextEdit *view, int offset)
{
    bringLayoutUpToDate(view);
    const QTextBlock target = view->document()->findBlock(offset);
    RowPlace place;
    for (QTextBlock block = view->document()->firstBlock(); block.isValid() && block != target;
         block = block.next()) {
        place.row += laidOut(view, block)->lineCount();
    }
    if (!target.isValid())
        return place;
    const QTextLayout *layout = laidOut(view, target);
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
