// Reading and writing a row set's values, and its lines for each game.
#include "wizard/RowSet.h"

#include "game/ScriptText.h"
#include "game/ValueRanges.h"
#include "widgets/PageKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

QString RowSet::value(int index) const
{
    const Built &built = m_rows[index];
    if (built.row.kind() == Row::Kind::Check)
        return built.row.checkValue(static_cast<QCheckBox *>(built.control)->isChecked());
    return built.text ? built.text->text() : QString();
}

bool RowSet::written(int index) const
{
    const QCheckBox *enable = m_rows[index].enable;
    return !enable || enable->isChecked();
}

void RowSet::take(int index, const QString &value)
{
    Built &built = m_rows[index];
    if (built.row.kind() == Row::Kind::Check)
        static_cast<QCheckBox *>(built.control)->setChecked(built.row.checkState(value));
    else if (built.text)
        built.text->setText(value);
    if (built.enable)
        built.enable->setChecked(true);
}

int RowSet::named(const QString &name) const
{
    for (int i = 0; i < size(); ++i) {
        if (m_rows[i].row.name() == name)
            return i;
    }
    return -1;
}

QString RowSet::command(int index) const
{
    const Row &row = m_rows[index].row;
    if (row.textRow().isEmpty())
        return row.target();
    return row.target() + Game::bindingText(value(named(row.textRow())));
}

QStringList RowSet::linesOf(int index, Game::Version version) const
{
    const Row &row = m_rows[index].row;
    if (row.textRow().isEmpty())
        return row.lines(value(index), version);
    return row.lines(value(index), command(index), version);
}

QCheckBox *RowSet::enableBoxNamed(const QString &name) const
{
    for (const Built &built : m_rows) {
        if (built.row.enableName() == name)
            return built.enable;
    }
    return nullptr;
}

int RowSet::find(const QString &target) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (!target.isEmpty() && m_rows[i].row.target() == target)
            return int(i);
    }
    return -1;
}

// A row joined with another writes one line for both, checked when either written box is.
bool RowSet::joinedOn(int index, Game::Version version) const
{
    const Row &row = m_rows[index].row;
    const int other = named(row.writesIn(version).joinedWith);
    for (const int i : {index, other}) {
        if (i >= 0 && written(i) && row.checkState(value(i)))
            return true;
    }
    return false;
}

QStringList RowSet::lines(Game::Version version) const
{
    QStringList out;
    for (int i = 0; i < size(); ++i) {
        const Row &row = m_rows[i].row;
        const QString joined = row.writesIn(version).joinedWith;
        if (!joined.isEmpty()) {
            if (written(i) || written(named(joined)))
                out << row.lines(row.checkValue(joinedOn(i, version)), version);
        } else if (written(i)) {
            out << linesOf(i, version);
        }
    }
    return out;
}

void RowSet::showVersion(Game::Version version)
{
    m_version = version;
    for (int i = 0; i < size(); ++i) {
        Built &built = m_rows[i];
        if (!built.control)
            continue;
        const QString absent = built.row.writesIn(version).absentBecause;
        for (QWidget *part : {built.control, static_cast<QWidget *>(built.enable),
                              static_cast<QWidget *>(built.label)}) {
            if (!part)
                continue;
            part->setEnabled(absent.isEmpty());
            if (!part->property("hintInUse").isValid())
                part->setProperty("hintInUse", part->statusTip());
            part->setStatusTip(absent.isEmpty() ? part->property("hintInUse").toString() : absent);
        }
        checkValue(i);
    }
}

// A value the game would clamp or replace is shown, not changed.
void RowSet::checkValue(int index)
{
    const Built &built = m_rows[index];
    const Row::Writes &writes = built.row.writesIn(m_version);
    const bool setting
            = writes.form == Row::Writes::Form::Set || writes.form == Row::Writes::Form::Seta;
    if (!built.text || !setting || built.row.kind() == Row::Kind::Key)
        return;
    const QString warning = writes.absentBecause.isEmpty()
            ? Game::valueOutOfRange(writes.name, built.text->text(), m_version)
            : QString();
    PageKit::showWarning(built.control, warning);
}
