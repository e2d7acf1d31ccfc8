#include "widgets/Pictures.h"

#include <QPainter>

QPixmap svgPixmap(const QString &resource, const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

Picture::Picture(const QString &resource, QWidget *parent)
    : QWidget(parent)
    , m_renderer(resource)
{ }

void Picture::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (m_cache.size() != pixels) {
        m_cache = QPixmap(pixels);
        m_cache.fill(Qt::transparent);
        QPainter cachePainter(&m_cache);
        m_renderer.render(&cachePainter);
        m_cache.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_cache);
}
