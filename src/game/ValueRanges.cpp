#include "game/ValueRanges.h"

#include <algorithm>
#include <cmath>

namespace Game {

namespace {

struct Range
{
    const char *setting;
    Version version;
    ValueRange range;
};

// ET 2.60b takes any com_maxfps (0: no limit).
constexpr Range ranges[] = {
        {"com_maxfps", Version::Legacy, {20, 500, true}},
        {"cg_fov", Version::Et260b, {90, 160, false}},
        {"cg_fov", Version::Legacy, {75, 160, false}},
};

QString number(double value)
{
    return QString::number(value, 'g', 10);
}

} // namespace

std::optional<ValueRange> valueRange(QStringView setting, Version version)
{
    const QString name = foldName(setting);
    for (const Range &range : ranges) {
        if (range.version == version && name == QLatin1String(range.setting))
            return range.range;
    }
    return std::nullopt;
}

QStringList soundRates(Version version)
{
    QStringList rates {QStringLiteral("11"), QStringLiteral("22"), QStringLiteral("44")};
    if (version == Version::Legacy)
        rates << QStringLiteral("48");
    return rates;
}

QString valueOutOfRange(QStringView setting, const QString &value, Version version)
{
    const QString text = value.trimmed();
    if (text.isEmpty())
        return QString();
    const QString game = displayName(version);
    const QString name = foldName(setting);
    if (name == QLatin1String("s_khz")) {
        const QStringList rates = soundRates(version);
        if (rates.contains(text))
            return QString();
        QString listed = rates.mid(0, rates.size() - 1).join(QStringLiteral(", "));
        listed += QStringLiteral(" or ") + rates.last();
        return QStringLiteral("%1 takes s_khz %2: it would use %3 for %4")
                .arg(game, listed,
                     version == Version::Legacy ? QStringLiteral("22") : QStringLiteral("11"),
                     text);
    }
    const std::optional<ValueRange> range = valueRange(name, version);
    if (!range)
        return QString();
    bool isNumber = false;
    const double read = text.toDouble(&isNumber);
    const bool inside = isNumber && read >= range->lowest && read <= range->highest
            && (!range->whole || read == std::floor(read));
    if (inside)
        return QString();
    QString note = QStringLiteral("%1 takes %2 from %3 to %4")
                           .arg(game, name)
                           .arg(range->lowest)
                           .arg(range->highest);
    if (range->whole)
        note += QStringLiteral(", whole numbers");
    if (isNumber) {
        const double used = std::clamp(range->whole ? std::trunc(read) : read,
                                       double(range->lowest), double(range->highest));
        note += QStringLiteral(": it would use %1 for %2").arg(number(used), text);
    }
    return note;
}

} // namespace Game
