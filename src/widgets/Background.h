#pragma once

#include <QWidget>

// The picture behind the wizard while no screen is shown: a dark blue gradient under a faint
// grid, the crosshair emblem and the program's name, drawn in code so that the window's first
// frame costs little. It is laid out for 831 x 480 and stretched to the widget, its texts too.
class Background : public QWidget
{
    Q_OBJECT
public:
    explicit Background(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
