#include "ui/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

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
    , m_resource(resource)
{ }

void Picture::paintEvent(QPaintEvent *)
{
    QSvgRenderer renderer(m_resource);
    QPainter painter(this);
    renderer.render(&painter, rect());
}
