#pragma once

#include "practice/KeyHeatMap.h"
#include "practicelog/ProgressQueries.h"

#include <QDialog>
#include <QList>

#include <memory>
#include <optional>

class QChart;
class QChartView;
class QComboBox;
class QCategoryAxis;
class QLabel;
class QLineSeries;
class QRadioButton;
class QScatterSeries;
class QStackedWidget;
class QTabWidget;
class QTreeWidget;
class QValueAxis;

namespace zr {

class HeatLegend;
class KeyboardPicture;

// "上達グラフ": the learner's progress from the practice log. The chart page draws speed
// and accuracy over time, one point a day, week or month, with the target speed; the
// key page colours the keyboard by each key's accuracy or mean time over a period and
// lists the weakest keys. Modal; its position is kept under "Progress".
class ProgressFrm : public QDialog {
    Q_OBJECT
public:
    enum Page { ChartPage = 0, KeyPage = 1 };

    explicit ProgressFrm(QWidget *parent = nullptr);
    ~ProgressFrm() override;

    // What the pages show (the controls set them too). selection: a row of the
    // practice list (0 every practice, then the kinds, then the items); grouping:
    // nothing chooses it from the span shown.
    void selectRuns(int row);
    void setGrouping(std::optional<ProgressGrouping> grouping);
    void setMeasure(KeyMeasure measure);
    void setPeriod(KeyPeriod period);

    QTabWidget *tabs() const { return tabs_; }
    QComboBox *selectionBox() const { return selection_; }
    QComboBox *groupingBox() const { return groupingBox_; }
    QComboBox *periodBox() const { return periodBox_; }
    QChartView *chartView() const { return chartView_; }
    QLineSeries *speedSeries() const { return speed_; }
    QLineSeries *accuracySeries() const { return accuracy_; }
    QLineSeries *targetSeries() const { return target_; }
    // The label that stands in for the chart when there is nothing to draw.
    QLabel *emptyText() const { return empty_; }
    // The figures of the point chosen with the mouse or the arrow keys.
    QLabel *pointText() const { return pointText_; }
    // The points drawn, oldest first, and how they are grouped.
    const QList<ProgressFigures> &points() const { return points_; }
    ProgressGrouping grouping() const { return shownGrouping_; }
    int selectedPoint() const { return selectedPoint_; }
    void selectPoint(int index);

    KeyboardPicture *heatKeyboard() const { return keyboard_; }
    // The key totals the heat map shows, key index k at k - 1.
    const QList<KeyTotal> &heatKeys() const { return heatKeys_; }
    QTreeWidget *weakKeyList() const { return weakList_; }

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildChartPage(QWidget *page);
    void buildKeyPage(QWidget *page);
    void openLog();
    void fillSelections();
    void drawChart();
    void drawHeatMap();
    void fillWeakKeys(const QList<KeyTotal> &totals);
    void hovered(const QPointF &point, bool state);
    QString pointDescription(int index) const;
    void showNothing(const QString &text);

    // The log: the current learner's, or one opened here to read.
    const PracticeLog *log_ = nullptr;
    std::unique_ptr<PracticeLog> ownLog_;
    QString logProblem_;
    QDate today_;
    int course_ = 0;
    bool fontUpper_ = false;
    int TargetTime_ = 0;
    QString learnedKeys_;
    QList<ProgressSelection> selections_;
    std::optional<ProgressGrouping> grouping_;
    ProgressGrouping shownGrouping_ = ProgressGrouping::Day;
    QList<ProgressFigures> points_;
    int selectedPoint_ = -1;
    KeyMeasure measure_ = KeyMeasure::Accuracy;
    KeyPeriod period_ = KeyPeriod::Last30Days;
    QList<KeyTotal> heatKeys_;
    bool placed_ = false;
    bool positionSaved_ = false;

    QTabWidget *tabs_ = nullptr;
    QComboBox *selection_ = nullptr;
    QComboBox *groupingBox_ = nullptr;
    QStackedWidget *chartStack_ = nullptr;
    QChartView *chartView_ = nullptr;
    QChart *chart_ = nullptr;
    QLineSeries *speed_ = nullptr;
    QLineSeries *accuracy_ = nullptr;
    QLineSeries *target_ = nullptr;
    QScatterSeries *chosenSpeed_ = nullptr;
    QScatterSeries *chosenAccuracy_ = nullptr;
    QCategoryAxis *timeAxis_ = nullptr;
    QValueAxis *speedAxis_ = nullptr;
    QValueAxis *accuracyAxis_ = nullptr;
    QLabel *empty_ = nullptr;
    QLabel *pointText_ = nullptr;

    QRadioButton *byAccuracy_ = nullptr;
    QRadioButton *byTime_ = nullptr;
    QComboBox *periodBox_ = nullptr;
    KeyboardPicture *keyboard_ = nullptr;
    QList<QLabel *> figures_;
    HeatLegend *legend_ = nullptr;
    QLabel *keyNote_ = nullptr;
    QTreeWidget *weakList_ = nullptr;
};

}  // namespace zr
