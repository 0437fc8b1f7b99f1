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

// Where the day history puts its rows, bars and figures, in twips of its picture. The
// result screens and the history viewer draw the same graph at different scales.
struct DayHistoryLayout {
    double width = 9300;
    double height = 345 + 240 * 15;
    double firstTop = 345;          // top of row 0, the most recent day
    double rowStep = 240;
    double accuracyLeft = 1080;
    double speedLeft = 4830;
    double fullBar = 3000;          // a bar at 100 % or at the best day's speed
    double dateX = 25;
    double accuracyX = 4050;        // the two figures, padded to a fixed width
    double speedX = 8025;
    // The viewer leaves out a day that lacks units typed or time, even with hits.
    bool needsCharsAndTime = false;

    static DayHistoryLayout historyViewer();
};

// The 15-day history of a score record: accuracy and speed bars per day, the most
// recent day on top in blue.
class DayHistoryPicture : public QWidget {
    Q_OBJECT
public:
    explicit DayHistoryPicture(QWidget *parent = nullptr, const DayHistoryLayout &layout = {});
    // Returns whether any day carried figures.
    bool drawHistory(const ScoreRecord &record);
    // No bars and no figures.
    void clearHistory();
    const QList<PrintedText> &texts() const { return texts_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    DayHistoryLayout layout_;
    QList<PrintedText> texts_;
    QList<ShapeWidget *> shapes_;
};

// Accuracy and speed bar widths (twips): a bar never shrinks below 1.
double AccuracyBarWidth(double accuracy, double fullBar = 3000);
double RateBarWidth(double rate, double best, double fullBar = 3000);

}  // namespace zr
