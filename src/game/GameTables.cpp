#include "game/GameTables.h"

#include "game/AsciiCase.h"

#include <QFile>

#include <cstring>

// The tables are the repository's copies under resources/game/, compiled in as a Qt resource:
// the program needs no files beside it, and a table is edited as the plain text it is. They are
// parsed on the first lookup, not at start-up, which the game lookups never slow down.
static void initGameTables()
{
    Q_INIT_RESOURCE(game_tables);
}

namespace Game {

namespace {

// One table file: its rows split at tabs, header lines (#) and empty lines left out. A row
// with a field count other than `columns` is reported and skipped.
class TableReader
{
public:
    TableReader(const QString &file, int columns, QStringList &problems)
        : m_file(file)
        , m_columns(columns)
        , m_problems(problems)
    {
        QFile in(QStringLiteral(":/game/") + file);
        if (!in.open(QIODevice::ReadOnly)) {
            m_problems << file + QStringLiteral(": cannot be read");
            return;
        }
        m_lines = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    }

    // The next row's fields, or false at the end.
    bool next(QStringList &fields)
    {
        while (m_index < m_lines.size()) {
            QString line = m_lines.at(m_index++);
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            fields = line.split(QLatin1Char('\t'));
            if (fields.size() == m_columns && !fields.first().isEmpty())
                return true;
            report(QStringLiteral("expected %1 fields").arg(m_columns));
        }
        return false;
    }

    void report(const QString &what)
    {
        m_problems << QStringLiteral("%1:%2: %3").arg(m_file).arg(m_index).arg(what);
    }

    // The versions column: both, et260 or etl.
    bool versions(const QString &column, bool (&in)[2])
    {
        in[0] = column == QLatin1String("both") || column == QLatin1String("et260");
        in[1] = column == QLatin1String("both") || column == QLatin1String("etl");
        if (!in[0] && !in[1])
            report(QStringLiteral("unknown game versions \"%1\"").arg(column));
        return in[0] || in[1];
    }

private:
    QString m_file;
    int m_columns;
    QStringList &m_problems;
    QStringList m_lines;
    int m_index = 0;
};

void readSettings(Tables &t)
{
    static const char letters[] = "alricusyxnze"; // in the order of SettingFlag's values
    TableReader reader(QStringLiteral("cvars.tsv"), 3, t.problems);
    QStringList f;
    bool in[2];
    while (reader.next(f)) {
        if (!reader.versions(f[1], in))
            continue;
        SettingFlags flags;
        for (const QChar c : qAsConst(f[2])) {
            const char *letter = c.unicode() < 128 ? std::strchr(letters, c.toLatin1()) : nullptr;
            if (letter && *letter)
                flags |= SettingFlag(1 << (letter - letters));
            else
                reader.report(QStringLiteral("unknown flag \"%1\"").arg(c));
        }
        SettingInfo &setting = t.settings[foldName(f[0])];
        if (setting.name.isEmpty())
            setting.name = f[0];
        for (int v = 0; v < 2; ++v) {
            if (in[v])
                setting.flagsIn[v] = flags;
        }
    }
}

// The start values of protected settings; a row for a setting of no other table is reported.
void readStartValues(Tables &t)
{
    TableReader reader(QStringLiteral("protected_defaults.tsv"), 2, t.problems);
    QStringList f;
    while (reader.next(f)) {
        const auto setting = t.settings.find(foldName(f[0]));
        if (setting == t.settings.end()) {
            reader.report(QStringLiteral("unknown setting \"%1\"").arg(f[0]));
            continue;
        }
        if (f[1] == QLatin1String("*"))
            setting->startsAtRunTime = true;
        else
            setting->startValue = f[1];
    }
}

void readCommands(Tables &t)
{
    TableReader reader(QStringLiteral("commands.tsv"), 3, t.problems);
    QStringList f;
    bool in[2];
    while (reader.next(f)) {
        const Place place = f[2] == QLatin1String("engine") ? Place::Engine
                : f[2] == QLatin1String("cgame")            ? Place::ClientGame
                : f[2] == QLatin1String("server")           ? Place::Server
                                                            : Place();
        if (place == Place()) {
            reader.report(QStringLiteral("unknown place \"%1\"").arg(f[2]));
            continue;
        }
        if (!reader.versions(f[1], in))
            continue;
        CommandInfo &command = t.commands[foldName(f[0])];
        if (command.name.isEmpty())
            command.name = f[0];
        for (int v = 0; v < 2; ++v) {
            if (in[v])
                command.placesIn[v] |= place;
        }
    }
}

void readKeys(Tables &t)
{
    TableReader reader(QStringLiteral("keys.tsv"), 2, t.problems);
    QStringList f;
    bool in[2];
    while (reader.next(f)) {
        if (!reader.versions(f[1], in))
            continue;
        for (int v = 0; v < 2; ++v) {
            if (in[v])
                t.keys[v].insert(asciiCase(f[0], asciiUpper));
        }
    }
}

void readNames(const QString &file, QSet<QString> &names, QStringList &problems)
{
    TableReader reader(file, 1, problems);
    QStringList f;
    while (reader.next(f))
        names.insert(foldName(f[0]));
}

Tables load()
{
    initGameTables();
    Tables t;
    readSettings(t);
    readStartValues(t);
    readCommands(t);
    readKeys(t);
    readNames(QStringLiteral("vsays.txt"), t.vsays, t.problems);
    readNames(QStringLiteral("crosshair_colours.txt"), t.crosshairColours, t.problems);
    for (int v = 0; v < 2; ++v) {
        for (const SettingInfo &setting : qAsConst(t.settings)) {
            if (setting.flagsIn[v])
                t.settingNames[v] << setting.name;
        }
        for (const CommandInfo &command : qAsConst(t.commands)) {
            if (command.placesIn[v] != Places())
                t.commandNames[v] << command.name;
        }
        t.settingNames[v].sort();
        t.commandNames[v].sort();
    }
    return t;
}

} // namespace

const Tables &tables()
{
    static const Tables t = load();
    return t;
}

} // namespace Game
