#pragma once

#include <QColor>
#include <QWidget>

namespace zr {

// A filled figure drawn with antialiasing: the bars of the graphs, the cursor, the
// fingers of the hand and the keys of the shape keyboards.
class ShapeWidget : public QWidget {
    Q_OBJECT
public:
    enum Kind { Rectangle, RoundedRectangle, Oval, Ring };

    explicit ShapeWidget(Kind kind, QWidget *parent = nullptr);

    void setFillColour(const QColor &colour);
    QColor fillColour() const { return fill_; }
    void setBorder(const QColor &colour, qreal width);
    // Corner radius of a rounded rectangle, as a share of the shorter side.
    void setRoundness(qreal share);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind kind_;
    QColor fill_ = Qt::white;
    QColor border_ = Qt::transparent;
    qreal borderWidth_ = 0;
    qreal roundness_ = 0.2;
};

// A colour of the settings (0x00BBGGRR as a number), and back.
QColor ColourFromSetting(qint64 bgr);
qint64 SettingFromColour(const QColor &colour);

}  // namespace zr
