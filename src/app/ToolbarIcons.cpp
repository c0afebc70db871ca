#include "app/ToolbarIcons.h"

#include <QPainter>
#include <QPixmap>

namespace zizaza {

namespace {

// Drawn on a 24-unit grid and scaled, so every size keeps the same proportions.
QPixmap DrawPrinter(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 24.0, size / 24.0);
    const QPen outline(QColor(0x3c, 0x3c, 0x3c), 1.2);
    p.setPen(outline);
    // The sheet waiting at the top.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 2.5, 11, 7));
    // The body.
    p.setBrush(QColor(0x8a, 0x94, 0xa0));
    p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
    // The lamp.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4c, 0xbb, 0x4c));
    p.drawEllipse(QPointF(18.5, 11.5), 1.1, 1.1);
    // The printed sheet coming out, with its lines.
    p.setPen(outline);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 14.5, 11, 7.5));
    p.setPen(QPen(QColor(0x30, 0x60, 0xb0), 1));
    for (double y : {17.0, 19.5})
        p.drawLine(QPointF(8.5, y), QPointF(15.5, y));
    return picture;
}

}  // namespace

QIcon PrinterIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addPixmap(DrawPrinter(size));
    return icon;
}

}  // namespace zizaza
