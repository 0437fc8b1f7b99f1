// The practice log under a learner who has practised for a long time: a log of 10,000
// runs and 300,000 key rows, and a "user.dat" whose 70 Chapters and 20 slots all hold
// 15 stored days.
//
//   log_bench     the time to log a run as a result screen does (median and 99th
//                 percentile of 1000 runs, and the first run of a process, which runs
//                 SQLite's quick check), and the time a learner becomes current, each
//                 in a fresh process: the record read and made current (all that
//                 happens before the main window is up), then the log opened once the
//                 window is up: that log, or a new one filled with the day totals.
//
//   log_bench current FOLDER record|log|first-write
//                 one of those in this process; prints milliseconds

#include "BenchTiming.h"
#include "platform/Clock.h"
#include "practicelog/LearnerLog.h"
#include "practicelog/LogSeed.h"
#include "practicelog/PracticeLog.h"
#include "userdata/UserRecord.h"
#include "userdata/Users.h"
#include "userdata/ZRSub.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace zr;
using namespace zr::bench;

namespace {

constexpr int kRuns = 10000;
constexpr int kKeysPerRun = 30;

LoggedRun wordRun(int n)
{
    LoggedRun r;
    r.kind = r.itemKind = n % 3 == 0 ? RunKind::Training : n % 3 == 1 ? RunKind::Word : RunKind::Sentence;
    r.item = n % 10 + 1;
    r.date = QDate(2025, 11, 1).addDays(n / 25);
    r.started = QDateTime(r.date, QTime(9, 0), Qt::UTC).addSecs(n % 25 * 300);
    r.ended = r.started.addSecs(150);
    r.title = r.kind == RunKind::Training ? ChapterTitle(r.item) : QStringLiteral(u"日常の単語");
    r.file = r.kind == RunKind::Training ? QString() : QStringLiteral("resource\\zr.zrd");
    r.units = 120;
    r.hits = 300;
    r.misses = 12;
    r.seconds = 150;
    r.speed = 48;
    r.accuracy = 96;
    // 30 of the 48 letter and symbol keys, a different choice run by run.
    static const QByteArray keys = "abcdefghijklmnopqrstuvwxyz,.;:/-@[]^\\ 1234567890";
    for (int k = 0; k < kKeysPerRun; ++k)
        r.keys.append({keys[(n + k * 7) % keys.size()], 10, double(k % 3), 2500});
    std::sort(r.keys.begin(), r.keys.end(), [](const LoggedKey &a, const LoggedKey &b) { return a.code < b.code; });
    r.keys.erase(std::unique(r.keys.begin(), r.keys.end(), [](const LoggedKey &a, const LoggedKey &b) { return a.code == b.code; }),
                 r.keys.end());
    return r;
}

UserRecord longPractisedLearner()
{
    UserRecord u;
    u.FormatVersion = UserRecord::kCurrentVersion;
    u.UserName = QStringLiteral(u"ベンチ");
    u.LessonProgress = 70;
    auto fill = [](ScoreRecord &s, int seed) {
        for (int d = 0; d < ScoreRecord::kDays; ++d) {
            s.DayDate[size_t(d)] = 46364 - d * 3 - seed % 3;
            s.DayKeys[size_t(d)] = 300 + d;
            s.DayMisses[size_t(d)] = 10;
            s.DayChars[size_t(d)] = 120;
            s.DayTime[size_t(d)] = 150.0 / 86400;
        }
        s.PracticeCount = 40;
        s.TotalTime = 6000.0 / 86400;
    };
    for (int i = 0; i < UserRecord::kChapters; ++i)
        fill(u.TrainingScores[size_t(i)], i);
    for (int i = 0; i < UserRecord::kSlots; ++i) {
        fill(u.WordScores[size_t(i)], i);
        fill(u.SentenceScores[size_t(i)], i);
    }
    return u;
}

bool makeLearner(const QString &folder)
{
    QDir().mkpath(folder);
    QString error;
    if (!SaveUserRecord(UserDataPath(folder), longPractisedLearner(), &error)) {
        std::fprintf(stderr, "log_bench: %s\n", qUtf8Printable(error));
        return false;
    }
    QFile ini(UserIniPath(folder));
    if (!ini.open(QIODevice::WriteOnly))
        return false;
    ini.write("[WordLsn]\r\nL1=resource\\zr.zrd\r\nLT1=ZR\r\n[SSentLsn]\r\nL1=resource\\juku1.zrw\r\nLT1=juku\r\n");
    return true;
}

bool makeBigLog(const QString &folder)
{
    LogError error;
    auto log = PracticeLog::open(PracticeLogPath(folder), PracticeLog::Access::Write, &error);
    for (int first = 0; log && first < kRuns; first += 1000) {
        QList<LoggedRun> batch;
        for (int n = first; n < first + 1000; ++n)
            batch.append(wordRun(n));
        if (!log->append(batch, &error))
            log.reset();
    }
    if (!log)
        std::fprintf(stderr, "log_bench: %s\n", qUtf8Printable(error.detail));
    return bool(log);
}

// The learner of folder made current as the program does it; the milliseconds of the
// part asked for.
int current(const QString &folder, const QString &what)
{
    SharedState &s = ZRSub();
    s.DataDir = QFileInfo(folder).absolutePath() + u'/';
    QElapsedTimer t;
    t.start();
    const UserFile file = ReadUserFile(folder);
    if (!file.usable()) {
        std::fprintf(stderr, "log_bench: %s: %s\n", qUtf8Printable(folder), qUtf8Printable(RecordProblemText(file.problem)));
        return 1;
    }
    MakeCurrentUser(folder, file.record);
    const double record = msSince(t);
    if (what == u"record") {
        std::printf("%.3f\n", record);
        return 0;
    }
    t.restart();
    const double cpu = cpuMs();
    OpenLearnerLog();
    const double log = msSince(t);
    if (what == u"log") {
        std::printf("%.3f %.3f\n", log, cpuMs() - cpu);
        CloseLearnerLog();
        return 0;
    }
    if (what == u"parts") {
        // Where the time of a new log goes.
        const QString path = PracticeLogPath(folder) + QStringLiteral(".parts");
        t.restart();
        const QList<LoggedRun> days = DayTotalRuns(file.record, UserIniPath(folder));
        const double seed = msSince(t);
        t.restart();
        {
            auto empty = PracticeLog::open(path, PracticeLog::Access::Write, nullptr);
        }
        const double create = msSince(t);
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(path + QString::fromLatin1(suffix));
        t.restart();
        {
            auto seeded = PracticeLog::open(path, PracticeLog::Access::Write, nullptr, [&] { return days; });
        }
        const double createSeeded = msSince(t);
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(path + QString::fromLatin1(suffix));
        t.restart();
        {
            auto big = PracticeLog::open(PracticeLogPath(folder), PracticeLog::Access::Read, nullptr);
            QSqlQuery q(big->database());
            q.exec(QStringLiteral("PRAGMA quick_check"));
            q.next();
        }
        const double check = msSince(t);
        // The day totals appended to a log that exists: the writes alone.
        double appendCpu = 0;
        {
            auto empty = PracticeLog::open(path, PracticeLog::Access::Write, nullptr);
            QList<LoggedRun> copy = days;
            const double c0 = cpuMs();
            for (int repeat = qEnvironmentVariableIntValue("ZR_BENCH_REPEAT"); repeat > 0; --repeat) {
                QList<LoggedRun> again = days;
                empty->append(again, nullptr);
            }
            empty->append(copy, nullptr);
            appendCpu = cpuMs() - c0;
        }
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(path + QString::fromLatin1(suffix));
        std::printf("%.3f %.3f %.3f %.3f (append cpu %.3f)\n", seed, create, createSeeded, check, appendCpu);
        return 0;
    }
    t.restart();
    LogFinishedRun(wordRun(kRuns + 1));
    std::printf("%.3f\n", msSince(t));
    CloseLearnerLog();
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == u"current")
        return current(args[2], args[3]);

