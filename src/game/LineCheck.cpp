#include "game/LineCheck.h"

#include "game/LaterCommands.h"
#include "game/ReadingCheck.h"
#include "game/ValueRules.h"

#include <QStringEncoder>

#include <algorithm>
#include <initializer_list>

namespace Game {

namespace {

bool isNumber(QStringView word)
{
    qsizetype i = 0;
    if (!word.isEmpty() && (word[0] == u'-' || word[0] == u'+'))
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < word.size(); ++i) {
        if (word[i].isDigit() && word[i].unicode() < 0x80)
            digits = true;
        else if (word[i] == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

// Where a command grows past the bytes the game reads: the first character cut off, or -1.
int firstCharCut(QStringView text, Span span)
{
    QStringEncoder encoder(QStringConverter::System);
    int bytes = 0;
    for (int i = span.start; i < span.end(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < span.end();
        if (text[i].unicode() < 0x80) {
            ++bytes;
        } else {
            const QByteArray encoded = encoder(text.mid(i, pair ? 2 : 1));
            bytes += int(encoded.size());
        }
        if (bytes > maxCommandBytes)
            return i;
        if (pair)
            ++i;
    }
    return -1;
}

class Checker
{
public:
    Checker(Version version, LineCheck &out)
        : m_version(version)
        , m_name(displayName(version))
        , m_out(out)
    { }

    void check(const Command &command)
    {
        const QVector<Word> &w = command.words;
        if (!w.isEmpty()) {
            const QStringView name = w[0].text;
            if (isSetCommand(name))
                checkSet(w);
            else if (isCommand(name, QLatin1String("bind"))
                     || isCommand(name, QLatin1String("unbind")))
                checkBind(w);
            else if (isCommand(name, QLatin1String("vstr")))
                checkVstr(w);
            else
                checkOther(w);
        }
        if (!command.comment.isEmpty())
            m_out.marks.append({command.comment, Mark::Comment});
    }

    void problem(Span span, const QString &message) { m_out.problems.append({span, message}); }

private:
    // The first words by their role; the others quoted text or numbers.
    void markWords(const QVector<Word> &words, std::initializer_list<Mark> roles)
    {
        for (int i = 0; i < words.size(); ++i) {
            if (i < int(roles.size()))
                m_out.marks.append({words[i].span, roles.begin()[i]});
            else if (words[i].quoted)
                m_out.marks.append({words[i].span, Mark::Quoted});
            else if (isNumber(words[i].text))
                m_out.marks.append({words[i].span, Mark::Number});
        }
    }

    // A setting the game has but does not use: only its menus list it, or nothing reads it.
    void checkUnused(const SettingInfo &setting, const Word &word)
    {
        const SettingFlags flags = setting.flags(m_version);
        if (flags & SettingFlag::MenuOnly) {
            problem(word.span,
                    QStringLiteral("%1 does not read \"%2\": only its menus list it, so this "
                                   "line changes nothing")
                            .arg(m_name, word.text));
        } else if (flags & SettingFlag::NoEffect) {
            problem(word.span,
                    QStringLiteral("%1 does not use \"%2\": nothing reads it or the game sets it "
                                   "itself, so this line changes nothing")
                            .arg(m_name, word.text));
        }
    }

    void checkSet(const QVector<Word> &w)
    {
        markWords(w, {Mark::Command, Mark::Setting});
        const SetValue value = setValue(w, m_version, m_out.problems);
        if (w.size() < 2)
            return;
        const SettingInfo *setting = checkSettingName(w[1], value.sets);
        m_out.setNames << foldName(w[1].text);
        if (w.size() < 3)
            return;
        if (setting && value.sets)
            checkSettingValue(*setting, w[1], value.text, spanFrom(w, 2), m_version,
                              m_out.problems);
        // What a vstr of the name would run. Scripts run their own variables: the values of
        // the game's settings are only looked through for the names they run.
        QVector<Problem> run;
        checkInnerQuotes(w, m_version, run);
        checkLater(joinedWords(w, 2), nested(Later(), w, 2, vstrRuns, setting ? nullptr : &run),
                   m_version, m_out);
        for (const Problem &problem : qAsConst(run))
            m_out.runProblems.append({foldName(w[1].text), problem});
    }

    // The setting a set line names, when this version has it.
    const SettingInfo *checkSettingName(const Word &word, bool sets)
    {
        const SettingInfo *setting = findSetting(word.text);
        if (setting && setting->in(m_version)) {
            checkUnused(*setting, word);
            return setting;
        }
        QString message = QStringLiteral("%1 has no setting \"%2\"").arg(m_name, word.text);
        if (setting) {
            const Version other = m_version == Version::Et260b ? Version::Legacy : Version::Et260b;
            message += QStringLiteral(" (%1 has)").arg(displayName(other));
        }
        if (sets)
            message += QStringLiteral("; this line only makes a new variable");
        if (!setting)
            message += didYouMean(word.text, m_version, false);
        m_out.newVariables.append({foldName(word.text), {word.span, message}});
        return nullptr;
    }

    void checkBind(const QVector<Word> &w)
    {
        markWords(w, {Mark::Command, Mark::Key});
        if (w.size() < 2)
            return;
        const Word &key = w[1];
        const bool bind = isCommand(w[0].text, QLatin1String("bind"));
        if (!isKey(key.text, m_version)) {
            // "bind  "+forward"": the key field was left empty.
            if (bind && w.size() == 2 && key.quoted) {
                problem(key.span,
                        QStringLiteral("No key given: the game takes \"%1\" for the key and "
                                       "binds nothing")
                                .arg(key.text));
                return;
            }
            problem(key.span,
                    QStringLiteral("%1: \"%2\" isn't a valid key; this line %3 nothing")
                            .arg(m_name, key.text,
                                 bind ? QStringLiteral("binds") : QStringLiteral("unbinds")));
            return;
        }
        if (bind && w.size() >= 3) {
            const QString text = joinedWords(w, 2);
            m_out.bindings.append({canonicalKey(key.text, m_version), key.text, key.span, text});
            checkLater(text, nested(Later(), w, 2, keyPressed, &m_out.problems), m_version, m_out);
        }
    }

    void checkVstr(const QVector<Word> &w)
    {
        markWords(w, {Mark::Command, Mark::Setting});
        if (w.size() >= 2)
            useName(m_out, w[1], w[1].span, m_version);
    }

    // Any other command; a setting's name alone sets it too ("cg_fov 90").
    void checkOther(const QVector<Word> &w)
    {
        const CommandInfo *command = findCommand(w[0].text);
        if (command && command->in(m_version)) {
            markWords(w, {Mark::Command});
            if (isCommand(w[0].text, QLatin1String("+vstr"))) {
                for (int i = 1; i < std::min(int(w.size()), 3); ++i)
                    useName(m_out, w[i], w[i].span, m_version);
            }
            return;
        }
        const SettingInfo *setting = findSetting(w[0].text);
        if (setting && setting->in(m_version)) {
            markWords(w, {Mark::Setting});
            checkUnused(*setting, w[0]);
            if (w.size() >= 2) {
                checkSettingValue(*setting, w[0], nameLineValue(w, m_version), spanFrom(w, 1),
                                  m_version, m_out.problems);
            }
            return;
        }
        markWords(w, {});
        problem(w[0].span, unknownCommandMessage(w[0].text, m_version));
    }

    Version m_version;
    QString m_name;
    LineCheck &m_out;
};

bool byStart(const Problem &a, const Problem &b)
{
    return a.span.start < b.span.start;
}

} // namespace

LineCheck checkLine(QStringView text, Version version, bool inComment)
{
    LineCheck out;
    const ConsoleLine line = readLine(text, version, inComment);
    out.openComment = line.openComment;
    Checker checker(version, out);
    for (const Command &command : line.commands)
        checker.check(command);

    // ET 2.60b: the ';' ends the comment, and the command after it runs; a ';' followed by
    // nothing but blanks runs nothing. Both lists go left to right, so one walk finds the
    // command after each ';' (a line of "//;" repeated has many).
    const QString endsComment = QStringLiteral("%1 ends the comment at this \";\" and runs the "
                                               "rest as a command")
                                        .arg(displayName(version));
    int next = 0;
    for (const int at : line.commentSemicolons) {
        while (next < line.commands.size() && line.commands[next].span.start <= at)
            ++next;
        if (next >= line.commands.size() || line.commands[next].words.isEmpty())
            continue;
        checker.problem(Span {at, line.commands[next].span.end() - at}, endsComment);
    }
    if (line.unbalancedQuote && !line.commands.last().words.isEmpty()) {
        const Word &open = line.commands.last().words.last();
        checker.problem(open.span,
                        QStringLiteral("This quote is not closed: the game reads the rest of the "
                                       "line as one word"));
    }
    if (line.byteLength > maxCommandBytes) {
        // The rest of a comment from the lines above runs nothing that could be cut.
        for (const Command &command : line.commands.mid(line.continuesComment ? 1 : 0)) {
            const int cut = firstCharCut(text, command.span);
            if (cut >= 0) {
                checker.problem(Span {cut, command.span.end() - cut},
                                QStringLiteral("The game reads at most %1 bytes of a command and "
                                               "cuts off the rest")
                                        .arg(maxCommandBytes));
            }
        }
    }
    checkReading(text, line, version, out);
    std::stable_sort(out.problems.begin(), out.problems.end(), byStart);
    return out;
}

QString boundAgainMessage(const QString &key, int earlierLine)
{
    return QStringLiteral("%1 was bound on line %2; this line replaces it")
            .arg(key)
            .arg(earlierLine);
}

QString neverSetMessage(const QString &name)
{
    return QStringLiteral("The script never sets \"%1\": this vstr runs nothing unless another "
                          "file sets it")
            .arg(name);
}

} // namespace Game
