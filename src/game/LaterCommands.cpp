#include "game/LaterCommands.h"

#include "game/NameSuggestion.h"
#include "game/ValueRules.h"

namespace Game {

const QString keyPressed = QStringLiteral(" when the key is pressed");
const QString vstrRuns = QStringLiteral(" when vstr runs this value");

Later nested(const Later &outer, const QVector<Word> &w, int first, const QString &when,
             QVector<Problem> *problems)
{
    Later later;
    later.when = when;
    later.problems = problems;
    later.depth = outer.depth + 1;
    later.exact = outer.exact && w.size() == first + 1;
    later.base = outer.base + w[first].span.start + (w[first].quoted ? 1 : 0);
    later.whole = outer.map(spanFrom(w, first));
    return later;
}

QString didYouMean(QStringView name, Version version, bool commandsToo)
{
    const QString closest = closestName(name, version, commandsToo);
    return closest.isEmpty() ? QString() : QStringLiteral("; did you mean %1?").arg(closest);
}

QString unknownCommandMessage(QStringView name, Version version, const QString &when)
{
    QString message = QStringLiteral("%1 has no command \"%2\"; it does nothing%3")
                              .arg(displayName(version), name.toString(), when);
    if (!findSetting(name) && !findCommand(name))
        message += didYouMean(name, version, true);
    return message;
}

void useName(LineCheck &out, const Word &word, Span span, Version version)
{
    const SettingInfo *setting = findSetting(word.text);
    out.vstrNames.append({foldName(word.text), word.text, span, setting && setting->in(version)});
}

namespace {

void checkLaterCommand(const Command &command, const Later &later, Version version, LineCheck &out)
{
    if (!command.comment.isEmpty())
        later.problem(command.comment, QStringLiteral("The game drops the text after \"//\""));
    const QVector<Word> &w = command.words;
    if (w.isEmpty())
        return;
    const QStringView name = w[0].text;
    const bool bind = isCommand(name, QLatin1String("bind"));
    if (isSetCommand(name)) {
        if (w.size() >= 2)
            out.setNames << foldName(w[1].text);
        // Names only: what a value is for is told by the line that runs it.
        if (w.size() >= 3)
            checkLater(joinedWords(w, 2), nested(later, w, 2, vstrRuns, nullptr), version, out);
    } else if (bind || isCommand(name, QLatin1String("unbind"))) {
        if (w.size() >= 2 && !isKey(w[1].text, version)) {
            later.problem(w[1].span,
                          QStringLiteral("%1: \"%2\" isn't a valid key; nothing is bound")
                                  .arg(displayName(version), w[1].text));
        } else if (bind && w.size() >= 3) {
            checkLater(joinedWords(w, 2), nested(later, w, 2, later.when, later.problems), version,
                       out);
        }
    } else if (isCommand(name, QLatin1String("vstr")) || isCommand(name, QLatin1String("+vstr"))) {
        const int last = isCommand(name, QLatin1String("vstr")) ? 2 : 3;
        for (int i = 1; i < std::min(int(w.size()), last); ++i)
            useName(out, w[i], later.map(w[i].span), version);
    } else if (later.problems) {
        const CommandInfo *known = findCommand(name);
        if (known && known->in(version))
            return;
        const SettingInfo *setting = findSetting(name);
        if (!(setting && setting->in(version)))
            later.tell(w[0].span, unknownCommandMessage(name, version, later.when));
    }
}

} // namespace

void checkLater(const QString &text, const Later &later, Version version, LineCheck &out)
{
    if (later.depth > deepest)
        return;
    const ConsoleLine line = readLine(text, version);
    for (const Command &command : line.commands)
        checkLaterCommand(command, later, version, out);
}

} // namespace Game
