#include "ShellTestSupport.h"

#include "platform/IniFile.h"
#include "platform/KanaMode.h"
#include "platform/Twips.h"
#include "userdata/UserSettings.h"
#include "ui/shell/AboutFrm.h"
#include "ui/shell/HelpFrm.h"
#include "ui/shell/MainFrm.h"
#include "ui/shell/UserSelFrm.h"
#include "ui/shell/UserWizardFrm.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>

using namespace zr;
using namespace zr::test;

namespace {

constexpr double kSecond = 1.0 / 86400;

QStringList row(QTreeWidget *list, int r)
{
    QStringList texts;
    QTreeWidgetItem *item = list->topLevelItem(r - 1);
    for (int c = 0; item && c < list->columnCount(); ++c)
        texts.append(item->text(c));
    return texts;
}

QStringList firstColumn(QTreeWidget *list)
{
    QStringList texts;
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        texts.append(list->topLevelItem(r)->text(0));
    return texts;
}

void selectRow(QTreeWidget *list, int r)
{
    list->setCurrentItem(list->topLevelItem(r - 1));
}

bool enabled(MainFrm &w, const char *name)
{
    if (QMenu *menu = w.findChild<QMenu *>(QString::fromLatin1(name)))
        return menu->menuAction()->isEnabled();
    if (QAction *action = w.findChild<QAction *>(QString::fromLatin1(name)))
        return action->isEnabled();
    qWarning("no menu or action %s", name);
    return false;
}

// A learner at Chapter 4 with word slots 1, 2 and 5 and sentence slot 3 registered.
UserRecord preparedUser()
{
    UserRecord u = sampleUser(u"山田花子"_qs, 0, 4);
    u.TotalPracticeTime = 180 * kSecond;
    u.TrainingScores[0].PracticeCount = 3;
    u.TrainingScores[0].TotalTime = 90 * kSecond;
    u.TrainingScores[3].PracticeCount = 1;
    u.TrainingScores[3].TotalTime = 20 * kSecond;
    ScoreRecord &w1 = u.WordScores[0];
    w1.PracticeCount = 2;
    w1.TotalTime = 120 * kSecond;
    w1.DayDate[0] = 46364;   // 2026-12-08
    w1.DayKeys[0] = 100;
    w1.DayMisses[0] = 5;
    w1.DayChars[0] = 80;
    w1.DayTime[0] = 120 * kSecond;
    ScoreRecord &w5 = u.WordScores[4];
    w5.PracticeCount = 1;
    w5.TotalTime = 60 * kSecond;
    w5.DayDate[1] = 46300;
    w5.DayKeys[1] = 50;
    w5.DayChars[1] = 40;
    w5.DayTime[1] = 60 * kSecond;
    // Figures of an unregistered slot stay out of the lists but not out of the count.
    u.WordScores[8].PracticeCount = 0;
    return u;
}

void registerSlots(const QString &folder)
{
    const QString ini = UserIniPath(folder);
    for (int k = 1; k <= 10; ++k) {
        SetIniString("WordLsn", SlotPathKey(k), "", ini);
        SetIniString("WordLsn", SlotTitleKey(k), "", ini);
        SetIniString("SSentLsn", SlotPathKey(k), "", ini);
        SetIniString("SSentLsn", SlotTitleKey(k), "", ini);
    }
    SetIniString("WordLsn", "LT1", u"基本単語"_qs, ini);
    SetIniString("WordLsn", "LT2", u"カタカナ語"_qs, ini);
    SetIniString("WordLsn", "LT5", u"自作の単語"_qs, ini);
    SetIniString("SSentLsn", "LT3", u"動詞の短文"_qs, ini);
}

// Calls back on every event of one type that reaches a widget.
class EventSpy : public QObject {
public:
    EventSpy(QObject *target, QEvent::Type type, std::function<void()> seen)
        : type_(type), seen_(std::move(seen))
    {
        target->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == type_)
            seen_();
        return false;
    }

private:
    QEvent::Type type_;
    std::function<void()> seen_;
};

}  // namespace

class MainFrmTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartOnAnEmptyInstallation();
    void oneLearnerIsLoadedWithoutADialog();
    void twoLearnersOpenTheSelectionAtStartUp();
    void menuStatesFollowTheNumberOfLearners();
    void listsOfAPreparedRecord();
    void listsLeaveNoStripAfterTheLastColumn();
    void startAndHistoryActOnTheSelectedRow();
    void rememberedRowsComeBack();
    void summaryFigures();
    void damagedSummaryNo();
    void damagedSummaryYes();
    void unusableFileAtStartUp();
    void tabChangeRules();
    void deletingTheCurrentLearner();
    void windowPlacement();
    void missingLessonTableIsNamedOnce();
    void settingsCommands();
    void progressAndWeakKeyCommands();
    void helpAndAbout();
    void rightClickOffersThePopUp();
};

