#include "ui/practice/WeakKeyLauncher.h"

#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/OleDate.h"
#include "practicelog/LearnerLog.h"
#include "ui/practice/ProblemPracticeFrm.h"
#include "userdata/ZRSub.h"

#include <QCoreApplication>

namespace zr {
namespace {

void tell(const QString &text)
{
    ShowMessage({text, QCoreApplication::translate("WeakKeyLauncher", "弱点練習"), MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
}

QString practiseFirst()
{
    return QCoreApplication::translate("WeakKeyLauncher", "弱点練習は、直近%1日間に%2回以上打った、学習したキーのうち正解率の低いキーをねらって練習します。")
               .arg(kWeakKeyDays)
               .arg(kPressesToJudge)
           + QStringLiteral("\r\n")
           + QCoreApplication::translate("WeakKeyLauncher", "まだ判定できるキーがありません。先に基本練習の Chapter や単語練習問題で練習してから、もう一度選んでください。");
}

}  // namespace

std::shared_ptr<const WeakKeyPractice> PrepareWeakKeyPractice()
{
    const SharedState &s = ZRSub();
    if (s.CurUserDir.isEmpty() || s.CurUser.UserName.isEmpty())
        return nullptr;
    // The run is logged into the learner's own log, opened here when it is not yet.
    if (!LearnerLog())
        OpenLearnerLog();
    const PracticeLog *log = LearnerLog();
    if (!log) {
        tell(practiseFirst());
        return nullptr;
    }
    WeakKeyShortfall why = WeakKeyShortfall::None;
    QString detail;
    std::optional<WeakKeyPractice> practice =
        PlanWeakKeyPractice(*log, s.CurUser.Course, s.CurUser.LessonProgress, s.CurUser.RomajiTable, s.AppDir,
                            CurUserIni(), dateFromOle(Today()), &why, &detail);
    switch (why) {
    case WeakKeyShortfall::None: break;
    case WeakKeyShortfall::NoLessonTable:
        tell(detail + QStringLiteral("\r\n") + QCoreApplication::translate("WeakKeyLauncher", "学習したキーが分からないため、弱点練習を始められません。"));
        return nullptr;
    case WeakKeyShortfall::NoLog:
        tell(QCoreApplication::translate("WeakKeyLauncher", "練習記録を読めないため、弱点練習を始められません（%1）。").arg(detail));
        return nullptr;
    case WeakKeyShortfall::NoJudgedKeys:
        tell(practiseFirst());
        return nullptr;
    case WeakKeyShortfall::NoWords:
        tell(QCoreApplication::translate("WeakKeyLauncher", "学習したキーだけで打てる単語のうち、苦手なキーを含むものが辞書にないため、弱点練習を始められません。")
             + QStringLiteral("\r\n") + QCoreApplication::translate("WeakKeyLauncher", "基本練習を進めると、使える単語が増えます。"));
        return nullptr;
    }
    return std::make_shared<const WeakKeyPractice>(std::move(*practice));
}

void StartWeakKeyPractice(QWidget *parent)
{
    const std::shared_ptr<const WeakKeyPractice> practice = PrepareWeakKeyPractice();
    if (!practice)
        return;
    WordFrm frm(parent);
    frm.mode = KanaWithoutGuideToo;
    frm.MType = WordDrillTitle;
    frm.lesson = 0;
    // The look, sounds and limits of word practice; the words are the practice's own.
    frm.settings = ReadProblemPracticeSettings(PracticeKind::Word, 1, CurUserIni());
    frm.settings.path.clear();
    frm.settings.title = WeakKeyPracticeTitle(practice->aimedKeys(), frm.settings.FontUpper);
    frm.weakKeys = practice;
    frm.exec();
}

}  // namespace zr
