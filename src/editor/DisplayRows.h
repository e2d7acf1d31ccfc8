#pragma once

#include <QFont>
#include <QObject>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>

#include <vector>

class QPlainTextEdit;
class QTextLayout;

// The rows of a plain text view: its lines as the view displays them, so a line wrapped at the
// view's width is several rows. The view may be hidden: its rows are then the ones it will show.

// Where a character offset lies among the rows, both counted from 0.
struct RowPlace
{
    int row = 0;
    int column = 0;
};

// Finds the row of a place in the view without counting every line before it. The rows of each
// line are kept in the document's own line counts, which add up from the start; a line's count
// is made exact once, and again only when an edit touches the line or the view wraps anew.
class DisplayRows : public QObject
{
public:
    explicit DisplayRows(QPlainTextEdit *view);

    // The row holding `offset` and the offset's distance from that row's first character.
    RowPlace place(int offset);

private:
    // What decides where the view wraps its lines.
    struct Wrapping
    {
        qreal width = -1; // of a row, the margins taken off
        QFont font;
        qreal margin = 0;
        int mode = 0;
        qreal tabStop = 0;
        bool operator==(const Wrapping &other) const;
    };
    // As a line laid out now shows it.
    Wrapping wrapping(const QTextLayout *laidOut) const;
    void changed(int position, int added);
    // Sets the line's count to the rows it takes.
    void count(const QTextBlock &block);
    bool fitsOneRow(const QTextBlock &block) const;
    // The view wraps its lines `now` differently than when they were counted.
    void wrapAnew(const Wrapping &now);
    // Counts again the counted lines (before line `counted`) that wrapped and lost their rows.
    void recountWrapped(int counted);

    QPlainTextEdit *m_view;
    Wrapping m_wrapping;
    qreal m_widestCharacter = 0;
    // Every line before this cursor's line has its exact count.
    QTextCursor m_countedUpTo;
    // The lines edited since the last count, from the first cursor's line to the second's.
    QTextCursor m_changedFrom;
    QTextCursor m_changedTo;
    bool m_changed = false;
    // The starts of counted lines that take more than one row: the view drops their rows when
    // it lays out every line anew. Cursors, so that they follow the edits.
    std::vector<QTextCursor> m_wrapped;
    bool m_laidOutAnew = false;
};

// The text of every row, from the first to the last.
QStringList displayedRows(QPlainTextEdit *view);
