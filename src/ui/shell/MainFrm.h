#pragma once

#include "keyboard/LessonTable.h"
#include "platform/Language.h"

#include <QMainWindow>
#include <QPointer>
#include <QSet>

#include <optional>

class QAction;
class QLineEdit;
class QMenu;
class QTabWidget;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace zr {

class HelpFrm;

// The program's hub: the current learner's Chapters, word and sentence slots and a
// summary, in four tabs, and every command. It rebuilds everything from the learner's
// record whenever it becomes active again, so it always shows what the last result
// screen saved.
class MainFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit MainFrm(QWidget *parent = nullptr);
    ~MainFrm() override;

    // The running main window (null when there is none).
    static MainFrm *instance();

    // Placement, initial states and list columns; then the window is shown and the
    // current learner settled: the wizard without learners, the only learner, or the
    // selection dialog.
    void Load();

    void InitActivate();
    void SetTrainingItem();
    void SetWordItem();
    void SetSSentItem();
    void SetUserInfo();

    // What the wizard shows at once for the learner it created: the name in the caption
    // and no overall figures yet.
    void ShowNewUser(const QString &name);

    // Commands of the menus, the toolbar and the pop-up menu.
    void StartLesson();
    void OpenScoreView();
    void OpenProgress();
    void StartWeakKeys();
    void SelectUser();
    void MakeUser();
    void DeleteCurrentUser();
    void ShowHelp();
    void ShowAbout();
    // Keeps the interface language for the next start (nothing: the desktop's).
    void ChooseLanguage(std::optional<UiLanguage> language);

    // Ends the program: modal windows still open are closed, the main window closes
    // (remembering its place) and the main loop ends.
    static void EndProgram();
    static bool ending();
    static void clearEnding();

protected:
    bool event(QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    // The tabs of SSTab1, by index.
    enum Tab : int { TrainingTab = 0, WordTab = 1, SentenceTab = 2, UserInfoTab = 3 };

    void buildMenus();
    void buildToolbar();
    void buildTabs();
    void createColumns();
    void tabChanged(int tab);
    void clearLists();
    void applyTabRule();
    QTreeWidget *visibleList() const;
    // The selected item of the visible list, remembered for the next refresh; nullptr
    // when the list has none.
    QTreeWidgetItem *commandItem(int tab);
    void restoreSelection();
    void rememberSelection(int tab);
    void settleCurrentUser();
    void damagedSummary(const QString &reason);

    ChapterTable chapterTable_;
    QSet<QString> reportedFiles_;
    QPointer<HelpFrm> help_;
    bool refreshing_ = false;
    bool closed_ = false;
    bool columnsMade_ = false;

    QTabWidget *SSTab1 = nullptr;
    QTreeWidget *ListView1 = nullptr;
    QTreeWidget *ListView2 = nullptr;
    QTreeWidget *ListView3 = nullptr;
    // The learner summary: name, progress, course, total time, runs, accuracy, speed.
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text5 = nullptr;
    QLineEdit *Text6 = nullptr;
    QLineEdit *Text7 = nullptr;
    QToolBar *Toolbar1 = nullptr;
    QAction *start_ = nullptr;
    QAction *graph_ = nullptr;
    QAction *progress_ = nullptr;
    QAction *weak_ = nullptr;
    QAction *user_ = nullptr;

    QMenu *MenuFile = nullptr;
    QMenu *MenuLesson = nullptr;
    QMenu *MenuSetting = nullptr;
    QMenu *MenuHelp = nullptr;
    QMenu *PopUp = nullptr;
    QAction *MenuSelUser = nullptr;
    QAction *MenuMkUser = nullptr;
    QAction *MenuDelUser = nullptr;
    QAction *MenuExportLog = nullptr;
    QAction *MenuQuit = nullptr;
    QAction *MenuTextProblem = nullptr;
    QAction *MenuLessonStart = nullptr;
    QAction *MenuScoreView = nullptr;
    QAction *MenuProgress = nullptr;
    QAction *MenuWeakKeys = nullptr;
    QAction *MenuRanking = nullptr;
    QAction *MenuLessonTraining = nullptr;
    QAction *MenuLessonWord = nullptr;
    QAction *MenuLessonSSent = nullptr;
    QAction *MenuUserInfo = nullptr;
    QAction *MenuIniSet = nullptr;
    QAction *MenuUserSet = nullptr;
    QAction *MenuRmjCust = nullptr;
    QAction *MenuHelpHelp = nullptr;
    QMenu *MenuLanguage = nullptr;
    QAction *MenuLanguageSystem = nullptr;
    QAction *MenuLanguageJapanese = nullptr;
    QAction *MenuLanguageEnglish = nullptr;
    QAction *MenuAbout = nullptr;
    QAction *PopUpLessonStart = nullptr;
    QAction *PopUpScoreView = nullptr;
};

// Makes the learner of a folder current. A record the program cannot use is offered for
// deletion instead (deleting ends the program); then no learner is current. True when the
// learner is current.
bool OpenUserFolder(const QString &folder);

}  // namespace zr
