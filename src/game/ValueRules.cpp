#include "game/ValueRules.h"

#include "game/ValueRanges.h"

#include <QStringEncoder>

#include <cmath>
#include <optional>

namespace Game {

namespace {

// ET 2.60b's set joins value words while the count it keeps stays under 254 (MAX_STRING_TOKENS
// less two). It counts each word one byte short, so one word of 255 bytes is already too long.
constexpr int setJoinLimit = 254;

int byteLength(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            QStringEncoder encoder(QStringConverter::System);
            const QByteArray bytes = encoder.encode(text);
            return int(bytes.size());
        }
    }
    return int(text.size());
}

// The number a value starts with, as the game's atof reads it; none when it starts with none.
std::optional<double> leadingNumber(const QString &value)
{
    const QString text = value.trimmed();
    int end = 0;
    if (end < text.size() && (text[end] == u'-' || text[end] == u'+'))
        ++end;
    bool digits = false;
    bool point = false;
    for (; end < text.size(); ++end) {
        const char16_t c = text[end].unicode();
        if (c >= u'0' && c <= u'9')
            digits = true;
        else if (c == u'.' && !point)
            point = true;
        else
            break;
    }
    if (!digits)
        return std::nullopt;
    return text.left(end).toDouble();
}

QString number(double value)
{
    return QString::number(value, 'g', 10);
}

// A note where the game clamps the value or takes another: empty when it takes it as it is.
QString rangeNote(const QString &name, const QString &value, Version version)
{
    const std::optional<ValueRange> range = valueRange(name, version);
    const bool khz = isCommand(name, QLatin1String("s_khz"));
    if (!range && !khz)
        return QString();
    const std::optional<double> read = leadingNumber(value);
    if (!read)
        return QString();
    const double v = *read;
    if (range) {
        if (v >= range->lowest && v <= range->highest)
            return QString();
        return QStringLiteral("%1 keeps %2 between %3 and %4: %5 acts as %6")
                .arg(displayName(version), name, number(range->lowest), number(range->highest),
                     value.trimmed(), number(v < range->lowest ? range->lowest : range->highest));
    }
    // The game reads the rate as a whole number and drops a fraction (truncated as a double: a
    // cast to int would overflow on a huge value).
    if (soundRates(version).contains(number(std::trunc(v))))
        return QString();
    if (version == Version::Et260b)
        return QStringLiteral("ET 2.60b plays sound at 11 kHz for any s_khz but 22 or 44");
    return QStringLiteral("ET: Legacy takes s_khz 11, 22, 44 or 48; any other value means 22");
}

// ET 2.60b's seta, sets and setu drop a fourth word "unsafe" (the game writes it after the
// values of its unsafe settings); the value is then the third word alone.
bool dropsUnsafe(const QVector<Word> &w, Version version)
{
    return version == Version::Et260b && !isCommand(w[0].text, QLatin1String("set"))
            && w.size() == 4 && w[3].text == QLatin1String("unsafe");
}

} // namespace

bool isCommand(QStringView word, QLatin1String name)
{
    if (word.size() != name.size())
        return false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        char16_t c = word[i].unicode();
        if (c >= u'A' && c <= u'Z')
            c = char16_t(c + (u'a' - u'A'));
        if (c != char16_t(name[i].unicode()))
            return false;
    }
    return true;
}

bool isSetCommand(QStringView word)
{
    return isCommand(word, QLatin1String("set")) || isCommand(word, QLatin1String("seta"))
            || isCommand(word, QLatin1String("sets")) || isCommand(word, QLatin1String("setu"));
}

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

SetValue setValue(const QVector<Word> &w, Version version, QVector<Problem> &problems)
{
    const QString &command = w[0].text;
    if (w.size() < 3) {
        problems.append({spanFrom(w, 0),
                         QStringLiteral("\"%1\" has no value: the game prints its usage and sets "
                                        "nothing")
                                 .arg(command)});
        return {QString(), false};
    }
    if (version == Version::Legacy)
        return {joinedWords(w, 2), true};
    if (!isCommand(command, QLatin1String("set")) && w.size() > 4) {
        problems.append({spanFrom(w, 2),
                         QStringLiteral("ET 2.60b: \"%1\" takes at most two value words: the "
                                        "game prints its usage and sets nothing; put the value "
                                        "in quotes")
                                 .arg(command)});
        return {joinedWords(w, 2), false};
    }
    const int count = dropsUnsafe(w, version) ? 3 : int(w.size());
    QString value;
    int kept = 0;
    for (int i = 2; i < count; ++i) {
        const int length = std::max(byteLength(w[i].text) - 1, 0);
        if (kept + length >= setJoinLimit) {
            const QString message = i == 2
                    ? QStringLiteral("ET 2.60b leaves the value empty: a value word of 255 "
                                     "bytes or more is too long for it")
                    : QStringLiteral("ET 2.60b cuts a value near 254 bytes: it drops the words "
                                     "from here on");
            problems.append({spanFrom(w, i), message});
            break;
        }
        value += w[i].text;
        if (i != count - 1)
            value += QLatin1Char(' ');
        kept += length;
    }
    return {value, true};
}

QString nameLineValue(const QVector<Word> &w, Version version)
{
    // ET 2.60b takes the first word after the name; ET: Legacy joins them all.
    return version == Version::Et260b ? w[1].text : joinedWords(w, 1);
}

void checkSettingValue(const SettingInfo &setting, const Word &name, const QString &value,
                       Span valueSpan, Version version, QVector<Problem> &problems)
{
    const SettingFlags flags = setting.flags(version);
    const bool differs
            = setting.startsAtRunTime || (setting.startValue && *setting.startValue != value);
    if (differs && (flags & SettingFlag::ReadOnly)) {
        problems.append({name.span,
                         QStringLiteral("%1 is read only: the game keeps its own value, so this "
                                        "line changes nothing")
                                 .arg(name.text)});
    } else if (differs && (flags & SettingFlag::InitOnly)) {
        problems.append({name.span,
                         QStringLiteral("%1 is write protected: only the game's command line "
                                        "sets it, so this line changes nothing")
                                 .arg(name.text)});
    } else if (differs && (flags & SettingFlag::Cheat)) {
        problems.append({name.span,
                         QStringLiteral("%1 is cheat protected: the game puts it back when you "
                                        "join a server")
                                 .arg(name.text)});
    }
    const QString note = rangeNote(name.text, value, version);
    if (!note.isEmpty())
        problems.append({valueSpan, note});
}

void checkInnerQuotes(const QVector<Word> &w, Version version, QVector<Problem> &problems)
{
    if (version != Version::Et260b || w.size() < 4 || dropsUnsafe(w, version))
        return;
    for (int i = 2; i < w.size(); ++i) {
        if (w[i].quoted && w[i].text.contains(QLatin1Char(' '))) {
            problems.append({w[i].span,
                             QStringLiteral("ET 2.60b drops these quotes when it joins the value's "
                                            "words, so a vstr of it splits \"%1\" at the blank")
                                     .arg(w[i].text)});
        }
    }
}

} // namespace Game