void MainFrmTest::firstStartOnAnEmptyInstallation()
{
    ShellScope scope;
    MainFrm w;
    QString wizardPath;
    whenModal<UserWizardFrm>([&](UserWizardFrm *wizard) {
        wizardPath = wizard->MkPath;
        wizard->reject();
    });
    w.Load();
    QCOMPARE(wizardPath, UserFolder(1));
    QVERIFY(w.isVisible());
    QCOMPARE(w.windowTitle(), QString("ZORVEL LESSON"));
    QVERIFY(!child(&w, "SSTab1")->isEnabled());
    for (const char *off : {"start", "graph", "user", "MenuLesson", "MenuSetting", "MenuDelUser", "MenuSelUser"})
        QVERIFY2(!enabled(w, off), off);
    QVERIFY(enabled(w, "MenuMkUser"));
    QVERIFY(enabled(w, "MenuQuit"));
    // Closing the wizard created nothing.
    QCOMPARE(CountUsers(), 0);
    QVERIFY(!QFileInfo::exists(scope.dataDir() + "user/user01"));
    // Centred on the screen.
    const QRect screen = w.screen()->availableGeometry();
    QVERIFY(qAbs(w.frameGeometry().center().x() - screen.center().x()) <= 2);
    QVERIFY(qAbs(w.frameGeometry().center().y() - screen.center().y()) <= 2);
}

void MainFrmTest::oneLearnerIsLoadedWithoutADialog()
{
    ShellScope scope;
    scope.putUser(2, sampleUser(u"山田"_qs));
    bool dialog = false;
    whenModal<QDialog>([&](QDialog *d) {
        dialog = true;
        d->reject();
    });
    MainFrm w;
    // What the window holds when it first appears: never the bare caption.
    QString titleWhenShown;
    int rowsWhenShown = -1;
    EventSpy spy(&w, QEvent::Show, [&] {
        if (rowsWhenShown < 0) {
            titleWhenShown = w.windowTitle();
            rowsWhenShown = child<QTreeWidget>(&w, "ListView1")->topLevelItemCount();
        }
    });
    w.Load();
    QTest::qWait(50);
    QVERIFY(!dialog);
    QCOMPARE(titleWhenShown, u"ZORVEL LESSON - 山田"_qs);
    QCOMPARE(rowsWhenShown, 1);
    QCOMPARE(w.windowTitle(), u"ZORVEL LESSON - 山田"_qs);
    QCOMPARE(ZRSub().CurUserDir, UserFolder(2));
    QVERIFY(!enabled(w, "MenuSelUser"));
    QVERIFY(!enabled(w, "user"));
    QVERIFY(enabled(w, "MenuDelUser"));
    QVERIFY(enabled(w, "MenuLesson"));
    QVERIFY(enabled(w, "start"));
    QVERIFY(child(&w, "SSTab1")->isEnabled());
    // The learner brought no settings: the default problem files were registered.
    QVERIFY(QFileInfo::exists(UserIniPath(UserFolder(2))));
    QCOMPARE(child<QTreeWidget>(&w, "ListView2")->topLevelItemCount(), 4);
    QVERIFY(scope.gateway.shown.isEmpty());
}

void MainFrmTest::twoLearnersOpenTheSelectionAtStartUp()
{
    ShellScope scope;
    scope.putUser(1, sampleUser(u"山田"_qs));
    scope.putUser(3, sampleUser(u"佐藤"_qs, 1));
    int mode = -1;
    whenModal<UserSelFrm>([&](UserSelFrm *sel) {
        mode = sel->mode;
        QVERIFY(child(sel, "Command1")->isVisible());
        click(sel, "cmdCancel");
    });
    MainFrm w;
    w.Load();
    QCOMPARE(mode, 0);
    // Cancelled at start-up: no learner, but one can be chosen.
    QCOMPARE(w.windowTitle(), QString("ZORVEL LESSON"));
    QVERIFY(enabled(w, "MenuSelUser"));
    QVERIFY(enabled(w, "user"));

    whenModal<UserSelFrm>([&](UserSelFrm *sel) {
        mode = sel->mode;
        selectRow(child<QTreeWidget>(sel, "ListView1"), 2);
        click(sel, "cmdOK");
    });
    w.SelectUser();
    QCOMPARE(mode, 1);
    QCOMPARE(w.windowTitle(), u"ZORVEL LESSON - 佐藤"_qs);
    QCOMPARE(ZRSub().CurUser.Course, 1);
    // The kana course has no romaji settings.
    QVERIFY(!enabled(w, "MenuRmjCust"));

    // Switching to a learner whose data cannot be used leaves nothing of the last one.
    QFile::remove(UserDataPath(UserFolder(1)));
    scope.gateway.queued = {MessageAnswer::No};
    whenModal<UserSelFrm>([&](UserSelFrm *sel) {
        selectRow(child<QTreeWidget>(sel, "ListView1"), 1);
        click(sel, "cmdOK");
    });
    w.SelectUser();
    QCOMPARE(w.windowTitle(), QString("ZORVEL LESSON"));
    QCOMPARE(child<QTreeWidget>(&w, "ListView1")->topLevelItemCount(), 0);
    QVERIFY(child<QLineEdit>(&w, "Text1")->text().isEmpty());
}

