// The writers of typed text into script lines, on any text: each writes one line that the game
// reads back as the one word (or comment) the player meant, in both versions.
#include "FuzzSupport.h"
#include "LineInvariants.h"

#include "game/ConsoleLine.h"
#include "game/ScriptText.h"

using namespace Game;

namespace {

// The text as the game gets it: every line end, and every character taken for one, a blank.
QString blanked(QString text)
{
    for (const char16_t c : {u'\r', u'\n', u'\u2028', u'\u2029', u'\ufdd0', u'\ufdd1', u'\0'})
        text.replace(QChar(c), QLatin1Char(' '));
    return text;
}

void checkOneLine(const QString &line)
{
    for (const char16_t c : {u'\r', u'\n', u'\u2028', u'\u2029', u'\ufdd0', u'\ufdd1', u'\0'})
        FUZZ_CHECK(!line.contains(QChar(c)), line);
}

// `line` as each version reads it: one command whose words are `words`.
void checkReadsAs(const QString &line, const QStringList &words)
{
    checkOneLine(line);
    for (const Version version : allVersions) {
        const ConsoleLine read = readLine(line, version);
        Fuzz::checkRead(line, read, version);
        FUZZ_CHECK(read.commands.size() == 1 && read.commands.first().comment.isEmpty(), line);
        QStringList texts;
        for (const Word &word : read.commands.first().words)
            texts << word.text;
        FUZZ_CHECK(texts == words, line);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString typed = Fuzz::text(data, size);
    const QString meant = blanked(typed);

    const QString value = settingValue(typed);
    if (!value.isEmpty()) {
        QString kept = meant;
        kept.replace(QLatin1Char('"'), QLatin1Char('\''));
        checkReadsAs(QStringLiteral("seta v ") + value, {"seta", "v", kept});
    }
    const QString setting = settingLine(QStringLiteral("seta v "), typed);
    checkOneLine(setting);
    FUZZ_CHECK(setting == QLatin1String("//seta v") || setting == "seta v " + value, typed);

    const QString said = bindingText(typed);
    FUZZ_CHECK(!said.contains(QLatin1Char('"')) && !said.contains(QLatin1Char(';')), typed);
    checkReadsAs(QStringLiteral("bind k \"say ") + said + QLatin1Char('"'),
                 {"bind", "k", "say " + said});

    const QString comment = QStringLiteral("//") + commentText(typed);
    checkOneLine(comment);
    for (const Version version : allVersions) {
        const ConsoleLine read = readLine(comment, version);
        FUZZ_CHECK(read.commands.size() == 1, comment);
        FUZZ_CHECK(read.commands.first().comment == (Span {0, int(comment.size())}), comment);
    }

    const QStringList bound = bindLine(typed, QStringLiteral("+attack"));
    FUZZ_CHECK(bound.size() == (canBind(typed) ? 1 : 0), typed);
    if (!bound.isEmpty() && !meant.trimmed().isEmpty()) {
        const QString key = bindKey(typed) == QLatin1String("SEMICOLON")
                ? QStringLiteral("SEMICOLON")
                : meant.trimmed();
        checkReadsAs(bound.first(), {"bind", key, "+attack"});
    }
    return 0;
}
