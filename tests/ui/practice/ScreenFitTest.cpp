// The windows of a practice run on a 1366 × 768 laptop screen: whatever font size the
// learner chose, each stays inside the screen's available area, and a word row still
// fits on one line.

#include "PracticeTestKit.h"

#include "platform/Cp932.h"
#include "ui/common/Application.h"
#include "ui/practice/ProblemPracticeFrm.h"
#include "ui/results/ProblemScoreFrm.h"
#include "ui/results/TrScoreFrm.h"
#include "ui/settings/UserSetFrm.h"
#include "userdata/UserSettings.h"

#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>
#include <QtTest>

using namespace zr;
using namespace zr::test;

namespace {

const QList<ProblemItem> kWords = {
    {QStringLiteral(u"本田"), QStringLiteral(u"ほんだ")},
    {QStringLiteral(u"傘"), QStringLiteral(u"かさ")},
    {QStringLiteral(u"鹿"), QStringLiteral(u"しか")},
    {QStringLiteral(u"肩"), QStringLiteral(u"かた")},
};

// The offscreen platform draws a frame of 2 pixels and no title bar; a desktop's is
// some 30 pixels high.
constexpr int kTitleBar = 30;

// Shows a window and checks that all of it, frame and title bar included, lies on the
// screen.
void expectOnScreen(QWidget *w, const QString &shot)
{
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QRect area = w->screen()->availableGeometry();
    QCOMPARE(area.size(), QSize(kLaptopWidth, kLaptopHeight));
    QRect frame = w->frameGeometry();
    frame.setHeight(frame.height() + kTitleBar);
    QVERIFY2(area.contains(frame), qPrintable(QStringLiteral("%1: %2 x %3 at %4,%5")
                                                  .arg(w->objectName())
                                                  .arg(frame.width())
                                                  .arg(frame.height())
                                                  .arg(frame.x())
                                                  .arg(frame.y())));
    screenshot(w, shot);
}

void fontSizeRows()
{
    QTest::addColumn<int>("size");
    for (int size : {20, 36, 72})
        QTest::newRow(qPrintable(QStringLiteral("%1 pt").arg(size))) << size;
}

}  // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT
private slots:
    void drillWindow_data() { fontSizeRows(); }
    void drillWindow();
    void problemPracticeWindows_data();
    void problemPracticeWindows();
    void settingsDialog_data() { fontSizeRows(); }
    void settingsDialog();
    void resultScreens();
};

void ScreenFitTest::drillWindow()
{
    QFETCH(int, size);
    Learner learner(RomajiCourse, 3);
    learner.useWords(kWords);
    learner.set(QStringLiteral("General"), QStringLiteral("FontSize"), QString::number(size));
    TrainingFrm frm;
    frm.UseKey = QStringLiteral("asdfjkl;hontik");
    frm.TargetKey = QStringLiteral("hontik");
    frm.lesson = 3;
    QVERIFY(frm.prepare());
    expectOnScreen(&frm, QStringLiteral("fit-drill-%1pt").arg(size));
    // The whole problem line is inside the window.
    const QList<QLabel *> labels = frm.findChildren<QLabel *>(QRegularExpression(QStringLiteral("^Label1_")));
    for (QLabel *label : labels) {
        if (label->isVisible())
            QVERIFY2(label->geometry().right() < frm.width(), qPrintable(label->text()));
    }
    frm.close();
}

void ScreenFitTest::problemPracticeWindows_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("guide");
    for (bool guide : {false, true}) {
        for (int size : {20, 36, 72})
            QTest::newRow(qPrintable(QStringLiteral("%1 pt%2").arg(size).arg(guide ? ", readings and keys" : "")))
                << size << guide;
    }
}

