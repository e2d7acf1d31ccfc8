// Reading a script line as each game version does, and writing typed text so that it reads back
// as the player meant.
#include "game/ConsoleLine.h"
#include "game/ScriptText.h"

#include <QTest>

using namespace Game;

namespace {

QString textAt(const QString &line, Span span)
{
    return line.mid(span.start, span.length);
}

// The line as read, in one string: commands joined by " | " (" |! " where ET 2.60b ends a
// comment at a ';'), words by blanks, quoted words with their quotes (an unclosed one without
// its closing quote), a comment as {text}. Every word and comment is shown as the text its span
// covers, after checking that the span and the word's text agree.
QString describe(const QString &line, const ConsoleLine &read)
{
    QStringList commands;
    QString separators;
    bool unclosed = false;
    for (const Command &command : read.commands) {
        QStringList parts;
        for (const Word &word : command.words) {
            const QString shown = textAt(line, word.span);
            const QString expected = word.quoted ? QLatin1Char('"') + word.text
                            + (word.closed ? QStringLiteral("\"") : QString())
                                                 : word.text;
            if (shown != expected)
                return QStringLiteral("span %1 does not hold word %2").arg(shown, expected);
            unclosed |= !word.closed;
            parts << shown;
        }
        if (!command.comment.isEmpty())
            parts << QLatin1Char('{') + textAt(line, command.comment) + QLatin1Char('}');
        if (!commands.isEmpty()) {
            const int semicolon = command.span.start - 1;
            separators += line.at(semicolon);
            commands.last() += read.commentSemicolons.contains(semicolon) ? QStringLiteral(" |!")
                                                                          : QStringLiteral(" |");
        }
        separators += textAt(line, command.span);
        commands << parts.join(QLatin1Char(' '));
    }
    if (separators != line)
        return QStringLiteral("command spans do not cover the line: ") + separators;
    if (unclosed != read.unbalancedQuote)
        return QStringLiteral("unbalanced quote reported wrongly");
    return commands.join(QLatin1Char(' '));
}

} // namespace

class TestConsoleLine : public QObject
{
    Q_OBJECT
private slots:
    void reading_data();
    void reading();
    void writing_data();
    void writing();
};

void TestConsoleLine::reading_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("et260b");
    QTest::addColumn<QString>("legacy"); // "=" when it reads as in ET 2.60b
    QTest::addColumn<int>("bytes");

    QTest::newRow("unquoted words") << "seta name Big Bad Wolf"
                                    << "seta name Big Bad Wolf"
                                    << "=" << 22;
    QTest::newRow("semicolon in a comment") << "// made by me; quit"
                                            << "{// made by me} |! quit"
                                            << "{// made by me; quit}" << 19;
    QTest::newRow("quoted semicolon in a comment") << "// say \"a;b\" ; quit"
                                                   << "{// say \"a;b\" } |! quit"
                                                   << "{// say \"a;b\" ; quit}" << 19;
    QTest::newRow("two comments") << "echo a // x; echo b // y"
                                  << "echo a {// x} |! echo b {// y}"
                                  << "echo a {// x; echo b // y}" << 24;
    QTest::newRow("web address") << "seta url http://et.example/a;echo //x"
                                 << "seta url http://et.example/a | echo {//x}"
                                 << "=" << 37;
    QTest::newRow("colon then three slashes") << "echo a:///b"
                                              << "echo a:/ {//b}"
                                              << "=" << 11;
    QTest::newRow("comment right after a word") << "echo hi//there"
                                                << "echo hi {//there}"
                                                << "=" << 14;
    QTest::newRow("quote inside a binding") << "bind F6 \"say Nice shot \"mate\"; gg\""
                                            << "bind F6 \"say Nice shot \" mate \"; gg\""
                                            << "=" << 34;
    QTest::newRow("semicolons in quotes and between") << "bind k \"kill;say bye\";;vstr x"
                                                      << "bind k \"kill;say bye\" |  | vstr x"
                                                      << "=" << 29;
    QTest::newRow("non-ASCII outside quotes") << "seta name J\u00f6rg\u00df x"
                                              << "seta name J rg x"
                                              << "=" << 19;
    QTest::newRow("non-ASCII inside quotes") << "seta name \"J\u00f6rg \u00df\""
                                             << "seta name \"J\u00f6rg \u00df\""
                                             << "=" << 20;
    QTest::newRow("missing closing quote") << "bind x \"say hi; kill // x"
                                           << "bind x \"say hi; kill // x"
                                           << "=" << 25;
    QTest::newRow("tabs and a blank line end") << "seta\tname\tx \t"
                                               << "seta name x"
                                               << "=" << 13;
    QTest::newRow("empty line") << ""
                                << ""
                                << "=" << 0;
}

void TestConsoleLine::reading()
{
    QFETCH(QString, line);
    QFETCH(QString, et260b);
    QFETCH(QString, legacy);
    QFETCH(int, bytes);
    if (legacy == QLatin1String("="))
        legacy = et260b;

    const ConsoleLine old = readLine(line, Version::Et260b);
    QCOMPARE(describe(line, old), et260b);
    QCOMPARE(describe(line, readLine(line, Version::Legacy)), legacy);
    QCOMPARE(old.byteLength, bytes);
}

