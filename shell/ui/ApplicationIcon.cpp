#include "shell/ui/ApplicationIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace talvo {
namespace {

void drawField(QPainter& p)
{
    QPainterPath field;
    field.moveTo(2, 21);
    field.cubicTo(10, 17, 22, 17, 30, 20);
    field.lineTo(30, 29);
    field.lineTo(2, 29);
    field.closeSubpath();
    p.setPen(QPen(QColor(40, 100, 30), 1.5));
    p.setBrush(QColor(110, 170, 60));
    p.drawPath(field);
    p.setPen(QPen(QColor(70, 130, 40), 1.2));
    p.drawLine(QPointF(5, 25), QPointF(27, 24));
    p.drawLine(QPointF(4, 27.5), QPointF(28, 27));
}

void drawSprout(QPainter& p)
{
    p.setPen(QPen(QColor(40, 100, 30), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 21), QPointF(9, 14));
    p.setBrush(QColor(150, 205, 80));
    p.save();
    p.translate(9, 14);
    p.rotate(30);
    p.drawEllipse(QRectF(-7.5, -2.25, 7, 4.5));
    p.rotate(-60);
    p.drawEllipse(QRectF(0.5, -2.25, 7, 4.5));
    p.restore();
}

// The trefoil on a yellow disc.
void drawFalloutSign(QPainter& p)
{
    const QPointF centre(23, 9);
    p.setPen(QPen(QColor(150, 110, 20), 1.5));
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(centre, 7.5, 7.5);
    QPainterPath blades;
    const QRectF outer(centre.x() - 6, centre.y() - 6, 12, 12);
    for (const int start : {0, 120, 240}) {
        blades.moveTo(centre);
        blades.arcTo(outer, start, 60);
        blades.closeSubpath();
    }
    QPainterPath hub;
    hub.addEllipse(centre, 2, 2);
    QPainterPath dot;
    dot.addEllipse(centre, 1.3, 1.3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    p.drawPath(blades.subtracted(hub).united(dot));
}

} // namespace

QImage ApplicationIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a grid of 32 like the toolbar's pictures, whatever the size.
    p.scale(size / 32.0, size / 32.0);
    drawField(p);
    drawSprout(p);
    drawFalloutSign(p);
    p.end();
    return image;
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(ApplicationIconImage(size)));
    return icon;
}

} // namespace talvo
