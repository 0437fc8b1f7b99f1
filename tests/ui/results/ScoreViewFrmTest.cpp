// The history viewer: its tree of Chapters and titled slots, the item chosen in the main
// window shown on opening, the summary and the day history of an item, and roots.

#include "../practice/PracticeTestKit.h"
#include "../shell/ShellTestSupport.h"

#include "platform/Format.h"
#include "platform/IniFile.h"
#include "ui/common/Application.h"
#include "ui/keyboard/Shapes.h"
#include "ui/results/ResultGraphs.h"
#include "ui/results/ScoreViewFrm.h"
#include "userdata/UserSettings.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>

using namespace zr;
using namespace zr::test;

namespace {

constexpr double kSecond = 1.0 / 86400;
constexpr double kToday = 46364;   // 2026-12-08

// Every record tells by its practice count which it is: Chapter n has n runs, word slot
// k 10 + k, sentence slot k 20 + k. Chapter 3 was practised on two days with 300 hits
// and 15 misses in all; Chapter 1 never; Chapter 12 for more than a day in all.
UserRecord preparedRecord()
{
    UserRecord u;
    u.UserName = QStringLiteral(u"テスト");
    u.LessonProgress = 12;
    for (int n = 2; n <= 12; ++n)
        u.TrainingScores[size_t(n - 1)].PracticeCount = n;
    u.TrainingScores[11].TotalTime = 25.0 / 24;   // more than a day in all
    ScoreRecord &c3 = u.TrainingScores[2];
    const double days[2][5] = {{200, 200, 10, 120 * kSecond, kToday}, {100, 100, 5, 60 * kSecond, kToday - 3}};
    for (int e = 0; e < 2; ++e) {
        c3.DayChars[e] = days[e][0];
        c3.DayKeys[e] = days[e][1];
        c3.DayMisses[e] = days[e][2];
        c3.DayTime[e] = days[e][3];
        c3.DayDate[e] = days[e][4];
        c3.TotalTime += days[e][3];
    }
    for (int k = 1; k <= UserRecord::kSlots; ++k) {
        u.WordScores[size_t(k - 1)] = c3;
        u.WordScores[size_t(k - 1)].PracticeCount = 10 + k;
        u.SentenceScores[size_t(k - 1)] = c3;
        u.SentenceScores[size_t(k - 1)].PracticeCount = 20 + k;
    }
    return u;
}

// Word slots 1, 2 and 4 and sentence slots 1 and 3 have titles.
void putTitles(const QString &ini)
{
    for (int k = 1; k <= UserRecord::kSlots; ++k) {
        SetIniString("WordLsn", SlotTitleKey(k), "", ini);
        SetIniString("SSentLsn", SlotTitleKey(k), "", ini);
    }
    SetIniString("WordLsn", "LT1", u"基本単語"_qs, ini);
    SetIniString("WordLsn", "LT2", u"カタカナ語"_qs, ini);
    SetIniString("WordLsn", "LT4", u"自作の単語"_qs, ini);
    SetIniString("SSentLsn", "LT1", u"ことわざ"_qs, ini);
    SetIniString("SSentLsn", "LT3", u"動詞の短文と形容詞の短文を集めた長い題名の問題"_qs, ini);
}

struct Viewer {
    explicit Viewer(ScoreViewMode mode = ScoreViewUser, int lsn = 0)
    {
        frm.mode = mode;
        frm.Lsn = lsn;
        frm.show();
    }
    QString text(int i) const { return frm.findChild<QLineEdit *>(QStringLiteral("Text%1").arg(i))->text(); }
    QStringList texts() const { return {text(1), text(2), text(3), text(4), text(5)}; }
    QString currentKey() const
    {
        QTreeWidgetItem *item = frm.tree()->currentItem();
        return item ? item->data(0, ScoreViewFrm::kNodeKeyRole).toString() : QString();
    }
    QTreeWidgetItem *node(const QString &key) const
    {
        for (QTreeWidgetItemIterator it(frm.tree()); *it; ++it) {
            if ((*it)->data(0, ScoreViewFrm::kNodeKeyRole).toString() == key)
                return *it;
        }
        return nullptr;
    }
    void click(const QString &key)
    {
        QTreeWidgetItem *item = node(key);
        QVERIFY(item);
        frm.tree()->scrollToItem(item);
        QTest::mouseClick(frm.tree()->viewport(), Qt::LeftButton, {}, frm.tree()->visualItemRect(item).center());
    }
    // Width in pixels of a bar of a history row as shown: 0 when it is not shown.
    int barWidth(const char *shape, int row) const
    {
        auto *s = frm.history()->findChild<ShapeWidget *>(QStringLiteral("%1_%2").arg(shape).arg(row));
        return s && s->isVisibleTo(frm.history()) ? s->width() : 0;
    }
    bool headingsShown() const
    {
        for (const char *name : {"Label1", "Label2", "Label3", "Line1"}) {
            if (!frm.findChild<QWidget *>(QString::fromLatin1(name))->isVisibleTo(&frm))
                return false;
        }
        return true;
    }

