#include "widgets/Pictures.h"

#include <QDataStream>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QResource>

// The pictures live in the core library as the resource "pictures": register it once.
static void registerPictures()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

// A picture's image as the build drew it (see resources/render_pictures.cpp): the width and the
// height, then premultiplied R, G, B, A bytes. Null if there is none.
QImage pictureImage(const QString &file)
{
    QResource resource(file);
    if (!resource.isValid())
        return QImage();
    const QByteArray data = resource.uncompressedData();
    QDataStream in(data);
    in.setByteOrder(QDataStream::LittleEndian);
    quint32 width = 0;
    quint32 height = 0;
    in >> width >> height;
    if (in.status() != QDataStream::Ok || width == 0 || height == 0 || width > 4096 || height > 4096
        || qsizetype(8 + 4 * width * height) != data.size())
        return QImage();
    // A deep copy: the resource's bytes may be a temporary uncompressed copy.
    return QImage(reinterpret_cast<const uchar *>(data.constData() + 8), int(width), int(height),
                  int(width * 4), QImage::Format_RGBA8888_Premultiplied)
            .copy();
}

} // namespace

QPixmap picture(const QString &name, const QSize &size)
{
    const QString key
            = QStringLiteral("tarvex:%1@%2x%3").arg(name).arg(size.width()).arg(size.height());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    registerPictures();
    const QString base = QStringLiteral(":/images/") + name;
    QImage image = pictureImage(base + QStringLiteral(".rgba"));
    if (image.size() != size && !image.isNull()) {
        // Drawn for twice the size too, for screens with two device pixels to a pixel.
        const QImage twice = pictureImage(base + QStringLiteral("@2x.rgba"));
        if (twice.size() == size || size.width() > image.width())
            image = twice;
        if (image.size() != size)
            image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    pixmap = QPixmap::fromImage(image);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

namespace {

class PictureIconEngine : public QIconEngine
{
public:
    PictureIconEngine(const QString &normal, const QString &disabled, const QSize &size)
        : m_normal(normal)
        , m_disabled(disabled)
        , m_size(size)
    { }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const bool disabled = mode == QIcon::Disabled && !m_disabled.isEmpty();
        return picture(disabled ? m_disabled : m_normal, size);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap image = pixmap(rect.size() * ratio, mode, state);
        image.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), image);
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return m_size.scaled(size, Qt::KeepAspectRatio).boundedTo(size);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {m_size}; }

    QIconEngine *clone() const override { return new PictureIconEngine(*this); }

private:
    QString m_normal;
    QString m_disabled;
    QSize m_size;
};

} // namespace

QIcon pictureIcon(const QString &normal, const QString &disabled, const QSize &size)
{
    return QIcon(new PictureIconEngine(normal, disabled, size));
}

Picture::Picture(const QString &name, QWidget *parent)
    : QWidget(parent)
    , m_name(name)
{ }

void Picture::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    QPixmap image = picture(m_name, size() * ratio);
    image.setDevicePixelRatio(ratio);
    QPainter painter(this);
    if (m_mirrored) {
        painter.translate(width(), 0);
        painter.scale(-1, 1);
    }
    painter.drawPixmap(0, 0, image);
}
