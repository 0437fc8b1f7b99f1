#include "practicelog/LearnerLog.h"

#include "platform/MessageBox.h"
#include "practicelog/LogCsv.h"
#include "practicelog/LogSeed.h"
#include "practicelog/PracticeLog.h"
#include "userdata/ZRSub.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

#include <memory>

namespace zr {
namespace {

QString logTitle()
{
    return QCoreApplication::translate("LearnerLog", "練習記録");
}
const QString kCrLf = QStringLiteral("\r\n");

struct Current {
    QString folder;
    std::unique_ptr<PracticeLog> log;
};

Current &current()
{
    // Never destroyed: the SQL connection must not be torn down after the application
    // object is gone. The program closes it before it ends.
    static Current *c = new Current;
    return *c;
}

bool failureTold = false;
// While set, failures are not told (nor counted as told).
bool quiet = false;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString reasonText(const LogError &e)
{
    QString reason;
    switch (e.problem) {
    case LogProblem::Busy: reason = QCoreApplication::translate("LearnerLog", "ほかのプログラムが使用中です"); break;
    case LogProblem::Unwritable: reason = QCoreApplication::translate("LearnerLog", "ファイルかフォルダに書き込めません"); break;
    case LogProblem::Full: reason = QCoreApplication::translate("LearnerLog", "ディスクに空きがありません"); break;
    case LogProblem::Damaged: reason = QCoreApplication::translate("LearnerLog", "ファイルが壊れています"); break;
    default: reason = QCoreApplication::translate("LearnerLog", "エラーが起きました"); break;
    }
    return e.detail.isEmpty() ? reason : QCoreApplication::translate("LearnerLog", "%1：%2").arg(reason, e.detail);
}

void tellFailure(const QString &path, const LogError &e)
{
    if (failureTold || quiet)
        return;
    failureTold = true;
    const QString first = e.problem == LogProblem::TooNew
                              ? QCoreApplication::translate("LearnerLog", "練習記録「%1」は新しい版の ZORVEL LESSON で作られているため、この版では書き込みません。").arg(shown(path))
                              : QCoreApplication::translate("LearnerLog", "練習記録「%1」に書き込めないため、練習の記録を残せません（%2）。").arg(shown(path), reasonText(e));
    ShowMessage({first + kCrLf + QCoreApplication::translate("LearnerLog", "成績と練習はこれまでどおり使えます。このお知らせは、次にプログラムを起動するまで表示しません。"),
                 logTitle(), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
}

// Moves a damaged log aside and tells the learner; false when it could not be moved.
bool moveAside(const QString &path)
{
    QString why;
    const std::optional<QString> aside = MoveDamagedLogAside(path, &why);
    if (!aside) {
        tellFailure(path, {LogProblem::Damaged, why});
        return false;
    }
    ShowMessage({QCoreApplication::translate("LearnerLog", "練習記録「%1」は壊れていたため、新しい練習記録を始めました。").arg(shown(path)) + kCrLf
                     + QCoreApplication::translate("LearnerLog", "壊れたファイルは「%1」として残してあります。").arg(shown(*aside)),
                 logTitle(), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
    return true;
}

// The log of the current learner's folder, started with the record's day totals when
// there is none (without the run that is about to be appended, when there is one). A
// damaged log is moved aside first.
std::unique_ptr<PracticeLog> openCurrent(const QString &folder, const LoggedRun *without)
{
    const QString path = PracticeLogPath(folder);
    const PracticeLog::InitialRuns seed = [&] {
        QList<LoggedRun> runs = DayTotalRuns(ZRSub().CurUser, UserIniPath(folder));
        if (without)
            RemoveRunFromDayTotals(runs, *without);
        return runs;
    };
    LogError error;
    std::unique_ptr<PracticeLog> log = PracticeLog::open(path, PracticeLog::Access::Write, &error, seed);
    if (!log && error.problem == LogProblem::Damaged) {
        if (!moveAside(path))
            return nullptr;
        log = PracticeLog::open(path, PracticeLog::Access::Write, &error, seed);
    }
    if (!log)
        tellFailure(path, error);
    return log;
}

}  // namespace

void OpenLearnerLog()
{
    Current &c = current();
    c.log.reset();
    c.folder = ZRSub().CurUserDir;
    if (!c.folder.isEmpty())
        c.log = openCurrent(c.folder, nullptr);
}

void OpenLearnerLogSoon()
{
    const QString folder = ZRSub().CurUserDir;
    QTimer::singleShot(0, [folder] {
        // Only for the learner who is still current, and only once.
        const Current &c = current();
        if (!folder.isEmpty() && folder == ZRSub().CurUserDir && !(c.log && c.folder == folder))
            OpenLearnerLog();
    });
}

void CloseLearnerLog()
{
    Current &c = current();
    c.log.reset();
    c.folder.clear();
}

void LogFinishedRun(LoggedRun run, bool recordSaved)
{
    const QString folder = ZRSub().CurUserDir;
    if (folder.isEmpty())
        return;
    quiet = !recordSaved;
    struct Loud {
        ~Loud() { quiet = false; }
    } loud;
    Current &c = current();
    if (!c.log || c.folder != folder) {
        c.log.reset();
        c.folder = folder;
        c.log = openCurrent(folder, &run);
        if (!c.log)
            return;
    }
    LogError error;
    if (c.log->append(run, &error))
        return;
    const QString path = c.log->path();
    if (error.problem == LogProblem::Damaged) {
        // Found by the quick check or by the write itself: the same as at opening.
        c.log.reset();
        if (!moveAside(path))
            return;
        c.log = openCurrent(folder, &run);
        if (!c.log || c.log->append(run, &error))
            return;
    }
    tellFailure(path, error);
}

const PracticeLog *LearnerLog()
{
    const Current &c = current();
    return c.folder == ZRSub().CurUserDir ? c.log.get() : nullptr;
}

bool ExportLearnerLog(const QString &folder, QString *error)
{
    const QString learner = ZRSub().CurUserDir;
    const PracticeLog *log = LearnerLog();
    std::unique_ptr<PracticeLog> opened;
    if (!log) {
        LogError e;
        opened = PracticeLog::open(PracticeLogPath(learner), PracticeLog::Access::Read, &e);
        if (!opened) {
            *error = QCoreApplication::translate("LearnerLog", "練習記録「%1」を読めません（%2）。")
                         .arg(shown(PracticeLogPath(learner)),
                              e.problem == LogProblem::Missing ? QCoreApplication::translate("LearnerLog", "まだ練習記録がありません") : reasonText(e));
            return false;
        }
        log = opened.get();
    }
    QString why;
    if (!ExportLogCsv(*log, folder, &why)) {
        *error = QCoreApplication::translate("LearnerLog", "練習記録を「%1」に書き出せませんでした。").arg(shown(folder)) + kCrLf + why;
        return false;
    }
    return true;
}

void ForgetToldLogFailure()
{
    failureTold = false;
}

}  // namespace zr
