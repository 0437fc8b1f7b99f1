#include "ui/shell/MainFrm.h"

#include "keyboard/KeyboardModel.h"
#include "platform/Format.h"
#include "platform/KanaMode.h"
#include "platform/MessageBox.h"
#include "platform/OleDate.h"
#include "results/ScoreRecord.h"
#include "ui/common/WindowPlacement.h"
#include "ui/shell/AboutFrm.h"
#include "ui/shell/HelpFrm.h"
#include "ui/shell/Launchers.h"
#include "ui/shell/ReportList.h"
#include "ui/shell/ShellIcons.h"
#include "ui/shell/UserSelFrm.h"
#include "ui/shell/UserWizardFrm.h"
#include "userdata/Startup.h"
#include "userdata/UserSettings.h"
#include "userdata/Users.h"
#include "userdata/ZRSub.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zr {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kCaption = QStringLiteral("ZORVEL LESSON");

MainFrm *runningMain = nullptr;
bool programEnding = false;

constexpr int kChapterRole = Qt::UserRole;
constexpr int kSlotRole = Qt::UserRole + 1;

QString minutesWithUnit(double duration)
{
    const QString minutes = MinutesText(duration);
    // Under half a minute rounds to no number at all; say 0 rather than a bare unit.
    return (minutes.isEmpty() ? QStringLiteral("0") : minutes) + QStringLiteral("分");
}

QTreeWidget *makeList(const QString &name, const QStringList &headers, const QList<int> &rightColumns)
{
    auto *list = new QTreeWidget;
    list->setObjectName(name);
    SetUpReportList(list);
    list->setHeaderLabels(headers);
    for (int column : rightColumns)
        list->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    list->setProperty("rightColumns", QVariant::fromValue(rightColumns));
    return list;
}