    ScoreViewFrm frm;
};

}  // namespace

class ScoreViewFrmTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        learner = std::make_unique<Learner>(0, 12);
        learner->state().CurUser = preparedRecord();
        putTitles(CurUserIni());
    }
    void cleanup() { learner.reset(); }

    void treeListsChaptersAndTitledSlots();
    void openingShowsTheChosenItem_data();
    void openingShowsTheChosenItem();
    void summaryAndHistoryOfAnItem();
    void neverPractisedItem();
    void rootEmptiesEverything();
    void openedFromEachListOfTheMainWindow();

private:
    std::unique_ptr<Learner> learner;
};

void ScoreViewFrmTest::treeListsChaptersAndTitledSlots()
{
    Viewer v;
    QStringList keys, texts;
    for (QTreeWidgetItemIterator it(v.frm.tree()); *it; ++it) {
        keys << (*it)->data(0, ScoreViewFrm::kNodeKeyRole).toString();
        texts << (*it)->text(0);
    }
    QStringList expectedKeys = {"Training"};
    for (int n = 1; n <= 12; ++n)
        expectedKeys << QStringLiteral("#t") + NumberText(n);
    expectedKeys << "WordLsn" << "#w 1" << "#w 2" << "#w 4" << "SSentLsn" << "#s 1" << "#s 3";
    QCOMPARE(keys, expectedKeys);
    QCOMPARE(texts.at(0), u"基本練習"_qs);
    QCOMPARE(texts.at(3), u"Chapter  3"_qs);
    QCOMPARE(texts.at(12), u"Chapter  12"_qs);
    QCOMPARE(texts.mid(13), QStringList({u"単語練習問題"_qs, u"基本単語"_qs, u"カタカナ語"_qs, u"自作の単語"_qs,
                                         u"短文練習問題"_qs, u"ことわざ"_qs,
                                         u"動詞の短文と形容詞の短文を集めた長い題名の問題"_qs}));

    // The third word node is slot 4.
    v.click("#w 4");
    QCOMPARE(v.currentKey(), u"#w 4"_qs);
    QCOMPARE(v.text(2), u"14回"_qs);
    screenshot(&v.frm, QStringLiteral("ScoreViewFrm-history"));
    v.frm.tabs()->setCurrentIndex(1);
    screenshot(&v.frm, QStringLiteral("ScoreViewFrm-summary"));
}

void ScoreViewFrmTest::openingShowsTheChosenItem_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("lsn");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("count");
    QTest::newRow("Chapter 3") << 1 << 3 << "#t 3" << u"3回"_qs;
    QTest::newRow("Chapter 12") << 1 << 12 << "#t 12" << u"12回"_qs;
    QTest::newRow("Chapter 5") << 1 << 5 << "#t 5" << u"5回"_qs;
    QTest::newRow("word slot 4") << 2 << 4 << "#w 4" << u"14回"_qs;
    QTest::newRow("sentence slot 3") << 3 << 3 << "#s 3" << u"23回"_qs;
    // Nothing chosen: the tree starts on its first root, which shows nothing.
    QTest::newRow("no item") << 0 << 0 << "Training" << "";
}

void ScoreViewFrmTest::openingShowsTheChosenItem()
{
    QFETCH(int, mode);
    QFETCH(int, lsn);
    QFETCH(QString, key);
    QFETCH(QString, count);
    Viewer v(ScoreViewMode(mode), lsn);
    QCOMPARE(v.currentKey(), key);
    QCOMPARE(v.text(2), count);
    QVERIFY(v.frm.tree()->viewport()->rect().contains(v.frm.tree()->visualItemRect(v.node(key)).center()));
}

