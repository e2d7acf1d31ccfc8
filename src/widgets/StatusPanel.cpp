#include "widgets/StatusPanel.h"

#include <QPainter>

StatusPanel::StatusPanel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    // A one-pixel frame, so that the text is laid out inside it and indented as in any framed
    // label; paintEvent() draws it in grey instead of the text's colour.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
}

void StatusPanel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QColor(0xc3, 0xc9, 0xd0));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
