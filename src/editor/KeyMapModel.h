#pragma once

#include "game/BindingLabels.h"
#include "game/GameData.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class ScriptCheck;
class QTextBlock;

// A binding that a key field of the wizard's shown screen will write at its Next.
struct ScreenKey
{
    QString key; // canonicalKey() of the field's key
    QString binding; // what the key is bound to
    QString field; // the field's accessible name
    int step = 0;
};

// What the wizard adds to the map: the keys of the shown screen's key fields, which step wrote
// a line, and the key field with the focus.
class KeyMapSource
{
public:
    virtual ~KeyMapSource() = default;
    // The bindings the shown screen's key fields will write.
    virtual QVector<ScreenKey> screenKeys() const = 0;
    // The step whose key field wrote `line` (a line's text); 0 when no field did.
    virtual int stepOfLine(const QString &line) const = 0;
    // Puts `key` into the key field that has the focus in its window; false when none has.
    virtual bool putKey(const QString &key) = 0;
};

// What the map knows of one key: the binding the game keeps, what else binds it, and the
// script that binds it when it runs.
struct KeyUse
{
    QString key; // the map's name of the key (keyMapName)
    QString binding; // the binding the game keeps: the last one
    int line = -1; // its line, counted from 0; -1 when a key field makes it
    int count = 0; // how many bindings the key has, the screen's included
    ScreenKey field; // the key field that makes it, when line is -1
    QString runScript; // the variable whose value binds or unbinds it when it runs
    int runLine = -1;
    Game::BindingKind kind = Game::BindingKind::Other;
    QString label; // bindingLabel() of the binding

    bool bound() const { return count > 0; }
    bool twice() const { return count > 1; }
    bool taken() const { return bound() || !runScript.isEmpty(); }
    // "F5: vsay Medic (line 62)", "F9: free": the name of the key as an accessible item.
    QString accessibleText() const;
    // Everything about it, in a sentence or a few: for the tool tip and the status bar.
    QString description() const;
};

// The keys a script binds, read from the script view's check (its index of bindings) and from
// the shown screen's key fields, for the keyboard map. Reading them again costs as much as the
// number of keys bound, whatever the script's size.
class KeyMapModel
{
public:
    explicit KeyMapModel(const ScriptCheck &check);

    void setScreenKeys(std::function<QVector<ScreenKey>()> screenKeys);
    // Reads the bindings again.
    void refresh();

    Game::Version version() const { return m_version; }
    // The use of the key of that map name; a free key when nothing binds it.
    KeyUse use(const QString &key) const;
    // Every key that something binds, by map name.
    const QHash<QString, KeyUse> &uses() const { return m_uses; }

private:
    void addBinding(const QString &key, const QTextBlock &last, int count);

    const ScriptCheck &m_check;
    std::function<QVector<ScreenKey>()> m_screenKeys;
    Game::Version m_version = Game::Version::Et260b;
    QHash<QString, KeyUse> m_uses;
    // What each binding runs, by its text: a binding seen before is not read again.
    struct Label
    {
        Game::BindingKind kind;
        QString label;
    };
    QHash<QString, Label> m_labels;
};
