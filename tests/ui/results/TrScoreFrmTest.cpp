// The training result screen: grading by Level, pass and fail, progress, the
// congratulation at the end of the course, the graphs, and the record on disk.

#include "../practice/PracticeTestKit.h"

#include "platform/Cp932.h"
#include "ui/common/Application.h"
#include "ui/keyboard/KeyboardPicture.h"
#include "ui/keyboard/Shapes.h"
#include "ui/results/ResultGraphs.h"
#include "ui/results/TrScoreFrm.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

using namespace zr;
using namespace zr::test;

namespace {

void setKey(QChar key, double hits, double misses, double ms = -1)
{
    KeyStat *s = ZRSub().keyStats.at(ansiKeyCode(key));
    s->hits = hits;
    s->misses = misses;
    s->milliseconds = ms < 0 ? hits * 250 : ms;
}

struct Shown {
    QString caption;
    QString advice;
    bool passed = false;
};

// Shows the result screen of a run of lesson and leaves it through its pages (or by
// the window's close button).
Shown showResult(int lesson, const QString &target, bool viaMenu = true,
                 const std::function<void(TrScoreFrm *)> &look = {})
{
    Shown shown;
    TrScoreFrm frm;
    frm.lesson = qint16(lesson);
    frm.CCh = 120;
    frm.TTime = 90.0 / 86400;
    frm.TargetKey = target;
    frm.UseKey = target;
    ModalScript script;
    script.then("zr::TrScoreFrm", [&](QWidget *w) {
        auto *score = static_cast<TrScoreFrm *>(w);
        shown.caption = score->windowTitle();
        shown.advice = score->adviceText()->toPlainText();
        shown.passed = score->Passed();
        auto *prev = score->findChild<QPushButton *>(QStringLiteral("CmdPrev"));
        auto *next = score->findChild<QPushButton *>(QStringLiteral("CmdNext"));
        auto *menu = score->findChild<QPushButton *>(QStringLiteral("Command1"));
        QVERIFY(!prev->isEnabled());
        QVERIFY(!menu->isEnabled());
        if (look) {
            look(score);
            score->tabs()->setCurrentIndex(0);
        }
        if (!viaMenu) {
            score->close();
            return;
        }
        next->click();
        QVERIFY(prev->isEnabled() && next->isEnabled());
        next->click();
        QVERIFY(!next->isEnabled());
        prev->click();
        QVERIFY(menu->isEnabled());   // once the last page was seen
        menu->click();
    });
    script.start();
    frm.exec();
    return shown;
}

}  // namespace

class TrScoreFrmTest : public QObject {
    Q_OBJECT
private slots:
    void passAndFailByLevel_data();
    void passAndFailByLevel();
    void earlierChapterKeepsProgress();
    void lastChapterCongratulates();
    void closingByTheWindowButtonStillSaves();
    void unsavableRecordIsReported();
    void keyGraphRowsAndScrollBar();
    void dayHistoryBars();
};

void TrScoreFrmTest::passAndFailByLevel_data()
{
    QTest::addColumn<QString>("level");
    QTest::addColumn<double>("hits");
    QTest::addColumn<double>("misses");
    QTest::addColumn<bool>("passed");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("level 1, 80 % on 12 hits") << "1" << 12.0 << 2.4 << true << QColor(255, 255, 128);
    QTest::newRow("level 2, 80 % on 9 hits") << "2" << 9.0 << 1.8 << true << QColor(255, 255, 128);
    QTest::newRow("level 2, 80 % on 20 hits") << "2" << 20.0 << 4.0 << false << QColor(255, 0, 0);
    QTest::newRow("level 3, 89 % on 20 hits") << "3" << 20.0 << 2.2 << false << QColor(255, 0, 0);
    QTest::newRow("level 3, 96 % on 25 hits") << "3" << 25.0 << 1.0 << true << QColor(128, 255, 128);
}

