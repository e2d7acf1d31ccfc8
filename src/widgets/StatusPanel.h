#pragma once

#include <QLabel>

// A panel of the status bar: plain text in a small font inside a thin grey frame. Drawn by the
// label itself rather than by a style sheet, so that the window's bars stay with the plain style.
class StatusPanel : public QLabel
{
    Q_OBJECT
public:
    explicit StatusPanel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
