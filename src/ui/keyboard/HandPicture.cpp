#include "ui/keyboard/HandPicture.h"

#include "keyboard/KeyboardModel.h"
#include "platform/Twips.h"
#include "ui/keyboard/Shapes.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace zr {
namespace {

const QColor kSkin(250, 226, 204);
const QColor kSkinLine(176, 132, 100);
const QColor kTipIdle(255, 192, 128);
const QColor kTipActive(0, 255, 0);

constexpr double kTipWidth = 420;
constexpr double kTipHeight = 480;
constexpr double kFingerWidth = 500;
// How far each finger reaches down to the palm, little finger to little finger.
constexpr double kFingerLength[8] = {1050, 1250, 1350, 1250, 1250, 1350, 1250, 1050};
constexpr double kPalmTop = 4250;
constexpr double kPalmBottom = 5650;

}  // namespace

QRectF HandPicture::fingertipRect(int i)
{
    const double left = i <= 3 ? 1500 + 600.0 * i : 3300 + 600.0 * i;
    return {left, 3300, kTipWidth, kTipHeight};
}

QRectF HandPicture::areaTwips()
{
    return {1000, 2940, 7300, 2760};
}

PalmLayer::PalmLayer(QPointF origin, QWidget *parent) : QWidget(parent), origin_(origin)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

HandPicture::HandPicture(QPointF origin, QWidget *parent) : QWidget(parent), origin_(origin)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The palms lie over the finger roots, the fingertips over everything.
    auto *palms = new PalmLayer(origin, this);
    for (int i = 0; i < 8; ++i) {
        const QRectF tip = fingertipRect(i);
        const double centre = tip.center().x();

        auto *finger = new ShapeWidget(ShapeWidget::RoundedRectangle, this);
        finger->setObjectName(QStringLiteral("Shape3_%1").arg(i));
        finger->setFillColour(kSkin);
        finger->setBorder(kSkinLine, 1.2);
        finger->setRoundness(0.5);
        finger->setGeometry(toLocal({centre - kFingerWidth / 2, tip.top() - 60, kFingerWidth,
                                     kFingerLength[i] + 300}));
        fingers_.append(finger);

        auto *fingertip = new ShapeWidget(ShapeWidget::Oval, this);
        fingertip->setObjectName(QStringLiteral("Shape1_%1").arg(i));
        fingertip->setFillColour(kTipIdle);
        fingertip->setBorder(kSkinLine, 1);
        fingertip->setGeometry(toLocal(tip));
        tips_.append(fingertip);

        auto *marker = new ShapeWidget(ShapeWidget::Ring, this);
        marker->setObjectName(QStringLiteral("Shape2_%1").arg(i));
        marker->setBorder(QColor(230, 0, 0), 3);
        marker->setGeometry(toLocal(tip.adjusted(-90, -90, 90, 90)));
        marker->hide();
        markers_.append(marker);

        auto *label = new QLabel(FingerShortLabel(i + 1), this);
        label->setObjectName(QStringLiteral("Label2_%1").arg(i));
        label->setAlignment(Qt::AlignCenter);
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
        label->setStyleSheet(QStringLiteral("color: rgb(0, 110, 0);"));
        label->setGeometry(toLocal({centre - 500, tip.top() - 340, 1000, 250}));
        label->hide();
        labels_.append(label);
    }
    palms->setGeometry(toLocal(areaTwips()));
    palms->raise();
    for (int i = 0; i < 8; ++i) {
        tips_[i]->raise();
        markers_[i]->raise();
        labels_[i]->raise();
    }
    setGeometry(toLocal(areaTwips()).translated(int(std::lround(twipsToPixels(origin_.x()))),
                                                int(std::lround(twipsToPixels(origin_.y())))));
}

QRect HandPicture::toLocal(const QRectF &t) const
{
    const QRectF local = t.translated(-origin_);
    const int left = int(std::lround(twipsToPixels(local.left())));
    const int top = int(std::lround(twipsToPixels(local.top())));
    return QRect(left, top, int(std::lround(twipsToPixels(local.right()))) - left,
                 int(std::lround(twipsToPixels(local.bottom()))) - top);
}

void HandPicture::showFinger(int finger)
{
    for (int i = 0; i < 8; ++i) {
        tips_[i]->setFillColour(kTipIdle);
        labels_[i]->hide();
    }
    if (finger >= 1 && finger <= 8) {
        tips_[finger - 1]->setFillColour(kTipActive);
        labels_[finger - 1]->show();
    }
}

void HandPicture::showMarker(int finger)
{
    for (QWidget *m : markers_)
        m->hide();
    if (finger >= 1 && finger <= 8)
        markers_[finger - 1]->show();
}

void PalmLayer::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kSkinLine, 1.2));
    p.setBrush(kSkin);
    auto px = [this](double x, double y) {
        return QPointF(twipsToPixels(x - origin_.x()), twipsToPixels(y - origin_.y()));
    };
    for (int hand = 0; hand < 2; ++hand) {
        const bool leftHand = hand == 0;
        const QRectF little = HandPicture::fingertipRect(leftHand ? 0 : 7);
        const QRectF index = HandPicture::fingertipRect(leftHand ? 3 : 4);
        const double left = std::min(little.left(), index.left()) - 140;
        const double right = std::max(little.right(), index.right()) + 140;

        // The thumb leans from the palm towards the space bar, on the inner side.
        p.save();
        p.translate(px(leftHand ? right - 330 : left + 330, kPalmTop + 850));
        p.rotate(leftHand ? 48 : -48);
        const double length = twipsToPixels(1250);
        const double width = twipsToPixels(440);
        p.drawRoundedRect(QRectF(-width / 2, -length, width, length), width / 2, width / 2);
        p.restore();

        QPainterPath palm;
        const QRectF r(px(left, kPalmTop), px(right, kPalmBottom));
        palm.addRoundedRect(r, twipsToPixels(380), twipsToPixels(380));
        p.drawPath(palm);
    }
}

}  // namespace zr
