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

// The names of one version and kind, found by what is left of them with one character taken
// out (or none): two names one edit or a swap apart share such a form, so a look-up costs a
// few hash searches instead of a pass over every name.
struct NameIndex
{
    QVector<Known> names;
    QHash<QString, QVector<int>> byForm;
    int longest = 0; // the length of the longest name
};

// `word`, and `word` without each of its characters in turn.
QStringList formsOf(const QString &word)
{
    QStringList forms {word};
    for (int i = 0; i < word.size(); ++i)
        forms << QString(word).remove(i, 1);
    return forms;
}

void addNames(NameIndex &index, const QStringList &names)
{
    for (const QString &name : names) {
        const int at = int(index.names.size());
        index.names.append({foldName(name), name});
        index.longest = std::max(index.longest, int(name.size()));
        for (const QString &form : formsOf(index.names.last().folded))
            index.byForm[form].append(at);
    }
}

const NameIndex &namesOf(Version version, bool commandsToo)
{
    static NameIndex tables[2][2];
    static bool filled[2][2] = {};
    NameIndex &table = tables[int(version)][commandsToo];
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
    const NameIndex &index = namesOf(version, commandsToo);
    // A word longer than every name by more than the limit is close to none; its forms would
    // cost the square of its length (a line of one 64 KiB word would take gigabytes).
    if (folded.size() > index.longest + limit)
        return QString();
    int best = -1;
    int bestDistance = limit + 1;
    for (const QString &form : formsOf(folded)) {
        const auto found = index.byForm.constFind(form);
        if (found == index.byForm.cend())
            continue;
        for (const int at : found.value()) {
            const int d = distance(folded, index.names[at].folded, bestDistance - 1);
            // The first name in the order of the table wins among those as close.
            if (d < bestDistance || (d == bestDistance && at < best)) {
                bestDistance = d;
                best = at;
            }
        }
    }
    return best < 0 ? QString() : index.names[best].spelling;
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
