#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

// The program's pictures: SVG files in resources/images, drawn into plain pixel images when the
// program is built, at the size they are shown and at twice that size (resources/Pictures.cmake).
// A picture is named by its file's base name ("new", "banner").

// The picture `name` at `size` device pixels, from the drawing made for that size (scaled from
// the nearest one otherwise); loaded once and kept in the pixmap cache.
QPixmap picture(const QString &name, const QSize &size);

// An icon of `size` pixels: the picture `normal` for every mode but Disabled, which has a picture
// of its own when `disabled` names one. Each picture is loaded the first time it is shown, so an
// icon nobody sees (a disabled picture while its button is enabled, a window icon without a
// window manager) costs nothing.
QIcon pictureIcon(const QString &normal, const QString &disabled, const QSize &size);

// A widget that shows a picture over its whole area, mirrored left to right if asked. Pictures
// of the same name and size share one image.
class Picture : public QWidget
{
    Q_OBJECT
public:
    explicit Picture(const QString &name, QWidget *parent = nullptr);

    void setMirrored(bool mirrored) { m_mirrored = mirrored; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_name;
    bool m_mirrored = false;
};
