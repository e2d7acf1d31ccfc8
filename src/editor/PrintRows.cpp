#include "editor/PrintRows.h"

#include <QPainter>
#include <QPrinter>

bool printerAvailable(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return !printer.outputFileName().isEmpty();
    return printer.isValid() && !printer.printerName().isEmpty();
}

bool printRows(QPrinter &printer, const QStringList &rows)
{
    printer.setDocName(QStringLiteral("Printing cfg"));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QFontMetrics metrics = painter.fontMetrics();
    const int rowHeight = metrics.size(Qt::TextSingleLine, QStringLiteral("A")).height();
    const int pageHeight = printer.height();
    qsizetype count = rows.size();
    if (count > 0 && rows.last().isEmpty())
        --count;
    int y = 0;
    for (qsizetype k = 0; k < count; ++k) {
        if (y > 0 && y + rowHeight > pageHeight) {
            if (!printer.newPage()) {
                painter.end();
                return false;
            }
            y = 0;
        }
        // The row's top edge lies at y; the painter places text by its baseline.
        painter.drawText(QPoint(1, y + metrics.ascent()), rows.at(k));
        y += rowHeight;
    }
    return painter.end();
}
