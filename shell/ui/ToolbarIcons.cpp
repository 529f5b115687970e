#include "shell/ui/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace talvo {
namespace {

constexpr int Size = 32;

void drawPage(QPainter& p)
{
    QPainterPath page;
    page.moveTo(7, 3);
    page.lineTo(19, 3);
    page.lineTo(25, 9);
    page.lineTo(25, 29);
    page.lineTo(7, 29);
    page.closeSubpath();
    p.setPen(QPen(QColor(80, 80, 80), 1.5));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(19, 3), QPointF(19, 9));
    p.drawLine(QPointF(19, 9), QPointF(25, 9));
}

void drawFolder(QPainter& p)
{
    p.setPen(QPen(QColor(150, 110, 20), 1.5));
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(QRectF(3, 9, 24, 18));
    p.drawRect(QRectF(3, 6, 10, 4));
    p.setBrush(QColor(250, 220, 120));
    QPainterPath flap;
    flap.moveTo(6, 14);
    flap.lineTo(29, 14);
    flap.lineTo(26, 27);
    flap.lineTo(3, 27);
    flap.closeSubpath();
    p.drawPath(flap);
}

void drawDisk(QPainter& p)
{
    p.setPen(QPen(QColor(30, 50, 100), 1.5));
    p.setBrush(QColor(60, 100, 180));
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(9, 18, 14, 10));
}

// A wizard's wand with a letter on a coloured badge beside it.
void drawWizard(QPainter& p, const QColor& colour, const QString& letter)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(13, 3, 17, 17));
    QFont font = p.font();
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(13, 3, 17, 17), Qt::AlignCenter, letter);
    p.setPen(QPen(QColor(60, 40, 20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 28), QPointF(15, 17));
    p.setPen(QPen(QColor(250, 200, 40), 2));
    for (const auto& [dx, dy] : {std::pair{0, -4}, {4, 0}, {-3, 3}, {3, 3}})
        p.drawLine(QPointF(15, 17), QPointF(15 + dx * 0.8, 17 + dy * 0.8));
}

void drawChart(QPainter& p)
{
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.drawLine(QPointF(4, 4), QPointF(4, 28));
    p.drawLine(QPointF(4, 28), QPointF(29, 28));
    const QColor colours[] = {QColor(200, 60, 50), QColor(60, 140, 60), QColor(50, 90, 190), QColor(230, 160, 30)};
    const int heights[] = {14, 21, 9, 17};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colours[i]);
        p.drawRect(QRectF(7 + i * 5.5, 27 - heights[i], 4.5, heights[i]));
    }
}

void drawHelp(QPainter& p)
{
    p.setPen(QPen(QColor(20, 60, 140), 1.5));
    p.setBrush(QColor(70, 130, 220));
    p.drawEllipse(QRectF(3, 3, 26, 26));
    QFont font = p.font();
    font.setPixelSize(20);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
}

} // namespace

QIcon ToolbarIcon(const QString& key)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (key == QLatin1String("New")) {
        drawPage(p);
    } else if (key == QLatin1String("Open")) {
        drawFolder(p);
    } else if (key == QLatin1String("Save")) {
        drawDisk(p);
    } else if (key == QLatin1String("RunTalvoWizard")) {
        drawWizard(p, QColor(60, 140, 60), QStringLiteral("S"));
    } else if (key == QLatin1String("RunMCDMWizard")) {
        drawWizard(p, QColor(50, 90, 190), QStringLiteral("R"));
    } else if (key == QLatin1String("RunEconomicWizard")) {
        drawWizard(p, QColor(200, 120, 20), QStringLiteral("\u00A3"));
    } else if (key == QLatin1String("Graph")) {
        drawChart(p);
    } else if (key == QLatin1String("Help")) {
        drawHelp(p);
    }
    p.end();
    return QIcon(pixmap);
}

} // namespace talvo
