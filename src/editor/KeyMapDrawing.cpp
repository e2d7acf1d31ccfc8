#include "editor/KeyMapDrawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

// The program's palette (widgets/Style): dark slate captions, grey-blue frames, a dark red for
// warnings, and soft tints of its own for the kinds of binding.
const QColor ink(0x1f, 0x2d, 0x3d);
const QColor frame(0xb8, 0xc2, 0xcc);
const QColor page(0xec, 0xef, 0xf3);
const QColor slate(0x3b, 0x50, 0x68);
const QColor warning(0xa6, 0x1b, 0x1b);
const QColor noName(0xd5, 0xdb, 0xe1);

constexpr double margin = 0.2;
constexpr double legendHeight = 1.0;
constexpr double unplacedLine = 0.4;

QFont fontOf(double pixels, bool bold)
{
    QFont font;
    font.setPixelSize(std::max(1, int(pixels)));
    font.setBold(bold);
    return font;
}

// The font for a text on a key: `largest` pixels, smaller down to `smallest` for a longest
// word that would not fit `width` otherwise.
QFont fittingFont(const QString &text, double width, double largest, double smallest, bool bold)
{
    // Measuring is what a redraw costs most: each text is measured once for its key's size.
    static QHash<QString, QFont> known;
    const QString lookup = QStringLiteral("%1|%2|%3|%4|%5")
                                   .arg(text)
                                   .arg(width)
                                   .arg(largest)
                                   .arg(smallest)
                                   .arg(bold);
    const auto found = known.constFind(lookup);
    if (found != known.cend())
        return found.value();
    if (known.size() > 4096)
        known.clear();
    QString longest;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word.size() > longest.size())
            longest = word;
    }
    QFont font = fontOf(largest, bold);
    for (double size = largest; size >= smallest; size -= 0.5) {
        font = fontOf(size, bold);
        if (QFontMetricsF(font).horizontalAdvance(longest) <= width)
            break;
    }
    known.insert(lookup, font);
    return font;
}

struct Legend
{
    QString text;
    QColor colour;
    bool hatched;
};

} // namespace

KeyMapDrawing::KeyMapDrawing(const KeyMapModel &model, const QVector<KeyPlace> &places)
    : m_model(model)
    , m_places(places)
{ }

QColor KeyMapDrawing::kindColour(Game::BindingKind kind)
{
    switch (kind) {
    case Game::BindingKind::Moving:
        return QColor(0xcf, 0xe0, 0xf3);
    case Game::BindingKind::Weapons:
        return QColor(0xf6, 0xd8, 0xbf);
    case Game::BindingKind::Chat:
        return QColor(0xd3, 0xec, 0xcf);
    case Game::BindingKind::Scripts:
        return QColor(0xe3, 0xd6, 0xf2);
    case Game::BindingKind::Settings:
        return QColor(0xf3, 0xea, 0xbd);
    case Game::BindingKind::Other:
        break;
    }
    return QColor(0xdf, 0xe3, 0xe8);
}

QColor KeyMapDrawing::warningColour()
{
    return warning;
}

QStringList KeyMapDrawing::unplaced() const
{
    QSet<QString> placed;
    for (const KeyPlace &place : m_places)
        placed.insert(place.name);
    QStringList names;
    for (const KeyUse &use : m_model.uses()) {
        if (!placed.contains(use.key))
            names << use.key;
    }
    std::sort(names.begin(), names.end());
    return names;
}

QSizeF KeyMapDrawing::size() const
{
    const QSizeF keys = keyMapSize();
    const int lines = int(unplaced().size());
    return QSizeF(keys.width() + 2 * margin,
                  keys.height() + 2 * margin + legendHeight + lines * unplacedLine);
}

double KeyMapDrawing::unit(const QRectF &area) const
{
    const QSizeF whole = size();
    return std::min(area.width() / whole.width(), area.height() / whole.height());
}

QRectF KeyMapDrawing::placeRect(const QRectF &area, int place) const
{
    const double u = unit(area);
    const QRectF &r = m_places[place].rect;
    return QRectF(area.left() + (margin + r.x()) * u, area.top() + (margin + r.y()) * u,
                  r.width() * u, r.height() * u);
}

int KeyMapDrawing::placeAt(const QRectF &area, const QPointF &point) const
{
    for (int i = 0; i < m_places.size(); ++i) {
        if (placeRect(area, i).contains(point))
            return i;
    }
    return -1;
}

void KeyMapDrawing::paint(QPainter &painter, const QRectF &area, int focus, bool onScreen) const
{
    const double u = unit(area);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(area.topLeft(), size() * u), page);
    const QRectF mouse = mouseOutline();
    painter.setPen(QPen(frame, std::max(1.0, u / 30)));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(area.left() + (margin + mouse.x()) * u,
                                   area.top() + (margin + mouse.y()) * u, mouse.width() * u,
                                   mouse.height() * u),
                            u, u);
    for (int i = 0; i < m_places.size(); ++i) {
        if (onScreen)
            paintKeyOnScreen(painter, placeRect(area, i), m_places[i], u, i == focus);
        else
            paintKey(painter, placeRect(area, i), m_places[i], u, i == focus);
    }
    paintLegend(painter, area, u);
    painter.restore();
}

