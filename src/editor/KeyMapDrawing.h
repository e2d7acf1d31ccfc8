#pragma once

#include "editor/KeyLayout.h"
#include "editor/KeyMapModel.h"

#include <QColor>
#include <QRectF>
#include <QStringList>

class QPainter;

// The drawing of the keyboard map: the keys in their places with their labels, coloured by
// kind, a legend under them and the keys that have no place listed last. The same drawing
// goes to the screen, to image files and to the printer.
class KeyMapDrawing
{
public:
    KeyMapDrawing(const KeyMapModel &model, const QVector<KeyPlace> &places);

    // The keys something binds that have no place on the map, sorted by name.
    QStringList unplaced() const;
    // The drawing's size in key widths: the keys, the legend and the unplaced keys' lines.
    QSizeF size() const;
    // Where a place is when the whole drawing fills `area` (as much of it as it can keeping its
    // shape, at its top left).
    QRectF placeRect(const QRectF &area, int place) const;
    // The place at `point`, or -1.
    int placeAt(const QRectF &area, const QPointF &point) const;

    // Draws it into `area`; `focus` is the place with the keyboard focus (-1 for none). On
    // screen the keys are drawn from pictures kept of them; elsewhere as drawings.
    void paint(QPainter &painter, const QRectF &area, int focus = -1, bool onScreen = false) const;

    static QColor kindColour(Game::BindingKind kind);
    static QColor warningColour();

private:
    double unit(const QRectF &area) const;
    void paintKeyOnScreen(QPainter &painter, const QRectF &rect, const KeyPlace &place, double unit,
                          bool focused) const;
    void paintKey(QPainter &painter, const QRectF &rect, const KeyPlace &place, double unit,
                  bool focused) const;
    void paintLegend(QPainter &painter, const QRectF &area, double unit) const;

    const KeyMapModel &m_model;
    const QVector<KeyPlace> &m_places;
};
