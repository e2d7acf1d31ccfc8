#pragma once

// Checks that the game reads a script line as the player meant it, in every game version.

#include "game/ConsoleLine.h"

#include <QHash>
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

// The commands a line runs: its own, and those inside the texts it keeps to run later (a set
// value, a binding, and the values those set in turn) as the game reads them when it runs them.
inline QVector<QVector<Game::Word>> commandsRun(const QString &line, Game::Version version,
                                                int depth = 3)
{
    QVector<QVector<Game::Word>> all;
    for (const Game::Command &command : Game::readLine(line, version).commands) {
        const QVector<Game::Word> &words = command.words;
        if (words.isEmpty())
            continue;
        all << words;
        const QString first = words[0].text.toLower();
        // bind and set join the words after the key or the name.
        QStringList kept;
        if (first == QLatin1String("bind") || first == QLatin1String("set")
            || first == QLatin1String("seta")) {
            for (int i = 2; i < words.size(); ++i)
                kept << words[i].text;
        }
        if (depth > 0 && !kept.isEmpty())
            all << commandsRun(kept.join(QLatin1Char(' ')), version, depth - 1);
    }
    return all;
}

// The lines that set a setting the game has no use for in `version`: one another version has
// and this one lacks, one only its menus list, or a name no version has that the script never
// runs with vstr.
inline QStringList settingsUnread(const QStringList &lines, Game::Version version)
{
    QVector<QVector<QVector<Game::Word>>> run;
    QStringList runByVstr;
    for (const QString &line : lines) {
        run << commandsRun(line, version);
        for (const auto &words : run.last()) {
            if (words.size() >= 2 && words[0].text.toLower() == QLatin1String("vstr"))
                runByVstr << Game::foldName(words[1].text);
        }
    }
    QStringList unread;
    for (int i = 0; i < lines.size(); ++i) {
        for (const auto &words : run[i]) {
            const QString first = words[0].text.toLower();
            const bool set = first == QLatin1String("set") || first == QLatin1String("seta");
            const QString name = set ? words.value(1).text : words[0].text;
            const Game::SettingInfo *setting = Game::findSetting(name);
            const bool useless = setting ? !setting->in(version)
                            || setting->flags(version).testFlag(Game::SettingFlag::MenuOnly)
                                         : set && !runByVstr.contains(Game::foldName(name));
            if (useless) {
                unread << lines[i];
                break;
            }
        }
    }
    return unread;
}

// The modifier keys bound on one side only in ET: Legacy, where ALT, CTRL and SHIFT name the
// left-hand key: each of them whose left and right keys end up with different bindings.
inline QStringList oneSidedModifiers(const QStringList &lines)
{
    const Game::Version legacy = Game::Version::Legacy;
    QHash<QString, QString> bound;
    for (const QString &line : lines) {
        for (const auto &words : commandsRun(line, legacy)) {
            if (words.size() == 3 && words[0].text.toLower() == QLatin1String("bind"))
                bound.insert(Game::canonicalKey(words[1].text, legacy), words[2].text);
        }
    }
    QStringList oneSided;
    for (const char *key : {"ALT", "CTRL", "SHIFT"}) {
        const QString left = QStringLiteral("LEFT") + QLatin1String(key);
        const QString right = QStringLiteral("RIGHT") + QLatin1String(key);
        if (bound.value(left) != bound.value(right))
            oneSided << QLatin1String(key);
    }
    return oneSided;
}

} // namespace GameReads