QTreeWidgetItem *addRow(QTreeWidget *list, const QStringList &texts)
{
    auto *item = new QTreeWidgetItem(list, texts);
    const auto right = list->property("rightColumns").value<QList<int>>();
    for (int column : right)
        item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QLineEdit *summaryBox(const QString &name)
{
    auto *box = new QLineEdit;
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setMinimumWidth(220);
    return box;
}

// The damaged-data choice. Yes deletes the learner's folder and ends the program; true
// then. No leaves no learner current.
bool offerDeletion(const QString &folder, const QString &label, const QString &reason)
{
    const QString who = QStringLiteral("使用者：「%1」（%2）").arg(label, QFileInfo(folder).fileName());
    const MessageAnswer answer = ShowMessage(
        {who + kCrLf + QStringLiteral("この利用者データは、内容の一部が破壊されていて使用することができません。")
             + (reason.isEmpty() ? QString() : kCrLf + reason) + kCrLf
             + QStringLiteral("このデータを削除します。宜しいですか？"),
         QStringLiteral("不良なデータを発見"), MessageIcon::Warning, MessageButtons::YesNo, MessageAnswer::No});
    SharedState &s = ZRSub();
    if (answer == MessageAnswer::Yes) {
        QString error;
        if (RemoveUserFolder(folder, &error)) {
            ShowMessage({QStringLiteral("削除が完了致しました。ZORVEL LESSON を一度終了しますので、再度起動させて下さい。"),
                         QStringLiteral("削除完了"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
            s.CurUser.UserName.clear();
            s.CurUserDir.clear();
            MainFrm::EndProgram();
            return true;
        }
        ShowMessage({QStringLiteral("使用者データを削除できませんでした。") + kCrLf + error,
                     QStringLiteral("削除エラー"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
    }
    ShowMessage({QStringLiteral("削除を中止しましたが、このデータを使うことはできません。"), QString(),
                 MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
    s.CurUser.UserName.clear();
    s.CurUserDir.clear();
    return false;
}

}  // namespace

bool OpenUserFolder(const QString &folder)
{
    const UserFile file = ReadUserFile(folder);
    if (!file.usable() && !OffersDeletion(file.problem)) {
        ShowMessage({UnusableRecordNotice(file), QStringLiteral("成績データを使用できません"),
                     MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
        ZRSub().CurUser.UserName.clear();
        ZRSub().CurUserDir.clear();
        return false;
    }
    if (!file.usable()) {
        offerDeletion(folder, file.label(), RecordProblemText(file.problem));
        return false;
    }
    MakeCurrentUser(folder, file.record);
    return true;
}

MainFrm::MainFrm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainFrm"));
    setWindowTitle(kCaption);
    setWindowIcon(AppIcon());
    buildMenus();
    buildToolbar();
    buildTabs();
    resize(760, 520);
    runningMain = this;
}

MainFrm::~MainFrm()
{
    if (runningMain == this)
        runningMain = nullptr;
}

MainFrm *MainFrm::instance()
{
    return runningMain;
}

void MainFrm::buildMenus()
{
    auto action = [](QMenu *menu, const char *name, const QString &text) {
        auto *a = new QAction(text, menu);
        a->setObjectName(QString::fromLatin1(name));
        menu->addAction(a);
        return a;
    };
    auto menu = [this](const char *name, const QString &title) {
        auto *m = menuBar()->addMenu(title);
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("_Title"));
        return m;
    };

    MenuFile = menu("MenuFile", QStringLiteral("ファイル(&F)"));
    MenuSelUser = action(MenuFile, "MenuSelUser", QStringLiteral("使用者の切替(&C)"));
    MenuFile->addSeparator();
    MenuMkUser = action(MenuFile, "MenuMkUser", QStringLiteral("使用者の新規登録(&N)"));
    MenuDelUser = action(MenuFile, "MenuDelUser", QStringLiteral("現在の使用者データを削除(&D)"));
    MenuFile->addSeparator();
    MenuQuit = action(MenuFile, "MenuQuit", QStringLiteral("終了(&X)"));

    MenuLesson = menu("MenuLesson", QStringLiteral("レッスン(&L)"));
    MenuLessonStart = action(MenuLesson, "MenuLessonStart", QStringLiteral("レッスン開始(&S)..."));
    MenuScoreView = action(MenuLesson, "MenuScoreView", QStringLiteral("成績一覧(&V)..."));
    MenuRanking = action(MenuLesson, "MenuRanking", QStringLiteral("ランキング(&R)"));
    MenuRanking->setVisible(false);
    MenuLesson->addSeparator();
    MenuLessonTraining = action(MenuLesson, "MenuLessonTraining", QStringLiteral("基本練習"));
    MenuLessonWord = action(MenuLesson, "MenuLessonWord", QStringLiteral("単語練習問題"));
    MenuLessonSSent = action(MenuLesson, "MenuLessonSSent", QStringLiteral("短文練習問題"));
    MenuUserInfo = action(MenuLesson, "MenuUserInfo", QStringLiteral("使用者情報"));
    for (QAction *a : {MenuLessonTraining, MenuLessonWord, MenuLessonSSent, MenuUserInfo})
        a->setCheckable(true);

    MenuSetting = menu("MenuSetting", QStringLiteral("設定(&C)"));
    MenuIniSet = action(MenuSetting, "MenuIniSet", QStringLiteral("練習問題の構成(&W)..."));
    MenuUserSet = action(MenuSetting, "MenuUserSet", QStringLiteral("ユーザ設定(&U)..."));
    MenuRmjCust = action(MenuSetting, "MenuRmjCust", QStringLiteral("ローマ字設定(&R)..."));

    MenuHelp = menu("MenuHelp", QStringLiteral("ヘルプ(&H)"));
    MenuHelpHelp = action(MenuHelp, "MenuHelpHelp", QStringLiteral("目次"));
    MenuHelpHelp->setShortcut(QKeySequence::HelpContents);
    MenuAbout = action(MenuHelp, "MenuAbout", QStringLiteral("バージョン情報(&A)..."));

    PopUp = new QMenu(QStringLiteral("右クリック"), this);
    PopUp->setObjectName(QStringLiteral("PopUp"));
    PopUpLessonStart = action(PopUp, "PopUpLessonStart", QStringLiteral("レッスン開始"));
    PopUpScoreView = action(PopUp, "PopUpScoreView", QStringLiteral("成績一覧"));

    connect(MenuSelUser, &QAction::triggered, this, &MainFrm::SelectUser);
    connect(MenuMkUser, &QAction::triggered, this, &MainFrm::MakeUser);
    connect(MenuDelUser, &QAction::triggered, this, &MainFrm::DeleteCurrentUser);
    connect(MenuQuit, &QAction::triggered, this, &QWidget::close);
    connect(MenuLessonStart, &QAction::triggered, this, &MainFrm::StartLesson);
    connect(MenuScoreView, &QAction::triggered, this, &MainFrm::OpenScoreView);
    connect(PopUpLessonStart, &QAction::triggered, this, &MainFrm::StartLesson);
    connect(PopUpScoreView, &QAction::triggered, this, &MainFrm::OpenScoreView);
    connect(MenuLessonTraining, &QAction::triggered, this, [this] { SSTab1->setCurrentIndex(0); tabChanged(0); });
    connect(MenuLessonWord, &QAction::triggered, this, [this] { SSTab1->setCurrentIndex(1); tabChanged(1); });
    connect(MenuLessonSSent, &QAction::triggered, this, [this] { SSTab1->setCurrentIndex(2); tabChanged(2); });
    connect(MenuUserInfo, &QAction::triggered, this, [this] { SSTab1->setCurrentIndex(3); tabChanged(3); });
    connect(MenuIniSet, &QAction::triggered, this, [this] {
        Launchers().iniSet(this);
        InitActivate();
    });
    connect(MenuUserSet, &QAction::triggered, this, [this] {
        Launchers().userSet(this);
        ReloadUserSettings();
        InitActivate();
    });
    connect(MenuRmjCust, &QAction::triggered, this, [this] {
        Launchers().rmjCust(this);
        InitActivate();
    });
    connect(MenuHelpHelp, &QAction::triggered, this, &MainFrm::ShowHelp);
    connect(MenuAbout, &QAction::triggered, this, &MainFrm::ShowAbout);
}

void MainFrm::buildToolbar()
{
    Toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar1->setIconSize(QSize(32, 32));
    Toolbar1->toggleViewAction()->setEnabled(false);
    auto button = [this](const char *key, const QString &caption, const QString &tip) {
        auto *a = new QAction(ToolbarIcon(QString::fromLatin1(key)), caption, Toolbar1);
        a->setObjectName(QString::fromLatin1(key));
        a->setToolTip(tip);
        Toolbar1->addAction(a);
        if (QWidget *w = Toolbar1->widgetForAction(a))
            w->setObjectName(QStringLiteral("Toolbar1_") + QString::fromLatin1(key));
        return a;
    };
    start_ = button("start", QStringLiteral("レッスン開始"), QStringLiteral("レッスン開始(&S)..."));
    graph_ = button("graph", QStringLiteral("成績一覧"), QStringLiteral("成績一覧(&V)..."));
    user_ = button("user", QStringLiteral("使用者の切替"), QStringLiteral("使用者の切替(&C)"));
    connect(start_, &QAction::triggered, this, &MainFrm::StartLesson);
    connect(graph_, &QAction::triggered, this, &MainFrm::OpenScoreView);
    connect(user_, &QAction::triggered, this, &MainFrm::SelectUser);
}

void MainFrm::buildTabs()
{
    SSTab1 = new QTabWidget;
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setDocumentMode(false);

    const QStringList slotHeaders = {QStringLiteral("No"), QStringLiteral("レッスン内容"), QStringLiteral("構成"),
                                     QStringLiteral("カウンタ"), QStringLiteral("練習時間"),
                                     QStringLiteral("最終練習日")};
    ListView1 = makeList(QStringLiteral("ListView1"),
                         {QStringLiteral("レッスンNo"), QStringLiteral("レッスン内容"), QStringLiteral("対象キー"),
                          QStringLiteral("カウンタ"), QStringLiteral("練習時間")},
                         {3, 4});
    ListView2 = makeList(QStringLiteral("ListView2"), slotHeaders, {3, 4, 5});
    ListView3 = makeList(QStringLiteral("ListView3"), slotHeaders, {3, 4, 5});

    auto page = [](QWidget *content) {
        auto *w = new QWidget;
        auto *layout = new QVBoxLayout(w);
        layout->setContentsMargins(6, 6, 6, 6);
        layout->addWidget(content);
        return w;
    };
    SSTab1->addTab(page(ListView1), QStringLiteral("基本練習"));
    SSTab1->addTab(page(ListView2), QStringLiteral("単語練習問題"));
    SSTab1->addTab(page(ListView3), QStringLiteral("短文練習問題"));

    Text1 = summaryBox(QStringLiteral("Text1"));
    Text2 = summaryBox(QStringLiteral("Text2"));
    Text3 = summaryBox(QStringLiteral("Text3"));
    Text4 = summaryBox(QStringLiteral("Text4"));
    Text5 = summaryBox(QStringLiteral("Text5"));
    Text6 = summaryBox(QStringLiteral("Text6"));
    Text7 = summaryBox(QStringLiteral("Text7"));

    auto *info = new QWidget;
    auto *infoLayout = new QVBoxLayout(info);
    infoLayout->setContentsMargins(16, 14, 16, 14);
    infoLayout->setSpacing(14);
    auto *learner = new QGroupBox(QStringLiteral("使用者"));
    auto *learnerForm = new QFormLayout(learner);
    learnerForm->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    learnerForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    learnerForm->setHorizontalSpacing(14);
    learnerForm->addRow(QStringLiteral("使用者名"), Text1);
    learnerForm->addRow(QStringLiteral("基本練習の進捗度"), Text2);
    learnerForm->addRow(QStringLiteral("入力方式"), Text3);
    learnerForm->addRow(QStringLiteral("累計練習時間"), Text4);
    learnerForm->addRow(QStringLiteral("レッスン学習回数"), Text5);
    auto *overall = new QGroupBox(QStringLiteral("総合成績（基本練習を除く）"));
    overall->setObjectName(QStringLiteral("Frame1"));
    auto *overallForm = new QFormLayout(overall);
    overallForm->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    overallForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    overallForm->setHorizontalSpacing(14);
    overallForm->addRow(QStringLiteral("平均正解率（％）"), Text6);
    overallForm->addRow(QStringLiteral("平均入力速度(字/分)"), Text7);
    // Both frames' labels share one width, so the boxes line up.
    const int labelWidth = fontMetrics().horizontalAdvance(QStringLiteral("平均入力速度(字/分)")) + 8;
    for (QFormLayout *form : {learnerForm, overallForm}) {
        for (int row = 0; row < form->rowCount(); ++row) {
            if (QLayoutItem *item = form->itemAt(row, QFormLayout::LabelRole))
                item->widget()->setMinimumWidth(labelWidth);
        }
    }
    infoLayout->addWidget(learner);
    infoLayout->addWidget(overall);
    infoLayout->addStretch(1);
    SSTab1->addTab(info, QStringLiteral("使用者情報"));

    setCentralWidget(SSTab1);
    connect(SSTab1, &QTabWidget::currentChanged, this, &MainFrm::tabChanged);

    for (QTreeWidget *list : {ListView1, ListView2, ListView3}) {
        connect(list, &QTreeWidget::itemActivated, this, [this, list](QTreeWidgetItem *item) {
            list->setCurrentItem(item);
            StartLesson();
        });
        list->viewport()->installEventFilter(this);
        const int tab = list == ListView1 ? 0 : list == ListView2 ? 1 : 2;
        connect(list, &QTreeWidget::currentItemChanged, this, [this, tab] {
            if (!refreshing_)
                rememberSelection(tab);
        });
    }
}

void MainFrm::createColumns()
{
    const double w1 = ListView1->width();
    const double fractions1[] = {6, 4, 4, 8, 7};
    for (int c = 0; c < 5; ++c)
        ListView1->setColumnWidth(c, int(w1 / fractions1[c]));
    // The sentence list takes its widths from the word list.
    const double w2 = ListView2->width();
    const double fractions2[] = {14, 2.5, 12, 8, 7, 6};
    for (int c = 0; c < 6; ++c) {
        ListView2->setColumnWidth(c, int(w2 / fractions2[c]));
        ListView3->setColumnWidth(c, int(w2 / fractions2[c]));
    }
}

void MainFrm::Load()
{
    RestoreWindowPosition(this, QStringLiteral("StartUp"));
    SSTab1->setEnabled(false);
    start_->setEnabled(false);
    graph_->setEnabled(false);
    user_->setEnabled(false);
    SSTab1->setCurrentIndex(0);
    tabChanged(0);
    SharedState &s = ZRSub();
    s.TrainingSel = s.WordSel = s.SentenceSel = 1;
    // With one learner nothing is asked: the window first appears with the learner's
    // caption and lists. The wizard and the selection open over the window instead.
    const bool askFirst = CountUsers() != 1;
    if (askFirst)
        show();

    settleCurrentUser();
    if (ending())
        return;
    InitActivate();
    if (!askFirst)
        show();
    // Arrow keys and Enter work on the list from the start.
    if (QTreeWidget *list = visibleList(); list && list->isEnabled())
        list->setFocus();
}

void MainFrm::settleCurrentUser()
{
    const int n = CountUsers();
    if (n == 0) {
        CreateUser(this);
    } else if (n == 1) {
        for (int slot = 1; slot <= kMaxUsers; ++slot) {
            const QString folder = UserFolder(slot);
            if (QFileInfo(folder).isDir()) {
                OpenUserFolder(folder);
                break;
            }
        }
    } else {
        UserSelFrm dialog(this);
        dialog.mode = 0;
        dialog.exec();
    }
}

void MainFrm::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    if (!columnsMade_) {
        // The widths are shares of the lists' width as the window first shows them.
        columnsMade_ = true;
        createColumns();
    }
}

bool MainFrm::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate && !refreshing_ && !closed_ && !ending())
        InitActivate();
    return QMainWindow::event(e);
}

void MainFrm::InitActivate()
{
    if (closed_)
        return;
    const bool nested = refreshing_;
    refreshing_ = true;
    SharedState &s = ZRSub();
    const bool hasUser = !s.CurUser.UserName.isEmpty();

    const int n = CountUsers();
    MenuMkUser->setEnabled(n < kMaxUsers);
    if (n == 0) {
        MenuDelUser->setEnabled(false);
        MenuSelUser->setEnabled(false);
        user_->setEnabled(false);
    } else if (n == 1) {
        MenuDelUser->setEnabled(true);
        MenuSelUser->setEnabled(!hasUser);
        user_->setEnabled(!hasUser);
    } else {
        MenuDelUser->setEnabled(true);
        MenuSelUser->setEnabled(true);
        user_->setEnabled(true);
    }

    if (hasUser) {
        MenuLesson->menuAction()->setEnabled(true);
        MenuSetting->menuAction()->setEnabled(true);
        MenuDelUser->setEnabled(true);
        SSTab1->setEnabled(true);
        start_->setEnabled(true);
        graph_->setEnabled(true);
        setWindowTitle(kCaption + QStringLiteral(" - ") + s.CurUser.UserName);

        UseSharedSettings(CurrentUserSettings());

        SetTrainingItem();
        SetWordItem();
        SetSSentItem();
        SetUserInfo();
        if (!s.CurUser.UserName.isEmpty() && !ending()) {
            restoreSelection();
            applyTabRule();
        }
    } else {
        // Nothing of a learner who is no longer current stays on show.
        clearLists();
        for (QLineEdit *box : {Text1, Text2, Text3, Text4, Text5, Text6, Text7})
            box->clear();
        setWindowTitle(kCaption);
        MenuLesson->menuAction()->setEnabled(false);
        MenuSetting->menuAction()->setEnabled(false);
        MenuDelUser->setEnabled(false);
        SSTab1->setEnabled(false);
        start_->setEnabled(false);
        graph_->setEnabled(false);
    }
    refreshing_ = nested;
}

void MainFrm::SetTrainingItem()
{
    SharedState &s = ZRSub();
    const int course = s.CurUser.Course;
    MenuRmjCust->setEnabled(course != 1);
    const QString file = LessonTableFile(course);
    QString error;
    const std::optional<QStringList> lines = ReadLessonTable(AppPath(file), &error);
    ListView1->clear();
    if (!lines) {
        chapterTable_ = ChapterTable();
        s.ChapterCount = 0;
        // Once per file: every activation rebuilds the list, and the message would come back.
        if (!reportedFiles_.contains(file)) {
            reportedFiles_.insert(file);
            ShowMessage({error + kCrLf + QStringLiteral("基本練習の一覧を表示できません。"),
                         QStringLiteral("ファイルエラー"), MessageIcon::Warning, MessageButtons::Ok,
                         MessageAnswer::Ok});
        }
        return;
    }
    chapterTable_ = ChapterTable(*lines);
    s.ChapterCount = qint16(chapterTable_.ChapterCount());

    const bool upper = s.FontUpper == 1;
    for (int c = s.CurUser.LessonProgress; c >= 1; --c) {
        // A record may have come from an installation with a longer lesson table.
        if (!chapterTable_.contains(c) || c > UserRecord::kChapters)
            continue;
        const Chapter &chapter = chapterTable_.chapter(c);
        const ScoreRecord &score = s.CurUser.TrainingScores[size_t(c - 1)];
        const bool newKeys = chapter.kind == Chapter::NewKeys;
        QTreeWidgetItem *item = addRow(
            ListView1, {QStringLiteral("Chapter") + NumberText(c),
                        newKeys ? QStringLiteral("新しいキーの学習") : QStringLiteral("単語練習"),
                        newKeys ? KeyDisplayForm(chapter.TargetKey, upper) : QStringLiteral("学習したキー全て"),
                        NumberText(score.PracticeCount),
                        score.TotalTime != 0 ? minutesWithUnit(score.TotalTime) : QStringLiteral("-")});
        item->setData(0, kChapterRole, c);
    }
}

void MainFrm::SetWordItem()
{
    const SharedState &s = ZRSub();
    const QString ini = CurUserIni();
    const struct {
        QTreeWidget *list;
        const char *section;
        const std::array<ScoreRecord, UserRecord::kSlots> &scores;
    } blocks[] = {{ListView2, "WordLsn", s.CurUser.WordScores},
                  {ListView3, "SSentLsn", s.CurUser.SentenceScores}};
    for (const auto &block : blocks) {
        block.list->clear();
        const QString section = QString::fromLatin1(block.section);
        const QStringList titles = ReadSlotTitles(section, ini);
        for (int k = 1; k <= UserRecord::kSlots; ++k) {
            const QString &title = titles[k - 1];
            if (title.isEmpty())
                continue;
            const ScoreRecord &score = block.scores[size_t(k - 1)];
            QStringList texts = {NumberText(k), title, QStringLiteral("-")};
            if (score.PracticeCount > 0) {
                texts << NumberText(score.PracticeCount) << minutesWithUnit(score.TotalTime)
                      << ShortDateText(score.DayDate[0]);
            } else {
                texts << QStringLiteral("-") << QStringLiteral("-") << QStringLiteral("-");
            }
            QTreeWidgetItem *item = addRow(block.list, texts);
            item->setData(0, kSlotRole, k);
            item->setToolTip(1, title);
        }
    }
}

void MainFrm::SetSSentItem()
{
    // The sentence list is filled together with the word list.
}

void MainFrm::SetUserInfo()
{
    SharedState &s = ZRSub();
    const UserRecord &u = s.CurUser;
    Text1->setText(u.UserName);
    Text2->setText(QStringLiteral("Chapter") + NumberText(u.LessonProgress));
    Text3->setText(CourseName(u.Course));
    const QString total = MinutesText(u.TotalPracticeTime);
    Text4->setText(total.isEmpty() || total.toDouble() < 1 ? QStringLiteral(" 0分")
                                                           : u' ' + total + QStringLiteral("分"));
    double runs = 0;
    // Every Chapter the record can hold counts, not only the first 35.
    for (const ScoreRecord &r : u.TrainingScores)
        runs += r.PracticeCount;
    for (const auto *block : {&u.WordScores, &u.SentenceScores}) {
        for (const ScoreRecord &r : *block)
            runs += r.PracticeCount;
    }
    Text5->setText(NumberText(runs) + QStringLiteral("回"));

    double chars = 0, keys = 0, misses = 0, time = 0;
    for (const auto *block : {&u.WordScores, &u.SentenceScores}) {
        for (const ScoreRecord &r : *block) {
            if (!(r.PracticeCount > 0))
                continue;
            for (int d = 0; d < ScoreRecord::kDays; ++d) {
                chars += r.DayChars[size_t(d)];
                keys += r.DayKeys[size_t(d)];
                misses += r.DayMisses[size_t(d)];
                time += r.DayTime[size_t(d)];
            }
        }
    }
    if (!isValidOleDate(time)) {
        damagedSummary(RecordProblemText(RecordProblem::BadTimes));
        return;
    }
    if (!(keys > 0) || !(time > 0)) {
        Text6->setText(QStringLiteral("-"));
        Text7->setText(QStringLiteral("-"));
        return;
    }
    Text6->setText(FormatNumber(100 - misses / keys * 100, u"###"));
    const double minutes = PracticeMinutes(time);
    QString speed = minutes > 0 ? FormatNumber(chars / minutes, u"###.#") : QStringLiteral("-");
    // "###.#" leaves a bare point behind a whole number ("104."); it reads as a typo.
    if (speed.endsWith(u'.'))
        speed.chop(1);
    Text7->setText(speed);
}

void MainFrm::ShowNewUser(const QString &name)
{
    Text6->setText(QStringLiteral("-"));
    Text7->setText(QStringLiteral("-"));
    setWindowTitle(kCaption + QStringLiteral(" - ") + name);
}

void MainFrm::damagedSummary(const QString &reason)
{
    SharedState &s = ZRSub();
    if (offerDeletion(s.CurUserDir, s.CurUser.UserName, reason))
        return;
    InitActivate();
    clearLists();
}

void MainFrm::clearLists()
{
    ListView1->clear();
    ListView2->clear();
    ListView3->clear();
}

void MainFrm::tabChanged(int tab)
{
    const bool practice = tab >= 0 && tab <= 2;
    MenuLessonStart->setEnabled(practice);
    start_->setEnabled(practice && !ZRSub().CurUser.UserName.isEmpty());
    PopUpLessonStart->setEnabled(practice);
    MenuLessonTraining->setChecked(tab == 0);
    MenuLessonWord->setChecked(tab == 1);
    MenuLessonSSent->setChecked(tab == 2);
    MenuUserInfo->setChecked(tab == 3);
}

void MainFrm::applyTabRule()
{
    tabChanged(SSTab1->currentIndex());
}

QTreeWidget *MainFrm::visibleList() const
{
    switch (SSTab1->currentIndex()) {
    case 0: return ListView1;
    case 1: return ListView2;
    case 2: return ListView3;
    default: return nullptr;
    }
}

namespace {

int selectedRow(const QTreeWidget *list)
{
    if (!list)
        return 0;
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    QTreeWidgetItem *item = selected.isEmpty() ? list->currentItem() : selected.first();
    return item ? list->indexOfTopLevelItem(item) + 1 : 0;
}

void selectRow(QTreeWidget *list, int row)
{
    if (row < 1 || row > list->topLevelItemCount())
        return;
    QTreeWidgetItem *item = list->topLevelItem(row - 1);
    list->setCurrentItem(item);
    item->setSelected(true);
    list->scrollToItem(item);
}

}  // namespace

void MainFrm::restoreSelection()
{
    const SharedState &s = ZRSub();
    QTreeWidget *lists[] = {ListView1, ListView2, ListView3};
    const int remembered[] = {s.TrainingSel, s.WordSel, s.SentenceSel};
    for (int i = 0; i < 3; ++i) {
        // Every list goes back to its remembered row, or starts on its first row, so a
        // command always has an item to act on. A remembered row the list no longer has
        // (another learner, fewer slots) is not kept.
        const int row = remembered[i] > 1 && remembered[i] <= lists[i]->topLevelItemCount() ? remembered[i] : 1;
        selectRow(lists[i], row);
    }
    if (QTreeWidget *list = visibleList(); list && list->currentItem())
        list->scrollToItem(list->currentItem());
}

void MainFrm::rememberSelection(int tab)
{
    SharedState &s = ZRSub();
    QTreeWidget *lists[] = {ListView1, ListView2, ListView3};
    const int row = selectedRow(lists[tab]);
    if (row < 1)
        return;
    if (tab == 0)
        s.TrainingSel = qint16(row);
    else if (tab == 1)
        s.WordSel = qint16(row);
    else
        s.SentenceSel = qint16(row);
}

QTreeWidgetItem *MainFrm::commandItem(int tab)
{
    QTreeWidget *list = visibleList();
    const int row = selectedRow(list);
    if (!list || row < 1)
        return nullptr;
    rememberSelection(tab);
    return list->topLevelItem(row - 1);
}

void MainFrm::StartLesson()
{
    if (ZRSub().CurUser.UserName.isEmpty())
        return;
    const int tab = SSTab1->currentIndex();
    QTreeWidgetItem *item = commandItem(tab);
    if (!item)
        return;
    if (tab == 0) {
        const int c = item->data(0, kChapterRole).toInt();
        if (!chapterTable_.contains(c))
            return;
        Launchers().chapter(this, c, chapterTable_.chapter(c));
    } else if (tab == 1) {
        Launchers().word(this, item->data(0, kSlotRole).toInt());
    } else {
        Launchers().sentence(this, item->data(0, kSlotRole).toInt());
    }
    InitActivate();
}

void MainFrm::OpenScoreView()
{
    if (ZRSub().CurUser.UserName.isEmpty())
        return;
    const int tab = SSTab1->currentIndex();
    if (tab == 3) {
        Launchers().scoreView(this, 0, 0);
    } else {
        QTreeWidgetItem *item = commandItem(tab);
        if (!item)
            return;
        const int role = tab == 0 ? kChapterRole : kSlotRole;
        Launchers().scoreView(this, tab + 1, item->data(0, role).toInt());
    }
    InitActivate();
}

void MainFrm::SelectUser()
{
    {
        UserSelFrm dialog(this);
        dialog.mode = 1;
        dialog.exec();
    }
    if (!ending())
        InitActivate();
}

void MainFrm::MakeUser()
{
    CreateUser(this);
    InitActivate();
}

void MainFrm::DeleteCurrentUser()
{
    SharedState &s = ZRSub();
    if (s.CurUserDir.isEmpty())
        return;
    if (DeleteUserFolder(s.CurUserDir, s.CurUser.UserName)) {
        s.CurUserDir.clear();
        s.CurUser.UserName.clear();
        s.CurUser.LessonProgress = 0;
        SSTab1->setCurrentIndex(0);
        tabChanged(0);
    }
    clearLists();
    InitActivate();
}

void MainFrm::ShowHelp()
{
    const QString file = ZRSub().AppDir + QStringLiteral("zr.hlp");
    if (!QFileInfo(file).isFile()) {
        ShowMessage({QStringLiteral("ヘルプファイル「%1」が見つかりません。").arg(QDir::toNativeSeparators(file)),
                     QStringLiteral("ヘルプ"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
        return;
    }
    if (!help_) {
        help_ = new HelpFrm(this);
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    help_->showContents(file);
}

void MainFrm::ShowAbout()
{
    AboutFrm about(this);
    about.exec();
}

bool MainFrm::eventFilter(QObject *watched, QEvent *e)
{
    for (QTreeWidget *list : {ListView1, ListView2, ListView3}) {
        if (watched != list->viewport() || !list->isEnabled())
            continue;
        if (e->type() == QEvent::MouseButtonRelease
            && static_cast<QMouseEvent *>(e)->button() == Qt::RightButton) {
            PopUp->exec(static_cast<QMouseEvent *>(e)->globalPosition().toPoint());
            return true;
        }
        if (e->type() == QEvent::ContextMenu) {
            // The mouse opens the menu on release, above; the keyboard's menu key here.
            if (static_cast<QContextMenuEvent *>(e)->reason() == QContextMenuEvent::Keyboard) {
                const QTreeWidgetItem *item = list->currentItem();
                const QPoint at = item ? list->visualItemRect(item).bottomLeft() : QPoint(0, 0);
                PopUp->exec(list->viewport()->mapToGlobal(at));
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

void MainFrm::closeEvent(QCloseEvent *e)
{
    if (!closed_) {
        closed_ = true;
        SaveWindowPosition(this, QStringLiteral("StartUp"));
        if (help_)
            help_->close();
        ReleaseKanaLock();
    }
    e->accept();
    QCoreApplication::quit();
}

void MainFrm::EndProgram()
{
    programEnding = true;
    // Modal windows still open return from their loops; the callers see ending().
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *dialog = qobject_cast<QDialog *>(window); dialog && dialog->isVisible())
            dialog->reject();
    }
    if (runningMain)
        runningMain->close();
    // Leaves the main loop when it runs; before it runs, start-up sees ending() instead.
    QCoreApplication::quit();
}

bool MainFrm::ending()
{
    return programEnding;
}

void MainFrm::clearEnding()
{
    programEnding = false;
}

}  // namespace zr
