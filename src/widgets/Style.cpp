#include "widgets/Style.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

QString tarvexStyleSheet()
{
    return QStringLiteral(R"(
QWidget[tarvexRole="page"] { background: #eceff3; }
QLabel[tarvexRole="title"] {
    background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #1f2d3d, stop:1 #3b5068);
    color: #f4f6f8; font-weight: bold; padding: 4px 8px;
}
QFrame[tarvexRole="group"] {
    background: #ffffff; border: 1px solid #b8c2cc; border-radius: 2px;
}
QFrame[tarvexRole="group"] QLabel { background: transparent; }
QFrame[tarvexRole="group"] QLabel[tarvexRole="caption"] {
    background: #3b5068; color: #ffffff; font-weight: bold; padding: 2px 6px;
}
QLabel[tarvexRole="preview"] {
    background: #f4f6f8; color: #3a4450; border: 1px solid #d5dbe1; padding: 6px; margin-top: 6px;
}
QLabel[tarvexRole="note"] { color: #3a4450; background: transparent; }
QLabel[tarvexRole="warning"] { color: #a61b1b; font-weight: bold; background: transparent; }
QPushButton[tarvexRole="next"] {
    background: #3b5068; color: #ffffff; font-weight: bold;
    border: 1px solid #1f2d3d; border-radius: 3px; padding: 4px 14px;
}
QPushButton[tarvexRole="next"]:hover { background: #4a6482; }
QPushButton[tarvexRole="next"]:pressed { background: #1f2d3d; }
QLineEdit[tarvexRole="key"] {
    border: none; background: #eef2f6; padding: 0 3px; font-weight: bold;
}
QLineEdit[keyProblem="true"], QLineEdit[valueProblem="true"], QLineEdit[warned="true"] {
    color: #a61b1b; selection-color: #ffffff; selection-background-color: #a61b1b;
}
)");
}

namespace {

const QColor scriptBackground(0xff, 0xff, 0xff);
const QColor scriptText(0x5a, 0x5a, 0x5a);

} // namespace

void setScriptViewColours(QWidget *view)
{
    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, scriptBackground);
    palette.setColor(QPalette::Text, scriptText);
    view->setPalette(palette);
}

void setScriptViewStyle(QWidget *view)
{
    view->setStyleSheet(QStringLiteral("QPlainTextEdit { background: %1; color: %2; }")
                                .arg(scriptBackground.name(), scriptText.name()));
}
