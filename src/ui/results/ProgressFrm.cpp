#include "ui/results/ProgressFrm.h"

#include "platform/Clock.h"
#include "platform/Format.h"
#include "platform/OleDate.h"
#include "platform/Twips.h"
#include "practice/WeakKeyPractice.h"
#include "practicelog/LearnerLog.h"
#include "ui/common/Application.h"
#include "ui/common/WindowPlacement.h"
#include "ui/keyboard/KeyboardPicture.h"
#include "userdata/UserSettings.h"
#include "userdata/ZRSub.h"

#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QCategoryAxis>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolTip>
#include <QTreeWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace zr {
namespace {

const QString kSection = QStringLiteral("Progress");

// The heat map's keyboard: the result screens' keyboard drawn twice as large, with a
// narrower gap between the hands.
const KeyboardGeometry kHeatGeometry{620, 590, -560, 20, {0, 310, 465, 775}, 0, 240};

QColor colourOf(const Rgb &c)
{
    return QColor(c.r, c.g, c.b);
}

int px(double twips)
{
    return int(std::lround(twipsToPixels(twips)));
}

qint64 msecsOf(const QDate &date)
{
    return date.startOfDay().toMSecsSinceEpoch();
}

// Half a group either side of the first and the last point.
qint64 paddingMsecs(ProgressGrouping grouping)
{
    constexpr qint64 day = 86400000;
    switch (grouping) {
    case ProgressGrouping::Week: return day * 7 / 2;
    case ProgressGrouping::Month: return day * 15;
    default: return day / 2;
    }
}

// A round number at or above value for an axis to end at.
double roundedUp(double value)
{
    if (value <= 0)
        return 10;
    const double step = value <= 50 ? 10 : value <= 200 ? 25 : 50;
    return std::ceil(value / step) * step;
}

}  // namespace

// The legend of the heat map: the colour scale with its two ends, and the keys drawn
// apart from it.
class HeatLegend : public QWidget {
    Q_OBJECT   // for its texts' own translation context
public:
    explicit HeatLegend(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("HeatLegend"));
        auto *rows = new QVBoxLayout(this);
        rows->setContentsMargins(0, 0, 0, 0);
        rows->setSpacing(6);
        auto *scaleRow = new QHBoxLayout;
        scaleRow->setSpacing(6);
        good_ = new QLabel(this);
        good_->setObjectName(QStringLiteral("LegendGood"));
        poor_ = new QLabel(this);
        poor_->setObjectName(QStringLiteral("LegendPoor"));
        bar_ = new Bar(this);
        scaleRow->addWidget(good_);
        scaleRow->addWidget(bar_);
        scaleRow->addWidget(poor_);
        scaleRow->addStretch(1);
        rows->addLayout(scaleRow);
        auto *layout = new QHBoxLayout;
        layout->setSpacing(6);
        rows->addLayout(layout);
        auto sample = [&](const QString &name, const QColor &colour, bool marked, const QString &text) {
            auto *key = new KeyCap(KeyCap::Picture, this);
            key->setObjectName(name);
            key->setColour(colour);
            key->setMarked(marked);
            key->setFixedSize(px(330), px(330));
            auto *label = new QLabel(text, this);
            layout->addWidget(key);
            layout->addWidget(label);
        };
        sample(QStringLiteral("LegendTooFew"), colourOf(HeatNeutralColour()), true,
               tr("%1回未満（判定しません）").arg(kPressesToJudge));
        layout->addSpacing(6);
        sample(QStringLiteral("LegendNone"), Qt::white, false, tr("記録なし"));
        layout->addStretch(1);
        figures_ = new QLabel(this);
        figures_->setObjectName(QStringLiteral("LegendFigures"));
        figures_->setWordWrap(true);
        rows->addWidget(figures_);
    }

    void setScale(KeyMeasure measure, const HeatScale &scale, bool anyJudged)
    {
        if (measure == KeyMeasure::Accuracy) {
            good_->setText(tr("正解率 %1%").arg(FormatNumber(scale.good, u"0")));
            poor_->setText(tr("%1%以下").arg(FormatNumber(scale.poor, u"0")));
            figures_->setText(tr("キーの数字は、期間中の正解率（%）です。"));
        } else if (anyJudged) {
            good_->setText(tr("平均 %1ミリ秒（最速）").arg(FormatNumber(scale.good, u"0")));
            poor_->setText(tr("%1ミリ秒（最遅）").arg(FormatNumber(scale.poor, u"0")));
        } else {
            good_->setText(tr("平均時間：速い"));
            poor_->setText(tr("遅い"));
        }
        if (measure == KeyMeasure::MeanTime)
            figures_->setText(tr("キーの数字は、期間中に正しく打ったときの平均時間（ミリ秒）です。"));
    }

