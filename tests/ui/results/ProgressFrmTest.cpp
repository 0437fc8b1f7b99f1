// "上達グラフ" over a seeded log: the chart's series read back for a selection and a
// grouping, the heat map's colours and the weakest keys for a period and a measure, a
// plain sentence where there is nothing to draw, and the window's keyboard handling and
// remembered place.

#include "../practice/PracticeTestKit.h"

#include "platform/Cp932.h"
#include "practice/KeyHeatMap.h"
#include "practicelog/LearnerLog.h"
#include "practicelog/PracticeLog.h"
#include "ui/keyboard/KeyboardPicture.h"
#include "ui/results/ProgressFrm.h"

#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

using namespace zr;
using namespace zr::test;

namespace {

constexpr int kDays = 30;

// A month of practice up to the test clock's day (2026-12-08): a Chapter run and a
// word run a day, getting quicker; f weak, j pressed too rarely, k slow.
void seedMonth(int course)
{
    QList<LoggedRun> runs;
    const QDate today(2026, 12, 8);
    const QChar f = course == KanaCourse ? QChar(u'ﾊ') : QChar(u'f');
    const QChar j = course == KanaCourse ? QChar(u'ﾏ') : QChar(u'j');
    const QChar k = course == KanaCourse ? QChar(u'ﾉ') : QChar(u'k');
    const QChar d = course == KanaCourse ? QChar(u'ｼ') : QChar(u'd');
    for (int i = 0; i < kDays; ++i) {
        for (RunKind kind : {RunKind::Training, RunKind::Word}) {
            LoggedRun r;
            r.kind = r.itemKind = kind;
            r.item = kind == RunKind::Training ? 3 : 1;
            r.title = kind == RunKind::Training ? ChapterTitle(3) : QStringLiteral(u"日常の単語");
            r.file = kind == RunKind::Word ? QStringLiteral("resource\\zr.zrd") : QString();
            r.date = today.addDays(i - kDays + 1);
            r.started = QDateTime(r.date, QTime(10, 0), Qt::UTC);
            r.ended = r.started.addSecs(120);
            r.units = 60 + i;       // 30 to 44.5 字/分 over two minutes
            r.seconds = 120;
            r.hits = 200;
            r.misses = kind == RunKind::Training ? 10 : 4;
            r.keys = {{ansiKeyCode(f), 10, 2, 2000}, {ansiKeyCode(k), 10, 0, 4000}, {ansiKeyCode(d), 10, 0, 2000}};
            if (i == kDays - 1)
                r.keys.append({ansiKeyCode(j), 5, 0, 1000});
            std::sort(r.keys.begin(), r.keys.end(), [](const LoggedKey &a, const LoggedKey &b) { return a.code < b.code; });
            runs.append(r);
        }
    }
    LogError error;
    auto log = PracticeLog::open(PracticeLogPath(ZRSub().CurUserDir), PracticeLog::Access::Write, &error);
    QVERIFY(log);
    QVERIFY(log->append(runs, &error));
}

QList<double> ys(const QXYSeries *series)
{
    QList<double> values;
    for (const QPointF &p : series->points())
        values.append(p.y());
    return values;
}

QColor colourOf(const Rgb &c)
{
    return QColor(c.r, c.g, c.b);
}

}  // namespace

class ProgressFrmTest : public QObject {
    Q_OBJECT
private slots:
    void chartShowsTheMonth_data();
    void chartShowsTheMonth();
    void heatMapColoursKeysAndListsTheWeakest_data();
    void heatMapColoursKeysAndListsTheWeakest();
    void aPlainSentenceWhereThereIsNothingToDraw();
    void keyboardAndPlace();
};

void ProgressFrmTest::chartShowsTheMonth_data()
{
    QTest::addColumn<int>("course");
    QTest::newRow("romaji") << int(RomajiCourse);
    QTest::newRow("kana") << int(KanaCourse);
}

