// The result screens by keyboard and wheel: Enter leads through the pages and back to
// the menu, and the per-key graph of many keys scrolls without the mouse on its bar.

#include "../practice/PracticeTestKit.h"

#include "platform/Cp932.h"
#include "ui/common/Application.h"
#include "ui/results/ProblemScoreFrm.h"
#include "ui/results/ResultGraphs.h"
#include "ui/results/TrScoreFrm.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <memory>

using namespace zr;
using namespace zr::test;

namespace {

// 31 keys typed, each 20 times.
void typeManyKeys()
{
    int n = 0;
    for (QChar c : QStringLiteral("1234567890qwertyuiopasdfghjkl;z")) {
        KeyStat *s = ZRSub().keyStats.at(ansiKeyCode(c));
        s->hits = 20;
        s->misses = n++ % 3;
        s->milliseconds = 20 * 300;
    }
}

// The training or the word result screen of a run, shown and active.
std::unique_ptr<ResultWindow> openResult(const QString &screen)
{
    std::unique_ptr<ResultWindow> w;
    if (screen == u"training") {
        auto *training = new TrScoreFrm;
        training->lesson = 3;
        training->CCh = 120;
        training->TTime = 90.0 / 86400;
        w.reset(training);
    } else {
        auto *word = new WdScoreFrm;
        word->lesson = 1;
        word->CCh = 120;
        word->TTime = 90.0 / 86400;
        w.reset(word);
    }
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get()))
        qWarning("the result screen did not become active");
    return w;
}

QPushButton *button(ResultWindow *w, const char *name)
{
    return w->findChild<QPushButton *>(QString::fromLatin1(name));
}

// A key as the keyboard sends it: to the widget with the focus.
void press(ResultWindow *w, Qt::Key key)
{
    QWidget *target = QApplication::focusWidget();
    QTest::keyClick(target && target->window() == w ? target : w, key);
}

void screenRows()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("training") << "training";
    QTest::newRow("word") << "word";
}

}  // namespace

class ResultWindowTest : public QObject {
    Q_OBJECT
private slots:
    void enterPressesTheFocusedButton_data() { screenRows(); }
    void enterPressesTheFocusedButton();
    void enterWithoutAFocusedButtonLeadsOn_data();
    void enterWithoutAFocusedButtonLeadsOn();
    void graphScrollsByWheelAndKeys_data() { screenRows(); }
    void graphScrollsByWheelAndKeys();
};

// Enter on "次の画面＞" twice reaches the last page, where the focus is on "メニューに
//戻る"; "＜前の画面" keeps the focus while it can go back; Enter on the menu button
// leaves, and the run is saved.
void ResultWindowTest::enterPressesTheFocusedButton()
{
    QFETCH(QString, screen);
    Learner learner(RomajiCourse, 3);
    typeManyKeys();
    std::unique_ptr<ResultWindow> w = openResult(screen);
    QTabWidget *tabs = w->tabs();
    QCOMPARE(QApplication::focusWidget(), button(w.get(), "CmdNext"));

    press(w.get(), Qt::Key_Return);
    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(QApplication::focusWidget(), button(w.get(), "CmdNext"));
    press(w.get(), Qt::Key_Enter);   // the keypad's Enter as well
    QCOMPARE(tabs->currentIndex(), 2);
    QCOMPARE(QApplication::focusWidget(), button(w.get(), "Command1"));
    // The focus shows where it is, as after a Tab.
    QVERIFY(w->testAttribute(Qt::WA_KeyboardFocusChange));
    screenshot(w.get(), QStringLiteral("result-enter-last-page-%1").arg(screen));

    button(w.get(), "CmdPrev")->setFocus(Qt::TabFocusReason);
    press(w.get(), Qt::Key_Return);
    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(QApplication::focusWidget(), button(w.get(), "CmdPrev"));
    press(w.get(), Qt::Key_Return);
    QCOMPARE(tabs->currentIndex(), 0);
    // "＜前の画面" cannot go further back: the focus moves on to a button that can be used.
    QCOMPARE(QApplication::focusWidget(), button(w.get(), "CmdNext"));
    QVERIFY(w->isVisible());

    button(w.get(), "Command1")->setFocus(Qt::TabFocusReason);
    press(w.get(), Qt::Key_Return);
    QVERIFY(!w->isVisible());
    QCOMPARE(w->result(), int(QDialog::Accepted));
    QVERIFY(QFile::exists(learner.state().CurUserDir + QStringLiteral("/user.dat")));
}

