#include "ui/results/ProblemScoreFrm.h"

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "practicelog/LearnerLog.h"
#include "practicelog/LogSeed.h"
#include "practicelog/ProgressQueries.h"
#include "userdata/ScoreUpdate.h"
#include "userdata/UserRecord.h"
#include "userdata/Users.h"
#include "userdata/ZRSub.h"

namespace zr {
namespace {

ResultWindow::Design designOf(PracticeKind kind)
{
    ResultWindow::Design design;
    design.section = kind == PracticeKind::Word ? QStringLiteral("Score2") : QStringLiteral("Score3");
    design.graphName = QStringLiteral("PictureG");
    design.pages = {ResultWindow::KeyGraphPage, ResultWindow::AdvicePage, ResultWindow::HistoryPage};
    design.scrollBarWhenNeeded = false;
    return design;
}

ScoreBlock blockOf(PracticeKind kind)
{
    return kind == PracticeKind::Word ? ScoreBlock::Word : ScoreBlock::Sentence;
}

}  // namespace

ProblemScoreFrm::ProblemScoreFrm(PracticeKind kind, QWidget *parent)
    : ResultWindow(designOf(kind), parent), kind_(kind)
{
    setObjectName(kind == PracticeKind::Word ? QStringLiteral("WdScoreFrm") : QStringLiteral("SentScoreFrm"));
}

void ProblemScoreFrm::showEvent(QShowEvent *event)
{
    if (!activated_) {
        activated_ = true;
        activate();
    }
    ResultWindow::showEvent(event);
}

void ProblemScoreFrm::activate()
{
    const KeyStats &stats = ZRSub().keyStats;
    keygraph(stats);
    grade_ = GradePracticeKeys(stats);
    for (const KeyResult &row : grade_.rows)
        PaintResultKeys(QStringView(&row.key, 1), PictureCodeOfClass(row.keyClass), true);
    QString text;
    if (weakKeys)
        WeakKeyScoreAdd(text);
    else
        ScoreAdd(text);
    setAdvice(text);
}

void ProblemScoreFrm::WeakKeyScoreAdd(QString &text)
{
    // The history of weak-key practice lives in the log: its days, then this run added
    // to a copy of them for the day history.
    ScoreRecord history;
    if (const PracticeLog *log = LearnerLog()) {
        const ProgressSelection weak{RunKind::Weak, std::nullopt};
        history = WeakKeyDayHistory(DailyProgress(*log, weak, nullptr).value_or(QList<ProgressFigures>{}));
    }
    text += PracticeScoreAddText(history, CCh, TTime, grade_.hits, grade_.misses);
    text += WeakKeyResultText(weakKeys->aimed, ZRSub().keyStats);
    const double today = Today();
    double totalTime = 0;
    ApplyScoreUpdate(history, totalTime, CCh, grade_.hits, grade_.misses, TTime, today);
    drawDayHistory(history);
    run_ = RunOfResult({RunKind::Weak, 0, WeakKeyPracticeTitle(weakKeys->aimedKeys(), ZRSub().FontUpper == 1), QString(), CCh, TTime,
                        grade_.hits, grade_.misses, std::nullopt, weakKeys->aimedKeys()},
                       ZRSub().keyStats, Clock::current().now(), today);
}

void ProblemScoreFrm::ScoreAdd(QString &text)
{
    UserRecord &user = ZRSub().CurUser;
    const ScoreBlock block = blockOf(kind_);
    const ScoreRecord *record = user.score(block, lesson);
    text += PracticeScoreAddText(record ? *record : ScoreRecord{}, CCh, TTime, grade_.hits, grade_.misses);
    const double today = Today();
    if (ScoreUpdate(user, block, lesson, CCh, grade_.hits, grade_.misses, TTime, today)) {
        const RunKind kind = kind_ == PracticeKind::Word ? RunKind::Word : RunKind::Sentence;
        const SlotRegistration slot = ReadSlotRegistration(kind, lesson, CurUserIni());
        run_ = RunOfResult({kind, lesson, slot.title, slot.file, CCh, TTime, grade_.hits, grade_.misses, std::nullopt, QString()},
                           ZRSub().keyStats, Clock::current().now(), today);
    }
    if (const ScoreRecord *after = user.score(block, lesson))
        drawDayHistory(*after);
}

void ProblemScoreFrm::unload()
{
    SharedState &state = ZRSub();
    if (state.CurUserDir.isEmpty())
        return;
    if (weakKeys) {
        // Nothing of the record changed.
        if (run_)
            LogFinishedRun(*run_, true);
        return;
    }
    QString error;
    const bool saved = SaveUserFile(state.CurUserDir, state.CurUser, &error);
    if (!saved) {
        ShowMessage({tr("成績を保存できませんでした。") + QStringLiteral("\r\n") + error,
                     kind_ == PracticeKind::Word ? tr("単語練習問題") : tr("短文練習問題"),
                     MessageIcon::Critical, MessageButtons::Ok, MessageAnswer::Ok});
    }
    if (run_)
        LogFinishedRun(*run_, saved);
}

}  // namespace zr
