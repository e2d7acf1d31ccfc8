#include "widgets/Pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace {

QPixmap svgPixmap(const QString &resource, const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

// The picture of a resource at a size in device pixels, drawn once and kept in Qt's pixmap cache.
QPixmap cachedSvgPixmap(const QString &resource, const QSize &size)
{
    const QString key
            = QStringLiteral("tarvex:%1@%2x%3").arg(resource).arg(size.width()).arg(size.height());
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = svgPixmap(resource, size);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

class SvgIconEngine : public QIconEngine
{
public:
    SvgIconEngine(const QString &normal, const QString &disabled, const QSize &size)
        : m_normal(normal)
        , m_disabled(disabled)
        , m_size(size)
    { }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const bool disabled = mode == QIcon::Disabled && !m_disabled.isEmpty();
        return cachedSvgPixmap(disabled ? m_disabled : m_normal, size);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), picture);
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return m_size.scaled(size, Qt::KeepAspectRatio).boundedTo(size);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {m_size}; }

    QIconEngine *clone() const override { return new SvgIconEngine(*this); }

private:
    QString m_normal;
    QString m_disabled;
    QSize m_size;
};

} // namespace

QIcon svgIcon(const QString &normal, const QString &disabled, const QSize &size)
{
    return QIcon(new SvgIconEngine(normal, disabled, size));
}

Picture::Picture(const QString &resource, QWidget *parent)
    : QWidget(parent)
    , m_resource(resource)
{ }

void Picture::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    QPixmap picture = cachedSvgPixmap(m_resource, size() * ratio);
    picture.setDevicePixelRatio(ratio);
    QPainter painter(this);
    if (m_mirrored) {
        painter.translate(width(), 0);
        painter.scale(-1, 1);
    }
    painter.drawPixmap(0, 0, picture);
}
