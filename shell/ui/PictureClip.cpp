#include "shell/ui/PictureClip.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace talvo {

PictureClip::PictureClip(QPixmap strip, int cols, int rows) : strip_(std::move(strip)), cols_(cols), rows_(rows) {}

QPixmap PictureClip::GraphicCell(int index) const
{
    if (index < 0 || index >= CellCount() || strip_.isNull())
        return {};
    const int w = strip_.width() / cols_;
    const int h = strip_.height() / rows_;
    return strip_.copy((index % cols_) * w, (index / cols_) * h, w, h);
}

namespace {

// One cell: a round badge with sky, rolling fields in furrows and a three-bladed sun. The blades turn a third
// of a circle over the 19 cells, so the last cell runs smoothly into the first.
void drawLogoCell(QPainter& p, const QRectF& cell, int index)
{
    const qreal s = cell.width();
    const QPointF centre = cell.center();
    const qreal radius = s * 0.46;

    QPainterPath badge;
    badge.addEllipse(centre, radius, radius);
    p.save();
    p.setClipPath(badge);

    QLinearGradient sky(cell.topLeft(), cell.bottomLeft());
    sky.setColorAt(0, QColor(70, 130, 200));
    sky.setColorAt(0.6, QColor(190, 220, 245));
    p.fillRect(cell, sky);

    // The sun, high on the left of the sky.
    const QPointF sun(cell.left() + s * 0.36, cell.top() + s * 0.34);
    QRadialGradient glow(sun, s * 0.24);
    glow.setColorAt(0, QColor(255, 240, 150, 220));
    glow.setColorAt(1, QColor(255, 240, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sun, s * 0.24, s * 0.24);
    const qreal turn = 120.0 * index / LogoCellCount;
    p.setBrush(QColor(240, 170, 20));
    for (int blade = 0; blade < 3; ++blade) {
        const qreal start = turn + blade * 120.0;
        QPainterPath wedge;
        const qreal r = s * 0.15;
        wedge.moveTo(sun);
        wedge.arcTo(QRectF(sun.x() - r, sun.y() - r, 2 * r, 2 * r), start, 60.0);
        wedge.closeSubpath();
        p.drawPath(wedge);
    }
    p.setBrush(QColor(255, 215, 60));
    p.drawEllipse(sun, s * 0.045, s * 0.045);

    // Two fields, the far one lighter, with furrows on the near one.
    QPainterPath far;
    far.moveTo(cell.left(), cell.top() + s * 0.62);
    far.cubicTo(cell.left() + s * 0.35, cell.top() + s * 0.50, cell.left() + s * 0.65, cell.top() + s * 0.68,
                cell.right(), cell.top() + s * 0.56);
    far.lineTo(cell.bottomRight());
    far.lineTo(cell.bottomLeft());
    far.closeSubpath();
    p.setBrush(QColor(120, 175, 80));
    p.drawPath(far);

    QPainterPath near;
    near.moveTo(cell.left(), cell.top() + s * 0.80);
    near.cubicTo(cell.left() + s * 0.40, cell.top() + s * 0.66, cell.left() + s * 0.70, cell.top() + s * 0.72,
                 cell.right(), cell.top() + s * 0.70);
    near.lineTo(cell.bottomRight());
    near.lineTo(cell.bottomLeft());
    near.closeSubpath();
    p.setBrush(QColor(70, 130, 50));
    p.drawPath(near);
    p.setPen(QPen(QColor(50, 100, 35), s * 0.015));
    for (int i = 1; i <= 5; ++i) {
        const qreal x = cell.left() + s * (0.12 * i);
        p.drawLine(QPointF(x + s * 0.2, cell.top() + s * 0.76), QPointF(x - s * 0.05, cell.bottom()));
    }
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 70, 40), s * 0.03));
    p.drawEllipse(centre, radius, radius);
}

} // namespace

QPixmap DrawLogoStrip()
{
    QPixmap strip(LogoCellSize * LogoCellCount, LogoCellSize);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < LogoCellCount; ++i)
        drawLogoCell(p, QRectF(i * LogoCellSize, 0, LogoCellSize, LogoCellSize), i);
    return strip;
}

} // namespace talvo