void ScoreViewFrmTest::summaryAndHistoryOfAnItem()
{
    Viewer v(ScoreViewChapter, 3);
    QCOMPARE(v.texts(), QStringList({u"3分"_qs, u"3回"_qs, u"2026/12/08"_qs, u"95%"_qs, u"100.0字/分"_qs}));
    // 95 % of 1800 twips is 114 pixels; both days run at the best speed (1800 twips).
    for (int row : {0, 1}) {
        QCOMPARE(v.barWidth("Shape1", row), 114);
        QCOMPARE(v.barWidth("Shape2", row), 114);
        QCOMPARE(v.barWidth("Shape3", row), 120);
        QCOMPARE(v.barWidth("Shape4", row), 120);
    }
    QCOMPARE(v.barWidth("Shape1", 2), 0);
    QVERIFY(v.headingsShown());
    const QList<PrintedText> &texts = v.frm.history()->texts();
    QCOMPARE(texts.size(), 6);
    int blue = 0;
    for (const PrintedText &t : texts)
        blue += t.colour == QColor(0, 0, 255);
    QCOMPARE(blue, 3);   // the latest day's row only

    v.click("#t 12");
    QCOMPARE(v.text(1), u"1500分"_qs);
}

void ScoreViewFrmTest::neverPractisedItem()
{
    Viewer v(ScoreViewChapter, 1);
    QCOMPARE(v.texts(), QStringList({u"0分"_qs, u"0回"_qs, "", "", ""}));
    // Every row has its 1-twip bars, which come to no pixel and so do not look like data.
    for (int row = 0; row < ScoreRecord::kDays; ++row) {
        for (const char *shape : {"Shape1", "Shape2", "Shape3", "Shape4"})
            QCOMPARE(v.barWidth(shape, row), 0);
    }
    QVERIFY(v.frm.history()->texts().isEmpty());
    QVERIFY(!v.headingsShown());
}

void ScoreViewFrmTest::rootEmptiesEverything()
{
    Viewer v(ScoreViewChapter, 3);
    v.click("WordLsn");
    QCOMPARE(v.texts(), QStringList({"", "", "", "", ""}));
    for (int row = 0; row < ScoreRecord::kDays; ++row)
        QCOMPARE(v.barWidth("Shape1", row), 0);
    QVERIFY(v.frm.history()->texts().isEmpty());
    QVERIFY(!v.headingsShown());
}

void ScoreViewFrmTest::openedFromEachListOfTheMainWindow()
{
    learner.reset();
    ShellScope scope;
    ResetLaunchers();   // the real viewer
    UserRecord u = preparedRecord();
    u.RomajiTable = shippedTable(0);
    scope.putUser(1, u);
    putTitles(UserIniPath(UserFolder(1)));
    MainFrm w;
    w.Load();
    auto *tabs = child<QTabWidget>(&w, "SSTab1");
    const struct {
        int tab;
        int row;
        const char *key;
    } cases[] = {{0, 10, "#t 3"}, {1, 3, "#w 4"}, {2, 2, "#s 3"}, {3, 0, "Training"}};
    QStringList shown;
    for (const auto &c : cases) {
        tabs->setCurrentIndex(c.tab);
        if (c.tab < 3) {
            auto *list = child<QTreeWidget>(&w, c.tab == 0 ? "ListView1" : c.tab == 1 ? "ListView2" : "ListView3");
            list->setCurrentItem(list->topLevelItem(c.row - 1));
        }
        whenModal<ScoreViewFrm>([&shown](ScoreViewFrm *frm) {
            QTreeWidgetItem *item = frm->tree()->currentItem();
            shown << (item ? item->data(0, ScoreViewFrm::kNodeKeyRole).toString() : QString());
            QTest::keyClick(frm->tree(), Qt::Key_Return);   // OK, from the tree that has the focus
        });
        w.OpenScoreView();
    }
    QCOMPARE(shown, QStringList({"#t 3", "#w 4", "#s 3", "Training"}));
    QVERIFY(WindowPositions::read(QStringLiteral("Score3")).has_value());
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SetUpApplication(app);
    ScoreViewFrmTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "ScoreViewFrmTest.moc"
