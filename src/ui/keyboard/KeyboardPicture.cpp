#include "ui/keyboard/KeyboardPicture.h"

#include "ui/common/Application.h"

#include "platform/Twips.h"
#include "ui/keyboard/HandPicture.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace zr {
namespace {

QColor fromRgb(const Rgb &c)
{
    return QColor(c.r, c.g, c.b);
}

QRect pixelRect(const QRectF &twips)
{
    const int left = int(std::lround(twipsToPixels(twips.left())));
    const int top = int(std::lround(twipsToPixels(twips.top())));
    const int right = int(std::lround(twipsToPixels(twips.right())));
    const int bottom = int(std::lround(twipsToPixels(twips.bottom())));
    return QRect(left, top, right - left, bottom - top);
}

// The picture codes of the result screens: YellowPicture stands for the light yellow
// key there, and HomeKey means nothing.
int resultPictureToColourCode(int code)
{
    return code == YellowPicture ? int(HomeKey) : code == HomeKey ? 0 : code;
}

}  // namespace

QColor KeyColourOf(int code, KeyCap::Drawing drawing)
{
    const std::optional<Rgb> c = drawing == KeyCap::Picture ? KeyPictureColour(code) : KeyFillColour(code);
    return c ? fromRgb(*c) : QColor();
}

// KeyCap ------------------------------------------------------------------------------

KeyCap::KeyCap(Drawing drawing, QWidget *parent) : QWidget(parent), drawing_(drawing)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void KeyCap::setColour(const QColor &colour)
{
    if (colour_ == colour)
        return;
    colour_ = colour;
    update();
}

void KeyCap::setMarked(bool marked)
{
    if (marked_ == marked)
        return;
    marked_ = marked;
    update();
}

void KeyCap::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = std::min(r.width(), r.height()) * 0.18;
    const QColor rim = colour_.darker(colour_ == Qt::white ? 145 : 160);
    if (drawing_ == Shape) {
        p.setPen(QPen(QColor(70, 70, 70), 1));
        p.setBrush(colour_);
        p.drawRoundedRect(r, radius, radius);
        return;
    }
    // A key cap seen from above: the rim in a darker tone, the face lit from the top.
    p.setPen(QPen(rim.darker(130), 1));
    p.setBrush(rim);
    p.drawRoundedRect(r, radius, radius);
    const qreal side = r.width() * 0.13;
    const QRectF face = r.adjusted(side, side * 0.6, -side, -side * 1.5);
    QLinearGradient light(face.topLeft(), face.bottomLeft());
    light.setColorAt(0, colour_.lighter(112));
    light.setColorAt(1, colour_);
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawRoundedRect(face, radius * 0.7, radius * 0.7);
    if (marked_) {
        p.setBrush(QBrush(colour_.darker(135), Qt::BDiagPattern));
        p.drawRoundedRect(face, radius * 0.7, radius * 0.7);
    }
}

// KeyboardPicture -----------------------------------------------------------------------

KeyboardLayout PictureKeyboardLayout(const QString &keyName, KeyCaptions captions,
                                     const QString &captionName, QPointF captionOffset)
{
    KeyboardLayout layout;
    layout.geometry = ChapterIntroGeometry;
    layout.drawing = KeyCap::Picture;
    layout.keyName = keyName;
    layout.searchShifted = false;
    layout.captions = captions;
    layout.captionName = captionName;
    layout.captionOffset = captionOffset;
    layout.captionFont = QFont(QString::fromUtf16(kFixedGothic), 8);
    return layout;
}

