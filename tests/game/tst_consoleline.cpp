// Reading a script line as each game version does, and writing typed text so that it reads back
// as the player meant.
#include "game/ConsoleLine.h"
#include "game/ScriptText.h"

#include <QMap>
#include <QTest>

using namespace Game;

namespace {

QString textAt(const QString &line, Span span)
{
    return line.mid(span.start, span.length);
}

// The line as read, in one string: commands joined by " | " (" |! " where ET 2.60b ends a
// comment at a ';', " |* " where an ET: Legacy comment's "*/" ends it), words by blanks, quoted
// words with their quotes (an unclosed one without its closing quote), a comment as {text}, and
// "..." after a comment left open for the lines below, "<NUL>" where a NUL stops the reading.
// Every word and comment is shown as the text its span covers, after checking that the span
// and the word's text agree.
QString describe(const QString &line, const ConsoleLine &read)
{
    QStringList commands;
    QString covered;
    bool unclosed = false;
    for (const Command &command : read.commands) {
        QMap<int, QString> parts; // by start
        for (const Word &word : command.words) {
            const QString shown = textAt(line, word.span);
            const QString expected = word.quoted ? QLatin1Char('"') + word.text
                            + (word.closed ? QStringLiteral("\"") : QString())
                                                 : word.text;
            if (shown != expected)
                return QStringLiteral("span %1 does not hold word %2").arg(shown, expected);
            unclosed |= !word.closed;
            parts.insert(word.span.start, shown);
        }
        for (const Span &comment : command.innerComments + QVector<Span> {command.comment}) {
            if (!comment.isEmpty())
                parts.insert(comment.start,
                             QLatin1Char('{') + textAt(line, comment) + QLatin1Char('}'));
        }
        if (!commands.isEmpty()) {
            const int end = covered.size();
            if (command.span.start == end) {
                commands.last() += QStringLiteral(" |*");
            } else {
                covered += line.at(end);
                commands.last() += read.commentSemicolons.contains(end) ? QStringLiteral(" |!")
                                                                        : QStringLiteral(" |");
            }
        }
        if (command.span.start != covered.size())
            return QStringLiteral("command spans leave a gap at %1").arg(covered.size());
        covered += textAt(line, command.span);
        commands << QStringList(parts.values()).join(QLatin1Char(' '));
    }
    if (covered != line.left(read.stop < 0 ? line.size() : read.stop))
        return QStringLiteral("command spans do not cover the line: ") + covered;
    if (unclosed != read.unbalancedQuote)
        return QStringLiteral("unbalanced quote reported wrongly");
    return commands.join(QLatin1Char(' ')) + (read.openComment ? QStringLiteral("...") : QString())
            + (read.stop >= 0 ? QStringLiteral(" <NUL>") : QString());
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
    // ET: Legacy cuts no command after the web address's "//", though its words are read.
    QTest::newRow("web address") << "seta url http://et.example/a;echo //x"
                                 << "seta url http://et.example/a | echo {//x}"
                                 << "seta url http://et.example/a;echo {//x}" << 37;
    QTest::newRow("comment between stars") << "echo a /* b; c */ d"
                                           << "echo a /* b | c */ d"
                                           << "echo a {/* b; c */} |* d" << 19;
    QTest::newRow("comment between stars left open") << "echo a /* b;c"
                                                     << "echo a /* b | c"
                                                     << "echo a {/* b;c}..." << 13;
    QTest::newRow("slash, star, slash") << "/*/echo"
                                        << "/*/echo"
                                        << "{/*/} |* echo" << 7;
    QTest::newRow("comment between stars inside a word") << "echo a/*\"x*/\"b"
                                                         << "echo a/* \"x*/\" b"
                                                         << "echo a {/*\"x*/} |* \"b" << 14;
    QTest::newRow("comment between stars after a web address")
            << "echo http://a /* x; */ b;c"
            << "echo http://a /* x | */ b | c"
            << "echo http://a {/* x; */} b;c" << 26;
    QTest::newRow("quoted stars") << "echo \"/*\" b"
                                  << "echo \"/*\" b"
                                  << "=" << 11;
    QTest::newRow("NUL") << QStringLiteral("echo a; say b") + QChar(0) + QStringLiteral("; quit")
                         << "echo a | say b <NUL>"
                         << "=" << 13;
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
    // ET: Legacy reads "/*" as a comment's start outside quotes.
    QTest::newRow("slash and star") << value << "a/*b*/c"
                                    << "\"a/*b*/c\"";
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

    // Characters taken for a line end: the script view breaks its lines at the first four, the
    // game stops reading the file at a NUL. Each writer makes them blanks, as it does line ends.
    const QString breaks
            = QStringLiteral("a\u2028b\u2029c\ufdd0d\ufdd1e") + QChar(0) + QStringLiteral("f");
    QTest::newRow("value, hidden line ends") << value << breaks << "\"a b c d e f\"";
    QTest::newRow("setting, hidden line ends")
            << setting << breaks << "seta g_lms_matchlimit  \"a b c d e f\"";
    QTest::newRow("setting, only hidden line ends")
            << setting << QStringLiteral("\u2028\u2029\ufdd0\ufdd1") + QChar(0)
            << "//seta g_lms_matchlimit";
    QTest::newRow("binding, hidden line ends") << binding << breaks << "a b c d e f";
    QTest::newRow("comment, hidden line ends") << comment << breaks << "a b c d e f";
    QTest::newRow("key, hidden line ends") << key << breaks.toUpper() << "\"A B C D E F\"";
    QTest::newRow("key after a hidden line end") << key << "\u2029W"
                                                 << " W";
    QTest::newRow("key before a NUL") << key << QStringLiteral("W") + QChar(0) << "W ";
}

// Each written form also reads back, in both versions, as the one word the player meant.
void TestConsoleLine::writing()
{
    QFETCH(QString, kind);
    QFETCH(QString, typed);
    QFETCH(QString, written);

    // What the game reads: every line end, and every character taken for one, a blank.
    const auto blanked = [](QString text) {
        for (const QChar c : {QChar(u'\r'), QChar(u'\n'), QChar(0x2028), QChar(0x2029),
                              QChar(0xfdd0), QChar(0xfdd1), QChar(0)})
            text.replace(c, QLatin1Char(' '));
        return text;
    };
    QString line;
    QString meant = blanked(typed);
    int word = 2;
    if (kind == QLatin1String("value")) {
        QCOMPARE(settingValue(typed), written);
        line = QStringLiteral("seta v ") + written;
        meant.replace(QLatin1Char('"'), QLatin1Char('\''));
    } else if (kind == QLatin1String("setting")) {
        line = settingLine(QStringLiteral("seta g_lms_matchlimit  "), typed);
        QCOMPARE(line, written);
        if (meant.trimmed().isEmpty())
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
        meant = written == QLatin1String("SEMICOLON") ? written : blanked(typed).trimmed();
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