void TrScoreFrmTest::passAndFailByLevel()
{
    QFETCH(QString, level);
    QFETCH(double, hits);
    QFETCH(double, misses);
    QFETCH(bool, passed);
    QFETCH(QColor, colour);
    Learner learner(RomajiCourse, 4);
    learner.set(QStringLiteral("Training"), QStringLiteral("Level"), level);
    setKey(u'g', hits, misses);
    setKey(u'f', 40, 0);
    QColor painted;
    const Shown shown = showResult(4, QStringLiteral("gh"), true, [&](TrScoreFrm *frm) {
        painted = frm->resultKeyboard()->keyColour(30);   // g
        QVERIFY(frm->findChild<QLabel *>(QStringLiteral("Label7_30"))->isVisible());
        QCOMPARE(frm->resultKeyboard()->keyColour(29), QColor(64, 128, 255));   // f, no miss
    });
    QCOMPARE(shown.passed, passed);
    QCOMPARE(painted, colour);
    QCOMPARE(shown.caption, passed ? QStringLiteral(u"今回の成績(合格)") : QStringLiteral(u"今回の成績(不合格)"));
    QCOMPARE(shown.advice.contains(QStringLiteral(u"不合格となります")), !passed);
    const UserRecord saved = learner.savedRecord();
    QCOMPARE(saved.LessonProgress, qint16(passed ? 5 : 4));
    QCOMPARE(saved.TrainingScores[3].PracticeCount, 1.0);
    QCOMPARE(saved.TrainingScores[3].DayKeys[0], hits + 40);
    QCOMPARE(saved.TrainingScores[3].DayChars[0], 120.0);
    QVERIFY(learner.messages.shown.isEmpty());
}

void TrScoreFrmTest::earlierChapterKeepsProgress()
{
    Learner learner(RomajiCourse, 7);
    setKey(u'f', 30, 0);
    ScoreRecord &before = learner.state().CurUser.TrainingScores[1];
    before.DayKeys[0] = 50;
    before.DayMisses[0] = 5;
    before.DayChars[0] = 60;
    before.DayTime[0] = 60.0 / 86400;
    before.DayDate[0] = 46360;
    before.PracticeCount = 1;
    const Shown shown = showResult(2, QStringLiteral("f"));
    QCOMPARE(shown.caption, QStringLiteral(u"今回の成績"));
    QVERIFY(!shown.advice.contains(QStringLiteral(u"合格")));
    QVERIFY(shown.advice.contains(QStringLiteral(u"前回の練習日は、2026年12月4日(金曜日)です。")));
    QVERIFY(shown.advice.contains(QStringLiteral(u"今回の正解率は 100%(+10.0)、入力速度は 80.0字/分(+20.0)でした。")));
    const UserRecord saved = learner.savedRecord();
    QCOMPARE(saved.LessonProgress, qint16(7));
    QCOMPARE(saved.TrainingScores[1].PracticeCount, 2.0);
    QCOMPARE(saved.TrainingScores[1].DayKeys[1], 50.0);   // the earlier day moved down
}

void TrScoreFrmTest::lastChapterCongratulates()
{
    Learner learner(RomajiCourse, 0);
    const int last = learner.chapters.lastChapter();
    learner.state().CurUser.LessonProgress = qint16(last);
    setKey(u',', 30, 0);
    const Shown shown = showResult(last, QStringLiteral(",."));
    QVERIFY(shown.passed);
    QCOMPARE(learner.messages.shown.size(), 1);
    QCOMPARE(learner.messages.shown.first().title, QStringLiteral(u"基本練習終了"));
    QVERIFY(learner.messages.shown.first().text.startsWith(QStringLiteral(u"おめでとうございます！基本練習の全レッスンが合格しました。\r\n")));
    QCOMPARE(learner.savedRecord().LessonProgress, qint16(last));
}

void TrScoreFrmTest::closingByTheWindowButtonStillSaves()
{
    Learner learner(KanaCourse, 1);
    setKey(u'ﾊ', 30, 0);
    const Shown shown = showResult(1, QStringLiteral(u"ﾊﾏ"), false);
    QVERIFY(shown.advice.contains(QStringLiteral(u"【 は 】キーにミスタイプはありません！")));
    QCOMPARE(learner.savedRecord().LessonProgress, qint16(2));
    QVERIFY(learner.messages.shown.isEmpty());
    QVERIFY(WindowPositions::read(QStringLiteral("Score1")).has_value());
}

void TrScoreFrmTest::unsavableRecordIsReported()
{
    Learner learner(RomajiCourse, 1);
    setKey(u'f', 30, 0);
    // A folder that cannot hold the record: a file of that name is in the way.
    const QString blocked = learner.state().DataDir + QStringLiteral("blocked");
    writeBytes(blocked, "x");
    learner.state().CurUserDir = blocked;
    showResult(1, QStringLiteral("fj"));
    QCOMPARE(learner.messages.shown.size(), 1);
    QCOMPARE(learner.messages.shown.first().icon, MessageIcon::Critical);
    // What the screen computed stays in memory for the next save.
    QCOMPARE(learner.state().CurUser.TrainingScores[0].PracticeCount, 1.0);
}

