#pragma once

#include <QList>
#include <QPointF>
#include <QWidget>

class QLabel;

namespace zr {

class ShapeWidget;

// The palms and thumbs, drawn over the roots of the fingers.
class PalmLayer : public QWidget {
    Q_OBJECT
public:
    PalmLayer(QPointF origin, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointF origin_;
};

// The two hands of the key position check, seen from above, fingers on the home row:
// eight fingers (Shape3) with their fingertips (Shape1), a marker ring for each finger
// (Shape2) and the finger names (Label2). Fingertip i lies at left 1500 + 600 i (left
// hand) or 3300 + 600 i (right hand), top 3300, in twips of the window.
class HandPicture : public QWidget {
    Q_OBJECT
public:
    // origin: the picture's top-left corner in twips of the window it lies in.
    HandPicture(QPointF origin, QWidget *parent);

    // Every fingertip light orange and every name hidden, then finger (1..8) green
    // with its name shown.
    void showFinger(int finger);
    // Every marker hidden, then the marker of finger (1..8) shown; 0 shows none.
    void showMarker(int finger);

    ShapeWidget *fingertip(int i) const { return tips_.at(i); }
    QLabel *label(int i) const { return labels_.at(i); }
    ShapeWidget *marker(int i) const { return markers_.at(i); }

    static QRectF fingertipRect(int i);   // twips of the window
    static QRectF areaTwips();            // the whole picture, twips of the window

private:
    QRect toLocal(const QRectF &windowTwips) const;

    QPointF origin_;
    QList<ShapeWidget *> fingers_;
    QList<ShapeWidget *> tips_;
    QList<ShapeWidget *> markers_;
    QList<QLabel *> labels_;
};

}  // namespace zr
