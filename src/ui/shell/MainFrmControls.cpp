// The main window's controls: menus, toolbar, the three lists and the learner
// summary. What they do is in MainFrm.cpp.
#include "ui/shell/MainFrm.h"

#include "ui/shell/Launchers.h"
#include "ui/shell/LogExport.h"
#include "ui/shell/ReportList.h"
#include "ui/shell/ShellIcons.h"
#include "userdata/UserSettings.h"

#include <QAction>
#include <QActionGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zr {
namespace {

QTreeWidget *makeList(const QString &name, const QStringList &headers, const QList<int> &rightColumns)
{
    auto *list = new QTreeWidget;
    list->setObjectName(name);
    SetUpReportList(list);
    list->setHeaderLabels(headers);
    for (int column : rightColumns)
        list->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    list->setProperty("rightColumns", QVariant::fromValue(rightColumns));
    // The shares of the columns leave a little over; the last column takes it, so the
    // rows reach the list's right edge at any window width.
    list->header()->setStretchLastSection(true);
    return list;
}

QLineEdit *summaryBox(const QString &name)
{
    auto *box = new QLineEdit;
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setMinimumWidth(220);
    return box;
}

}  // namespace

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

    MenuFile = menu("MenuFile", tr("ファイル(&F)"));
    MenuSelUser = action(MenuFile, "MenuSelUser", tr("使用者の切替(&C)"));
    MenuFile->addSeparator();
    MenuMkUser = action(MenuFile, "MenuMkUser", tr("使用者の新規登録(&N)"));
    MenuDelUser = action(MenuFile, "MenuDelUser", tr("現在の使用者データを削除(&D)"));
    MenuFile->addSeparator();
    MenuTextProblem = action(MenuFile, "MenuTextProblem", tr("文章から練習問題を作る(&T)..."));
    MenuExportLog = action(MenuFile, "MenuExportLog", tr("練習記録のエクスポート…"));
    MenuFile->addSeparator();
    MenuQuit = action(MenuFile, "MenuQuit", tr("終了(&X)"));

    MenuLesson = menu("MenuLesson", tr("レッスン(&L)"));
    MenuLessonStart = action(MenuLesson, "MenuLessonStart", tr("レッスン開始(&S)..."));
    MenuScoreView = action(MenuLesson, "MenuScoreView", tr("成績一覧(&V)..."));
    MenuProgress = action(MenuLesson, "MenuProgress", tr("上達グラフ(&G)"));
    MenuWeakKeys = action(MenuLesson, "MenuWeakKeys", tr("弱点練習(&W)"));
    MenuRanking = action(MenuLesson, "MenuRanking", tr("ランキング(&R)"));
    MenuRanking->setVisible(false);
    MenuLesson->addSeparator();
    MenuLessonTraining = action(MenuLesson, "MenuLessonTraining", tr("基本練習"));
    MenuLessonWord = action(MenuLesson, "MenuLessonWord", tr("単語練習問題"));
    MenuLessonSSent = action(MenuLesson, "MenuLessonSSent", tr("短文練習問題"));
    MenuUserInfo = action(MenuLesson, "MenuUserInfo", tr("使用者情報"));
    for (QAction *a : {MenuLessonTraining, MenuLessonWord, MenuLessonSSent, MenuUserInfo})
        a->setCheckable(true);

    MenuSetting = menu("MenuSetting", tr("設定(&C)"));
    MenuIniSet = action(MenuSetting, "MenuIniSet", tr("練習問題の構成(&W)..."));
    MenuUserSet = action(MenuSetting, "MenuUserSet", tr("ユーザ設定(&U)..."));
    MenuRmjCust = action(MenuSetting, "MenuRmjCust", tr("ローマ字設定(&R)..."));

    MenuHelp = menu("MenuHelp", tr("ヘルプ(&H)"));
    MenuHelpHelp = action(MenuHelp, "MenuHelpHelp", tr("目次"));
    MenuHelpHelp->setShortcut(QKeySequence::HelpContents);
    MenuHelp->addSeparator();
    // Findable in either language: the other language's word stands beside it.
    MenuLanguage = MenuHelp->addMenu(tr("言語 (Language)(&G)"));
    MenuLanguage->setObjectName(QStringLiteral("MenuLanguage"));
    MenuLanguageSystem = action(MenuLanguage, "MenuLanguageSystem", tr("デスクトップに合わせる"));
    // Each language is named in itself.
    MenuLanguageJapanese = action(MenuLanguage, "MenuLanguageJapanese", QStringLiteral("日本語"));
    MenuLanguageEnglish = action(MenuLanguage, "MenuLanguageEnglish", QStringLiteral("English"));
    auto *languages = new QActionGroup(MenuLanguage);
    const std::optional<UiLanguage> stored = StoredLanguage();
    for (QAction *a : {MenuLanguageSystem, MenuLanguageJapanese, MenuLanguageEnglish}) {
        a->setCheckable(true);
        languages->addAction(a);
    }
    (!stored ? MenuLanguageSystem : *stored == UiLanguage::English ? MenuLanguageEnglish : MenuLanguageJapanese)
        ->setChecked(true);
    MenuHelp->addSeparator();
    MenuAbout = action(MenuHelp, "MenuAbout", tr("バージョン情報(&A)..."));

    PopUp = new QMenu(tr("右クリック"), this);
    PopUp->setObjectName(QStringLiteral("PopUp"));
    PopUpLessonStart = action(PopUp, "PopUpLessonStart", tr("レッスン開始"));
    PopUpScoreView = action(PopUp, "PopUpScoreView", tr("成績一覧"));

    connect(MenuSelUser, &QAction::triggered, this, &MainFrm::SelectUser);
    connect(MenuMkUser, &QAction::triggered, this, &MainFrm::MakeUser);
    connect(MenuDelUser, &QAction::triggered, this, &MainFrm::DeleteCurrentUser);
    connect(MenuExportLog, &QAction::triggered, this, [this] { ExportPracticeLog(this); });
    connect(MenuQuit, &QAction::triggered, this, &QWidget::close);
    connect(MenuTextProblem, &QAction::triggered, this, [this] {
        Launchers().textProblem(this);
        InitActivate();
    });
    connect(MenuLessonStart, &QAction::triggered, this, &MainFrm::StartLesson);
    connect(MenuScoreView, &QAction::triggered, this, &MainFrm::OpenScoreView);
    connect(MenuProgress, &QAction::triggered, this, &MainFrm::OpenProgress);
    connect(MenuWeakKeys, &QAction::triggered, this, &MainFrm::StartWeakKeys);
    connect(PopUpLessonStart, &QAction::triggered, this, &MainFrm::StartLesson);
    connect(PopUpScoreView, &QAction::triggered, this, &MainFrm::OpenScoreView);
    connect(MenuLessonTraining, &QAction::triggered, this, [this] { SSTab1->setCurrentIndex(TrainingTab); tabChanged(TrainingTab); });
    connect(MenuLessonWord, &QAction::triggered, this, [this] { SSTab1->setCurrentIndex(WordTab); tabChanged(WordTab); });
    connect(MenuLessonSSent, &QAction::triggered, this, [this] { SSTab1->setCurrentIndex(SentenceTab); tabChanged(SentenceTab); });
    connect(MenuUserInfo, &QAction::triggered, this, [this] { SSTab1->setCurrentIndex(UserInfoTab); tabChanged(UserInfoTab); });
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
    connect(MenuLanguageSystem, &QAction::triggered, this, [this] { ChooseLanguage(std::nullopt); });
    connect(MenuLanguageJapanese, &QAction::triggered, this, [this] { ChooseLanguage(UiLanguage::Japanese); });
    connect(MenuLanguageEnglish, &QAction::triggered, this, [this] { ChooseLanguage(UiLanguage::English); });
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
    start_ = button("start", tr("レッスン開始"), tr("レッスン開始(&S)..."));
    graph_ = button("graph", tr("成績一覧"), tr("成績一覧(&V)..."));
    progress_ = button("progress", tr("上達グラフ"), tr("上達グラフ(&G)"));
    weak_ = button("weak", tr("弱点練習"), tr("弱点練習(&W)"));
    user_ = button("user", tr("使用者の切替"), tr("使用者の切替(&C)"));
    connect(start_, &QAction::triggered, this, &MainFrm::StartLesson);
    connect(graph_, &QAction::triggered, this, &MainFrm::OpenScoreView);
    connect(progress_, &QAction::triggered, this, &MainFrm::OpenProgress);
    connect(weak_, &QAction::triggered, this, &MainFrm::StartWeakKeys);
    connect(user_, &QAction::triggered, this, &MainFrm::SelectUser);
}