    QTemporaryDir data(qEnvironmentVariable("ZR_BENCH_DIR", QDir::tempPath() + QStringLiteral("/log_bench-XXXXXX")));
    // ZR_BENCH_DIR keeps the folders for a profiler.
    data.setAutoRemove(!qEnvironmentVariableIsSet("ZR_BENCH_DIR"));
    const QString big = data.filePath(QStringLiteral("user/user01"));
    const QString none = data.filePath(QStringLiteral("user/user02"));
    QElapsedTimer t;
    t.start();
    if (!makeLearner(big) || !makeLearner(none) || !makeBigLog(big))
        return 1;
    std::printf("log of %d runs and %d key rows built in %.0f ms, %.1f MB\n", kRuns, kRuns * kKeysPerRun, msSince(t),
                double(QFileInfo(PracticeLogPath(big)).size()) / 1e6);

    auto child = [&](const QString &folder, const char *what) {
        QProcess p;
        p.start(app.applicationFilePath(), {QStringLiteral("current"), folder, QString::fromLatin1(what)});
        p.waitForFinished(60000);
        return QString::fromLatin1(p.readAllStandardOutput()).trimmed();
    };
    auto wall = [](const QString &figures) { return figures.section(u' ', 0, 0).toDouble(); };
    auto cpu = [](const QString &figures) { return figures.section(u' ', 1, 1).toDouble(); };
    constexpr int kStarts = 21;
    std::vector<double> recordOnly, withLog, withLogCpu, newLog, newLogCpu, firstWrite;
    for (int i = 0; i < kStarts; ++i) {
        recordOnly.push_back(wall(child(big, "record")));
        const QString opened = child(big, "log");
        withLog.push_back(wall(opened));
        withLogCpu.push_back(cpu(opened));
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(PracticeLogPath(none) + QString::fromLatin1(suffix));
        const QString made = child(none, "log");
        newLog.push_back(wall(made));
        newLogCpu.push_back(cpu(made));
        firstWrite.push_back(wall(child(big, "first-write")));
    }
    {
        QProcess p;
        p.start(app.applicationFilePath(), {QStringLiteral("current"), big, QStringLiteral("parts")});
        p.waitForFinished(60000);
        std::printf("parts (ms): day totals built, empty log made, log made with them, quick check of the big log: %s\n",
                    p.readAllStandardOutput().trimmed().constData());
    }
    std::printf("a learner becomes current (median of %d fresh processes):\n", kStarts);
    std::printf("  record read and made current          %7.2f ms  (before the main window shows)\n", percentile(recordOnly, 0.5));
    std::printf(" once the window is up:\n");
    std::printf("  then the log of 10,000 runs opened    %7.2f ms  (max %.2f; processor time %.2f)\n", percentile(withLog, 0.5),
                *std::max_element(withLog.begin(), withLog.end()), percentile(withLogCpu, 0.5));
    std::printf("  or a new log started with %d day totals %7.2f ms  (max %.2f; processor time %.2f)\n", 90 * ScoreRecord::kDays,
                percentile(newLog, 0.5), *std::max_element(newLog.begin(), newLog.end()), percentile(newLogCpu, 0.5));
    std::printf("first run logged in a process (with the quick check): median %.2f ms, max %.2f ms\n",
                percentile(firstWrite, 0.5), *std::max_element(firstWrite.begin(), firstWrite.end()));

    // Runs logged one after another, as result screens log them.
    ZRSub().DataDir = data.path() + u'/';
    const UserFile file = ReadUserFile(big);
    MakeCurrentUser(big, file.record);
    OpenLearnerLog();
    LogFinishedRun(wordRun(kRuns + 2));
    constexpr int kLogged = 1000;
    std::vector<double> logged;
    for (int i = 0; i < kLogged; ++i) {
        const LoggedRun run = wordRun(kRuns + 3 + i);
        t.restart();
        LogFinishedRun(run);
        logged.push_back(msSince(t));
    }
    CloseLearnerLog();
    std::printf("logging a run of %d keys into that log (%d runs): median %.3f ms, 99th percentile %.3f ms, max %.3f ms\n",
                kKeysPerRun, kLogged, percentile(logged, 0.5), percentile(logged, 0.99),
                *std::max_element(logged.begin(), logged.end()));
    return 0;
}