void ResultWindowTest::enterWithoutAFocusedButtonLeadsOn_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("focus");
    for (const char *screen : {"training", "word"}) {
        for (const char *focus : {"tab bar", "page"})
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(screen, focus))) << screen << focus;
    }
}

// With the focus off the buttons, Enter goes to the next page, and on the last page does
// what "メニューに戻る" does.
void ResultWindowTest::enterWithoutAFocusedButtonLeadsOn()
{
    QFETCH(QString, screen);
    QFETCH(QString, focus);
    Learner learner(RomajiCourse, 3);
    typeManyKeys();
    std::unique_ptr<ResultWindow> w = openResult(screen);
    QTabWidget *tabs = w->tabs();
    // The page's own control that takes the focus: the advice text, the graph's
    // scroll bar; the day history has none.
    auto focusAway = [&] {
        QWidget *page = tabs->currentWidget();
        if (focus == u"page" && page->isAncestorOf(w->adviceText()))
            w->adviceText()->setFocus(Qt::TabFocusReason);
        else if (focus == u"page" && page->isAncestorOf(w->graphScrollBar()))
            w->graphScrollBar()->setFocus(Qt::TabFocusReason);
        else
            tabs->tabBar()->setFocus(Qt::TabFocusReason);
    };
    for (int page = 0; page < 3; ++page) {
        QCOMPARE(tabs->currentIndex(), page);
        focusAway();
        QVERIFY(!qobject_cast<QPushButton *>(QApplication::focusWidget()));
        press(w.get(), Qt::Key_Return);
    }
    QVERIFY(!w->isVisible());
    QCOMPARE(w->result(), int(QDialog::Accepted));
}

void ResultWindowTest::graphScrollsByWheelAndKeys()
{
    QFETCH(QString, screen);
    Learner learner(RomajiCourse, 3);
    typeManyKeys();
    std::unique_ptr<ResultWindow> w = openResult(screen);
    w->tabs()->setCurrentWidget(w->graph()->parentWidget()->parentWidget());
    QScrollBar *bar = w->graphScrollBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(w->graph()->rowCount(), 31);
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), 0);

    // The wheel over a bar of the graph, as the mouse sends it (the bars let mouse
    // events through to the graph).
    const QPointF at = w->graph()->findChild<QWidget *>(QStringLiteral("Shape5_3"))->geometry().center();
    QWheelEvent wheel(at, w->graph()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w->graph(), &wheel);
    QVERIFY(bar->value() > 0);
    QCOMPARE(w->graph()->y(), -qRound(bar->value() / 15.0));

    // Keys, with the focus where the page leaves it.
    QCOMPARE(QApplication::focusWidget(), button(w.get(), "CmdNext"));
    press(w.get(), Qt::Key_Home);
    QCOMPARE(bar->value(), 0);
    press(w.get(), Qt::Key_PageDown);
    QCOMPARE(bar->value(), bar->pageStep());
    press(w.get(), Qt::Key_Down);
    QCOMPARE(bar->value(), bar->pageStep() + bar->singleStep());
    press(w.get(), Qt::Key_Up);
    press(w.get(), Qt::Key_PageUp);
    QCOMPARE(bar->value(), 0);
    press(w.get(), Qt::Key_End);
    QCOMPARE(bar->value(), bar->maximum());
    // The last row is in sight.
    const QWidget *last = w->graph()->findChild<QWidget *>(QStringLiteral("Shape5_30"));
    const QWidget *view = w->graph()->parentWidget();
    QVERIFY(last->mapTo(view, QPoint(0, last->height())).y() <= view->height());
    QCOMPARE(w->tabs()->currentWidget(), view->parentWidget());

    // The bar itself is in the tab order of the page.
    QSet<QWidget *> reached;
    for (int i = 0; i < 12; ++i) {
        press(w.get(), Qt::Key_Tab);
        reached.insert(QApplication::focusWidget());
    }
    QVERIFY(reached.contains(bar));
    bar->setFocus(Qt::TabFocusReason);
    QVERIFY(w->findChild<QWidget *>(QStringLiteral("GraphFocus"))->isVisible());
    press(w.get(), Qt::Key_Home);
    QCOMPARE(bar->value(), 0);
    press(w.get(), Qt::Key_PageDown);
    QCOMPARE(bar->value(), bar->pageStep());
    screenshot(w.get(), QStringLiteral("result-graph-scrolled-%1").arg(screen));
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SetUpApplication(app);
    ResultWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ResultWindowTest.moc"