void MainFrmTest::menuStatesFollowTheNumberOfLearners()
{
    ShellScope scope;
    MainFrm w;
    for (int slot = 1; slot <= 10; ++slot)
        scope.putUser(slot, sampleUser(QStringLiteral("user%1").arg(slot)));
    MakeCurrentUser(UserFolder(4), sampleUser("user4"));
    w.InitActivate();
    QVERIFY(!enabled(w, "MenuMkUser"));
    QVERIFY(enabled(w, "MenuSelUser"));
    QVERIFY(enabled(w, "MenuDelUser"));
    QVERIFY(enabled(w, "MenuRmjCust"));
    // Asked for anyway, the eleventh learner is refused without a wizard.
    w.MakeUser();
    QCOMPARE(scope.titles(), QStringList{u"エラー"_qs});
    QCOMPARE(scope.gateway.shown[0].text, u"これ以上ユーザデータを登録することができません。"_qs);

    QDir(UserFolder(10)).removeRecursively();
    w.InitActivate();
    QVERIFY(enabled(w, "MenuMkUser"));
}

void MainFrmTest::listsOfAPreparedRecord()
{
    ShellScope scope;
    scope.putUser(1, preparedUser());
    registerSlots(UserFolder(1));
    MainFrm w;
    w.Load();
    auto *list1 = child<QTreeWidget>(&w, "ListView1");
    QCOMPARE(list1->topLevelItemCount(), 4);
    QCOMPARE(row(list1, 1), QStringList({"Chapter 4", u"新しいキーの学習"_qs, u"ｇｈ"_qs, " 1", u"0分"_qs}));
    QCOMPARE(row(list1, 2), QStringList({"Chapter 3", u"単語練習"_qs, u"学習したキー全て"_qs, " 0", "-"}));
    QCOMPARE(row(list1, 3), QStringList({"Chapter 2", u"新しいキーの学習"_qs, u"ｕｏ"_qs, " 0", "-"}));
    QCOMPARE(row(list1, 4).mid(3), QStringList({" 3", u"2分"_qs}));
    QCOMPARE(ZRSub().ChapterCount, 21);

    auto *list2 = child<QTreeWidget>(&w, "ListView2");
    QCOMPARE(firstColumn(list2), QStringList({" 1", " 2", " 5"}));
    QCOMPARE(row(list2, 1), QStringList({" 1", u"基本単語"_qs, "-", " 2", u"2分"_qs, "2026/12/08"}));
    QCOMPARE(row(list2, 2), QStringList({" 2", u"カタカナ語"_qs, "-", "-", "-", "-"}));
    QCOMPARE(row(list2, 3).mid(1), QStringList({u"自作の単語"_qs, "-", " 1", u"1分"_qs, "1899/12/30"}));
    auto *list3 = child<QTreeWidget>(&w, "ListView3");
    QCOMPARE(firstColumn(list3), QStringList({" 3"}));
    QCOMPARE(row(list3, 1).mid(1, 2), QStringList({u"動詞の短文"_qs, "-"}));

    // Headers, and the counts and times right-aligned.
    QCOMPARE(list1->headerItem()->text(0), u"レッスンNo"_qs);
    QCOMPARE(list2->headerItem()->text(5), u"最終練習日"_qs);
    QCOMPARE(list3->columnCount(), 6);
    QVERIFY(list1->topLevelItem(0)->textAlignment(3) & Qt::AlignRight);
    QVERIFY(!(list1->topLevelItem(0)->textAlignment(1) & Qt::AlignRight));
    QVERIFY(list2->topLevelItem(0)->textAlignment(5) & Qt::AlignRight);
    // Widths are shares of the list: "レッスン内容" of the word list takes 1/2.5.
    QVERIFY(qAbs(list2->columnWidth(1) - int(list2->width() / 2.5)) <= 1);
    QCOMPARE(list3->columnWidth(1), list2->columnWidth(1));

    // Upper-case display reaches the key column.
    SetIniString("General", "FontUpper", "1", CurUserIni());
    w.InitActivate();
    QCOMPARE(row(list1, 1).at(2), u"ＧＨ"_qs);
    QCOMPARE(ZRSub().FontUpper, 1);
}

