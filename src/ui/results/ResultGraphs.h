#pragma once

#include "engine/KeyStats.h"
#include "results/ScoreRecord.h"

#include <QList>
#include <QWidget>

namespace zr {

class ShapeWidget;

// Texts the graphs print, in twips of their picture.
struct PrintedText {
    QPointF at;            // top-left corner
    QString text;
    bool fixedFont = false;
    QColor colour;
};

// The per-key graph: one row per typed key with its accuracy bar and its speed bar
// (hits per second), both with a shadow.
class KeyGraphPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr double kWidthTwips = 9000;

    explicit KeyGraphPicture(const QString &name, QWidget *parent = nullptr);
    // Draws the graph afresh; returns the picture's height in twips (345 + 240 n).
    double keygraph(const KeyStats &stats);
    int rowCount() const { return rows_; }
    const QList<PrintedText> &texts() const { return texts_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ShapeWidget *shape(const QString &name, int j, const QColor &colour);

    QList<PrintedText> texts_;
    QList<ShapeWidget *> shapes_;
    int rows_ = 0;
};

// The 15-day history of a score record: accuracy and speed bars per day, the most
// recent day on top in blue.
class DayHistoryPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr double kWidthTwips = 9300;
    static constexpr double kHeightTwips = 345 + 240 * 15;

    explicit DayHistoryPicture(QWidget *parent = nullptr);
    void drawHistory(const ScoreRecord &record);
    const QList<PrintedText> &texts() const { return texts_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<PrintedText> texts_;
    QList<ShapeWidget *> shapes_;
};

// Accuracy and speed bar widths (twips): a bar never shrinks below 1.
double AccuracyBarWidth(double accuracy);
double RateBarWidth(double rate, double best);

}  // namespace zr
