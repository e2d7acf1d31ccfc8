#include "wizard/Row.h"

#include "game/ScriptText.h"

Row::Row(Kind kind, const QString &name)
    : m_kind(kind)
    , m_name(name)
{ }

Row Row::key(const char *name)
{
    Row row(Kind::Key, QString::fromUtf8(name));
    row.m_writes.form = Writes::Form::Bind;
    return row;
}

Row Row::check(const char *name)
{
    return Row(Kind::Check, QLatin1String(name));
}

Row Row::edit(const char *name)
{
    return Row(Kind::Edit, QLatin1String(name));
}

Row Row::combo(const char *name)
{
    return Row(Kind::Combo, QLatin1String(name));
}

Row Row::fixed(const char *line)
{
    return block({QString::fromUtf8(line)});
}

Row Row::block(const QStringList &lines)
{
    Row row(Kind::Fixed, QString());
    row.m_writes.form = Writes::Form::Fixed;
    row.m_writes.fixedLines = lines;
    return row;
}

Row &Row::label(const QString &text)
{
    m_label = text;
    return *this;
}

Row &Row::hint(const QString &text)
{
    m_hint = text;
    return *this;
}

Row &Row::text(const QString &startText)
{
    m_text = startText;
    return *this;
}

Row &Row::checked(bool on)
{
    m_checked = on;
    return *this;
}

Row &Row::items(const QStringList &list)
{
    m_items = list;
    return *this;
}

Row &Row::unit(const QString &text)
{
    m_unit = text;
    return *this;
}

Row &Row::accessibleName(const QString &name)
{
    m_accessibleName = name;
    return *this;
}

Row &Row::in(int group)
{
    m_group = group;
    return *this;
}

Row &Row::at(int row, int column)
{
    m_row = row;
    m_column = column;
    return *this;
}

Row &Row::enableBox(const QString &name, bool on, const QString &hint,
                    const QString &accessibleName)
{
    m_enableName = name;
    m_enableOn = on;
    m_enableHint = hint;
    m_enableAccessibleName = accessibleName;
    return *this;
}

Row &Row::enabledBy(const QString &name)
{
    m_enabledBy = name;
    return *this;
}

Row &Row::set(const char *setting)
{
    m_writes.form = Writes::Form::Set;
    m_writes.name = QString::fromUtf8(setting);
    return *this;
}

Row &Row::seta(const char *setting)
{
    m_writes.form = Writes::Form::Seta;
    m_writes.name = QString::fromUtf8(setting);
    return *this;
}

Row &Row::binds(const char *command)
{
    m_writes.form = Writes::Form::Bind;
    m_writes.name = QString::fromUtf8(command);
    return *this;
}

Row &Row::bindsWithText(const char *prefix, const char *textRow)
{
    binds(prefix);
    m_textRow = QString::fromUtf8(textRow);
    return *this;
}

Row &Row::readsFrom(const char *setting)
{
    m_readSetting = QString::fromUtf8(setting);
    return *this;
}

Row &Row::writesNothing()
{
    m_writes.form = Writes::Form::Fixed;
    m_writes.fixedLines.clear();
    return *this;
}

Row &Row::separator(const char *blanks)
{
    m_writes.separator = QLatin1String(blanks);
    return *this;
}

Row &Row::writes(const char *whenChecked, const char *whenUnchecked)
{
    m_on = QLatin1String(whenChecked);
    m_off = QLatin1String(whenUnchecked);
    return *this;
}

Row &Row::range(double lowest, double highest)
{
    m_writes.range = std::make_pair(lowest, highest);
    return *this;
}

Row &Row::inVersion(Game::Version version, const Writes &writes)
{
    m_otherVersions.emplace_back(version, writes);
    return *this;
}

Row &Row::renamedIn(Game::Version version, const char *setting)
{
    Writes renamed = m_writes;
    renamed.name = QString::fromUtf8(setting);
    return inVersion(version, renamed);
}

Row &Row::absentIn(Game::Version version, const QString &why)
{
    Writes absent = m_writes;
    absent.absentBecause = why;
    return inVersion(version, absent);
}

Row &Row::absent(const QString &why)
{
    m_writes.absentBecause = why;
    for (auto &[version, writes] : m_otherVersions)
        writes.absentBecause = why;
    return *this;
}

QString Row::accessibleNameText() const
{
    return m_accessibleName.isEmpty() ? m_label : m_accessibleName;
}

const Row::Writes &Row::writesIn(Game::Version version) const
{
    for (const auto &[other, writes] : m_otherVersions) {
        if (other == version)
            return writes;
    }
    return m_writes;
}

QStringList Row::lines(const QString &value, Game::Version version) const
{
    return lines(value, writesIn(version).name, version);
}

QStringList Row::lines(const QString &value, const QString &command, Game::Version version) const
{
    const Writes &writes = writesIn(version);
    if (!writes.absentBecause.isEmpty())
        return writes.fixedLines;
    if (writes.onlyWhenChecked && m_kind == Kind::Check && !checkState(value))
        return {};
    switch (writes.form) {
    case Writes::Form::Fixed:
        return writes.fixedLines;
    case Writes::Form::Bind:
        return Game::bindLine(value, command, version);
    case Writes::Form::Set:
        return {Game::settingLine(QStringLiteral("set ") + writes.name + writes.separator, value)};
    case Writes::Form::Seta:
        break;
    }
    return {Game::settingLine(QStringLiteral("seta ") + writes.name + writes.separator, value)};
}
