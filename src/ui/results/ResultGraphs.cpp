#include "ui/results/ResultGraphs.h"

#include "keyboard/KeyboardModel.h"
#include "platform/Cp932.h"
#include "platform/Format.h"
#include "platform/Twips.h"
#include "ui/common/Application.h"
#include "ui/keyboard/Shapes.h"

#include <QPainter>

#include <cmath>

namespace zr {
namespace {

const QColor kAccuracyBar(70, 130, 230);
const QColor kSpeedBar(40, 170, 100);
const QColor kShadow(150, 150, 150);
constexpr double kBarHeight = 150;
constexpr double kShadowOffset = 45;

int px(double twips)
{
    return int(std::lround(twipsToPixels(twips)));
}

// Bars are scaled like every other twips figure (15 twips a pixel): the 1-twip bar of a
// day or key without data comes out 0 pixels wide and is hidden by placeBar, instead of
// being rounded up into a tick that looks like data.
QRect pixelRect(double left, double top, double width, double height)
{
    return QRect(px(left), px(top), px(left + width) - px(left), std::max(1, px(top + height) - px(top)));
}

void placeBar(QWidget *bar, const QRect &r)
{
    bar->setGeometry(r);
    bar->setVisible(r.width() > 0);
}

// The last n characters of a text padded in front, as the graphs align their figures.
QString lastChars(const QString &text, int n)
{
    return text.right(n);
}

void paintTexts(QWidget *w, const QList<PrintedText> &texts)
{
    QPainter p(w);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont proportional(QString::fromUtf16(kProportionalGothic), 8);
    const QFont fixed(QString::fromUtf16(kFixedGothic), 9);
    for (const PrintedText &t : texts) {
        p.setFont(t.fixedFont ? fixed : proportional);
        p.setPen(t.colour.isValid() ? t.colour : w->palette().color(QPalette::WindowText));
        const QFontMetrics fm(p.font());
        // Figures are padded in front to a fixed number of characters and printed in
        // the fixed-width font from their x, which lines them up on the right.
        const QRect r(px(t.at.x()), px(t.at.y()), fm.horizontalAdvance(t.text) + 2, fm.height());
        p.drawText(r, Qt::AlignLeft | Qt::AlignTop, t.text);
    }
}

}  // namespace

double AccuracyBarWidth(double accuracy, double fullBar)
{
    return std::max(1.0, accuracy * fullBar / 100);
}

double RateBarWidth(double rate, double best, double fullBar)
{
    if (!(best > 0) || !std::isfinite(rate) || rate <= 0)
        return 1;
    return std::max(1.0, rate / best * fullBar);
}

DayHistoryLayout DayHistoryLayout::historyViewer()
{
    DayHistoryLayout l;
    l.firstTop = 500;
    l.rowStep = 300;
    l.width = 7000;
    l.height = l.firstTop + l.rowStep * 14 + 150 + 200;
    l.accuracyLeft = 1200;
    l.speedLeft = 3750;
    l.fullBar = 1800;
    l.dateX = 50;
    l.accuracyX = 3000;
    l.speedX = 5700;
    l.needsCharsAndTime = true;
    return l;
}

// KeyGraphPicture ------------------------------------------------------------------------

KeyGraphPicture::KeyGraphPicture(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    resize(px(kWidthTwips), px(345));
}

ShapeWidget *KeyGraphPicture::shape(const QString &name, int j, const QColor &colour)
{
    const QString objectName = name + u'_' + QString::number(j);
    for (ShapeWidget *s : shapes_) {
        if (s->objectName() == objectName) {
            s->setFillColour(colour);
            return s;
        }
    }
    auto *s = new ShapeWidget(ShapeWidget::Rectangle, this);
    s->setObjectName(objectName);
    s->setFillColour(colour);
    shapes_.append(s);
    return s;
}

double KeyGraphPicture::keygraph(const KeyStats &stats)
{
    texts_.clear();
    for (ShapeWidget *s : shapes_)
        s->hide();

    double rateMax = 0;
    int n = 0;
    for (int code = KeyStats::kFirstCode; code <= KeyStats::kLastCode; ++code) {
        const KeyStat *s = stats.at(code);
        if (s->hits > 0) {
            ++n;
            if (s->milliseconds > 0)
                rateMax = std::max(rateMax, s->hits / s->milliseconds);
        }
    }
    const double height = 345 + 240.0 * n;
    resize(px(kWidthTwips), px(height));

    int j = 0;
    for (int code = KeyStats::kFirstCode; code <= KeyStats::kLastCode; ++code) {
        const KeyStat *s = stats.at(code);
        const double x = s->hits;
        if (x <= 0)
            continue;
        const double y = s->misses;
        const double z = s->milliseconds;
        const double top = 345 + 240.0 * j;
        const double a = 100 - y / x * 100;

        ShapeWidget *shadow = shape(QStringLiteral("Shape6"), j, kShadow);
        ShapeWidget *bar = shape(QStringLiteral("Shape5"), j, kAccuracyBar);
        placeBar(bar, pixelRect(525, top, AccuracyBarWidth(a), kBarHeight));
        placeBar(shadow, pixelRect(525 + kShadowOffset, top + kShadowOffset, AccuracyBarWidth(a), kBarHeight));

        // The key name in its frame; the space bar has no character to show, so its
        // name is written out, in half-width katakana to fit before the bar.
        const QChar key = charFromAnsiKeyCode(code);
        ShapeWidget *frame = shape(QStringLiteral("Shape9"), j, Qt::transparent);
        frame->setBorder(QColor(120, 120, 120), 1);
        frame->setGeometry(pixelRect(202, top - 35, 230, 230));
        if (key == u' ')
            texts_.append({QPointF(15, top), tr("ｽﾍﾟｰｽ"), true, {}});
        else
            texts_.append({QPointF(225, top), ToWideHiragana(QString(key.toUpper())), true, {}});
        frame->setVisible(key != u' ');

        texts_.append({QPointF(3600, top), lastChars(QStringLiteral("     ") + FormatNumber(a, u"###;###;0") + u'%', 5),
                       true, {}});

        const double rateWidth = z > 0 ? RateBarWidth(x / z, rateMax) : 1;
        ShapeWidget *speedShadow = shape(QStringLiteral("Shape8"), j, kShadow);
        ShapeWidget *speedBar = shape(QStringLiteral("Shape7"), j, kSpeedBar);
        placeBar(speedBar, pixelRect(4380, top, rateWidth, kBarHeight));
        placeBar(speedShadow, pixelRect(4380 + kShadowOffset, top + kShadowOffset, rateWidth, kBarHeight));

        // The number right-aligned in five places, then the unit.
        const QString number = z > 0 ? FormatNumber(1000 / (z / x), u"##0.0") : QStringLiteral("0");
        const QString speed = tr("%1打/秒").arg(lastChars(QStringLiteral("     ") + number, 5));
        texts_.append({QPointF(7425, top), speed, true, {}});

        bar->raise();
        speedBar->raise();
        ++j;
    }
    rows_ = n;
    update();
    return height;
}

void KeyGraphPicture::paintEvent(QPaintEvent *)
{
    paintTexts(this, texts_);
}

// DayHistoryPicture ------------------------------------------------------------------------

DayHistoryPicture::DayHistoryPicture(QWidget *parent, const DayHistoryLayout &layout)
    : QWidget(parent), layout_(layout)
{
    setObjectName(QStringLiteral("Picture4"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setFixedSize(px(layout_.width), px(layout_.height));
    const char *names[4] = {"Shape2", "Shape1", "Shape4", "Shape3"};
    for (int i = 0; i < ScoreRecord::kDays; ++i) {
        for (const char *name : names) {
            const bool shadow = name[5] == '2' || name[5] == '4';
            auto *s = new ShapeWidget(ShapeWidget::Rectangle, this);
            s->setObjectName(QString::fromLatin1(name) + u'_' + QString::number(i));
            s->setFillColour(shadow ? kShadow : (name[5] == '1' ? kAccuracyBar : kSpeedBar));
            shapes_.append(s);
        }
    }
}

bool DayHistoryPicture::drawHistory(const ScoreRecord &r)
{
    const DayHistoryLayout &l = layout_;
    hide();
    texts_.clear();
    double best = 0;
    for (int e = 0; e < ScoreRecord::kDays; ++e) {
        if (r.DayKeys[e] > 0 && r.DayTime[e] > 0)
            best = std::max(best, r.DayChars[e] / r.DayTime[e]);
    }
    bool anyDay = false;
    const QColor rowTextColour = palette().color(QPalette::WindowText);
    for (int i = ScoreRecord::kDays - 1; i >= 0; --i) {
        const double top = l.firstTop + l.rowStep * i;
        double accuracyWidth = 1;
        double speedWidth = 1;
        const bool hasDay = r.DayKeys[i] > 0 && (!l.needsCharsAndTime || (r.DayTime[i] > 0 && r.DayChars[i] > 0));
        if (hasDay) {
            anyDay = true;
            const QColor colour = i == 0 ? QColor(0, 0, 255) : rowTextColour;
            const double accuracy = EntryAccuracy(r, i + 1).value_or(0);
            accuracyWidth = AccuracyBarWidth(accuracy, l.fullBar);
            speedWidth = r.DayTime[i] > 0 ? RateBarWidth(r.DayChars[i] / r.DayTime[i], best, l.fullBar) : 1;
            texts_.append({QPointF(l.dateX, top), ShortDateText(r.DayDate[i]), false, colour});
            texts_.append({QPointF(l.accuracyX, top),
                           lastChars(QStringLiteral("     ") + FormatNumber(accuracy, u"###;###;0") + u'%', 5), true,
                           colour});
            texts_.append({QPointF(l.speedX, top),
                           tr("%1字/分").arg(lastChars(QStringLiteral("     ")
                                                           + FormatNumber(EntrySpeed(r, i + 1).value_or(0), u"##0.0"),
                                                       5)),
                           true, colour});
        }
        ShapeWidget *const *row = shapes_.constData() + i * 4;
        placeBar(row[0], pixelRect(l.accuracyLeft + kShadowOffset, top + kShadowOffset, accuracyWidth, kBarHeight));
        placeBar(row[1], pixelRect(l.accuracyLeft, top, accuracyWidth, kBarHeight));
        placeBar(row[2], pixelRect(l.speedLeft + kShadowOffset, top + kShadowOffset, speedWidth, kBarHeight));
        placeBar(row[3], pixelRect(l.speedLeft, top, speedWidth, kBarHeight));
    }
    show();
    update();
    return anyDay;
}

void DayHistoryPicture::clearHistory()
{
    texts_.clear();
    for (ShapeWidget *s : shapes_)
        s->hide();
    update();
}

void DayHistoryPicture::paintEvent(QPaintEvent *)
{
    paintTexts(this, texts_);
}

}  // namespace zr
