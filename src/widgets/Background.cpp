#include "widgets/Background.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The picture's own size; it is stretched to the widget.
constexpr qreal designWidth = 831;
constexpr qreal designHeight = 480;

// One line of text, centred on `centreX` with its baseline at `baseline` (picture units).
struct Caption
{
    const char *text;
    qreal centreX, baseline;
    int pixelSize;
    bool bold;
    QColor colour;
};

// The share of each pixel in [0, pixels) that the band [from, to) covers, as an anti-aliased
// line would cover it, added into `shares`.
void addBand(std::vector<qreal> &shares, qreal from, qreal to)
{
    const int last = std::min<int>(int(std::ceil(to)), int(shares.size()));
    for (int pixel = std::max(0, int(std::floor(from))); pixel < last; ++pixel)
        shares[pixel] += std::min<qreal>(to, pixel + 1) - std::max<qreal>(from, pixel);
}

// White at 5 % of a pixel's share, premultiplied.
QRgb gridWhite(qreal share)
{
    const int alpha = qRound(0.05 * 255 * share);
    return qRgba(alpha, alpha, alpha, alpha);
}

// The grid: a line one unit wide every 24 units across and down, white at 5 %. The vertical
// lines are one row of pixels repeated down the widget and the horizontal ones are whole rows:
// filling those costs far less than stroking 53 lines.
void drawGrid(QPainter &painter, const QSize &size, qreal sx, qreal sy)
{
    std::vector<qreal> columns(size_t(size.width()), 0);
    for (int x = 24; x < designWidth; x += 24)
        addBand(columns, (x - 0.5) * sx, (x + 0.5) * sx);
    QImage row(size.width(), 1, QImage::Format_ARGB32_Premultiplied);
    auto *pixels = reinterpret_cast<QRgb *>(row.scanLine(0));
    for (int x = 0; x < size.width(); ++x)
        pixels[x] = gridWhite(columns[size_t(x)]);
    painter.fillRect(QRect(QPoint(0, 0), size), QBrush(row));

    std::vector<qreal> rows(size_t(size.height()), 0);
    for (int y = 24; y < designHeight; y += 24)
        addBand(rows, (y - 0.5) * sy, (y + 0.5) * sy);
    for (int y = 0; y < size.height(); ++y) {
        if (rows[size_t(y)] > 0)
            painter.fillRect(QRect(0, y, size.width(), 1),
                             QColor::fromRgba(qUnpremultiply(gridWhite(rows[size_t(y)]))));
    }
}

// The crosshair: a ring and four ticks in gold, and a dot in the middle.
void drawEmblem(QPainter &painter)
{
    const QColor gold(0xd8, 0xa9, 0x3a);
    QColor stroke = gold;
    stroke.setAlphaF(0.85);
    painter.setPen(QPen(stroke, 6, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    const QPointF centre(415, 205);
    painter.drawEllipse(centre, 70, 70);
    const QLineF ticks[] = {
            {415, 105, 415, 165}, {415, 245, 415, 305}, {315, 205, 375, 205}, {455, 205, 515, 205}};
    painter.drawLines(ticks, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    painter.drawEllipse(centre, 6, 6);
}

// Draws a caption in the widget's own font size, scaled up by the painter: the program's
// menus have loaded that font already, and the scaled glyphs come out of the same font engine.
void drawCaption(QPainter &painter, const Caption &caption, int basePixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(basePixels);
    font.setBold(caption.bold);
    if (caption.bold) {
        // The bold font is loaded for this word alone: unhinted, as the picture was first drawn,
        // its glyphs skip the hinter's set-up.
        font.setHintingPreference(QFont::PreferNoHinting);
    }
    const QString text = QLatin1String(caption.text);
    const qreal scale = qreal(caption.pixelSize) / basePixels;
    const qreal width = QFontMetricsF(font).horizontalAdvance(text) * scale;
    painter.save();
    painter.translate(caption.centreX - width / 2, caption.baseline);
    painter.scale(scale, scale);
    painter.setFont(font);
    painter.setPen(caption.colour);
    painter.drawText(QPointF(0, 0), text);
    painter.restore();
}

} // namespace

Background::Background(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Background::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal sx = width() / designWidth;
    const qreal sy = height() / designHeight;

    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(0x1c, 0x28, 0x36));
    sky.setColorAt(1, QColor(0x3b, 0x50, 0x68));
    painter.fillRect(rect(), sky);

    drawGrid(painter, size(), sx, sy);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(sx, sy);
    drawEmblem(painter);

    const Caption captions[] = {
            {"TARVEX", 415, 350, 48, true, QColor(0xf4, 0xf6, 0xf8)},
            {"configuration scripts for Enemy Territory", 415, 385, 16, false,
             QColor(0xc9, 0xd3, 0xde)},
            {"Press New to begin a script", 415, 430, 13, false, QColor(0x9f, 0xb0, 0xc2)},
    };
    const int basePixels = std::max(1, QFontInfo(font()).pixelSize());
    for (const Caption &caption : captions)
        drawCaption(painter, caption, basePixels);
}
