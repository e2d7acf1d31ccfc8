#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

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
    void append(const QString &line);
    void append(const QStringList &lines);

    // Replaces the whole script with `lines`, as a fresh script: the caret at the start and no
    // earlier edit left to undo.
    void replace(const QStringList &lines);

    // The whole script as it is saved: lines joined by CR LF.
    QString text() const;

    QPlainTextEdit *editor() const { return m_editor; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPlainTextEdit *m_editor;
    bool m_scrollOnShow = false; // appended to while hidden, with the caret following
};