void ProgressFrmTest::chartShowsTheMonth()
{
    QFETCH(int, course);
    Learner learner(course, 3);
    learner.set("Training", "TargetTime", "45");
    seedMonth(course);
    OpenLearnerLog();
    ProgressFrm frm;
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    screenshot(&frm, QStringLiteral("progress-chart-%1").arg(course == KanaCourse ? "kana" : "romaji"));

    // Every practice: a point a day for the month, two runs a point.
    QCOMPARE(frm.grouping(), ProgressGrouping::Day);
    QCOMPARE(frm.points().size(), kDays);
    QCOMPARE(frm.points().first().first, QDate(2026, 11, 9));
    QCOMPARE(frm.points().last().first, QDate(2026, 12, 8));
    const QList<double> speeds = ys(frm.speedSeries());
    QCOMPARE(speeds.size(), kDays);
    QCOMPARE(speeds.first(), 30.0);
    QCOMPARE(speeds.last(), 44.5);
    QCOMPARE(ys(frm.accuracySeries()).first(), 100 - 14 / 400.0 * 100);
    QCOMPARE(ys(frm.targetSeries()), (QList<double>{45, 45}));
    QCOMPARE(frm.groupingBox()->itemText(0), u"自動（日ごと）"_qs);
    QVERIFY(frm.pointText()->text().contains(u"2026/12/08"));
    QVERIFY(frm.pointText()->text().contains(u"入力速度 44.5字/分"));

    // One kind, one item, then weeks.
    const int wordRow = 2;
    frm.selectRuns(wordRow);
    QCOMPARE(ys(frm.accuracySeries()).first(), 98.0);
    const int itemRows = frm.selectionBox()->count();
    QVERIFY(itemRows >= 8);   // five kinds, a separator, Chapter 3 and the word file
    QCOMPARE(frm.selectionBox()->itemText(itemRows - 1), u"単語：日常の単語"_qs);
    QCOMPARE(frm.selectionBox()->itemText(itemRows - 2), u"Chapter 3"_qs);
    frm.selectionBox()->setCurrentIndex(itemRows - 2);
    emit frm.selectionBox()->activated(itemRows - 2);
    QCOMPARE(ys(frm.accuracySeries()).last(), 95.0);
    frm.setGrouping(ProgressGrouping::Week);
    QCOMPARE(frm.grouping(), ProgressGrouping::Week);
    // 9 November is a Monday: weeks of 9, 16, 23, 30 November and 7 December.
    QCOMPARE(frm.points().size(), 5);
    QCOMPARE(frm.points().last().runs, 2);
    QCOMPARE(frm.speedSeries()->count(), 5);
    QVERIFY(frm.pointText()->text().contains(u"2026/12/07(月) からの週"));
    frm.setGrouping(ProgressGrouping::Month);
    QCOMPARE(frm.points().size(), 2);
    QVERIFY(frm.pointText()->text().startsWith(u"2026年12月"));
    frm.setGrouping(std::nullopt);
    QCOMPARE(frm.grouping(), ProgressGrouping::Day);
    // Weak-key practice has no runs yet.
    frm.selectRuns(4);
    QVERIFY(frm.emptyText()->isVisible());
    QCOMPARE(frm.speedSeries()->count(), 0);
}

void ProgressFrmTest::heatMapColoursKeysAndListsTheWeakest_data()
{
    QTest::addColumn<int>("course");
    QTest::newRow("romaji") << int(RomajiCourse);
    QTest::newRow("kana") << int(KanaCourse);
}

void ProgressFrmTest::heatMapColoursKeysAndListsTheWeakest()
{
    QFETCH(int, course);
    Learner learner(course, 3);
    seedMonth(course);
    OpenLearnerLog();
    ProgressFrm frm;
    frm.show();
    frm.tabs()->setCurrentIndex(ProgressFrm::KeyPage);
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    screenshot(&frm, QStringLiteral("progress-keys-%1").arg(course == KanaCourse ? "kana" : "romaji"));
    KeyboardPicture *keyboard = frm.heatKeyboard();
    // Keys 29 (f, ﾊ), 32 (j, ﾏ), 33 (k, ﾉ), 28 (d, ﾄ... ｼ), 14 (q, ﾀ).
    const int f = 29, j = 32, k = 33, d = 28, q = 14;
    // 30 days: f at 100 - 120/600 = 80 % is red; k and d never missed are green; j has 5
    // presses: neutral and hatched; q was never pressed.
    const HeatScale accuracy{100, 85};
    QCOMPARE(keyboard->keyColour(f), colourOf(HeatColour(80, accuracy)));
    QCOMPARE(keyboard->keyColour(f), colourOf(HeatPoorColour()));
    QCOMPARE(keyboard->keyColour(k), colourOf(HeatGoodColour()));
    QCOMPARE(keyboard->keyColour(j), colourOf(HeatNeutralColour()));
    QVERIFY(keyboard->key(j)->marked());
    QVERIFY(!keyboard->key(f)->marked());
    QCOMPARE(keyboard->keyColour(q), QColor(Qt::white));
    QCOMPARE(keyboard->findChild<QLabel *>(QStringLiteral("HeatFigure_%1").arg(f))->text(), "80%");
    QCOMPARE(keyboard->findChild<QLabel *>(QStringLiteral("HeatFigure_%1").arg(q))->text(), QString());

    // The weakest: f, then k (slower than d at the same accuracy), then d; j too rare.
    QTreeWidget *list = frm.weakKeyList();
    QCOMPARE(list->topLevelItemCount(), 3);
    const QString fShown = course == KanaCourse ? u"は"_qs : u"ｆ"_qs;
    const QString kShown = course == KanaCourse ? u"の"_qs : u"ｋ"_qs;
    QCOMPARE(list->topLevelItem(0)->text(0), fShown);
    QCOMPARE(list->topLevelItem(0)->text(1), "720");
    QCOMPARE(list->topLevelItem(0)->text(2), "80.0%");
    QCOMPARE(list->topLevelItem(1)->text(0), kShown);
    QCOMPARE(list->topLevelItem(1)->text(3), u"400ミリ秒"_qs);

    // Mean time: k (400 ms) is the slowest, red; d and f (200 ms) the quickest, green.
    frm.findChild<QRadioButton *>("OptMeanTime")->click();
    QCOMPARE(keyboard->keyColour(k), colourOf(HeatPoorColour()));
    QCOMPARE(keyboard->keyColour(d), colourOf(HeatGoodColour()));
    QCOMPARE(keyboard->findChild<QLabel *>(QStringLiteral("HeatFigure_%1").arg(k))->text(), "400");
    screenshot(&frm, QStringLiteral("progress-keys-time-%1").arg(course == KanaCourse ? "kana" : "romaji"));

    // Seven days: fewer presses, the same rates.
    frm.setPeriod(KeyPeriod::Last7Days);
    QCOMPARE(frm.heatKeys().at(f - 1).presses(), 7 * 2 * 12.0);
    QCOMPARE(list->topLevelItem(0)->text(1), "168");
    frm.setPeriod(KeyPeriod::Everything);
    QCOMPARE(frm.periodBox()->currentIndex(), 2);
    QCOMPARE(list->topLevelItem(0)->text(1), "720");
}