void TestConsoleLine::writing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");

    const QString value = QStringLiteral("value");
    QTest::newRow("nick") << value << "Your Nick Here"
                          << "\"Your Nick Here\"";
    QTest::newRow("blanks kept") << value << " ^NEnemy Territory ^7MOTD "
                                 << "\" ^NEnemy Territory ^7MOTD \"";
    QTest::newRow("number") << value << "25000"
                            << "25000";
    QTest::newRow("empty") << value << ""
                           << "";
    QTest::newRow("slash") << value << "a/b"
                           << "a/b";
    QTest::newRow("web address") << value << "http://et.example"
                                 << "\"http://et.example\"";
    QTest::newRow("semicolon") << value << "a;quit"
                               << "\"a;quit\"";
    QTest::newRow("quote") << value << "a\"b"
                           << "\"a'b\"";
    QTest::newRow("non-ASCII") << value << "J\u00f6rg"
                               << "\"J\u00f6rg\"";
    QTest::newRow("control character") << value << "a\tb\x7f"
                                       << "\"a\tb\x7f\"";
    QTest::newRow("line end") << value << "one\r\ntwo"
                              << "\"one  two\"";

    // A whole setting line; an empty value would print a usage message and set nothing.
    const QString setting = QStringLiteral("setting");
    QTest::newRow("setting") << setting << "5"
                             << "seta g_lms_matchlimit  5";
    QTest::newRow("setting, blanks around") << setting << " 5 "
                                            << "seta g_lms_matchlimit  \" 5 \"";
    QTest::newRow("setting, empty") << setting << ""
                                    << "//seta g_lms_matchlimit";
    QTest::newRow("setting, only blanks") << setting << " \t\r\n "
                                          << "//seta g_lms_matchlimit";

    const QString binding = QStringLiteral("binding");
    QTest::newRow("say text") << binding << "Nice shot \"mate\"; gg\n"
                              << "Nice shot 'mate', gg ";
    const QString comment = QStringLiteral("comment");
    QTest::newRow("comment") << comment << "made by \"me\"; quit\rnow"
                             << "made by \"me\", quit now";

    const QString key = QStringLiteral("key");
    QTest::newRow("key") << key << "F6"
                         << "F6";
    QTest::newRow("key with blanks around") << key << " KP_INS "
                                            << " KP_INS ";
    QTest::newRow("key after a line end") << key << "\nW"
                                          << " W";
    QTest::newRow("semicolon key") << key << ";"
                                   << "SEMICOLON";
    QTest::newRow("semicolon key with blanks") << key << " ; "
                                               << "SEMICOLON";
    // No bind line can carry a '"'.
    QTest::newRow("quote key") << key << "\""
                               << "";
    QTest::newRow("quote in a key") << key << "A\"B"
                                    << "";
    // Written as typed: the game then shows the binding of the command's name and binds nothing.
    QTest::newRow("no key") << key << "  "
                            << "  ";
    QTest::newRow("empty key") << key << ""
                               << "";
    QTest::newRow("two words") << key << " A B "
                               << "\"A B\"";
    QTest::newRow("non-ASCII key") << key << "\u00c9"
                                   << "\"\u00c9\"";
    QTest::newRow("semicolon in a key") << key << "A;quit"
                                        << "\"A;quit\"";
}

// Each written form also reads back, in both versions, as the one word the player meant.
void TestConsoleLine::writing()
{
    QFETCH(QString, kind);
    QFETCH(QString, typed);
    QFETCH(QString, written);

    QString line;
    QString meant = typed;
    meant.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    int word = 2;
    if (kind == QLatin1String("value")) {
        QCOMPARE(settingValue(typed), written);
        line = QStringLiteral("seta v ") + written;
        meant.replace(QLatin1Char('"'), QLatin1Char('\''));
    } else if (kind == QLatin1String("setting")) {
        line = settingLine(QStringLiteral("seta g_lms_matchlimit  "), typed);
        QCOMPARE(line, written);
        if (typed.trimmed().isEmpty())
            word = -1;
    } else if (kind == QLatin1String("binding")) {
        QCOMPARE(bindingText(typed), written);
        line = QStringLiteral("bind k \"say ") + written + QLatin1Char('"');
        meant = QStringLiteral("say ") + written;
    } else if (kind == QLatin1String("comment")) {
        QCOMPARE(commentText(typed), written);
        line = QStringLiteral("// ") + written;
        word = -1;
    } else {
        const bool bindable = !typed.contains(QLatin1Char('"'));
        QCOMPARE(bindKey(typed), written);
        QCOMPARE(canBind(typed), bindable);
        const QStringList lines = bindLine(typed, QStringLiteral("+attack"));
        // Without a key the line is written commented out.
        const QString comment = typed.trimmed().isEmpty() ? QStringLiteral("//") : QString();
        QCOMPARE(lines,
                 bindable ? QStringList {comment + "bind " + written + " \"+attack\""}
                          : QStringList());
        if (typed.trimmed().isEmpty())
            return;
        line = QStringLiteral("bind ") + written + QStringLiteral(" +attack");
        meant = written == QLatin1String("SEMICOLON") ? written : typed.trimmed();
        word = 1;
    }
    if (written.isEmpty())
        return;
    for (const Version version : allVersions) {
        const ConsoleLine read = readLine(line, version);
        QCOMPARE(read.commands.size(), 1);
        if (word < 0) {
            QCOMPARE(read.commands.first().comment.length, line.size());
            continue;
        }
        QCOMPARE(read.commands.first().words.size(), word + 1 + (kind == QLatin1String("key")));
        QCOMPARE(read.commands.first().words.at(word).text, meant);
    }
}

QTEST_APPLESS_MAIN(TestConsoleLine)
#include "tst_consoleline.moc"