// The last column reaches the right edge of its list, also when the window grows.
void MainFrmTest::listsLeaveNoStripAfterTheLastColumn()
{
    ShellScope scope;
    scope.putUser(1, preparedUser());
    registerSlots(UserFolder(1));
    MainFrm w;
    w.Load();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *tabs = child<QTabWidget>(&w, "SSTab1");
    for (int grown : {0, 160}) {
        w.resize(w.width() + grown, w.height());
        for (int tab = 0; tab < 3; ++tab) {
            tabs->setCurrentIndex(tab);
            QApplication::processEvents();
            auto *list = static_cast<QTreeWidget *>(tabs->currentWidget()->findChild<QTreeWidget *>());
            QCOMPARE(list->header()->length(), list->viewport()->width());
            QVERIFY(list->columnWidth(list->columnCount() - 1) > 0);
        }
    }
}

void MainFrmTest::startAndHistoryActOnTheSelectedRow()
{
    ShellScope scope;
    scope.putUser(1, preparedUser());
    registerSlots(UserFolder(1));
    MainFrm w;
    w.Load();
    auto *tab = child<QTabWidget>(&w, "SSTab1");

    selectRow(child<QTreeWidget>(&w, "ListView1"), 3);
    w.findChild<QAction *>("MenuLessonStart")->trigger();
    QCOMPARE(ZRSub().TrainingSel, 3);
    w.findChild<QAction *>("graph")->trigger();
    selectRow(child<QTreeWidget>(&w, "ListView1"), 2);
    w.findChild<QAction *>("start")->trigger();

    tab->setCurrentIndex(1);
    selectRow(child<QTreeWidget>(&w, "ListView2"), 3);
    w.findChild<QAction *>("PopUpLessonStart")->trigger();
    QCOMPARE(ZRSub().WordSel, 3);
    w.findChild<QAction *>("PopUpScoreView")->trigger();

    tab->setCurrentIndex(2);
    w.StartLesson();
    w.OpenScoreView();
    QCOMPARE(ZRSub().SentenceSel, 1);

    tab->setCurrentIndex(3);
    QVERIFY(!enabled(w, "MenuLessonStart"));
    w.StartLesson();   // disabled on this tab: nothing opens
    w.OpenScoreView();

    QCOMPARE(scope.opened, QStringList({"chapter 2 kind 1 uo", "scores 1 2", "chapter 3 kind 2 fjdksla;eiuo",
                                        "word 5", "scores 2 5", "sentence 3", "scores 3 3", "scores 0 0"}));

    // A double-click is the same as the start command.
    scope.opened.clear();
    tab->setCurrentIndex(0);
    auto *list1 = child<QTreeWidget>(&w, "ListView1");
    emit list1->itemActivated(list1->topLevelItem(3), 0);
    QCOMPARE(scope.opened, QStringList({"chapter 1 kind 1 fjdksla;ei"}));
}

void MainFrmTest::rememberedRowsComeBack()
{
    ShellScope scope;
    UserRecord u = preparedUser();
    scope.putUser(1, u);
    registerSlots(UserFolder(1));
    MainFrm w;
    w.Load();
    auto *list1 = child<QTreeWidget>(&w, "ListView1");
    selectRow(list1, 3);
    w.StartLesson();
    // Every refresh rebuilds the lists and selects the remembered row again.
    w.InitActivate();
    QCOMPARE(list1->indexOfTopLevelItem(list1->currentItem()), 2);

    // A remembered row the list no longer has leaves the first row selected.
    ZRSub().CurUser.LessonProgress = 2;
    w.InitActivate();
    QCOMPARE(list1->topLevelItemCount(), 2);
    QCOMPARE(list1->indexOfTopLevelItem(list1->currentItem()), 0);
    w.StartLesson();
    QCOMPARE(scope.opened.last(), QString("chapter 2 kind 1 uo"));
}

