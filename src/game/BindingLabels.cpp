#include "game/BindingLabels.h"

#include "game/ConsoleLine.h"

#include <QVector>

namespace Game {

namespace {

bool is(QStringView word, const char *name)
{
    return word.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

bool isAny(QStringView word, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        if (is(word, name))
            return true;
    }
    return false;
}

bool isScript(QStringView word)
{
    return isAny(word, {"vstr", "+vstr", "exec", "execq"});
}

bool isChat(QStringView word)
{
    return isAny(word,
                 {"say", "say_team", "say_buddy", "say_teamnl", "say_limbo", "vsay", "vsay_team",
                  "vsay_buddy", "messagemode", "messagemode2", "messagemode3", "mp_quickmessage",
                  "mp_fireteammsg"});
}

bool isSay(QStringView word)
{
    return isAny(word, {"say", "say_team", "say_buddy", "say_teamnl", "say_limbo"});
}

BindingKind kindOf(QStringView word)
{
    if (isAny(word,
              {"+forward", "+back", "+moveleft", "+moveright", "+moveup", "+movedown", "+leanleft",
               "+leanright", "+prone", "+speed", "+sprint", "+strafe", "+left", "+right", "+lookup",
               "+lookdown", "+mlook", "+activate"}))
        return BindingKind::Moving;
    if (isAny(word,
              {"+attack", "+attack2", "+reload", "+zoom", "+weapzoom", "weapalt", "weapnext",
               "weapprev", "weaponbank", "weapon", "weaplastused", "weapnextinbank",
               "weapprevinbank", "toggleweapzoom", "+useitem"}))
        return BindingKind::Weapons;
    if (isAny(word, {"set", "seta", "sets", "setu", "toggle", "cycle", "reset"}))
        return BindingKind::Settings;
    const SettingInfo *setting = findSetting(word);
    return setting ? BindingKind::Settings : BindingKind::Other;
}

QVector<QVector<Word>> commandsOf(QStringView binding)
{
    QVector<QVector<Word>> commands;
    // The binding runs as a command line of its own when the key is pressed.
    for (const Command &command : readLine(binding, Version::Legacy).commands) {
        if (!command.words.isEmpty())
            commands.append(command.words);
    }
    return commands;
}

QString rest(const QVector<Word> &words)
{
    QString text;
    for (int i = 1; i < words.size(); ++i)
        text += (i > 1 ? QStringLiteral(" ") : QString()) + words[i].text;
    return text;
}

} // namespace

BindingKind bindingKind(QStringView binding)
{
    const QVector<QVector<Word>> commands = commandsOf(binding);
    if (commands.isEmpty())
        return BindingKind::Other;
    for (const QVector<Word> &words : commands) {
        if (isScript(words[0].text))
            return BindingKind::Scripts;
    }
    for (const QVector<Word> &words : commands) {
        if (isChat(words[0].text))
            return BindingKind::Chat;
    }
    return kindOf(commands.front()[0].text);
}

QString bindingLabel(QStringView binding)
{
    const QVector<QVector<Word>> commands = commandsOf(binding);
    if (commands.isEmpty())
        return binding.trimmed().toString();
    const QVector<Word> *telling = nullptr;
    for (bool (*wanted)(QStringView) : {isScript, isSay}) {
        for (const QVector<Word> &words : commands) {
            if (!telling && wanted(words[0].text))
                telling = &words;
        }
    }
    if (!telling)
        telling = &commands.front();
    const QString command = telling->at(0).text;
    if (telling->size() > 1 && (isScript(command) || isSay(command)))
        return rest(*telling);
    if (command.startsWith(QLatin1Char('+')) && telling->size() == 1)
        return command.mid(1);
    QString label = command;
    for (int i = 1; i < telling->size(); ++i)
        label += QLatin1Char(' ') + telling->at(i).text;
    return label;
}

} // namespace Game