void TrScoreFrmTest::keyGraphRowsAndScrollBar()
{
    Learner learner(RomajiCourse, 1);
    setKey(u'f', 20, 1);
    setKey(u'j', 5, 0, 0);
    showResult(1, QStringLiteral("fj"), true, [&](TrScoreFrm *frm) {
        frm->tabs()->setCurrentIndex(1);
        QCOMPARE(frm->graph()->rowCount(), 2);
        QCOMPARE(frm->graph()->height(), qRound((345 + 480) / 15.0));
        auto *f = frm->graph()->findChild<ShapeWidget *>(QStringLiteral("Shape5_0"));
        auto *j = frm->graph()->findChild<ShapeWidget *>(QStringLiteral("Shape5_1"));
        QVERIFY(f->y() < j->y());
        QCOMPARE(f->width(), 190);   // 95 % of 3000 twips
        // No time: the 1-twip bar is less than a pixel and is not drawn.
        QVERIFY(frm->graph()->findChild<ShapeWidget *>(QStringLiteral("Shape7_1"))->isHidden());
        QCOMPARE(frm->graph()->texts().last().text, QStringLiteral(u"    0打/秒"));
        // Key name, accuracy and speed of row 1 where the graph's columns are.
        const QList<PrintedText> &t = frm->graph()->texts();
        QCOMPARE(t[3].at, QPointF(225, 585));
        QCOMPARE(t[4].at, QPointF(3600, 585));
        QCOMPARE(t[5].at, QPointF(7425, 585));
        QVERIFY(!frm->graphScrollBar()->isVisible());
    });

    for (QChar c : QStringLiteral("qwertyuiopasdfghjklzxcvbnm,."))
        setKey(c, 12, 0);
    showResult(1, QStringLiteral("fj"), true, [&](TrScoreFrm *frm) {
        frm->tabs()->setCurrentIndex(1);
        QCOMPARE(frm->graph()->rowCount(), 28);
        QVERIFY(frm->graphScrollBar()->isVisible());
        frm->graphScrollBar()->setValue(frm->graphScrollBar()->maximum());
        QVERIFY(frm->graph()->y() < 0);
        screenshot(frm, QStringLiteral("result-many-keys"));
    });
}

void TrScoreFrmTest::dayHistoryBars()
{
    Learner learner(RomajiCourse, 1);
    setKey(u'f', 30, 0);
    ScoreRecord &r = learner.state().CurUser.TrainingScores[0];
    for (int e = 0; e < 2; ++e) {
        r.DayKeys[e] = 40;
        r.DayChars[e] = 60.0 * (e + 1);
        r.DayTime[e] = 60.0 / 86400;
        r.DayDate[e] = 46360 - e;
    }
    showResult(1, QStringLiteral("fj"), true, [&](TrScoreFrm *frm) {
        frm->tabs()->setCurrentIndex(2);
        auto width = [&](int i) {
            return frm->history()->findChild<ShapeWidget *>(QStringLiteral("Shape3_%1").arg(i))->width();
        };
        // Today (80 a minute) moved the two earlier days down; the best of them (120 a
        // minute) has the full bar, 3000 twips.
        QCOMPARE(width(2), 200);
        QCOMPARE(width(0), 133);
        QCOMPARE(width(1), 100);
        // Days without data show no bar at all.
        for (int i = 3; i < ScoreRecord::kDays; ++i)
            QVERIFY(frm->history()->findChild<ShapeWidget *>(QStringLiteral("Shape3_%1").arg(i))->isHidden());
        QCOMPARE(frm->history()->texts().last().colour, QColor(0, 0, 255));   // row 0, drawn last
        QCOMPARE(frm->history()->texts().last().at, QPointF(8025, 345));
        QCOMPARE(frm->history()->texts().at(frm->history()->texts().size() - 2).at, QPointF(4050, 345));
        screenshot(frm, QStringLiteral("result-history"));
    });
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SetUpApplication(app);
    TrScoreFrmTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TrScoreFrmTest.moc"