void MainFrmTest::summaryFigures()
{
    ShellScope scope;
    scope.putUser(1, preparedUser());
    registerSlots(UserFolder(1));
    MainFrm w;
    w.Load();
    auto text = [&](const char *name) { return child<QLineEdit>(&w, name)->text(); };
    QCOMPARE(text("Text1"), u"山田花子"_qs);
    QCOMPARE(text("Text2"), QString("Chapter 4"));
    QCOMPARE(text("Text3"), u"ローマ字入力コース"_qs);
    QCOMPARE(text("Text4"), u" 3分"_qs);
    QCOMPARE(text("Text5"), u" 7回"_qs);
    // 150 hits, 5 misses, 120 units in 3 minutes.
    QCOMPARE(text("Text6"), QString("97"));
    QCOMPARE(text("Text7"), QString("40"));

    SharedState &s = ZRSub();
    s.CurUser.TotalPracticeTime = 29 * kSecond;
    s.CurUser.WordScores[0].DayChars[0] = 81;
    // Chapters beyond 35 count too.
    s.CurUser.TrainingScores[49].PracticeCount = 2;
    w.InitActivate();
    QCOMPARE(text("Text4"), u" 0分"_qs);
    QCOMPARE(text("Text5"), u" 9回"_qs);
    QCOMPARE(text("Text7"), QString("40.3"));

    // Practice beyond a day keeps counting: the total, an item's time and the speed.
    s.CurUser.TotalPracticeTime = 1 + 180 * kSecond;
    s.CurUser.WordScores[0].TotalTime = 2 + 120 * kSecond;
    s.CurUser.WordScores[0].DayTime[3] = 1;
    s.CurUser.WordScores[0].DayChars[3] = 1440 * 40;
    w.InitActivate();
    QCOMPARE(text("Text4"), u" 1443分"_qs);
    QCOMPARE(child<QTreeWidget>(&w, "ListView2")->topLevelItem(0)->text(4), u"2882分"_qs);
    QCOMPARE(text("Text7"), QString("40"));
    s.CurUser.WordScores[0].DayTime[3] = 0;
    s.CurUser.WordScores[0].DayChars[3] = 0;

    // Only basic practice: no overall figures.
    s.CurUser.WordScores = {};
    w.InitActivate();
    QCOMPARE(text("Text5"), u" 6回"_qs);
    QCOMPARE(text("Text6"), QString("-"));
    QCOMPARE(text("Text7"), QString("-"));
    QVERIFY(scope.gateway.shown.isEmpty());
}

void MainFrmTest::damagedSummaryNo()
{
    ShellScope scope;
    scope.putUser(1, preparedUser());
    scope.putUser(2, sampleUser(u"佐藤"_qs));
    whenModal<UserSelFrm>([](UserSelFrm *sel) { click(sel, "cmdOK"); });
    MainFrm w;
    w.Load();
    QCOMPARE(ZRSub().CurUserDir, UserFolder(1));
    const QByteArray stored = readBytes(UserDataPath(UserFolder(1)));

    ZRSub().CurUser.WordScores[0].DayTime[3] = 1e300;
    scope.gateway.queued = {MessageAnswer::No};
    w.InitActivate();
    QCOMPARE(scope.titles(), QStringList({u"不良なデータを発見"_qs, QString()}));
    const MessageRequest &ask = scope.gateway.shown[0];
    QVERIFY(ask.text.contains(u"山田花子"_qs));
    QVERIFY(ask.text.contains(u"この利用者データは、内容の一部が破壊されていて使用することができません。"_qs));
    QVERIFY(ask.text.endsWith(u"このデータを削除します。宜しいですか？"_qs));
    QCOMPARE(ask.buttons, MessageButtons::YesNo);
    QCOMPARE(ask.defaultButton, MessageAnswer::No);
    QCOMPARE(scope.gateway.shown[1].text, u"削除を中止しましたが、このデータを使うことはできません。"_qs);

    QVERIFY(ZRSub().CurUser.UserName.isEmpty());
    QCOMPARE(w.windowTitle(), QString("ZORVEL LESSON"));
    QVERIFY(!child(&w, "SSTab1")->isEnabled());
    for (const char *name : {"ListView1", "ListView2", "ListView3"})
        QCOMPARE(child<QTreeWidget>(&w, name)->topLevelItemCount(), 0);
    // Nothing on disk changed.
    QCOMPARE(readBytes(UserDataPath(UserFolder(1))), stored);
    QVERIFY(QFileInfo::exists(UserFolder(2)));
    QVERIFY(!MainFrm::ending());
}

