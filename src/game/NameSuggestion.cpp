#include "game/NameSuggestion.h"

#include <QHash>
#include <QVector>

#include <algorithm>

namespace Game {

namespace {

struct Known
{
    QString folded;
    QString spelling;
};

// The names of one version and kind, by the length of their folded form.
using ByLength = QVector<QVector<Known>>;

void addNames(ByLength &byLength, const QStringList &names)
{
    for (const QString &name : names) {
        if (byLength.size() <= name.size())
            byLength.resize(name.size() + 1);
        byLength[name.size()].append({foldName(name), name});
    }
}

const ByLength &namesOf(Version version, bool commandsToo)
{
    static ByLength tables[2][2];
    static bool filled[2][2] = {};
    ByLength &table = tables[int(version)][commandsToo];
    if (!filled[int(version)][commandsToo]) {
        filled[int(version)][commandsToo] = true;
        addNames(table, settingNames(version));
        if (commandsToo)
            addNames(table, commandNames(version));
    }
    return table;
}

// The edit distance of a and b, or limit + 1 once it is sure to be larger than `limit`.
int distance(QStringView a, QStringView b, int limit)
{
    QVector<int> row(b.size() + 1);
    for (int j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (int i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        int best = row[0];
        for (int j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
            best = std::min(best, row[j]);
        }
        if (best > limit)
            return limit + 1;
    }
    return row[b.size()];
}

QString search(const QString &folded, Version version, bool commandsToo)
{
    const int limit = folded.size() < 4 ? 0 : folded.size() <= 6 ? 1 : 2;
    if (limit == 0)
        return QString();
    const ByLength &byLength = namesOf(version, commandsToo);
    QString best;
    int bestDistance = limit + 1;
    const int longest = int(std::min<qsizetype>(byLength.size() - 1, folded.size() + limit));
    for (int length = std::max(0, int(folded.size()) - limit); length <= longest; ++length) {
        for (const Known &known : byLength[length]) {
            const int d = distance(folded, known.folded, bestDistance - 1);
            if (d < bestDistance) {
                bestDistance = d;
                best = known.spelling;
            }
        }
    }
    return best;
}

} // namespace

QString closestName(QStringView name, Version version, bool commandsToo)
{
    // A script repeats its unknown names: each is looked for once.
    static QHash<QString, QString> found[2][2];
    const QString folded = foldName(name);
    QHash<QString, QString> &cache = found[int(version)][commandsToo];
    const auto at = cache.constFind(folded);
    if (at != cache.cend())
        return at.value();
    const QString best = search(folded, version, commandsToo);
    cache.insert(folded, best);
    return best;
}

} // namespace Game
