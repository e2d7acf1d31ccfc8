#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

#include <memory>

// The program's pictures are SVG resources, drawn crisp at whatever size they are shown.

// An icon drawn from SVG resources: `normal` for every mode but Disabled, which has a picture of
// its own when `disabled` names one. Each picture is drawn the first time it is shown, so an icon
// nobody sees (a disabled picture while its button is enabled, a window icon without a window
// manager) costs nothing. `size` is the size the icon is made for.
QIcon svgIcon(const QString &normal, const QString &disabled, const QSize &size);

// A widget that paints an SVG resource stretched over its whole area, mirrored left to right if
// asked. Pictures of the same resource and size share one drawing.
class Picture : public QWidget
{
    Q_OBJECT
public:
    explicit Picture(const QString &resource, QWidget *parent = nullptr);

    void setMirrored(bool mirrored) { m_mirrored = mirrored; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_resource;
    bool m_mirrored = false;
};
