#include "game/LineCheck.h"

#include "game/AsciiCase.h"
#include "game/ReadingCheck.h"

#include <QStringEncoder>

#include <algorithm>
#include <initializer_list>

namespace Game {

namespace {

// Command names compare as the game compares them: ASCII letters without regard to case.
bool is(QStringView word, QLatin1String name)
{
    if (word.size() != name.size())
        return false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (asciiLower(word[i].unicode()) != char16_t(name[i].unicode()))
            return false;
    }
    return true;
}

bool isSetCommand(QStringView word)
{
    return is(word, QLatin1String("set")) || is(word, QLatin1String("seta"))
            || is(word, QLatin1String("sets")) || is(word, QLatin1String("setu"));
}

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

// The words from `first` on, joined with one blank, as set and bind join them.
QString joinedWords(const QVector<Word> &words, int first)
{
    QString joined;
    for (int i = first; i < words.size(); ++i) {
        if (i > first)
            joined += QLatin1Char(' ');
        joined += words[i].text;
    }
    return joined;
}

Span spanFrom(const QVector<Word> &words, int first)
{
    const int start = words[first].span.start;
    return Span {start, words.last().span.end() - start};
}

// A binding's text or a value runs as commands later (when the key is pressed, when a vstr
// runs the value): collects the names those commands run with vstr, however deep.
void collectVstrNames(QStringView text, Version version, QStringList &names, int depth = 0)
{
    if (depth > 8)
        return;
    const ConsoleLine line = readLine(text, version);
    for (const Command &command : line.commands) {
        const QVector<Word> &w = command.words;
        if (w.size() < 2)
            continue;
        if (is(w[0].text, QLatin1String("vstr")))
            names << foldName(w[1].text);
        else if (w.size() >= 3 && (isSetCommand(w[0].text) || is(w[0].text, QLatin1String("bind"))))
            collectVstrNames(joinedWords(w, 2), version, names, depth + 1);
    }
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
            else if (is(name, QLatin1String("bind")) || is(name, QLatin1String("unbind")))
                checkBind(w);
            else if (is(name, QLatin1String("vstr")))
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

    QString notRead(const QString &name) const
    {
        return QStringLiteral("%1 does not read \"%2\": only its menus list it, so this line "
                              "changes nothing")
                .arg(m_name, name);
    }

    void checkSet(const QVector<Word> &w)
    {
        markWords(w, {Mark::Command, Mark::Setting});
        const QString &command = w[0].text;
        bool sets = true;
        if (w.size() < 3) {
            sets = false;
            problem(spanFrom(w, 0),
                    QStringLiteral("\"%1\" has no value: the game prints its usage and sets "
                                   "nothing")
                            .arg(command));
        }
        // ET 2.60b's seta, sets and setu do not join the words of a value as set does: a value
        // of more than one word is refused or cut, so it belongs in quotes.
        if (m_version == Version::Et260b && !is(command, QLatin1String("set")) && w.size() > 3) {
            sets = false;
            problem(spanFrom(w, 2),
                    QStringLiteral("%1: \"%2\" takes one value word; put the value in quotes")
                            .arg(m_name, command));
        }
        if (w.size() >= 2)
            checkSettingName(w[1], sets);
        if (w.size() >= 3)
            collectVstrNames(joinedWords(w, 2), m_version, m_out.vstrNames);
    }

    void checkSettingName(const Word &word, bool sets)
    {
        const SettingInfo *setting = findSetting(word.text);
        if (setting && setting->in(m_version)) {
            if (setting->flags(m_version) & SettingFlag::MenuOnly)
                problem(word.span, notRead(word.text));
            return;
        }
        QString message = QStringLiteral("%1 has no setting \"%2\"").arg(m_name, word.text);
        if (setting) {
            const Version other = m_version == Version::Et260b ? Version::Legacy : Version::Et260b;
            message += QStringLiteral(" (%1 has)").arg(displayName(other));
        }
        if (sets)
            message += QStringLiteral("; this line only makes a new variable");
        m_out.newVariables.append({foldName(word.text), {word.span, message}});
    }

    void checkBind(const QVector<Word> &w)
    {
        markWords(w, {Mark::Command, Mark::Key});
        if (w.size() < 2)
            return;
        const Word &key = w[1];
        const bool bind = is(w[0].text, QLatin1String("bind"));
        if (!isKey(key.text, m_version)) {
            problem(key.span,
                    QStringLiteral("%1: \"%2\" isn't a valid key; this line %3 nothing")
                            .arg(m_name, key.text,
                                 bind ? QStringLiteral("binds") : QStringLiteral("unbinds")));
            return;
        }
        if (bind && w.size() >= 3) {
            m_out.bindings.append({canonicalKey(key.text, m_version), key.text, key.span});
            collectVstrNames(joinedWords(w, 2), m_version, m_out.vstrNames);
        }
    }

    void checkVstr(const QVector<Word> &w)
    {
        markWords(w, {Mark::Command, Mark::Setting});
        if (w.size() >= 2)
            m_out.vstrNames << foldName(w[1].text);
    }

    // Any other command; a setting's name alone sets it too ("cg_fov 90").
    void checkOther(const QVector<Word> &w)
    {
        const CommandInfo *command = findCommand(w[0].text);
        if (command && command->in(m_version)) {
            markWords(w, {Mark::Command});
            return;
        }
        const SettingInfo *setting = findSetting(w[0].text);
        if (setting && setting->in(m_version)) {
            markWords(w, {Mark::Setting});
            if (setting->flags(m_version) & SettingFlag::MenuOnly)
                problem(w[0].span, notRead(w[0].text));
            return;
        }
        markWords(w, {});
        problem(w[0].span,
                QStringLiteral("%1 has no command \"%2\"; it does nothing").arg(m_name, w[0].text));
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

LineCheck checkLine(QStringView text, Version version)
{
    LineCheck out;
    const ConsoleLine line = readLine(text, version);
    Checker checker(version, out);
    for (const Command &command : line.commands)
        checker.check(command);

    // ET 2.60b: the ';' ends the comment, and the command after it runs. Both lists go left to
    // right, so one walk finds the command after each ';' (a line of "//;" repeated has many).
    const QString endsComment = QStringLiteral("%1 ends the comment at this \";\" and runs the "
                                               "rest as a command")
                                        .arg(displayName(version));
    int next = 0;
    for (const int at : line.commentSemicolons) {
        while (next < line.commands.size() && line.commands[next].span.start <= at)
            ++next;
        const int end
                = next < line.commands.size() ? line.commands[next].span.end() : int(text.size());
        checker.problem(Span {at, end - at}, endsComment);
    }
    if (line.unbalancedQuote && !line.commands.last().words.isEmpty()) {
        const Word &open = line.commands.last().words.last();
        checker.problem(open.span,
                        QStringLiteral("This quote is not closed: the game reads the rest of the "
                                       "line as one word"));
    }
    if (line.byteLength > maxCommandBytes) {
        for (const Command &command : line.commands) {
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

} // namespace Game
