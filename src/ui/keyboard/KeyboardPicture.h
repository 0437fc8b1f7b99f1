#pragma once

#include "keyboard/KeyboardModel.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QWidget>

class QLabel;

namespace zr {

class HandPicture;

// One key of an on-screen keyboard. A shape key is a flat rounded top in the fill
// colour of its code; a key picture is a small key cap in the picture colour, with a
// rim and a lit face.
class KeyCap : public QWidget {
    Q_OBJECT
public:
    enum Drawing { Shape, Picture };

    KeyCap(Drawing drawing, QWidget *parent = nullptr);
    void setColour(const QColor &colour);
    QColor colour() const { return colour_; }
    // A key set apart from the others (too rarely pressed to judge on the heat map):
    // hatched across its face.
    void setMarked(bool marked);
    bool marked() const { return marked_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Drawing drawing_;
    QColor colour_ = Qt::white;
    bool marked_ = false;
};

// How a keyboard shows key captions when keys are marked with the show-finger flag.
enum class KeyCaptions {
    None,
    Moving,    // one caption that moves to the last marked key (key position check)
    PerMark,   // a new caption for every marked key (Chapter introduction)
    PerKey,    // one caption per key, shown when the key is painted (result screens)
};

struct KeyboardLayout {
    KeyboardGeometry geometry;
    KeyCap::Drawing drawing = KeyCap::Shape;
    QString keyName;                 // "KeyTop", "Key", "Image1", "ImgKey"
    QString shadowName;              // "KeyShadow" for keys with a shadow, else empty
    double shadowOffset = 70;        // twips right and down
    // Which characters the keyboard finds: the Latin and shifted rows (KeyIndexOf), or
    // the plain row alone (the picture keyboards).
    bool searchShifted = true;
    KeyCaptions captions = KeyCaptions::None;
    QString captionName;             // "Label3", "Label1", "Label7"
    QPointF captionOffset;           // twips from the key's top-left corner
    QFont captionFont;
    // A space bar (left, top, width, height in twips) that a blank marks.
    QRectF spaceBar;
    QString spaceBarName;
};

// The keyboard of key pictures that the Chapter introduction and the result screens
// draw: the plain key rows only, captions in a fixed-width font.
KeyboardLayout PictureKeyboardLayout(const QString &keyName, KeyCaptions captions,
                                     const QString &captionName, QPointF captionOffset);

// An on-screen keyboard of the 48 keys, placed by the geometry of its screen, with the
// one key-marking operation every keyboard of the program shares.
class KeyboardPicture : public QWidget {
    Q_OBJECT
public:
    KeyboardPicture(KeyboardLayout layout, int course, bool fontUpper, QWidget *parent = nullptr);

    // Draws the keys afresh: every key white (DrawKeyboard).
    void DrawKeyboard();

    // The hand whose fingers MarkKeys shows; the keyboard does not own it.
    void setHand(HandPicture *hand) { hand_ = hand; }

    // Marks the keys of a string in order, stopping at the first character the
    // keyboard does not know: the key takes the colour of the code; with showFinger the
    // hand shows the finger and the key gets its caption; with restore the finger
    // markers are cleared and a home key goes back to light yellow.
    void MarkKeys(QStringView keys, int code, bool showFinger, bool restore);

    // The result screens' variant: every key of the string takes the picture of the
    // code, and with captions on shows its caption.
    void PaintResultKeys(QStringView keys, int code, bool captions);

    // Hides the moving caption.
    void hideCaption();

    // Key index of a character on this keyboard, 0 when it has none.
    int keyIndexOf(QChar c) const;
    KeyCap *key(int index) const;
    QWidget *spaceBar() const { return spaceBar_; }
    QColor keyColour(int index) const;
    QLabel *caption() const { return movingCaption_; }

    // The picture's size in pixels for its geometry.
    QSize designSize() const;

private:
    void colourKey(int index, int code, bool restoreHome);
    QLabel *makeCaption(const QString &name);
    void placeCaption(QLabel *caption, int index, const QString &text);

    KeyboardLayout layout_;
    int course_;
    bool fontUpper_;
    HandPicture *hand_ = nullptr;
    QList<KeyCap *> keys_;          // index 1..48 at 0..47
    QList<QWidget *> shadows_;
    QList<QLabel *> perKeyCaptions_;
    QWidget *spaceBar_ = nullptr;
    QLabel *movingCaption_ = nullptr;
    int markCaptions_ = 0;
};

// The colour a key takes for a colour code on a keyboard of this drawing; invalid for a
// code that leaves the key as it is.
QColor KeyColourOf(int code, KeyCap::Drawing drawing);

}  // namespace zr
