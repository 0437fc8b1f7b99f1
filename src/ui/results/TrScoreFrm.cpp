#include "ui/results/TrScoreFrm.h"

#include "keyboard/LessonTable.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "practicelog/LearnerLog.h"
#include "userdata/ScoreUpdate.h"
#include "userdata/UserRecord.h"
#include "userdata/Users.h"
#include "userdata/UserSettings.h"
#include "userdata/ZRSub.h"

#include <QPushButton>

namespace zr {

TrScoreFrm::TrScoreFrm(QWidget *parent)
    : ResultWindow({QStringLiteral("Score1"), QStringLiteral("Picture1"),
                    {AdvicePage, KeyGraphPage, HistoryPage}, true},
                   parent)
{
    setObjectName(QStringLiteral("TrScoreFrm"));
    WriteMissingDefaults({Setting::TargetTime, Setting::Level}, CurUserIni());
    const UserSettings &settings = CurrentUserSettings();
    targetTime_ = settings.TargetTime;
    thresholds_ = ThresholdsForLevel(settings.Level);
    menuButton()->setEnabled(false);
}

void TrScoreFrm::showEvent(QShowEvent *event)
{
    if (!activated_) {
        activated_ = true;
        activate();
    }
    ResultWindow::showEvent(event);
}

void TrScoreFrm::activate()
{
    const KeyStats &stats = ZRSub().keyStats;
    keygraph(stats);
    grade_ = GradeKeys(stats, thresholds_, lesson);
    for (const KeyResult &row : grade_.rows)
        PaintResultKeys(QStringView(&row.key, 1), PictureCodeOfClass(row.keyClass), true);

    const Advice advice = TrainingAdvice(grade_, TargetKey, lesson, ZRSub().CurUser.LessonProgress);
    if (advice.caption == ResultCaption::Passed)
        setWindowTitle(tr("今回の成績(合格)"));
    else if (advice.caption == ResultCaption::Failed)
        setWindowTitle(tr("今回の成績(不合格)"));
    QString text = advice.text;
    ScoreAdd(text);
    setAdvice(text);
}

void TrScoreFrm::ScoreAdd(QString &text)
{
    UserRecord &user = ZRSub().CurUser;
    const ScoreRecord *record = user.score(ScoreBlock::Training, lesson);
    text += ScoreAddText(record ? *record : ScoreRecord{}, CCh, TTime, grade_.hits, grade_.misses, targetTime_);
    const double today = Today();
    if (ScoreUpdate(user, ScoreBlock::Training, lesson, CCh, grade_.hits, grade_.misses, TTime, today)) {
        run_ = RunOfResult({RunKind::Training, lesson, ChapterTitle(lesson), QString(), CCh, TTime, grade_.hits,
                            grade_.misses, grade_.Passed, QString()},
                           ZRSub().keyStats, Clock::current().now(), today);
    }
    if (const ScoreRecord *after = user.score(ScoreBlock::Training, lesson))
        drawDayHistory(*after);
}

void TrScoreFrm::returnToMenu()
{
    const int course = ZRSub().CurUser.Course;
    QString error;
    const std::optional<QStringList> lines = ReadLessonTable(AppPath(LessonTableFile(course)), &error);
    if (lines && grade_.Passed && lesson == 2 * int(lines->size()) - 1) {
        ShowMessage({tr("おめでとうございます！基本練習の全レッスンが合格しました。") + QStringLiteral("\r\n")
                         + tr("単語練習問題でさらに速度に磨きをかける練習が受けられます。"),
                     tr("基本練習終了"), MessageIcon::None, MessageButtons::Ok, MessageAnswer::Ok});
    }
    ResultWindow::returnToMenu();
}

void TrScoreFrm::unload()
{
    SharedState &state = ZRSub();
    state.CurUser.LessonProgress =
        qint16(ProgressAfterResult(lesson, state.CurUser.LessonProgress, grade_.Passed, state.ChapterCount));
    if (state.CurUserDir.isEmpty())
        return;
    QString error;
    const bool saved = SaveUserFile(state.CurUserDir, state.CurUser, &error);
    if (!saved) {
        ShowMessage({tr("成績を保存できませんでした。") + QStringLiteral("\r\n") + error, tr("基本練習"),
                     MessageIcon::Critical, MessageButtons::Ok, MessageAnswer::Ok});
    }
    if (run_)
        LogFinishedRun(*run_, saved);
}

}  // namespace zr
