#pragma once

#include "game/LineCheck.h"

#include <QColor>
#include <QSyntaxHighlighter>
#include <QTextLayout>

class ScriptCheck;

// Shows the script view's lines as the game reads them: comments, command names, setting
// names, key names, quoted text and numbers each in a quiet colour of its own, and a wavy
// underline below every problem. Formats live in the view's layout only: the text, its undo
// history and what is saved or printed stay as they are.
class ScriptHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    // Colours `check`'s document at once, and the lines it names after each edit.
    explicit ScriptHighlighter(ScriptCheck &check);
    ~ScriptHighlighter() override;

    // Colours the whole document again (after the check read every line anew).
    void refresh();

    static QColor colour(Game::Mark mark);
    static QColor problemColour();
    // The block's colours and underlines.
    QVector<QTextLayout::FormatRange> formats(const QTextBlock &block) const;

protected:
    void highlightBlock(const QString &text) override;

private:
    // Colours a line that an edit of other lines changed.
    void recolour(const QTextBlock &block);

    ScriptCheck &m_check;
    QMetaObject::Connection m_checked;
};