void MainFrmTest::damagedSummaryYes()
{
    ShellScope scope;
    scope.putUser(1, preparedUser());
    scope.putUser(2, sampleUser(u"佐藤"_qs));
    MainFrm w;
    whenModal<UserSelFrm>([](UserSelFrm *sel) { click(sel, "cmdOK"); });
    w.Load();
    ZRSub().CurUser.SentenceScores[2].PracticeCount = 1;
    ZRSub().CurUser.SentenceScores[2].DayTime[0] = std::numeric_limits<double>::quiet_NaN();
    scope.gateway.queued = {MessageAnswer::Yes};
    w.InitActivate();
    QCOMPARE(scope.titles(), QStringList({u"不良なデータを発見"_qs, u"削除完了"_qs}));
    QCOMPARE(scope.gateway.shown[1].text,
             u"削除が完了致しました。ZORVEL LESSON を一度終了しますので、再度起動させて下さい。"_qs);
    QVERIFY(!QFileInfo::exists(UserFolder(1)));
    QVERIFY(QFileInfo::exists(UserDataPath(UserFolder(2))));
    QVERIFY(MainFrm::ending());
    QVERIFY(!w.isVisible());
    // The window remembered its place on the way out.
    QVERIFY(WindowPositions::read("StartUp"));
}

void MainFrmTest::unusableFileAtStartUp()
{
    const QByteArray whole = SerializeUserRecord(sampleUser(u"山田"_qs));
    // Damaged data is offered for deletion; a record cut short after its header loads
    // with zeros for what is missing; an old record that could not be converted is
    // explained and left alone.
    enum Outcome { Deletion, Loaded, Explained };
    const struct {
        const char *what;
        QByteArray bytes;   // empty: no user.dat at all
        Outcome outcome;
        const char *named;  // what the message must name
    } cases[] = {
        {"no user.dat", QByteArray(), Deletion, "user01"},
        {"garbage", QByteArray("\x06\x00\xff\xff garbage"), Deletion, "user01"},
        {"cut within the header", whole.left(7), Deletion, "user01"},
        {"cut short after the header", whole.left(3000), Loaded, ""},
        {"format 5 without its table", oldUserRecord(5, u"山田"_qs), Explained, "DefRmj.tbl"},
    };
    for (const auto &c : cases) {
        ShellScope scope;
        TempDir emptyInstall;
        if (c.outcome == Explained)
            scope.state.state().AppDir = emptyInstall.path() + u'/';
        QDir().mkpath(UserFolder(1));
        if (!c.bytes.isEmpty())
            writeBytes(UserDataPath(UserFolder(1)), c.bytes);
        scope.gateway.queued = {MessageAnswer::No};
        MainFrm w;
        w.Load();
        if (c.outcome == Loaded) {
            QVERIFY2(scope.gateway.shown.isEmpty(), c.what);
            QCOMPARE(w.windowTitle(), u"ZORVEL LESSON - 山田"_qs);
            continue;
        }
        const QStringList titles = c.outcome == Deletion ? QStringList({u"不良なデータを発見"_qs, QString()})
                                                         : QStringList({u"成績データを使用できません"_qs});
        QCOMPARE(scope.titles(), titles);
        QVERIFY2(scope.gateway.shown[0].text.contains(c.named), c.what);
        QCOMPARE(w.windowTitle(), QString("ZORVEL LESSON"));
        QVERIFY(enabled(w, "MenuSelUser"));   // the one learner can be tried again
        QVERIFY(QFileInfo::exists(UserFolder(1)));
        QCOMPARE(readBytes(UserDataPath(UserFolder(1))), c.bytes);
    }
}

void MainFrmTest::tabChangeRules()
{
    ShellScope scope;
    scope.putUser(1, sampleUser("abcd"));
    MainFrm w;
    w.Load();
    auto *tab = child<QTabWidget>(&w, "SSTab1");
    const char *checks[] = {"MenuLessonTraining", "MenuLessonWord", "MenuLessonSSent", "MenuUserInfo"};
    auto checked = [&](int which) {
        for (int i = 0; i < 4; ++i) {
            if (w.findChild<QAction *>(checks[i])->isChecked() != (i == which))
                return false;
        }
        return true;
    };
    QVERIFY(checked(0));
    w.findChild<QAction *>("MenuUserInfo")->trigger();
    QCOMPARE(tab->currentIndex(), 3);
    QVERIFY(checked(3));
    QVERIFY(!enabled(w, "MenuLessonStart"));
    QVERIFY(!enabled(w, "start"));
    // A refresh on this tab keeps the start command off.
    w.InitActivate();
    QVERIFY(!enabled(w, "start"));
    QVERIFY(enabled(w, "graph"));

    tab->setCurrentIndex(1);
    QVERIFY(checked(1));
    QVERIFY(enabled(w, "MenuLessonStart"));
    QVERIFY(enabled(w, "start"));
    w.findChild<QAction *>("MenuLessonSSent")->trigger();
    QCOMPARE(tab->currentIndex(), 2);
    QVERIFY(checked(2));
    QVERIFY(!w.findChild<QAction *>("MenuRanking")->isVisible());
}