private:
    class Bar : public QWidget {
    public:
        explicit Bar(QWidget *parent) : QWidget(parent) { setFixedSize(140, 14); }

    protected:
        void paintEvent(QPaintEvent *) override
        {
            QPainter p(this);
            QLinearGradient g(0, 0, width(), 0);
            g.setColorAt(0, colourOf(HeatGoodColour()));
            g.setColorAt(0.5, colourOf(HeatMiddleColour()));
            g.setColorAt(1, colourOf(HeatPoorColour()));
            p.setPen(QColor(120, 120, 120));
            p.setBrush(g);
            p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        }
    };

    QLabel *good_ = nullptr;
    QLabel *poor_ = nullptr;
    QLabel *figures_ = nullptr;
    Bar *bar_ = nullptr;
};

ProgressFrm::ProgressFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ProgressFrm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(tr("上達グラフ"));
    const SharedState &s = ZRSub();
    course_ = s.CurUser.Course;
    fontUpper_ = s.FontUpper == 1;
    TargetTime_ = CurrentUserSettings().TargetTime;
    today_ = dateFromOle(Today());
    QString error;
    learnedKeys_ = LearnedKeysOfLearner(course_, s.CurUser.LessonProgress, s.AppDir, &error).value_or(QString());

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    auto *chartPage = new QWidget;
    auto *keyPage = new QWidget;
    buildChartPage(chartPage);
    buildKeyPage(keyPage);
    tabs_->addTab(chartPage, tr("速度と正解率の推移(&1)"));
    tabs_->addTab(keyPage, tr("キーごとの成績(&2)"));

    auto *close = new QPushButton(tr("閉じる"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(10, 10, 10, 10);
    main->addWidget(tabs_, 1);
    main->addLayout(buttons);

    openLog();
    fillSelections();
    drawChart();
    drawHeatMap();
    tabs_->setCurrentIndex(ChartPage);
    adjustSize();
}

ProgressFrm::~ProgressFrm() = default;

void ProgressFrm::buildChartPage(QWidget *page)
{
    selection_ = new QComboBox(page);
    selection_->setObjectName(QStringLiteral("CmbRuns"));
    selection_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    selection_->setMaxVisibleItems(20);
    auto *runsLabel = new QLabel(tr("表示する練習(&P)："), page);
    runsLabel->setBuddy(selection_);
    groupingBox_ = new QComboBox(page);
    groupingBox_->setObjectName(QStringLiteral("CmbGrouping"));
    groupingBox_->addItem(tr("自動"));
    groupingBox_->addItem(tr("日ごと"));
    groupingBox_->addItem(tr("週ごと"));
    groupingBox_->addItem(tr("月ごと"));
    auto *groupingLabel = new QLabel(tr("点の単位(&U)："), page);
    groupingLabel->setBuddy(groupingBox_);

    chart_ = new QChart;
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->setMargins(QMargins(4, 4, 4, 4));
    chart_->setBackgroundPen(Qt::NoPen);
    speed_ = new QLineSeries;
    speed_->setObjectName(QStringLiteral("SpeedSeries"));
    speed_->setName(tr("入力速度（字/分）"));
    speed_->setPointsVisible(true);
    speed_->setPen(QPen(QColor(30, 110, 200), 2));
    accuracy_ = new QLineSeries;
    accuracy_->setObjectName(QStringLiteral("AccuracySeries"));
    accuracy_->setName(tr("正解率（%）"));
    accuracy_->setPointsVisible(true);
    accuracy_->setPen(QPen(QColor(230, 120, 20), 2));
    target_ = new QLineSeries;
    target_->setObjectName(QStringLiteral("TargetSeries"));
    target_->setName(tr("目標速度 %1字/分").arg(TargetTime_));
    target_->setPen(QPen(QColor(40, 150, 60), 1.5, Qt::DashLine));
    chosenSpeed_ = new QScatterSeries;
    chosenAccuracy_ = new QScatterSeries;
    for (QScatterSeries *chosen : {chosenSpeed_, chosenAccuracy_}) {
        chosen->setMarkerSize(13);
        chosen->setColor(Qt::transparent);
        chosen->setBorderColor(QColor(60, 60, 60));
        chosen->setPen(QPen(QColor(60, 60, 60), 2));
    }
    for (QAbstractSeries *series : std::initializer_list<QAbstractSeries *>{target_, speed_, accuracy_, chosenSpeed_, chosenAccuracy_})
        chart_->addSeries(series);
    timeAxis_ = new QCategoryAxis;
    timeAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    speedAxis_ = new QValueAxis;
    speedAxis_->setTitleText(tr("字/分"));
    speedAxis_->setLabelFormat(QStringLiteral("%d"));
    accuracyAxis_ = new QValueAxis;
    accuracyAxis_->setTitleText(tr("%"));
    accuracyAxis_->setLabelFormat(QStringLiteral("%d"));
    chart_->addAxis(timeAxis_, Qt::AlignBottom);
    chart_->addAxis(speedAxis_, Qt::AlignLeft);
    chart_->addAxis(accuracyAxis_, Qt::AlignRight);
    for (QAbstractSeries *series : std::initializer_list<QAbstractSeries *>{target_, speed_, chosenSpeed_}) {
        series->attachAxis(timeAxis_);
        series->attachAxis(speedAxis_);
    }
    for (QAbstractSeries *series : std::initializer_list<QAbstractSeries *>{accuracy_, chosenAccuracy_}) {
        series->attachAxis(timeAxis_);
        series->attachAxis(accuracyAxis_);
    }
    for (QScatterSeries *chosen : {chosenSpeed_, chosenAccuracy_}) {
        for (QLegendMarker *marker : chart_->legend()->markers(chosen))
            marker->setVisible(false);
    }
    connect(speed_, &QLineSeries::hovered, this, &ProgressFrm::hovered);
    connect(accuracy_, &QLineSeries::hovered, this, &ProgressFrm::hovered);

    chartView_ = new QChartView(chart_, page);
    chartView_->setObjectName(QStringLiteral("ProgressChart"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setFocusPolicy(Qt::StrongFocus);
    chartView_->setMinimumSize(760, 380);
    chartView_->installEventFilter(this);
    chartView_->setToolTip(QString());
    chartView_->setAccessibleName(tr("速度と正解率のグラフ（←→キーで点を選びます）"));

    empty_ = new QLabel(page);
    empty_->setObjectName(QStringLiteral("LblNoRuns"));
    empty_->setWordWrap(true);
    empty_->setAlignment(Qt::AlignCenter);
    empty_->setMargin(40);
    chartStack_ = new QStackedWidget(page);
    chartStack_->addWidget(chartView_);
    chartStack_->addWidget(empty_);

    pointText_ = new QLabel(page);
    pointText_->setObjectName(QStringLiteral("LblPoint"));
    pointText_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *controls = new QHBoxLayout;
    controls->addWidget(runsLabel);
    controls->addWidget(selection_);
    controls->addSpacing(16);
    controls->addWidget(groupingLabel);
    controls->addWidget(groupingBox_);
    controls->addStretch(1);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(controls);
    layout->addWidget(chartStack_, 1);
    layout->addWidget(pointText_);

    connect(selection_, &QComboBox::activated, this, [this](int index) {
        selectRuns(selection_->itemData(index).toInt());
    });
    connect(groupingBox_, &QComboBox::activated, this, [this](int index) {
        static const std::optional<ProgressGrouping> choices[] = {std::nullopt, ProgressGrouping::Day,
                                                                  ProgressGrouping::Week, ProgressGrouping::Month};
        setGrouping(choices[std::clamp(index, 0, 3)]);
    });
}

void ProgressFrm::buildKeyPage(QWidget *page)
{
    byAccuracy_ = new QRadioButton(tr("正解率(&A)"), page);
    byAccuracy_->setObjectName(QStringLiteral("OptAccuracy"));
    byTime_ = new QRadioButton(tr("平均打鍵時間(&T)"), page);
    byTime_->setObjectName(QStringLiteral("OptMeanTime"));
    byAccuracy_->setChecked(true);
    auto *measures = new QButtonGroup(page);
    measures->addButton(byAccuracy_);
    measures->addButton(byTime_);
    connect(byAccuracy_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setMeasure(KeyMeasure::Accuracy);
    });
    connect(byTime_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setMeasure(KeyMeasure::MeanTime);
    });
    periodBox_ = new QComboBox(page);
    periodBox_->setObjectName(QStringLiteral("CmbPeriod"));
    periodBox_->addItem(tr("直近7日間"));
    periodBox_->addItem(tr("直近30日間"));
    periodBox_->addItem(tr("すべての期間"));
    periodBox_->setCurrentIndex(1);
    auto *periodLabel = new QLabel(tr("期間(&D)："), page);
    periodLabel->setBuddy(periodBox_);
    connect(periodBox_, &QComboBox::activated, this, [this](int index) {
        static const KeyPeriod periods[] = {KeyPeriod::Last7Days, KeyPeriod::Last30Days, KeyPeriod::Everything};
        setPeriod(periods[std::clamp(index, 0, 2)]);
    });

    KeyboardLayout layout = PictureKeyboardLayout(QStringLiteral("HeatKey"), KeyCaptions::PerKey,
                                                  QStringLiteral("HeatCaption"), QPointF(75, 40));
    layout.geometry = kHeatGeometry;
    layout.captionFont = QFont(QString::fromUtf16(kFixedGothic), 11);
    auto *board = new QWidget(page);
    board->setObjectName(QStringLiteral("HeatPicture"));
    board->setAutoFillBackground(true);
    QPalette pal = board->palette();
    pal.setColor(QPalette::Window, Qt::white);
    board->setPalette(pal);
    keyboard_ = new KeyboardPicture(layout, course_, fontUpper_, board);
    keyboard_->setObjectName(QStringLiteral("HeatKeyboard"));
    keyboard_->move(8, 8);
    keyboard_->DrawKeyboard();
    QFont figureFont = font();
    figureFont.setPointSizeF(7.5);
    const QString &plain = course_ == KanaCourse ? KanaKeyRow : LatinKeyRow;
    for (int k = 1; k <= kKeyCount; ++k) {
        const QChar c = plain.at(k - 1);
        keyboard_->PaintResultKeys(QStringView(&c, 1), 0, true);
        const QRect r(px(KeyRect(k, kHeatGeometry).left()), px(KeyRect(k, kHeatGeometry).top()),
                      px(kHeatGeometry.keySize), px(kHeatGeometry.keySize));
        auto *figure = new QLabel(keyboard_);
        figure->setObjectName(QStringLiteral("HeatFigure_%1").arg(k));
        figure->setFont(figureFont);
        figure->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        figure->setAttribute(Qt::WA_TransparentForMouseEvents);
        figure->setGeometry(r.left() + 2, r.top() + r.height() * 52 / 100, r.width() - 4, r.height() * 40 / 100);
        figure->show();
        figures_.append(figure);
    }
    board->setFixedSize(keyboard_->designSize() + QSize(16, 16));

    legend_ = new HeatLegend(page);

    auto *weakBox = new QGroupBox(tr("苦手なキー"), page);
    weakBox->setObjectName(QStringLiteral("FrameWeakKeys"));
    weakList_ = new QTreeWidget(weakBox);
    weakList_->setObjectName(QStringLiteral("WeakKeyList"));
    weakList_->setRootIsDecorated(false);
    weakList_->setHeaderLabels({tr("キー"), tr("回数"), tr("正解率"), tr("平均時間")});
    weakList_->header()->setStretchLastSection(false);
    weakList_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (int column = 1; column < 4; ++column)
        weakList_->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    weakList_->setMinimumWidth(250);
    // Room for the five keys and the heading, no more.
    const int rowHeight = std::max(weakList_->fontMetrics().height() + 4, 18);
    weakList_->setFixedHeight(rowHeight * (kWeakKeyCount + 1) + 2 * weakList_->frameWidth() + 8);
    keyNote_ = new QLabel(weakBox);
    keyNote_->setObjectName(QStringLiteral("LblWeakNote"));
    keyNote_->setWordWrap(true);
    auto *weakLayout = new QVBoxLayout(weakBox);
    weakLayout->addWidget(weakList_);
    weakLayout->addWidget(keyNote_);
    weakLayout->addStretch(1);

    auto *controls = new QHBoxLayout;
    controls->addWidget(new QLabel(tr("色分け："), page));
    controls->addWidget(byAccuracy_);
    controls->addWidget(byTime_);
    controls->addSpacing(16);
    controls->addWidget(periodLabel);
    controls->addWidget(periodBox_);
    controls->addStretch(1);
    auto *left = new QVBoxLayout;
    left->addWidget(board);
    left->addWidget(legend_);
    left->addStretch(1);
    auto *body = new QHBoxLayout;
    body->addLayout(left);
    body->addWidget(weakBox, 1);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->addLayout(controls);
    pageLayout->addLayout(body, 1);
}

void ProgressFrm::openLog()
{
    const QString folder = ZRSub().CurUserDir;
    if (folder.isEmpty()) {
        logProblem_ = tr("使用者が選ばれていません。");
        return;
    }
    // A learner without a log yet gets one now, with the past of "user.dat" in it.
    if (!LearnerLog())
        OpenLearnerLog();
    log_ = LearnerLog();
    if (log_)
        return;
    LogError error;
    ownLog_ = PracticeLog::open(PracticeLogPath(folder), PracticeLog::Access::Read, &error);
    log_ = ownLog_.get();
    if (!log_) {
        logProblem_ = error.problem == LogProblem::Missing
                          ? QString()
                          : tr("練習記録「%1」を読めません（%2）。").arg(QDir::toNativeSeparators(PracticeLogPath(folder)),
                                                                        error.detail);
    }
}

void ProgressFrm::fillSelections()
{
    selections_.clear();
    selection_->clear();
    auto add = [&](const QString &text, const ProgressSelection &s) {
        selection_->addItem(text, int(selections_.size()));
        selections_.append(s);
    };
    add(tr("すべての練習"), {});
    add(tr("基本練習（すべての Chapter）"), {RunKind::Training, std::nullopt});
    add(tr("単語練習問題（すべて）"), {RunKind::Word, std::nullopt});
    add(tr("短文練習問題（すべて）"), {RunKind::Sentence, std::nullopt});
    add(tr("弱点練習"), {RunKind::Weak, std::nullopt});
    if (!log_)
        return;
    const std::optional<QList<ProgressItem>> items = ProgressItems(*log_, nullptr);
    if (!items || items->isEmpty())
        return;
    selection_->insertSeparator(selection_->count());
    for (const ProgressItem &item : *items) {
        QString text;
        switch (item.kind) {
        case RunKind::Training: text = item.title.isEmpty() ? ChapterTitle(item.item) : item.title; break;
        case RunKind::Word: text = tr("単語：%1").arg(item.title.isEmpty() ? item.file : item.title); break;
        case RunKind::Sentence: text = tr("短文：%1").arg(item.title.isEmpty() ? item.file : item.title); break;
        default: continue;   // weak-key practice is one item, listed above
        }
        add(text, {std::nullopt, item});
    }
}

void ProgressFrm::selectRuns(int row)
{
    const int index = selection_->findData(row);
    if (index < 0)
        return;
    selection_->setCurrentIndex(index);
    drawChart();
}

void ProgressFrm::setGrouping(std::optional<ProgressGrouping> grouping)
{
    grouping_ = grouping;
    groupingBox_->setCurrentIndex(grouping ? int(*grouping) + 1 : 0);
    drawChart();
}

void ProgressFrm::showNothing(const QString &text)
{
    points_.clear();
    selectedPoint_ = -1;
    for (QXYSeries *series : std::initializer_list<QXYSeries *>{speed_, accuracy_, target_, chosenSpeed_, chosenAccuracy_})
        series->clear();
    empty_->setText(text);
    chartStack_->setCurrentWidget(empty_);
    pointText_->clear();
}

void ProgressFrm::drawChart()
{
    const int row = selection_->currentData().toInt();
    if (!log_) {
        showNothing(logProblem_.isEmpty() ? tr("まだ練習の記録がありません。\n基本練習や単語練習問題で練習すると、ここに入力速度と正解率の移り変わりが表示されます。")
                                          : logProblem_);
        return;
    }
    LogError error;
    const std::optional<QList<ProgressFigures>> days = DailyProgress(*log_, selections_.value(row), &error);
    if (!days) {
        showNothing(tr("練習記録を読めません（%1）。").arg(error.detail));
        return;
    }
    if (days->isEmpty()) {
        showNothing(row == 0 ? tr("まだ練習の記録がありません。\n基本練習や単語練習問題で練習すると、ここに入力速度と正解率の移り変わりが表示されます。")
                             : tr("この練習の記録はまだありません。\n練習すると、ここに入力速度と正解率の移り変わりが表示されます。"));
        return;
    }
    shownGrouping_ = grouping_.value_or(GroupingForSpan(days->first().first, days->last().first));
    if (!grouping_)
        groupingBox_->setItemText(0, tr("自動（%1）").arg(groupingBox_->itemText(int(shownGrouping_) + 1)));
    else
        groupingBox_->setItemText(0, tr("自動"));
    points_ = GroupProgress(*days, shownGrouping_);

    QList<QPointF> speeds, accuracies;
    double top = TargetTime_;
    double lowest = 100;
    for (const ProgressFigures &p : points_) {
        const double x = double(msecsOf(p.first));
        if (const std::optional<double> s = p.speed()) {
            speeds.append({x, *s});
            top = std::max(top, *s);
        }
        if (const std::optional<double> a = p.accuracy()) {
            // Misses beyond the hits give an accuracy below 0, which the axis stops at.
            const double shown = std::clamp(*a, 0.0, 100.0);
            accuracies.append({x, shown});
            lowest = std::min(lowest, shown);
        }
    }
    speed_->replace(speeds);
    accuracy_->replace(accuracies);
    const qint64 pad = paddingMsecs(shownGrouping_);
    const qint64 from = msecsOf(points_.first().first) - pad;
    const qint64 to = msecsOf(points_.last().first) + pad;
    if (TargetTime_ > 0)
        target_->replace({QPointF(double(from), TargetTime_), QPointF(double(to), TargetTime_)});
    else
        target_->clear();
    // Labels stand on points, at most eight of them, the last point always labelled.
    for (const QString &label : timeAxis_->categoriesLabels())
        timeAxis_->remove(label);
    timeAxis_->setStartValue(double(from));
    timeAxis_->setRange(double(from), double(to));
    const bool oneYear = points_.first().first.year() == points_.last().first.year();
    const QString format = shownGrouping_ == ProgressGrouping::Month ? QStringLiteral("yyyy/M")
                           : oneYear                                 ? QStringLiteral("M/d")
                                                                     : QStringLiteral("yy/M/d");
    const int n = int(points_.size());
    const int step = std::max(1, (n + 7) / 8);
    for (int i = 0; i < n; i += step) {
        // The last point takes the place of a label too close before it.
        if (i != n - 1 && n - 1 - i < step && i != 0)
            continue;
        timeAxis_->append(points_.at(i).first.toString(format), double(msecsOf(points_.at(i).first)));
    }
    if ((n - 1) % step != 0)
        timeAxis_->append(points_.last().first.toString(format), double(msecsOf(points_.last().first)));
    speedAxis_->setRange(0, roundedUp(top * 1.1));
    speedAxis_->setTickCount(6);
    accuracyAxis_->setRange(std::max(0.0, std::min(90.0, std::floor(lowest / 5) * 5 - 5)), 100);
    accuracyAxis_->setTickCount(6);
    chartStack_->setCurrentWidget(chartView_);
    selectPoint(int(points_.size()) - 1);
}

void ProgressFrm::selectPoint(int index)
{
    if (points_.isEmpty())
        return;
    selectedPoint_ = std::clamp(index, 0, int(points_.size()) - 1);
    const ProgressFigures &p = points_.at(selectedPoint_);
    const double x = double(msecsOf(p.first));
    if (const std::optional<double> s = p.speed())
        chosenSpeed_->replace({QPointF(x, *s)});
    else
        chosenSpeed_->clear();
    if (const std::optional<double> a = p.accuracy())
        chosenAccuracy_->replace({QPointF(x, std::clamp(*a, 0.0, 100.0))});
    else
        chosenAccuracy_->clear();
    pointText_->setText(pointDescription(selectedPoint_));
}

QString ProgressFrm::pointDescription(int index) const
{
    const ProgressFigures &p = points_.at(index);
    const double ole = toOleDate(p.first);
    //: A date pattern: yyyy the year, m and mm the month, d and dd the day, aaa the
    //: weekday in Japanese; every other character is written as it is.
    const QString day = tr("yyyy/mm/dd(aaa)");
    QString when;
    switch (shownGrouping_) {
    case ProgressGrouping::Week: when = tr("%1 からの週").arg(FormatDate(ole, day)); break;
    //: A month's pattern: yyyy the year, m and mm the month.
    case ProgressGrouping::Month: when = FormatDate(ole, tr("yyyy年m月")); break;
    default: when = FormatDate(ole, day); break;
    }
    const std::optional<double> s = p.speed();
    const std::optional<double> a = p.accuracy();
    //: %1 the day, week or month; %2 the speed; %3 the accuracy; %4 the practice time.
    return tr("%1　入力速度 %2字/分　正解率 %3%　練習時間 %4分")
        .arg(when, s ? FormatNumber(*s, u"0.0") : QStringLiteral("-"), a ? FormatNumber(*a, u"0.0") : QStringLiteral("-"),
             PlainNumberText(std::round(PracticeMinutes(p.seconds / 86400.0))));
}

void ProgressFrm::hovered(const QPointF &point, bool state)
{
    if (!state || points_.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    int nearest = 0;
    double distance = -1;
    for (int i = 0; i < points_.size(); ++i) {
        const double d = std::abs(double(msecsOf(points_.at(i).first)) - point.x());
        if (distance < 0 || d < distance) {
            distance = d;
            nearest = i;
        }
    }
    selectPoint(nearest);
    QToolTip::showText(QCursor::pos(), pointDescription(nearest), chartView_);
}

void ProgressFrm::setMeasure(KeyMeasure measure)
{
    measure_ = measure;
    (measure == KeyMeasure::Accuracy ? byAccuracy_ : byTime_)->setChecked(true);
    drawHeatMap();
}

void ProgressFrm::setPeriod(KeyPeriod period)
{
    period_ = period;
    periodBox_->setCurrentIndex(int(period));
    drawHeatMap();
}

void ProgressFrm::drawHeatMap()
{
    QList<KeyTotal> totals;
    if (log_) {
        LogError error;
        totals = KeyTotalsOfPeriod(*log_, period_, today_, &error).value_or(QList<KeyTotal>{});
    }
    heatKeys_ = TotalsPerKeyboardKey(totals, course_);
    const HeatScale scale = HeatScaleOf(measure_, heatKeys_);
    bool anyJudged = false;
    for (int k = 1; k <= kKeyCount; ++k) {
        const KeyTotal &t = heatKeys_.at(k - 1);
        KeyCap *key = keyboard_->key(k);
        QLabel *figure = figures_.at(k - 1);
        const HeatState state = HeatStateOf(t);
        const std::optional<double> value = MeasureOf(t, measure_);
        switch (state) {
        case HeatState::Judged:
            anyJudged = true;
            key->setColour(colourOf(value ? HeatColour(*value, scale) : HeatPoorColour()));
            key->setMarked(false);
            break;
        case HeatState::TooFew:
            key->setColour(colourOf(HeatNeutralColour()));
            key->setMarked(true);
            break;
        case HeatState::NoPresses:
            key->setColour(Qt::white);
            key->setMarked(false);
            break;
        }
        QString text;
        if (state != HeatState::NoPresses && value)
            text = measure_ == KeyMeasure::Accuracy ? FormatNumber(*value, u"0") + u'%' : FormatNumber(*value, u"0");
        figure->setText(text);
    }
    legend_->setScale(measure_, scale, anyJudged);
    fillWeakKeys(totals);
}

void ProgressFrm::fillWeakKeys(const QList<KeyTotal> &totals)
{
    weakList_->clear();
    const QList<KeyTotal> weakest = WeakestOf(totals, learnedKeys_);
    for (const KeyTotal &k : weakest) {
        const QChar c = k.key();
        const std::optional<double> accuracy = k.accuracy();
        const std::optional<double> mean = k.meanMs();
        auto *item = new QTreeWidgetItem(weakList_, {KeyDisplayForm(QStringView(&c, 1), fontUpper_), PlainNumberText(k.presses()),
                                                     accuracy ? FormatNumber(*accuracy, u"0.0") + u'%' : tr("正解なし"),
                                                     mean ? tr("%1ミリ秒").arg(FormatNumber(*mean, u"0")) : QStringLiteral("-")});
        for (int column = 1; column < 4; ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    const QString rule = tr("この期間に%1回以上打った、学習したキーのうち正解率の低い順です（同じ正解率なら平均時間の長い順）。弱点練習は直近%2日間の苦手なキーをねらいます。")
                             .arg(kPressesToJudge)
                             .arg(kWeakKeyDays);
    keyNote_->setText(weakest.isEmpty() ? tr("まだ判定できるキーがありません。") + u'\n' + rule : rule);
}

void ProgressFrm::showEvent(QShowEvent *event)
{
    if (!placed_) {
        placed_ = true;
        RestoreWindowPosition(this, kSection);
    }
    QDialog::showEvent(event);
}

void ProgressFrm::done(int result)
{
    if (!positionSaved_) {
        positionSaved_ = true;
        SaveWindowPosition(this, kSection);
    }
    QDialog::done(result);
}

bool ProgressFrm::eventFilter(QObject *watched, QEvent *event)
{
    // The chart draws no focus of its own: a ring round it shows the arrow keys are on it.
    if (watched == chartView_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        chart_->setBackgroundPen(event->type() == QEvent::FocusIn ? QPen(palette().color(QPalette::Highlight), 3)
                                                                  : QPen(Qt::NoPen));
    }
    if (watched == chartView_ && event->type() == QEvent::KeyPress && !points_.isEmpty()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        int to = -1;
        switch (key) {
        case Qt::Key_Left: to = selectedPoint_ - 1; break;
        case Qt::Key_Right: to = selectedPoint_ + 1; break;
        case Qt::Key_Home: to = 0; break;
        case Qt::Key_End: to = int(points_.size()) - 1; break;
        default: break;
        }
        if (to >= 0 || key == Qt::Key_Left) {
            selectPoint(std::max(0, to));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zr

#include "ProgressFrm.moc"
