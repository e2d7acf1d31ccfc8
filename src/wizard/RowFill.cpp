#include "wizard/RowFill.h"

#include "game/ScriptText.h"
#include "wizard/StepPage.h"
#include "wizard/Steps.h"
#include "wizard/Wizard.h"

#include <QCheckBox>

using Game::LeftSet;
using Game::Version;

namespace {

int rowNamed(const RowSet &rows, const QString &name)
{
    for (int i = 0; i < rows.size(); ++i) {
        if (rows.row(i).name() == name)
            return i;
    }
    return -1;
}

// ET 2.60b has no LEFTALT and its kin: a row writes the key it has.
QString rowKey(const QString &key)
{
    return Game::isKey(key, Version::Et260b) ? key : Game::bindingKey(key);
}

// The file's first binding not given to a row yet that a key row makes: its command, or its
// command's start and then the text of the row's text row. -1 when there is none.
int bindingFor(const Row &row, const QVector<LeftSet> &left, const QVector<bool> &taken)
{
    const QString &command = row.writesIn().name;
    for (int i = 0; i < left.size(); ++i) {
        if (left[i].kind != LeftSet::Kind::Binding || taken[i])
            continue;
        const QString &value = left[i].value;
        if (row.textRow().isEmpty() ? value == command
                                    : value.startsWith(command)
                            && Game::bindingText(value.mid(command.size()))
                                    == value.mid(command.size()))
            return i;
    }
    return -1;
}

// The value the file gives `setting` (or its name in `version`); none when it sets neither.
const LeftSet *settingFor(const QString &setting, const QString &other,
                          const QVector<LeftSet> &left)
{
    for (const LeftSet &entry : left) {
        const QString name = Game::foldName(entry.name);
        if (entry.kind == LeftSet::Kind::Setting
            && (name == Game::foldName(setting) || name == Game::foldName(other)))
            return &entry;
    }
    return nullptr;
}

// Fills one row; `taken` marks the file's bindings already given to a row.
void fillRow(RowSet &rows, int index, const QVector<LeftSet> &left, QVector<bool> &taken,
             Version version)
{
    const Row &row = rows.row(index);
    const Row::Writes &writes = row.writesIn();
    if (row.kind() == Row::Kind::Fixed || writes.name.isEmpty()
        || writes.form == Row::Writes::Form::Fixed) {
        return;
    }
    if (writes.form == Row::Writes::Form::Bind) {
        const int found = bindingFor(row, left, taken);
        if (found >= 0) {
            taken[found] = true;
            rows.take(index, rowKey(left[found].name));
            if (!row.textRow().isEmpty())
                rows.take(rowNamed(rows, row.textRow()), left[found].value.mid(writes.name.size()));
            return;
        }
    } else if (const LeftSet *entry = settingFor(writes.name, row.writesIn(version).name, left)) {
        // A check box writes one of two values; any other stays for the kept section.
        if (row.kind() != Row::Kind::Check || entry->value == row.checkValue(true)
            || entry->value == row.checkValue(false))
            rows.take(index, entry->value);
        return;
    }
    if (QCheckBox *enable = rows.enableBox(index))
        enable->setChecked(false);
}

// The bindings of `left` that a screen whose Next does not write its rows lists, as its Add
// buttons would have (the says step); returns the lines it writes for them.
QStringList listBindings(StepPage &page, const QVector<LeftSet> &left, QVector<bool> &taken)
{
    QStringList lines;
    for (const auto &rows : page.rowSets()) {
        for (int i = 0; i < rows->size(); ++i) {
            const Row &row = rows->row(i);
            if (row.kind() != Row::Kind::Key || row.textRow().isEmpty())
                continue;
            for (int found; (found = bindingFor(row, left, taken)) >= 0;) {
                taken[found] = true;
                const QString &text = left[found].value;
                lines << page.listBinding(*rows, i, rowKey(left[found].name),
                                          text.mid(row.writesIn().name.size()));
            }
        }
    }
    return lines;
}

} // namespace

RowFill fillRows(Wizard &wizard, const Game::ScriptRun &read)
{
    const QVector<LeftSet> left = read.leftSet();
    QVector<bool> taken(left.size(), false);
    QStringList lines;
    for (int step = 1; step <= lastStep; ++step) {
        StepPage *page = wizard.stepPage(step);
        page->takeSettings(read);
        // The says step's lines are written by its Add buttons, not by a row's value.
        if (!stepInfo(step).writesLines) {
            lines << listBindings(*page, left, taken);
            continue;
        }
        for (const auto &rows : page->rowSets()) {
            // First what the player's settings give a script's own values; a script read
            // whole gives its own afterwards.
            for (int i = 0; i < rows->size(); ++i) {
                const QString &setting = rows->row(i).readSetting();
                const LeftSet *entry = setting.isEmpty() ? nullptr : settingFor(setting, {}, left);
                if (entry)
                    rows->take(i, entry->value);
            }
            for (int i = 0; i < rows->size(); ++i)
                fillRow(*rows, i, left, taken, read.version());
        }
        lines << page->lines();
    }
    Game::ScriptRun rowsRun(read.version());
    rowsRun.run(lines, QStringLiteral("rows.cfg"));
    RowFill fill;
    for (const LeftSet &entry : left) {
        const bool binding = entry.kind == LeftSet::Kind::Binding;
        const auto now = binding ? rowsRun.binding(entry.name) : rowsRun.setting(entry.name);
        const bool carried = now && *now == entry.value;
        fill.carried << carried;
        if (carried)
            ++(binding ? fill.bindings : fill.settings);
    }
    return fill;
}
