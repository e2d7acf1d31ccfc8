#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

class QPlainTextEdit;

// The script being built. It has no copy of its own: it is the text of the script view, whose
// blocks are the script's lines. Lines are joined with CR LF when the text is read.
class ScriptBuffer : public QObject
{
    Q_OBJECT
public:
    // Takes the script view and gives it the text every script starts with: one empty line.
    explicit ScriptBuffer(QPlainTextEdit *editor, QObject *parent = nullptr);

    // Adds one line at the end. When the text ends with a line break (or is empty) the line is
    // followed by one; when the player removed the final line break, a line break goes before
    // the new line instead. The wizard's appends are not undo steps.
    // Each append is recorded as the current step's (see beginStep()); the returned number
    // names it for remove().
    int append(const QString &line);
    int append(const QStringList &lines);

    // The record of what the steps of the current run appended. Appends from now on belong to
    // `step`, until the next call.
    void beginStep(int step);
    // Forgets the record: what was appended stays in the script for good. Done when a run
    // starts and ends, and when anything else changes the script.
    void forgetSteps();
    // Takes out everything that step `step` and the steps after it appended.
    void removeFromStep(int step);
    // Takes out one recorded append; false when it is no longer in the script.
    bool remove(int append);
    // Whether that append is still in the script as it was written.
    bool holds(int append) const;

    // Replaces the whole script with `lines`, as a fresh script: the caret at the start and no
    // earlier edit left to undo.
    void replace(const QStringList &lines);

    // The whole script as it is saved: lines joined by CR LF.
    QString text() const;

    QPlainTextEdit *editor() const { return m_editor; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // The record of the run's appends was forgotten: they can no longer be taken out.
    void stepsForgotten();

private:
    // One recorded append: the characters from `start` on, `length` of them.
    struct Piece
    {
        int id;
        int step;
        int start;
        int length;
    };
    void removePieces(std::size_t first, std::size_t end);
    void removeText(int start, int length);

    QPlainTextEdit *m_editor;
    std::vector<Piece> m_pieces; // in the order of the script
    int m_step = 0;
    int m_nextId = 1;
    bool m_writing = false; // the document changes by the buffer's own hand
    bool m_scrollOnShow = false; // appended to while hidden, with the caret following
};
