#include "ui/shell/MainFrm.h"

#include "keyboard/KeyboardModel.h"
#include "platform/KanaMode.h"
#include "platform/MessageBox.h"
#include "practicelog/LearnerLog.h"
#include "results/ScoreRecord.h"
#include "ui/common/Application.h"
#include "ui/common/WindowPlacement.h"
#include "ui/shell/AboutFrm.h"
#include "ui/shell/HelpFrm.h"
#include "ui/shell/Launchers.h"
#include "ui/shell/ShellIcons.h"
#include "ui/shell/UserSelFrm.h"
#include "ui/shell/UserWizardFrm.h"
#include "userdata/Startup.h"
#include "userdata/UserSettings.h"
#include "userdata/UserSummary.h"
#include "userdata/Users.h"
#include "userdata/ZRSub.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTreeWidget>

namespace zr {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kCaption = QStringLiteral("ZORVEL LESSON");

MainFrm *runningMain = nullptr;
bool programEnding = false;

constexpr int kChapterRole = Qt::UserRole;
constexpr int kSlotRole = Qt::UserRole + 1;

QTreeWidgetItem *addRow(QTreeWidget *list, const QStringList &texts)
{
    auto *item = new QTreeWidgetItem(list, texts);
    const auto right = list->property("rightColumns").value<QList<int>>();
    for (int column : right)
        item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// The damaged-data choice. Yes deletes the learner's folder and ends the program; true
// then. No leaves no learner current.
bool offerDeletion(const QString &folder, const QString &label, const QString &reason)
{
    const QString who = MainFrm::tr("使用者：「%1」（%2）").arg(label, QFileInfo(folder).fileName());
    const MessageAnswer answer = ShowMessage(
        {who + kCrLf + MainFrm::tr("この利用者データは、内容の一部が破壊されていて使用することができません。")
             + (reason.isEmpty() ? QString() : kCrLf + reason) + kCrLf
             + MainFrm::tr("このデータを削除します。宜しいですか？"),
         MainFrm::tr("不良なデータを発見"), MessageIcon::Warning, MessageButtons::YesNo, MessageAnswer::No});
    SharedState &s = ZRSub();
    if (answer == MessageAnswer::Yes) {
        QString error;
        if (RemoveUserFolder(folder, &error)) {
            ShowMessage({MainFrm::tr("削除が完了致しました。ZORVEL LESSON を一度終了しますので、再度起動させて下さい。"),
                         MainFrm::tr("削除完了"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
            s.CurUser.UserName.clear();
            s.CurUserDir.clear();
            MainFrm::EndProgram();
            return true;
        }
        ShowMessage({MainFrm::tr("使用者データを削除できませんでした。") + kCrLf + error,
                     MainFrm::tr("削除エラー"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
    }
    ShowMessage({MainFrm::tr("削除を中止しましたが、このデータを使うことはできません。"), QString(),
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
        ShowMessage({UnusableRecordNotice(file), MainFrm::tr("成績データを使用できません"),
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
    OpenLearnerLogSoon();
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

void MainFrm::Load()
{
    RestoreWindowPosition(this, QStringLiteral("StartUp"));
    SSTab1->setEnabled(false);
    start_->setEnabled(false);
    graph_->setEnabled(false);
    progress_->setEnabled(false);
    weak_->setEnabled(false);
    user_->setEnabled(false);
    SSTab1->setCurrentIndex(TrainingTab);
    tabChanged(TrainingTab);
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
        dialog.mode = UserSelFrm::AtStartUp;
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
        MenuExportLog->setEnabled(true);
        SSTab1->setEnabled(true);
        start_->setEnabled(true);
        graph_->setEnabled(true);
        progress_->setEnabled(true);
        weak_->setEnabled(true);
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
        MenuExportLog->setEnabled(false);
        SSTab1->setEnabled(false);
        start_->setEnabled(false);
        graph_->setEnabled(false);
        progress_->setEnabled(false);
        weak_->setEnabled(false);
    }
    refreshing_ = nested;
}

void MainFrm::SetTrainingItem()
{
    SharedState &s = ZRSub();
    const int course = s.CurUser.Course;
    MenuRmjCust->setEnabled(course != KanaCourse);
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
            ShowMessage({error + kCrLf + tr("基本練習の一覧を表示できません。"),
                         tr("ファイルエラー"), MessageIcon::Warning, MessageButtons::Ok,
                         MessageAnswer::Ok});
        }
        return;
    }
    chapterTable_ = ChapterTable(*lines);
    s.ChapterCount = qint16(chapterTable_.ChapterCount());

    for (const ItemRow &row : ChapterRows(s.CurUser, chapterTable_, s.FontUpper == 1))
        addRow(ListView1, row.texts)->setData(0, kChapterRole, row.item);
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
        const QStringList titles = ReadSlotTitles(QString::fromLatin1(block.section), ini);
        for (const ItemRow &row : SlotRows(block.scores, titles)) {
            QTreeWidgetItem *item = addRow(block.list, row.texts);
            item->setData(0, kSlotRole, row.item);
            item->setToolTip(1, row.texts[1]);
        }
    }
}

void MainFrm::SetSSentItem()
{
    // The sentence list is filled together with the word list.
}

void MainFrm::SetUserInfo()
{
    const UserInfo info = UserInfoOf(ZRSub().CurUser);
    Text1->setText(info.name);
    Text2->setText(info.progress);
    Text3->setText(info.course);
    Text4->setText(info.totalTime);
    Text5->setText(info.runs);
    if (info.damaged) {
        damagedSummary(RecordProblemText(RecordProblem::BadTimes));
        return;
    }
    Text6->setText(info.accuracy);
    Text7->setText(info.speed);
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
    const bool practice = tab >= TrainingTab && tab <= SentenceTab;
    MenuLessonStart->setEnabled(practice);
    start_->setEnabled(practice && !ZRSub().CurUser.UserName.isEmpty());
    PopUpLessonStart->setEnabled(practice);
    MenuLessonTraining->setChecked(tab == TrainingTab);
    MenuLessonWord->setChecked(tab == WordTab);
    MenuLessonSSent->setChecked(tab == SentenceTab);
    MenuUserInfo->setChecked(tab == UserInfoTab);
}

void MainFrm::applyTabRule()
{
    tabChanged(SSTab1->currentIndex());
}

QTreeWidget *MainFrm::visibleList() const
{
    switch (SSTab1->currentIndex()) {
    case TrainingTab: return ListView1;
    case WordTab: return ListView2;
    case SentenceTab: return ListView3;
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
    if (tab == TrainingTab)
        s.TrainingSel = qint16(row);
    else if (tab == WordTab)
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
    if (tab == TrainingTab) {
        const int c = item->data(0, kChapterRole).toInt();
        if (!chapterTable_.contains(c))
            return;
        Launchers().chapter(this, c, chapterTable_.chapter(c));
    } else if (tab == WordTab) {
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
    if (tab == UserInfoTab) {
        Launchers().scoreView(this, ScoreViewUser, 0);
    } else {
        QTreeWidgetItem *item = commandItem(tab);
        if (!item)
            return;
        const int role = tab == TrainingTab ? kChapterRole : kSlotRole;
        const ScoreViewMode mode = tab == TrainingTab ? ScoreViewChapter
                                   : tab == WordTab   ? ScoreViewWord
                                                      : ScoreViewSentence;
        Launchers().scoreView(this, mode, item->data(0, role).toInt());
    }
    InitActivate();
}

void MainFrm::OpenProgress()
{
    if (ZRSub().CurUser.UserName.isEmpty())
        return;
    Launchers().progress(this);
    InitActivate();
}

void MainFrm::StartWeakKeys()
{
    if (ZRSub().CurUser.UserName.isEmpty())
        return;
    Launchers().weakKeys(this);
    InitActivate();
}

void MainFrm::SelectUser()
{
    {
        UserSelFrm dialog(this);
        dialog.mode = UserSelFrm::FromMainWindow;
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
        CloseLearnerLog();
        s.CurUserDir.clear();
        s.CurUser.UserName.clear();
        s.CurUser.LessonProgress = 0;
        SSTab1->setCurrentIndex(TrainingTab);
        tabChanged(TrainingTab);
    }
    clearLists();
    InitActivate();
}

void MainFrm::ShowHelp()
{
    const QString file = ZRSub().AppDir + HelpFileName(InterfaceLanguage());
    if (!QFileInfo(file).isFile()) {
        ShowMessage({tr("ヘルプファイル「%1」が見つかりません。").arg(QDir::toNativeSeparators(file)),
                     tr("ヘルプ"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
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

void MainFrm::ChooseLanguage(std::optional<UiLanguage> language)
{
    StoreLanguage(language);
    const UiLanguage next = language ? *language : SystemLanguage(QLocale::system().uiLanguages());
    if (next == InterfaceLanguage())
        return;
    // Told in the language chosen, which the learner reads best.
    ShowMessage({next == UiLanguage::English
                     ? QStringLiteral("ZORVEL LESSON will show this language from its next start.")
                     : QStringLiteral("次に ZORVEL LESSON を起動したときから、この言語で表示します。"),
                 QStringLiteral("ZORVEL LESSON"), MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
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
