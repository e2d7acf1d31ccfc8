// The check of the script view, kept up to date edit by edit: after any edits (typing, deleting,
// replacing, undo, redo, a change of game version) every line's problems and colours, and the keys
// bound, are exactly those of a fresh check of the text the edits left.
//
// Input: two bytes giving the length of the first text, that text, then edits of five bytes
// each (kind, position high and low, characters removed, length of the text inserted) followed
// by the text inserted.
#include "FuzzSupport.h"

#include "editor/ScriptCheck.h"

#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace {

std::unique_ptr<QTextDocument> newDocument(const QString &text)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDocumentLayout(new QPlainTextDocumentLayout(document.get()));
    document->setPlainText(text);
    return document;
}

// Every problem of the script, every line's own reading and the keys bound, one line of text
// each.
QStringList described(const QTextDocument &document, const ScriptCheck &check)
{
    QStringList out;
    for (const ScriptCheck::Entry &entry : check.allProblems()) {
        out << QStringLiteral("%1:%2+%3 %4")
                        .arg(entry.line)
                        .arg(entry.problem.span.start)
                        .arg(entry.problem.span.length)
                        .arg(entry.problem.message);
    }
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const Game::LineCheck *line = check.lineCheck(block);
        FUZZ_CHECK(line, block.text());
        QString marks;
        for (const Game::Marked &mark : line->marks)
            marks += QStringLiteral(" %1+%2:%3")
                             .arg(mark.span.start)
                             .arg(mark.span.length)
                             .arg(int(mark.mark));
        QStringList names;
        for (const Game::NameUse &use : line->vstrNames)
            names << use.name;
        out << marks + QLatin1Char(' ') + names.join(QLatin1Char(','));
    }
    // The indexes of keys: a line inside a comment binds nothing.
    for (const bool whenRun : {false, true}) {
        QStringList keys = check.boundKeys(whenRun);
        keys.sort();
        out << keys.join(QLatin1Char(' '));
    }
    return out;
}

void compareWithFresh(const QTextDocument &document, const ScriptCheck &check)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines << block.text();
    const auto fresh = newDocument(lines.join(QLatin1Char('\n')));
    FUZZ_CHECK(fresh->blockCount() == document.blockCount(), lines.join(QLatin1Char('\n')));
    const ScriptCheck freshCheck(fresh.get(), check.version());
    FUZZ_CHECK(described(document, check) == described(*fresh, freshCheck),
               lines.join(QLatin1Char('\n')));
}

void edit(QTextDocument &document, ScriptCheck &check, const uint8_t *op, const QString &inserted)
{
    const int size = document.characterCount() - 1;
    const int at = size > 0 ? (op[1] << 8 | op[2]) % (size + 1) : 0;
    QTextCursor cursor(&document);
    cursor.setPosition(at);
    cursor.setPosition(std::min(size, at + op[3]), QTextCursor::KeepAnchor);
    switch (op[0] % 6) {
    case 0:
        cursor.clearSelection();
        cursor.insertText(inserted);
        break;
    case 1:
        cursor.removeSelectedText();
        break;
    case 2:
        cursor.insertText(inserted);
        break;
    case 3:
        document.undo();
        break;
    case 4:
        document.redo();
        break;
    default:
        check.setVersion(check.version() == Game::Version::Et260b ? Game::Version::Legacy
                                                                  : Game::Version::Et260b);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::needApplication();
    size_t at = 2;
    const size_t first = size >= 2 ? std::min(size - 2, size_t(data[0] << 8 | data[1])) : 0;
    auto document = newDocument(Fuzz::text(data + at, first));
    at += first;
    ScriptCheck check(document.get(), Game::Version::Et260b);
    while (at + 5 <= size) {
        const uint8_t *op = data + at;
        const size_t length = std::min(size - at - 5, size_t(op[4]));
        const QString inserted = Fuzz::text(data + at + 5, length);
        at += 5 + length;
        edit(*document, check, op, inserted);
    }
    compareWithFresh(*document, check);
    return 0;
}