void MainFrmTest::deletingTheCurrentLearner()
{
    ShellScope scope;
    scope.putUser(1, sampleUser(u"山田"_qs));
    MainFrm w;
    w.Load();
    child<QTabWidget>(&w, "SSTab1")->setCurrentIndex(2);

    scope.gateway.queued = {MessageAnswer::No};
    w.findChild<QAction *>("MenuDelUser")->trigger();
    QVERIFY(QFileInfo::exists(UserDataPath(UserFolder(1))));
    QCOMPARE(w.windowTitle(), u"ZORVEL LESSON - 山田"_qs);
    QCOMPARE(child<QTreeWidget>(&w, "ListView2")->topLevelItemCount(), 4);

    scope.gateway.queued = {MessageAnswer::Yes};
    w.findChild<QAction *>("MenuDelUser")->trigger();
    QVERIFY(!QFileInfo::exists(UserFolder(1)));
    QCOMPARE(w.windowTitle(), QString("ZORVEL LESSON"));
    QVERIFY(ZRSub().CurUserDir.isEmpty());
    QCOMPARE(ZRSub().CurUser.LessonProgress, 0);
    QCOMPARE(child<QTabWidget>(&w, "SSTab1")->currentIndex(), 0);
    QCOMPARE(child<QTreeWidget>(&w, "ListView2")->topLevelItemCount(), 0);
    QVERIFY(!enabled(w, "MenuDelUser"));
    QVERIFY(!enabled(w, "MenuSelUser"));
    QCOMPARE(scope.titles(), QStringList({u"削除の確認"_qs, u"削除の確認"_qs}));
}

void MainFrmTest::windowPlacement()
{
    ShellScope scope;
    scope.putUser(1, sampleUser("abcd"));
    auto placedAt = [&](QPointF twips) {
        WindowPositions::write("StartUp", twips);
        MainFrm w;
        w.Load();
        const QPoint at = w.frameGeometry().topLeft();
        w.close();
        return at;
    };
    const QPoint centred = [&] {
        QSettings(WindowPositions::storeFile(), QSettings::IniFormat).remove("StartUp");
        MainFrm w;
        w.Load();
        const QPoint at = w.frameGeometry().topLeft();
        const QRect screen = w.screen()->availableGeometry();
        const QSize size = w.frameGeometry().size();
        // Before the first show the frame is not known yet; a margin's width is allowed.
        const QPoint expected = screen.topLeft() + QPoint((screen.width() - size.width()) / 2,
                                                          (screen.height() - size.height()) / 2);
        [&] { QVERIFY((at - expected).manhattanLength() <= 4); }();
        return at;
    }();
    QCOMPARE(placedAt({50000, 50000}), centred);
    QCOMPARE(placedAt({-100, 200}), centred);
    QCOMPARE(placedAt({600, 300}), QPoint(40, 20));

    // Closing remembers the place in twips and leaves the kana mode.
    MainFrm w;
    w.Load();
    w.move(30, 10);
    SetKanaMode(true);
    w.findChild<QAction *>("MenuQuit")->trigger();
    QVERIFY(!w.isVisible());
    QVERIFY(!KanaModeOn());
    const std::optional<QPointF> stored = WindowPositions::read("StartUp");
    QVERIFY(stored);
    QCOMPARE(*stored, QPointF(450, 150));
}

void MainFrmTest::missingLessonTableIsNamedOnce()
{
    ShellScope scope;
    // An installation without its lesson tables.
    TempDir install;
    QDir().mkpath(install.file("resource"));
    for (const char *name : {"DefRmj.tbl", "DefKana.tbl", "zr.zrd"})
        QFile::copy(resourceFile(name), install.file(QStringLiteral("resource/") + name));
    scope.putUser(1, sampleUser("abcd", 0, 3));
    ZRSub().AppDir = install.path() + u'/';
    MainFrm w;
    w.Load();
    w.InitActivate();
    w.InitActivate();
    QCOMPARE(scope.titles(), QStringList{u"ファイルエラー"_qs});
    QVERIFY(scope.gateway.shown[0].text.contains("lessonRmj.tbl"));
    QCOMPARE(child<QTreeWidget>(&w, "ListView1")->topLevelItemCount(), 0);
    w.StartLesson();
    QVERIFY(scope.opened.isEmpty());
    // The rest of the window works.
    QCOMPARE(child<QLineEdit>(&w, "Text1")->text(), QString("abcd"));
}

