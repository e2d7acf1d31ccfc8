// What the key check tells the keyboard map.
#include "editor/ScriptCheck.h"
#include "game/GameData.h"
#include "game/ScriptText.h"
#include "steps/keys/KeyCheck.h"
#include "steps/keys/KeyField.h"

QVector<ScreenKey> KeyCheck::screenKeys() const
{
    QVector<ScreenKey> keys;
    const Game::Version version = m_script.version();
    for (const Row &row : m_rows) {
        const QString text = row.field->text();
        const QString key = Game::canonicalKey(text.trimmed());
        if (!row.field->isVisible() || !written(row) || key.isEmpty() || !Game::canBind(text)
            || !Game::isKey(key, version))
            continue;
        keys.append({key, row.command(), row.field->accessibleName(), row.step});
    }
    return keys;
}

int KeyCheck::stepOfLine(const QString &line) const
{
    const int writer = m_writers.value(line, -1);
    return writer >= 0 ? m_rows[writer].step : 0;
}

bool KeyCheck::putKey(const QString &key)
{
    for (const Row &row : m_rows) {
        KeyField *field = row.field;
        if (field->isVisible() && field->isEnabled() && field->window()->focusWidget() == field) {
            field->setText(key);
            return true;
        }
    }
    return false;
}
