#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QSvgRenderer>
#include <QWidget>

// The program's pictures are SVG resources, drawn crisp at whatever size they are shown.
QPixmap svgPixmap(const QString &resource, const QSize &size);

// A widget that paints an SVG resource stretched over its whole area.
class Picture : public QWidget
{
    Q_OBJECT
public:
    explicit Picture(const QString &resource, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer m_renderer;
    // The picture drawn at the widget's size, redrawn only when the size changes.
    QPixmap m_cache;
};