void ProgressFrmTest::aPlainSentenceWhereThereIsNothingToDraw()
{
    Learner learner(RomajiCourse, 1);
    ProgressFrm frm;
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    // The window made the learner's log (from an empty record: nothing in it).
    QVERIFY(LearnerLog());
    QVERIFY(frm.emptyText()->isVisible());
    QVERIFY(frm.emptyText()->text().startsWith(u"まだ練習の記録がありません。"));
    QCOMPARE(frm.points().size(), 0);
    for (int k = 1; k <= kKeyCount; ++k)
        QCOMPARE(frm.heatKeyboard()->keyColour(k), QColor(Qt::white));
    QCOMPARE(frm.weakKeyList()->topLevelItemCount(), 0);
    QVERIFY(frm.findChild<QLabel *>("LblWeakNote")->text().startsWith(u"まだ判定できるキーがありません。"));
    screenshot(&frm, "progress-empty");
}

void ProgressFrmTest::keyboardAndPlace()
{
    Learner learner(RomajiCourse, 3);
    seedMonth(RomajiCourse);
    OpenLearnerLog();
    QPoint at;
    {
        ProgressFrm frm;
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
        frm.chartView()->setFocus();
        // A ring round the chart shows where the arrow keys go.
        QCOMPARE(frm.chartView()->chart()->backgroundPen().style(), Qt::SolidLine);
        QCOMPARE(frm.selectedPoint(), kDays - 1);
        QTest::keyClick(frm.chartView(), Qt::Key_Left);
        QTest::keyClick(frm.chartView(), Qt::Key_Left);
        QCOMPARE(frm.selectedPoint(), kDays - 3);
        screenshot(&frm, "progress-chart-focus");
        QVERIFY(frm.pointText()->text().contains(u"2026/12/06"));
        QTest::keyClick(frm.chartView(), Qt::Key_Home);
        QCOMPARE(frm.selectedPoint(), 0);
        QTest::keyClick(frm.chartView(), Qt::Key_Right);
        QCOMPARE(frm.selectedPoint(), 1);
        QTest::keyClick(frm.chartView(), Qt::Key_End);
        QCOMPARE(frm.selectedPoint(), kDays - 1);
        // Ctrl+Tab reaches the key page; Esc closes the window.
        QTest::keyClick(frm.chartView(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(frm.tabs()->currentIndex(), int(ProgressFrm::KeyPage));
        QCOMPARE(frm.chartView()->chart()->backgroundPen().style(), Qt::NoPen);
        screenshot(&frm, "progress-keys-focus");
        frm.move(frm.pos() + QPoint(23, 17));
        at = frm.pos();
        QTest::keyClick(frm.focusWidget() ? frm.focusWidget() : static_cast<QWidget *>(&frm), Qt::Key_Escape);
        QVERIFY(!frm.isVisible());
        QVERIFY(WindowPositions::read(QStringLiteral("Progress")));
    }
    // It opens where it was closed; Enter on the default button closes it too.
    ProgressFrm again;
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QCOMPARE(again.pos(), at);
    QVERIFY(again.findChild<QPushButton *>("Command1")->isDefault());
    QTest::keyClick(again.selectionBox(), Qt::Key_Return);
    QVERIFY(!again.isVisible());
}

QTEST_MAIN(ProgressFrmTest)
#include "ProgressFrmTest.moc"
