#pragma once

#include <QStringList>

class QPlainTextEdit;

// The rows of a plain text view: its lines as the view displays them, so a line wrapped at the
// view's width is several rows. The view may be hidden: its rows are then the ones it will show.

// Where a character offset lies among the rows, both counted from 0.
struct RowPlace
{
    int row = 0;
    int column = 0;
};

// The row holding `offset` and the offset's distance from that row's first character.
RowPlace rowPlace(QPlainTextEdit *view, int offset);

// The text of every row, from the first to the last.
QStringList displayedRows(QPlainTextEdit *view);