// Drawing a key's texts is what a redraw costs most: on screen each key is drawn once into a
// picture of its own, shown again for as long as it looks the same.
void KeyMapDrawing::paintKeyOnScreen(QPainter &painter, const QRectF &rect, const KeyPlace &place,
                                     double u, bool focused) const
{
    const KeyUse use = m_model.use(place.name);
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QRect at(QPoint(int(std::lround(rect.x())), int(std::lround(rect.y()))),
                   QSize(int(std::ceil(rect.width())), int(std::ceil(rect.height()))));
    const QChar sep(0);
    const QString id = QLatin1String("keymap") + sep + place.caption + sep + place.name + sep
            + use.label + sep + use.runScript + sep + QString::number(use.count) + sep
            + QString::number(int(use.kind)) + sep + QString::number(at.width()) + sep
            + QString::number(at.height()) + sep + QString::number(u) + sep + QString::number(ratio)
            + sep + QString::number(focused);
    QPixmap key;
    if (!QPixmapCache::find(id, &key)) {
        key = QPixmap(at.size() * ratio);
        key.setDevicePixelRatio(ratio);
        key.fill(Qt::transparent);
        QPainter keyPainter(&key);
        keyPainter.setRenderHint(QPainter::Antialiasing);
        paintKey(keyPainter, QRectF(QPointF(0, 0), rect.size()), place, u, focused);
        keyPainter.end();
        QPixmapCache::insert(id, key);
    }
    painter.drawPixmap(at.topLeft(), key);
}

void KeyMapDrawing::paintKey(QPainter &painter, const QRectF &rect, const KeyPlace &place, double u,
                             bool focused) const
{
    const QRectF key = rect.adjusted(u * 0.04, u * 0.04, -u * 0.04, -u * 0.04);
    const KeyUse use = m_model.use(place.name);
    QColor fill = Qt::white;
    if (place.name.isEmpty())
        fill = noName;
    else if (use.twice())
        fill = warning;
    else if (use.bound())
        fill = kindColour(use.kind);
    painter.setPen(QPen(focused ? ink : frame, focused ? std::max(2.0, u / 14) : 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(key, u * 0.08, u * 0.08);
    if (!use.runScript.isEmpty()) {
        QBrush hatch(use.twice() ? Qt::white : slate, Qt::BDiagPattern);
        painter.fillRect(key.adjusted(1, 1, -1, -1), hatch);
    }

    const QColor text = use.twice() ? Qt::white : ink;
    const QRectF inner = key.adjusted(u * 0.07, u * 0.04, -u * 0.06, -u * 0.03);
    painter.setPen(text);
    painter.setFont(fittingFont(place.caption, inner.width(), u * 0.22, u * 0.15, true));
    const QFontMetricsF captionMetrics(painter.font());
    painter.drawText(inner, Qt::AlignLeft | Qt::AlignTop,
                     captionMetrics.elidedText(place.caption, Qt::ElideRight, inner.width()));
    QString label = use.bound() ? use.label : use.runScript;
    if (label.isEmpty())
        return;
    painter.setFont(fittingFont(label, inner.width(), u * 0.2, u * 0.18, false));
    const QFontMetricsF metrics(painter.font());
    const QRectF below = inner.adjusted(0, captionMetrics.height(), 0, 0);
    const int lines = std::max(1, int(below.height() / metrics.lineSpacing()));
    // The label wraps at blanks into the lines there are; a word too long for its line, and
    // the last line, are cut to fit.
    QStringList rows;
    const QStringList words = label.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < words.size() && int(rows.size()) < lines; ++i) {
        QString row = words[i];
        while (i + 1 < words.size()
               && (int(rows.size()) == lines - 1
                   || metrics.horizontalAdvance(row + QLatin1Char(' ') + words[i + 1])
                           <= below.width()))
            row += QLatin1Char(' ') + words[++i];
        rows << metrics.elidedText(row, Qt::ElideRight, below.width());
    }
    painter.drawText(below, Qt::AlignLeft | Qt::AlignTop, rows.join(QLatin1Char('\n')));
}

void KeyMapDrawing::paintLegend(QPainter &painter, const QRectF &area, double u) const
{
    using Kind = Game::BindingKind;
    const Legend items[] = {
            {QStringLiteral("moving"), kindColour(Kind::Moving), false},
            {QStringLiteral("weapons"), kindColour(Kind::Weapons), false},
            {QStringLiteral("chat and voice"), kindColour(Kind::Chat), false},
            {QStringLiteral("scripts"), kindColour(Kind::Scripts), false},
            {QStringLiteral("settings"), kindColour(Kind::Settings), false},
            {QStringLiteral("other"), kindColour(Kind::Other), false},
            {QStringLiteral("bound twice"), warning, false},
            {QStringLiteral("bound by a script when it runs"), Qt::white, true},
            {QStringLiteral("free"), Qt::white, false},
    };
    painter.setFont(fontOf(u * 0.24, false));
    const QFontMetricsF metrics(painter.font());
    double x = area.left() + margin * u;
    const double y = area.top() + (margin + keyMapSize().height() + 0.3) * u;
    for (const Legend &item : items) {
        const QRectF box(x, y, u * 0.4, u * 0.4);
        painter.setPen(frame);
        painter.setBrush(item.colour);
        painter.drawRect(box);
        if (item.hatched)
            painter.fillRect(box, QBrush(slate, Qt::BDiagPattern));
        painter.setPen(ink);
        const QRectF text(box.right() + u * 0.12, y - u * 0.1, u * 6, u * 0.6);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, item.text);
        x = text.left() + metrics.horizontalAdvance(item.text) + u * 0.45;
    }
    double line = y + legendHeight * u;
    const QStringList names = unplaced();
    for (const QString &name : names) {
        painter.drawText(QRectF(area.left() + margin * u, line - u * 0.2, u * 26, unplacedLine * u),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("Not on the map: ") + m_model.use(name).accessibleText());
        line += unplacedLine * u;
    }
}
