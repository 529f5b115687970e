#include "selection/ui/FarmPictureClip.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace talvo {
namespace {

void drawBarn(QPainter& p, qreal s, const QPointF& at)
{
    const QRectF wall(at.x(), at.y(), s * 0.26, s * 0.18);
    p.setPen(QPen(QColor(90, 30, 20), s * 0.01));
    p.setBrush(QColor(170, 45, 35));
    p.drawRect(wall);
    QPainterPath roof;
    roof.moveTo(wall.left() - s * 0.02, wall.top());
    roof.lineTo(wall.center().x(), wall.top() - s * 0.10);
    roof.lineTo(wall.right() + s * 0.02, wall.top());
    roof.closeSubpath();
    p.setBrush(QColor(95, 95, 100));
    p.drawPath(roof);
    p.setBrush(QColor(240, 235, 220));
    p.drawRect(QRectF(wall.center().x() - s * 0.04, wall.bottom() - s * 0.11, s * 0.08, s * 0.11));
}

// A wind pump whose sails turn a fifth of a circle over the strip, so the last cell runs into the first.
void drawWindPump(QPainter& p, qreal s, const QPointF& hub, int index)
{
    p.setPen(QPen(QColor(60, 60, 60), s * 0.015));
    p.drawLine(hub, QPointF(hub.x() - s * 0.05, hub.y() + s * 0.30));
    p.drawLine(hub, QPointF(hub.x() + s * 0.05, hub.y() + s * 0.30));
    const qreal turn = 2 * std::numbers::pi * index / (5.0 * FarmPictureClip::CellCount);
    p.setPen(QPen(QColor(235, 235, 235), s * 0.02, Qt::SolidLine, Qt::RoundCap));
    for (int sail = 0; sail < 5; ++sail) {
        const qreal angle = turn + sail * 2 * std::numbers::pi / 5;
        p.drawLine(hub, hub + QPointF(std::cos(angle), std::sin(angle)) * s * 0.11);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(hub, s * 0.02, s * 0.02);
}

// A tractor that crosses the near field once over the strip.
void drawTractor(QPainter& p, qreal s, const QRectF& cell, int index)
{
    const qreal x = cell.left() - s * 0.25 + (s * 1.3) * index / FarmPictureClip::CellCount;
    const qreal ground = cell.top() + s * 0.88;
    p.setPen(QPen(QColor(30, 30, 30), s * 0.01));
    p.setBrush(QColor(40, 120, 60));
    p.drawRect(QRectF(x, ground - s * 0.12, s * 0.16, s * 0.07));
    p.setBrush(QColor(200, 220, 235));
    p.drawRect(QRectF(x + s * 0.02, ground - s * 0.20, s * 0.07, s * 0.08));
    p.setBrush(QColor(25, 25, 25));
    p.drawEllipse(QPointF(x + s * 0.04, ground - s * 0.03), s * 0.045, s * 0.045);
    p.drawEllipse(QPointF(x + s * 0.14, ground - s * 0.02), s * 0.03, s * 0.03);
}

void drawFarmCell(QPainter& p, const QRectF& cell, int index)
{
    const qreal s = cell.width();
    p.save();
    p.setClipRect(cell);

    QLinearGradient sky(cell.topLeft(), cell.bottomLeft());
    sky.setColorAt(0, QColor(90, 150, 215));
    sky.setColorAt(0.55, QColor(200, 225, 245));
    p.fillRect(cell, sky);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 80));
    p.drawEllipse(QPointF(cell.left() + s * 0.80, cell.top() + s * 0.18), s * 0.08, s * 0.08);

    QPainterPath hills;
    hills.moveTo(cell.left(), cell.top() + s * 0.58);
    hills.cubicTo(cell.left() + s * 0.30, cell.top() + s * 0.45, cell.left() + s * 0.60, cell.top() + s * 0.62,
                  cell.right(), cell.top() + s * 0.50);
    hills.lineTo(cell.bottomRight());
    hills.lineTo(cell.bottomLeft());
    hills.closeSubpath();
    p.setBrush(QColor(125, 180, 85));
    p.drawPath(hills);

    drawBarn(p, s, QPointF(cell.left() + s * 0.10, cell.top() + s * 0.44));
    drawWindPump(p, s, QPointF(cell.left() + s * 0.66, cell.top() + s * 0.30), index);

    const QRectF field(cell.left(), cell.top() + s * 0.70, s, s * 0.30);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 110, 60));
    p.drawRect(field);
    p.setPen(QPen(QColor(115, 80, 40), s * 0.012));
    for (int furrow = 1; furrow <= 3; ++furrow) {
        const qreal y = field.top() + field.height() * furrow / 4;
        p.drawLine(QPointF(field.left(), y), QPointF(field.right(), y));
    }
    drawTractor(p, s, cell, index);
    p.restore();

    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(cell.adjusted(0, 0, -1, -1));
}

} // namespace

FarmPictureClip::FarmPictureClip() : strip_(CellSize * CellCount, CellSize)
{
    strip_.fill(Qt::white);
    QPainter p(&strip_);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < CellCount; ++i)
        drawFarmCell(p, QRectF(i * CellSize, 0, CellSize, CellSize), i);
}

QPixmap FarmPictureClip::GraphicCell(int index) const
{
    if (index < 0 || index >= CellCount)
        return {};
    return strip_.copy(index * CellSize, 0, CellSize, CellSize);
}

} // namespace talvo
