#pragma once

#include <QString>
#include <QStringView>

// What a key's binding does, in a few words and by kind, for a map of the keyboard.
namespace Game {

enum class BindingKind { Moving, Weapons, Chat, Scripts, Settings, Other };

// The kind of a binding's commands: a vstr or exec makes it a script, a say or vsay chat and
// voice; else its first command decides (moving, firing and weapon choice, a setting's name or
// a set, toggle or cycle; anything else is other).
BindingKind bindingKind(QStringView binding);

// A short label of a binding: "+forward" as "forward", "vstr gun1" as "gun1", "say nice shot"
// as "nice shot", "vsay Medic" as it stands; the telling command of several (a vstr, else a
// say), else the first.
QString bindingLabel(QStringView binding);

} // namespace Game
