#include "ui/keyboard/Shapes.h"

#include <QPainter>
#include <QPainterPath>

namespace zr {

ShapeWidget::ShapeWidget(Kind kind, QWidget *parent) : QWidget(parent), kind_(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::setFillColour(const QColor &colour)
{
    if (fill_ == colour)
        return;
    fill_ = colour;
    update();
}

void ShapeWidget::setBorder(const QColor &colour, qreal width)
{
    border_ = colour;
    borderWidth_ = width;
    update();
}

void ShapeWidget::setRoundness(qreal share)
{
    roundness_ = share;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const qreal inset = borderWidth_ / 2;
    const QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (kind_ == Rectangle && borderWidth_ == 0) {
        p.fillRect(rect(), fill_);
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(borderWidth_ > 0 ? QPen(border_, borderWidth_) : QPen(Qt::NoPen));
    p.setBrush(kind_ == Ring ? QBrush(Qt::NoBrush) : QBrush(fill_));
    switch (kind_) {
    case Rectangle:
        p.drawRect(r);
        break;
    case RoundedRectangle: {
        const qreal radius = std::min(r.width(), r.height()) * roundness_;
        p.drawRoundedRect(r, radius, radius);
        break;
    }
    case Oval:
    case Ring:
        p.drawEllipse(r);
        break;
    }
}

QColor ColourFromSetting(qint64 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

qint64 SettingFromColour(const QColor &colour)
{
    return qint64(colour.red()) | (qint64(colour.green()) << 8) | (qint64(colour.blue()) << 16);
}

}  // namespace zr
