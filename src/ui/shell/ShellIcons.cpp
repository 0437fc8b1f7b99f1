#include "ui/shell/ShellIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace zr {
namespace {

// Draws on a logical canvas of 32 x 32 at the scales a screen may ask for.
QIcon drawn(const std::function<void(QPainter &)> &draw, int logical = 32)
{
    QIcon icon;
    for (int scale : {1, 2, 3}) {
        QPixmap pixmap(logical * scale, logical * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(logical / 32.0, logical / 32.0);
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void drawStart(QPainter &p)
{
    p.setPen(QPen(QColor(0x1e, 0x7d, 0x32), 1.5));
    p.setBrush(QColor(0x43, 0xa0, 0x47));
    p.drawEllipse(QRectF(2.5, 2.5, 27, 27));
    QPainterPath triangle;
    triangle.moveTo(12.5, 9);
    triangle.lineTo(23.5, 16);
    triangle.lineTo(12.5, 23);
    triangle.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(triangle);
}

void drawGraph(QPainter &p)
{
    p.setPen(QPen(QColor(0x45, 0x5a, 0x64), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(4, 28));
    p.drawLine(QPointF(4, 28), QPointF(29, 28));
    p.setPen(Qt::NoPen);
    const struct {
        double x, top;
        QColor colour;
    } bars[] = {{8, 17, QColor(0x42, 0xa5, 0xf5)}, {15, 10, QColor(0x1e, 0x88, 0xe5)},
                {22, 6, QColor(0xfb, 0x8c, 0x00)}};
    for (const auto &bar : bars) {
        p.setBrush(bar.colour);
        p.drawRoundedRect(QRectF(bar.x, bar.top, 5, 26 - bar.top), 1, 1);
    }
}

// A line that climbs over a grid: progress over time.
void drawProgress(QPainter &p)
{
    p.setPen(QPen(QColor(0x45, 0x5a, 0x64), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(4, 28));
    p.drawLine(QPointF(4, 28), QPointF(29, 28));
    p.setPen(QPen(QColor(0xb0, 0xbe, 0xc5), 1, Qt::DotLine));
    for (double y : {10.0, 16.0, 22.0})
        p.drawLine(QPointF(6, y), QPointF(29, y));
    const QPointF points[] = {{7, 23}, {12, 19}, {17, 21}, {22, 12}, {27, 7}};
    p.setPen(QPen(QColor(0x1e, 0x88, 0xe5), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(points, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xfb, 0x8c, 0x00));
    for (const QPointF &pt : points)
        p.drawEllipse(pt, 2, 2);
}

// A key cap with a target on it: practice aimed at the weak keys.
void drawWeakKey(QPainter &p)
{
    p.setPen(QPen(QColor(0x6d, 0x4c, 0x41), 1.5));
    p.setBrush(QColor(0xef, 0xeb, 0xe9));
    p.drawRoundedRect(QRectF(3, 5, 24, 22), 4, 4);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(6, 7, 18, 15), 3, 3);
    p.setPen(Qt::NoPen);
    const QPointF centre(22, 20);
    const QColor rings[] = {QColor(0xe5, 0x39, 0x35), Qt::white, QColor(0xe5, 0x39, 0x35)};
    const double radii[] = {8, 5.5, 3};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(rings[i]);
        p.drawEllipse(centre, radii[i], radii[i]);
    }
}

void drawPerson(QPainter &p, QPointF at, double size, const QColor &colour)
{
    p.setBrush(colour);
    p.drawEllipse(QRectF(at.x() - size * 0.22, at.y(), size * 0.44, size * 0.44));
    QPainterPath body;
    body.addRoundedRect(QRectF(at.x() - size * 0.4, at.y() + size * 0.5, size * 0.8, size * 0.5),
                        size * 0.25, size * 0.25);
    p.drawPath(body);
}

void drawUser(QPainter &p)
{
    p.setPen(QPen(Qt::white, 1));
    drawPerson(p, QPointF(20.5, 4), 17, QColor(0x8e, 0x24, 0xaa));
    drawPerson(p, QPointF(11.5, 9), 19, QColor(0x5e, 0x35, 0xb1));
}

}  // namespace

QIcon AppIcon()
{
    // The menu icon (packaging/icons), in the sizes rendered from its SVG.
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            i.addFile(QStringLiteral(":/icons/%1/zorvel-lesson.png").arg(size), QSize(size, size));
        return i;
    }();
    return icon;
}

QIcon ToolbarIcon(const QString &key)
{
    if (key == u"start")
        return drawn(drawStart);
    if (key == u"graph")
        return drawn(drawGraph);
    if (key == u"user")
        return drawn(drawUser);
    if (key == u"progress")
        return drawn(drawProgress);
    if (key == u"weak")
        return drawn(drawWeakKey);
    return {};
}

}  // namespace zr