KeyboardPicture::KeyboardPicture(KeyboardLayout layout, int course, bool fontUpper, QWidget *parent)
    : QWidget(parent), layout_(std::move(layout)), course_(course), fontUpper_(fontUpper)
{
    setObjectName(QStringLiteral("Picture1"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (!layout_.shadowName.isEmpty()) {
        for (int k = 1; k <= kKeyCount; ++k) {
            auto *shadow = new QWidget(this);
            shadow->setObjectName(layout_.shadowName + u'_' + QString::number(k));
            shadow->setAutoFillBackground(true);
            QPalette pal = shadow->palette();
            pal.setColor(QPalette::Window, QColor(96, 96, 96));
            shadow->setPalette(pal);
            shadow->setGeometry(pixelRect(KeyRect(k, layout_.geometry)
                                              .translated(layout_.shadowOffset, layout_.shadowOffset)));
            shadows_.append(shadow);
        }
    }
    for (int k = 1; k <= kKeyCount; ++k) {
        auto *key = new KeyCap(layout_.drawing, this);
        key->setObjectName(layout_.keyName + u'_' + QString::number(k));
        key->setGeometry(pixelRect(KeyRect(k, layout_.geometry)));
        keys_.append(key);
    }
    if (!layout_.spaceBar.isEmpty()) {
        auto *bar = new KeyCap(layout_.drawing, this);
        bar->setObjectName(layout_.spaceBarName);
        bar->setGeometry(pixelRect(layout_.spaceBar));
        spaceBar_ = bar;
    }
    if (layout_.captions == KeyCaptions::Moving) {
        movingCaption_ = makeCaption(layout_.captionName);
    } else if (layout_.captions == KeyCaptions::PerKey) {
        for (int k = 1; k <= kKeyCount; ++k) {
            QLabel *caption = makeCaption(layout_.captionName + u'_' + QString::number(k));
            const QRectF r = KeyRect(k, layout_.geometry);
            caption->move(pixelRect(QRectF(r.topLeft() + layout_.captionOffset, QSizeF(1, 1))).topLeft());
            perKeyCaptions_.append(caption);
        }
    }
    resize(designSize());
}

QSize KeyboardPicture::designSize() const
{
    QRectF all = layout_.spaceBar;
    for (int k = 1; k <= kKeyCount; ++k) {
        QRectF r = KeyRect(k, layout_.geometry);
        if (!layout_.shadowName.isEmpty())
            r = r.united(r.translated(layout_.shadowOffset, layout_.shadowOffset));
        all = all.isEmpty() ? r : all.united(r);
    }
    const QRect px = pixelRect(QRectF(QPointF(0, 0), all.bottomRight()));
    return px.size() + QSize(2, 2);
}

void KeyboardPicture::DrawKeyboard()
{
    const QColor white = KeyColourOf(NormalKey, layout_.drawing);
    for (KeyCap *key : keys_)
        key->setColour(white);
    if (auto *bar = qobject_cast<KeyCap *>(spaceBar_))
        bar->setColour(white);
    for (QLabel *caption : perKeyCaptions_)
        caption->hide();
    hideCaption();
}

QLabel *KeyboardPicture::makeCaption(const QString &name)
{
    auto *caption = new QLabel(this);
    caption->setObjectName(name);
    caption->setFont(layout_.captionFont);
    caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    caption->hide();
    return caption;
}

void KeyboardPicture::placeCaption(QLabel *caption, int index, const QString &text)
{
    caption->setText(text);
    caption->adjustSize();
    const QRectF r = KeyRect(index, layout_.geometry);
    caption->move(pixelRect(QRectF(r.topLeft() + layout_.captionOffset, QSizeF(1, 1))).topLeft());
    caption->show();
    caption->raise();
}

int KeyboardPicture::keyIndexOf(QChar c) const
{
    // Kana have one key each, shifted or not, so every kana keyboard finds them all.
    if (layout_.searchShifted || course_ == KanaCourse)
        return KeyIndexOf(c, course_).index;
    const QString &row = course_ == KanaCourse ? KanaKeyRow : LatinKeyRow;
    return int(row.indexOf(c)) + 1;
}

KeyCap *KeyboardPicture::key(int index) const
{
    return index >= 1 && index <= keys_.size() ? keys_.at(index - 1) : nullptr;
}

QColor KeyboardPicture::keyColour(int index) const
{
    const KeyCap *k = key(index);
    return k ? k->colour() : QColor();
}

void KeyboardPicture::hideCaption()
{
    if (movingCaption_)
        movingCaption_->hide();
}

void KeyboardPicture::colourKey(int index, int code, bool restoreHome)
{
    KeyCap *k = key(index);
    const QColor colour = KeyColourOf(code, layout_.drawing);
    if (colour.isValid())
        k->setColour(colour);
    // A home key goes back to light yellow whatever character reached it: A typed with
    // Shift is still the key of a.
    if (restoreHome && IsHomeKey(index, course_))
        k->setColour(KeyColourOf(HomeKey, layout_.drawing));
}

void KeyboardPicture::MarkKeys(QStringView keys, int code, bool showFinger, bool restore)
{
    for (QChar c : keys) {
        // The drill's keyboard has a space bar: a blank is the space bar there, not the
        // shifted 0 that the key model finds for it.
        if (c == u' ' && spaceBar_) {
            const QColor colour = KeyColourOf(code, layout_.drawing);
            if (colour.isValid())
                static_cast<KeyCap *>(spaceBar_)->setColour(colour);
            continue;
        }
        const int k = keyIndexOf(c);
        if (k == 0)
            return;
        if (hand_) {
            if (showFinger && !restore) {
                hand_->showFinger(FingerOf(k));
            } else {
                hand_->showMarker(restore ? 0 : FingerOf(k));
            }
        }
        colourKey(k, code, restore);
        if (layout_.captions == KeyCaptions::Moving) {
            movingCaption_->hide();
            if (showFinger)
                placeCaption(movingCaption_, k, KeyDisplayForm(QStringView(&c, 1), fontUpper_));
        } else if (layout_.captions == KeyCaptions::PerMark && showFinger) {
            QLabel *caption = makeCaption(layout_.captionName + u'_' + QString::number(++markCaptions_));
            QFont f = caption->font();
            f.setBold(code == NextKey);
            caption->setFont(f);
            placeCaption(caption, k, KeyDisplayForm(QStringView(&c, 1), fontUpper_));
        }
    }
}

void KeyboardPicture::PaintResultKeys(QStringView keys, int code, bool captions)
{
    const int colourCode = resultPictureToColourCode(code);
    for (QChar c : keys) {
        const int k = keyIndexOf(c);
        if (k == 0)
            return;
        const QColor colour = KeyColourOf(colourCode, layout_.drawing);
        if (colour.isValid())
            key(k)->setColour(colour);
        if (captions && layout_.captions == KeyCaptions::PerKey) {
            QLabel *caption = perKeyCaptions_.at(k - 1);
            caption->setText(KeyDisplayForm(QStringView(&c, 1), fontUpper_));
            caption->adjustSize();
            caption->show();
            caption->raise();
        }
    }
}

}  // namespace zr
