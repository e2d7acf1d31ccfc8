#pragma once

// Checks that the game reads a script line as the player meant it, in every game version.

#include "game/ConsoleLine.h"

#include <QStringList>
#include <QTest>

namespace GameReads {

// The words of a line that the game reads as one command, in each version.
inline QVector<QVector<Game::Word>> wordsOf(const QString &line)
{
    QVector<QVector<Game::Word>> all;
    for (const Game::Version version : Game::allVersions) {
        const Game::ConsoleLine read = Game::readLine(line, version);
        if (read.commands.size() != 1 || read.unbalancedQuote || !read.commentSemicolons.isEmpty())
            return {};
        all << read.commands.first().words;
    }
    return all;
}

// A setting row's line for `value`: commented out when the value is blank, else one value word
// that holds the value whole, a '"' written as '\''.
inline void checkSetting(const QString &line, const QString &prefix, const QString &value)
{
    if (value.trimmed().isEmpty()) {
        QCOMPARE(line, QStringLiteral("//") + prefix.trimmed());
        return;
    }
    QVERIFY2(line.startsWith(prefix), qPrintable(line));
    const auto read = wordsOf(line);
    QVERIFY2(!read.isEmpty(), qPrintable(line));
    QString meant = value;
    meant.replace(QLatin1Char('"'), QLatin1Char('\''));
    for (const auto &words : read) {
        QCOMPARE(words.size(), 3);
        QCOMPARE(words[2].text, meant);
    }
}

// The bind line of `key` at `lines[at]`, when the key can be bound (no '"'): the key read as
// typed (";" as SEMICOLON), and one quoted binding, `binding` when given. Moves `at` past it.
inline void checkBind(const QStringList &lines, int &at, const QString &key,
                      const QString &binding = QString())
{
    if (key.contains(QLatin1Char('"')))
        return;
    QVERIFY(at < lines.size());
    const QString &line = lines[at++];
    const QString name = key.trimmed();
    // No key at all: the line is a comment, which the game skips.
    if (name.isEmpty()) {
        QVERIFY2(line.startsWith(QLatin1String("//bind ")), qPrintable(line));
        for (const auto &words : wordsOf(line))
            QCOMPARE(words.size(), 0);
        return;
    }
    const auto read = wordsOf(line);
    QVERIFY2(!read.isEmpty(), qPrintable(line));
    for (const auto &words : read) {
        QCOMPARE(words.size(), 3);
        QCOMPARE(words[1].text, name == QLatin1String(";") ? QStringLiteral("SEMICOLON") : name);
        QVERIFY2(words.last().quoted, qPrintable(line));
        if (!binding.isNull())
            QCOMPARE(words.last().text, binding);
    }
}

// A chat text as its binding holds it: no '"' to end the quotes, no ';' to start a command.
inline QString chat(QString text)
{
    return text.replace(QLatin1Char('"'), QLatin1Char('\''))
            .replace(QLatin1Char(';'), QLatin1Char(','));
}

} // namespace GameReads