void MainFrm::buildTabs()
{
    SSTab1 = new QTabWidget;
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setDocumentMode(false);

    const QStringList slotHeaders = {tr("No"), tr("レッスン内容"), tr("構成"),
                                     tr("カウンタ"), tr("練習時間"),
                                     tr("最終練習日")};
    ListView1 = makeList(QStringLiteral("ListView1"),
                         {tr("レッスンNo"), tr("レッスン内容"), tr("対象キー"),
                          tr("カウンタ"), tr("練習時間")},
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
    SSTab1->addTab(page(ListView1), tr("基本練習"));
    SSTab1->addTab(page(ListView2), tr("単語練習問題"));
    SSTab1->addTab(page(ListView3), tr("短文練習問題"));

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
    auto frame = [](const QString &title) {
        auto *box = new QGroupBox(title);
        auto *form = new QFormLayout(box);
        form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
        form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        form->setHorizontalSpacing(14);
        return std::pair{box, form};
    };
    auto [learner, learnerForm] = frame(tr("使用者"));
    learnerForm->addRow(tr("使用者名"), Text1);
    learnerForm->addRow(tr("基本練習の進捗度"), Text2);
    learnerForm->addRow(tr("入力方式"), Text3);
    learnerForm->addRow(tr("累計練習時間"), Text4);
    learnerForm->addRow(tr("レッスン学習回数"), Text5);
    auto [overall, overallForm] = frame(tr("総合成績（基本練習を除く）"));
    overall->setObjectName(QStringLiteral("Frame1"));
    overallForm->addRow(tr("平均正解率（％）"), Text6);
    overallForm->addRow(tr("平均入力速度(字/分)"), Text7);
    // Both frames' labels share one width, the widest label's, so the boxes line up.
    int labelWidth = 0;
    for (QFormLayout *form : {learnerForm, overallForm}) {
        for (int row = 0; row < form->rowCount(); ++row) {
            if (QLayoutItem *item = form->itemAt(row, QFormLayout::LabelRole))
                labelWidth = std::max(labelWidth, item->widget()->sizeHint().width() + 8);
        }
    }
    for (QFormLayout *form : {learnerForm, overallForm}) {
        for (int row = 0; row < form->rowCount(); ++row) {
            if (QLayoutItem *item = form->itemAt(row, QFormLayout::LabelRole))
                item->widget()->setMinimumWidth(labelWidth);
        }
    }
    infoLayout->addWidget(learner);
    infoLayout->addWidget(overall);
    infoLayout->addStretch(1);
    SSTab1->addTab(info, tr("使用者情報"));

    setCentralWidget(SSTab1);
    connect(SSTab1, &QTabWidget::currentChanged, this, &MainFrm::tabChanged);

    for (QTreeWidget *list : {ListView1, ListView2, ListView3}) {
        connect(list, &QTreeWidget::itemActivated, this, [this, list](QTreeWidgetItem *item) {
            list->setCurrentItem(item);
            StartLesson();
        });
        list->viewport()->installEventFilter(this);
        const int tab = list == ListView1 ? TrainingTab : list == ListView2 ? WordTab : SentenceTab;
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

}  // namespace zr
