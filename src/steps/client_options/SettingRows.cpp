#include "steps/client_options/SettingRows.h"

#include "game/ScriptText.h"
#include "steps/keys/KeyField.h"
#include "widgets/PageKit.h"
#include "wizard/SectionStyle.h"
#include "wizard/StepPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <utility>

namespace ClientOptions {

namespace {

const QString useHint
        = QStringLiteral("leave it checked if you whant to add the option to the cfg...");
// Edits and combo boxes share one width so that the rows line up.
constexpr int fieldWidth = 130;

QString seta(const char *setting)
{
    return QStringLiteral("seta ") + QLatin1String(setting) + QLatin1Char(' ');
}

Setting make(Setting::Kind kind, const char *name, const char *label, const QString &value,
             const char *hint, const QString &prefix, int row, int column)
{
    Setting setting;
    setting.kind = kind;
    setting.name = QLatin1String(name);
    setting.label = QLatin1String(label);
    setting.value = value;
    setting.hint = QLatin1String(hint);
    setting.prefix = prefix;
    setting.row = row;
    setting.column = column;
    return setting;
}

} // namespace

Setting check(const char *name, const char *label, bool checked, const char *hint,
              const char *setting, int row, int column)
{
    return make(Setting::Check, name, label, flagText(checked), hint, seta(setting), row, column);
}

Setting check(const char *name, const char *label, bool checked, const char *hint,
              const char *setting, const char *on, const char *off, int row, int column)
{
    Setting box = check(name, label, checked, hint, setting, row, column);
    box.checkedValue = QLatin1String(on);
    box.uncheckedValue = QLatin1String(off);
    return box;
}

Setting edit(const char *name, const char *label, const char *text, const char *hint,
             const char *setting, int row, int column)
{
    return make(Setting::Edit, name, label, QLatin1String(text), hint, seta(setting), row, column);
}

Setting combo(const char *name, const char *label, const char *text, const QStringList &items,
              const char *hint, const char *setting, int row, int column)
{
    Setting combo = make(Setting::Combo, name, label, QLatin1String(text), hint, seta(setting), row,
                         column);
    combo.items = items;
    return combo;
}

Setting fixedLine(const char *line)
{
    return make(Setting::Fixed, "", "", QString(), "", QLatin1String(line), 0, 0);
}

Setting keyBind(const char *name, const char *label, const char *key, const char *command, int row,
                int column)
{
    Setting bind = make(Setting::Key, name, label, QLatin1String(key), "", QString(), row, column);
    bind.command = QLatin1String(command);
    return bind;
}

SettingRows::SettingRows(std::vector<Setting> settings, QGridLayout *grid)
{
    m_rows.reserve(settings.size());
    for (Setting &setting : settings) {
        QWidget *control = nullptr;
        switch (setting.kind) {
        case Setting::Check:
            control = PageKit::checkBox(setting.name, setting.value == flagText(true), setting.hint,
                                        setting.label);
            break;
        case Setting::Edit:
            control = PageKit::lineEdit(setting.name, setting.value, setting.hint, setting.label);
            control->setFixedWidth(fieldWidth);
            break;
        case Setting::Key: {
            auto *field = new KeyField(setting.name, setting.value, setting.hint);
            field->setFixedWidth(fieldWidth);
            m_keyFields.push_back({field, setting.command});
            control = field;
            break;
        }
        case Setting::Combo:
            control = PageKit::comboBox(setting.name, setting.items, setting.value, setting.hint,
                                        setting.label);
            control->setFixedWidth(fieldWidth);
            break;
        case Setting::Fixed:
            break;
        }

        QCheckBox *use = nullptr;
        if (control) {
            QLabel *label = PageKit::label(setting.label);
            PageKit::nameAfter(control, setting.label, label);
            const int column = setting.column;
            grid->addWidget(label, setting.row, column);
            grid->addWidget(control, setting.row, column + 1, Qt::AlignLeft);
            grid->setRowMinimumHeight(setting.row, rowHeight);
            if (!setting.useBox.isEmpty()) {
                use = PageKit::checkBox(setting.useBox, true, useHint,
                                        PageKit::enableBoxName(setting.label),
                                        QStringLiteral("Use?"));
                grid->addWidget(use, setting.row, column + 2, Qt::AlignLeft);
            }
        }
        m_rows.push_back({std::move(setting), control, use});
    }

    // The Tab key follows the screen, whatever order the lines are written in: each column top
    // to bottom, the columns left to right, and in a row the value before its "Use?" box.
    std::vector<const Row *> onScreen;
    for (const Row &row : m_rows) {
        if (row.control)
            onScreen.push_back(&row);
    }
    std::stable_sort(onScreen.begin(), onScreen.end(), [](const Row *a, const Row *b) {
        return std::make_pair(a->setting.column, a->setting.row)
                < std::make_pair(b->setting.column, b->setting.row);
    });
    QList<QWidget *> tabOrder;
    for (const Row *row : onScreen) {
        tabOrder << row->control;
        if (row->use)
            tabOrder << row->use;
    }
    PageKit::chainTabOrder(tabOrder);
}

QString SettingRows::value(const Row &row) const
{
    switch (row.setting.kind) {
    case Setting::Check:
        return static_cast<QCheckBox *>(row.control)->isChecked() ? row.setting.checkedValue
                                                                  : row.setting.uncheckedValue;
    case Setting::Edit:
    case Setting::Key:
        return static_cast<QLineEdit *>(row.control)->text();
    case Setting::Combo:
        return static_cast<QComboBox *>(row.control)->currentText();
    case Setting::Fixed:
        break;
    }
    return QString();
}

QStringList SettingRows::lines() const
{
    QStringList lines;
    for (const Row &row : m_rows) {
        if (row.use && !row.use->isChecked())
            continue;
        switch (row.setting.kind) {
        case Setting::Fixed:
            lines << row.setting.prefix;
            break;
        case Setting::Key:
            lines << Game::bindLine(value(row), row.setting.command);
            break;
        default:
            lines << Game::settingLine(row.setting.prefix, value(row));
            break;
        }
    }
    return lines;
}

void addGroupsAndNote(StepPage &page, QHBoxLayout *groups)
{
    page.body()->addLayout(groups);
    page.body()->addStretch(1);
    page.footerNotes()->addWidget(
            PageKit::note(QStringLiteral("All of these options are at the game options.")));
}

} // namespace ClientOptions
