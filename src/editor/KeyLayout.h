#pragma once

#include "game/GameData.h"

#include <QRectF>
#include <QString>
#include <QVector>

// Where each key sits on a map of a US keyboard and a five-button mouse with a wheel, the
// layout the game's key names follow. Places are measured in key widths.
struct KeyPlace
{
    QRectF rect;
    QString caption; // what the key cap shows
    // The game's name of the key in the version asked for; empty where that version has none
    // (the Windows keys in ET 2.60b). In ET 2.60b ALT, CTRL and SHIFT are both keys of a pair.
    QString name;
};

// Every place, row by row from the top and left to right in each row (the mouse last).
QVector<KeyPlace> keyPlaces(Game::Version version);

// The size of the whole map, and the outline of the mouse around its buttons.
QSizeF keyMapSize();
QRectF mouseOutline();

// The name under which the map shows a key the script binds: in ET: Legacy, ALT, CTRL and
// SHIFT are the left keys, so LEFTALT is shown as ALT.
QString keyMapName(const QString &canonicalKey, Game::Version version);