void ScreenFitTest::problemPracticeWindows()
{
    QFETCH(int, size);
    QFETCH(bool, guide);
    Learner learner(RomajiCourse, 20);
    RegisterDefaultProblemFiles(learner.state().CurUserDir);
    learner.set(QStringLiteral("General"), QStringLiteral("FontSize"), QString::number(size));
    if (guide) {
        learner.set(QStringLiteral("WordLsn"), QStringLiteral("ShowReading"), QStringLiteral("1"));
        learner.set(QStringLiteral("WordLsn"), QStringLiteral("ShowKeys"), QStringLiteral("1"));
    }
    // With the guide, every shipped sentence set: their passages differ most in height.
    for (int slot = 1; slot <= (guide ? 10 : 1); ++slot) {
        for (PracticeKind kind : {PracticeKind::Word, PracticeKind::Sentence}) {
            if (kind == PracticeKind::Word && slot > 1)
                continue;
            const std::unique_ptr<ProblemPracticeFrm> frm = CreatePracticeFrm(kind);
            frm->lesson = qint16(slot);
            frm->settings = ReadProblemPracticeSettings(kind, slot, CurUserIni());
            QVERIFY(frm->prepare());
            expectOnScreen(frm.get(), QStringLiteral("fit-%1%2-%3pt%4")
                                          .arg(kind == PracticeKind::Word ? "word" : "sentence")
                                          .arg(slot)
                                          .arg(size)
                                          .arg(guide ? "-guide" : ""));
            // The learner's size where it fits, and only as much smaller as the screen
            // needs. With the guide, the passages of four lines and more (slots 8 to 10)
            // take a smaller size even at the default one.
            const double shown = frm->textFont().pointSizeF();
            const bool tall = guide && kind == PracticeKind::Sentence && slot >= 8;
            if (size == 20 && !tall)
                QCOMPARE(shown, 20.0);
            else if (size == 20)
                QVERIFY2(shown < size && shown >= 12, qPrintable(QString::number(shown)));
            else
                QVERIFY2(shown < size && shown >= (guide ? 12 : 24), qPrintable(QString::number(shown)));
            for (int row = 0; row < 2; ++row) {
                TextFlow *problem = frm->rowLabel(row);
                QVERIFY(problem->mapTo(frm.get(), QPoint(problem->width(), 0)).x() <= frm->width());
                // A word row is built to fit one line, and still does.
                if (kind == PracticeKind::Word)
                    QCOMPARE(problem->lineCount(problem->text()), 1);
                // A passage is shown whole.
                else
                    QVERIFY(problem->lineCount(problem->text()) * problem->lineHeight() <= problem->height());
            }
            frm->close();
        }
    }
}

void ScreenFitTest::settingsDialog()
{
    QFETCH(int, size);
    Learner learner(RomajiCourse, 3);
    RegisterDefaultProblemFiles(learner.state().CurUserDir);
    learner.set(QStringLiteral("General"), QStringLiteral("FontSize"), QString::number(size));
    UserSetFrm frm;
    frm.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
    expectOnScreen(&frm, QStringLiteral("fit-settings-%1pt").arg(size));
    frm.close();
}

void ScreenFitTest::resultScreens()
{
    Learner learner(RomajiCourse, 3);
    int n = 0;
    for (QChar c : QStringLiteral("1234567890qwertyuiopasdfghjkl;z")) {
        KeyStat *s = ZRSub().keyStats.at(ansiKeyCode(c));
        s->hits = 20;
        s->misses = n++ % 3;
        s->milliseconds = 20 * 300;
    }
    TrScoreFrm training;
    training.lesson = 3;
    training.CCh = 120;
    training.TTime = 90.0 / 86400;
    expectOnScreen(&training, QStringLiteral("fit-result-training"));
    training.close();
    WdScoreFrm word;
    word.lesson = 1;
    word.CCh = 120;
    word.TTime = 90.0 / 86400;
    expectOnScreen(&word, QStringLiteral("fit-result-word"));
    word.close();
}

int main(int argc, char **argv)
{
    return runOnLaptopScreen<ScreenFitTest>(argc, argv);
}

#include "ScreenFitTest.moc"
