#pragma once

#include "game/ConsoleLine.h"
#include "game/GameData.h"
#include "game/LineCheck.h"

#include <QString>
#include <QVector>

// What the game makes of the value of a set line, and what it then does with it: the rules of
// the line check on values (game/LineCheck.cpp applies them).
namespace Game {

// Whether `word` is the command `name`, as the game compares command names.
bool isCommand(QStringView word, QLatin1String name);
bool isSetCommand(QStringView word);

// The words from `first` on, joined with one blank, as set and bind join them.
QString joinedWords(const QVector<Word> &words, int first);
// From the start of words[first] to the end of the last word.
Span spanFrom(const QVector<Word> &words, int first);

struct SetValue
{
    QString text; // the value the setting gets
    bool sets = true; // false when the game prints its usage instead
};

// The value of a set, seta, sets or setu command `w` (at least its command and name), with the
// problems of its words: no value, too many words for ET 2.60b's seta, a value ET 2.60b cuts.
SetValue setValue(const QVector<Word> &w, Version version, QVector<Problem> &problems);

// The value of a line that starts with a setting's name ("cg_fov 90"), at least two words.
QString nameLineValue(const QVector<Word> &w, Version version);

// Problems of giving `setting` the value `value`: a setting the game does not use, one a
// script cannot change, a value the game clamps. `name` is the setting's word on the line;
// `valueSpan` the value's words.
void checkSettingValue(const SettingInfo &setting, const Word &name, const QString &value,
                       Span valueSpan, Version version, QVector<Problem> &problems);

// ET 2.60b: a quoted value word with a blank loses its quotes when the words are joined, so a
// later vstr splits it. Those words of a set command `w`, as problems.
void checkInnerQuotes(const QVector<Word> &w, Version version, QVector<Problem> &problems);

} // namespace Game