void MainFrmTest::settingsCommands()
{
    ShellScope scope;
    scope.putUser(1, sampleUser("abcd"));
    MainFrm w;
    w.Load();
    for (const char *name : {"MenuIniSet", "MenuUserSet", "MenuRmjCust"})
        w.findChild<QAction *>(name)->trigger();
    QCOMPARE(scope.opened, QStringList({"IniSetFrm", "UserSetFrm", "RmjCustFrm"}));
    // What the settings dialog wrote is read back on the refresh that follows.
    SetIniString("General", "ErrorSound", "0", CurUserIni());
    SetIniString("General", "TypeSoundType", "2", CurUserIni());
    SetIniString("General", "TypeSoundFile", "/tmp/click.wav", CurUserIni());
    w.findChild<QAction *>("MenuUserSet")->trigger();
    QCOMPARE(ZRSub().ErrorSound, 0);
    QCOMPARE(ZRSub().TypeSoundType, 2);
    QCOMPARE(ZRSub().TypeSoundFile, QString("/tmp/click.wav"));
}

void MainFrmTest::progressAndWeakKeyCommands()
{
    ShellScope scope;
    scope.putUser(1, sampleUser("abcd"));
    MainFrm w;
    w.Load();
    auto *menu = w.findChild<QMenu *>("MenuLesson");
    QStringList texts;
    for (QAction *a : menu->actions())
        texts << a->text();
    // Right after the score list, as the toolbar buttons are right after its button.
    QCOMPARE(texts.mid(1, 3), (QStringList{u"成績一覧(&V)..."_qs, u"上達グラフ(&G)"_qs, u"弱点練習(&W)"_qs}));
    QStringList buttons;
    for (QAction *a : w.findChild<QToolBar *>("Toolbar1")->actions())
        buttons << a->objectName();
    QCOMPARE(buttons, (QStringList{"start", "graph", "progress", "weak", "user"}));
    for (const char *name : {"MenuProgress", "MenuWeakKeys", "progress", "weak"}) {
        QVERIFY(w.findChild<QAction *>(name)->isEnabled());
        w.findChild<QAction *>(name)->trigger();
    }
    QCOMPARE(scope.opened, QStringList({"ProgressFrm", "weak keys", "ProgressFrm", "weak keys"}));
}

void MainFrmTest::helpAndAbout()
{
    ShellScope scope;
    MainFrm w;
    w.show();
    w.findChild<QAction *>("MenuHelpHelp")->trigger();
    auto *help = w.findChild<HelpFrm *>();
    QVERIFY(help && help->isVisible());
    auto *browser = child<QTextBrowser>(help, "HelpBrowser");
    QVERIFY(browser->source().toLocalFile().endsWith("zr.hlp"));
    QVERIFY(browser->toPlainText().contains(u"目次"_qs));
    QVERIFY(browser->toPlainText().contains(u"JIS 仮名入力コース"_qs));

    QString version;
    whenModal<AboutFrm>([&](AboutFrm *about) {
        version = child<QLabel>(about, "lblVersion")->text();
        about->accept();
    });
    w.findChild<QAction *>("MenuAbout")->trigger();
    QVERIFY(version.contains(ZR_VERSION));

    // Without the document, a message names it.
    TempDir install;
    ZRSub().AppDir = install.path() + u'/';
    help->close();
    w.findChild<QAction *>("MenuHelpHelp")->trigger();
    QCOMPARE(scope.titles(), QStringList{u"ヘルプ"_qs});
    QVERIFY(scope.gateway.shown[0].text.contains("zr.hlp"));
}

void MainFrmTest::rightClickOffersThePopUp()
{
    ShellScope scope;
    scope.putUser(1, preparedUser());
    registerSlots(UserFolder(1));
    MainFrm w;
    w.Load();
    for (const char *name : {"ListView1", "ListView2", "ListView3"}) {
        auto *list = child<QTreeWidget>(&w, name);
        child<QTabWidget>(&w, "SSTab1")->setCurrentWidget(list->parentWidget());
        QString shown;
        QTimer::singleShot(50, [&] {
            if (QWidget *popup = QApplication::activePopupWidget()) {
                shown = popup->objectName();
                popup->close();
            }
        });
        QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, list->visualItemRect(list->topLevelItem(0)).center());
        QCOMPARE(shown, QString("PopUp"));
    }
}

QTEST_MAIN(MainFrmTest)
#include "MainFrmTest.moc"
