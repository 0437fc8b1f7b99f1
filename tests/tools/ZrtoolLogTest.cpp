// zrtool log: the practice log listed, exported and imported as a user runs it.

#include "TestSupport.h"
#include "practicelog/LogCsv.h"
#include "practicelog/LogQueries.h"
#include "practicelog/PracticeLog.h"
#include "userdata/UserRecord.h"
#include "userdata/ZRSub.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

namespace {

struct LogToolRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

LogToolRun zrtoolLog(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(ZR_TEST_ZRTOOL), QStringList{"log"} + args);
    p.waitForFinished(30000);
    return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}

LoggedRun run(RunKind kind, int item, const QString &title, const char *date, QList<LoggedKey> keys)
{
    LoggedRun r;
    r.kind = r.itemKind = kind;
    r.item = item;
    r.title = title;
    r.date = QDate::fromString(QString::fromLatin1(date), Qt::ISODate);
    r.started = QDateTime(r.date, QTime(9, 30), Qt::UTC);
    r.ended = r.started.addSecs(150);
    r.units = 120;
    r.hits = 250;
    r.misses = 10;
    r.seconds = 150;
    r.speed = 48;
    r.accuracy = 96;
    if (kind == RunKind::Training)
        r.passed = false;
    r.keys = std::move(keys);
    return r;
}

// A learner folder whose log holds a Chapter run and a word run.
void makeLog(const QString &folder)
{
    LogError error;
    auto log = PracticeLog::open(PracticeLogPath(folder), PracticeLog::Access::Write, &error);
    ASSERT_TRUE(log);
    QList<LoggedRun> runs = {
        run(RunKind::Training, 5, "Chapter 5", "2026-12-01", {{0x66, 100, 5, 25000}, {0x6A, 80, 0, 16000}}),
        run(RunKind::Word, 2, QStringLiteral(u"単語, \"特選\""), "2026-12-08", {{32, 20, 0, 4000}, {0x66, 10, 5, 3000}}),
    };
    ASSERT_TRUE(log->append(runs, &error));
}

int runCount(const QString &path)
{
    LogError error;
    auto log = PracticeLog::open(path, PracticeLog::Access::Read, &error);
    return log ? int(ListRuns(*log, {}, &error).value_or(QList<LoggedRun>{}).size()) : -1;
}

}  // namespace

TEST(ZrtoolLog, RunsAndKeys)
{
    TempDir dir;
    makeLog(dir.path());
    const LogToolRun runs = zrtoolLog({"runs", dir.path()});
    EXPECT_EQ(runs.exitCode, 0) << runs.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(runs.out),
              QStringLiteral(u"1\t2026-12-01T09:30:00Z\t2026-12-01\ttraining\t5\tChapter 5\t120\t250\t10\t150\t48.0\t96\t0\n"
                             u"2\t2026-12-08T09:30:00Z\t2026-12-08\tword\t2\t単語, \"特選\"\t120\t250\t10\t150\t48.0\t96\t\n"));
    const LogToolRun csv = zrtoolLog({"runs", PracticeLogPath(dir.path()), "--csv"});
    EXPECT_TRUE(csv.out.startsWith(QByteArray(kRunsCsvHeader) + "\r\n"));
    EXPECT_TRUE(csv.out.contains(QStringLiteral(u",\"単語, \"\"特選\"\"\",").toUtf8()));

    struct Row {
        QStringList args;
        QByteArray out;
    };
    const Row rows[] = {
        {{"keys", dir.path()}, " \t20\t0\t100.0\t200.0\nf\t110\t10\t90.9\t254.5\nj\t80\t0\t100.0\t200.0\n"},
        {{"keys", dir.path(), "--since", "2026-12-08"}, " \t20\t0\t100.0\t200.0\nf\t10\t5\t50.0\t300.0\n"},
        {{"keys", dir.path(), "--since", "2026-12-09", "--csv"}, "key,hits,misses,accuracy,mean_ms\r\n"},
        {{"keys", dir.path(), "--csv"}, "key,hits,misses,accuracy,mean_ms\r\n\" \",20,0,100.0,200.0\r\nf,110,10,90.9,254.5\r\nj,80,0,100.0,200.0\r\n"},
    };
    for (const Row &row : rows) {
        const LogToolRun r = zrtoolLog(row.args);
        EXPECT_EQ(r.exitCode, 0) << row.args.join(' ').toStdString();
        EXPECT_EQ(r.out, row.out) << row.args.join(' ').toStdString();
    }
}

TEST(ZrtoolLog, ExportThenImportAppendsUnderNewIds)
{
    TempDir dir;
    const QString learner = dir.file("user01");
    QDir().mkpath(learner);
    makeLog(learner);
    const QString out = dir.file("export/here");
    ASSERT_EQ(zrtoolLog({"export", learner, out}).exitCode, 0);
    const QByteArray runsCsv = readBytes(out + "/runs.csv");
    const QByteArray keysCsv = readBytes(out + "/keys.csv");
    EXPECT_EQ(runsCsv, zrtoolLog({"runs", learner, "--csv"}).out);
    EXPECT_EQ(keysCsv, "run_id,key,hits,misses,ms\r\n1,f,100,5,25000\r\n1,j,80,0,16000\r\n2,\" \",20,0,4000\r\n2,f,10,5,3000\r\n");

    // Into a new log, then once more into the same one: the key rows follow their runs.
    const QString other = dir.file("other.sqlite");
    for (int round = 1; round <= 2; ++round) {
        const LogToolRun r = zrtoolLog({"import", other, out});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, "2 runs and 4 key rows imported\n");
    }
    EXPECT_EQ(runCount(other), 4);
    const QByteArray again = zrtoolLog({"export", other, dir.file("again")}).exitCode == 0 ? readBytes(dir.file("again/keys.csv")) : QByteArray();
    EXPECT_TRUE(again.endsWith("3,f,100,5,25000\r\n3,j,80,0,16000\r\n4,\" \",20,0,4000\r\n4,f,10,5,3000\r\n")) << again.toStdString();
    EXPECT_EQ(readBytes(dir.file("again/runs.csv")).split('\n').size(), 6);
}

TEST(ZrtoolLog, RefusesWithOneLineAndLeavesTheLogAlone)
{
    TempDir dir;
    makeLog(dir.path());
    const QString log = PracticeLogPath(dir.path());
    const QString damaged = dir.file("damaged.sqlite");
    writeBytes(damaged, QByteArray(4096, 'x'));
    const QString bad = dir.file("bad");
    QDir().mkpath(bad);
    writeBytes(bad + "/runs.csv", QByteArray(kRunsCsvHeader) + "\r\n1,2026-12-08T09:00:00Z,2026-12-08,word,1,T,1,1,0,1,60.0,100,\r\n");
    writeBytes(bad + "/keys.csv", QByteArray(kKeysCsvHeader) + "\r\n1,a,1,0,100\r\n2,b,1,0,100\r\n");
    const QString columns = dir.file("columns");
    QDir().mkpath(columns);
    writeBytes(columns + "/runs.csv", "run_id,started\r\n");
    writeBytes(columns + "/keys.csv", QByteArray(kKeysCsvHeader) + "\r\n");
    const QByteArray before = readBytes(log);

    struct Row {
        QStringList args;
        const char *words;
    };
    const Row rows[] = {
        {{"runs", dir.file("nothing")}, "no such file"},
        {{"keys", dir.file("empty-folder-that-is-missing")}, "no such file"},
        {{"runs", damaged}, "damaged"},
        {{"export", damaged, dir.file("x")}, "damaged"},
        {{"import", damaged, bad}, "run 2 is not in runs.csv"},
        {{"import", dir.path(), bad}, "run 2 is not in runs.csv"},
        {{"import", dir.path(), columns}, "the columns must be"},
        {{"import", dir.path(), dir.file("nothing")}, "nothing"},
        {{"keys", dir.path(), "--since", "8 Dec"}, "--since"},
        {{"runs"}, "usage"},
        {{"drop", dir.path()}, "usage"},
    };
    for (const Row &row : rows) {
        const LogToolRun r = zrtoolLog(row.args);
        EXPECT_EQ(r.exitCode, 2) << row.args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << row.args.join(' ').toStdString();
        EXPECT_EQ(r.err.count(u'\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith("zrtool: ") && r.err.contains(QString::fromUtf8(row.words))) << r.err.toStdString();
    }
    EXPECT_EQ(readBytes(log), before);
    EXPECT_EQ(readBytes(damaged), QByteArray(4096, 'x'));
    EXPECT_EQ(runCount(log), 2);
}

TEST(ZrtoolLog, WeakPrintsTheKeysWeakKeyPracticeAimsAt)
{
    // zrtool reads the system's clock: the runs are dated from today.
    TempDir dir;
    const QDate today = QDate::currentDate();
    const QByteArray todayText = today.toString(Qt::ISODate).toLatin1();
    const QByteArray longAgo = today.addDays(-40).toString(Qt::ISODate).toLatin1();
    {
        LogError error;
        auto log = PracticeLog::open(PracticeLogPath(dir.path()), PracticeLog::Access::Write, &error);
        ASSERT_TRUE(log);
        // f, j, k and u (learned by Chapter 3 of the romaji course), t (not learned yet),
        // d pressed too rarely; g 40 days ago.
        QList<LoggedRun> runs = {
            run(RunKind::Word, 1, "w", todayText.constData(),
                {{'d', 10, 5, 2000}, {'f', 100, 2, 20000}, {'j', 50, 5, 15000}, {'k', 40, 4, 8000}, {'t', 20, 10, 9000}, {'u', 38, 2, 7600}}),
            run(RunKind::Word, 1, "w", longAgo.constData(), {{'g', 20, 20, 9000}}),
        };
        ASSERT_TRUE(log->append(runs, &error));
    }
    UserRecord learner;
    learner.UserName = QStringLiteral("weak");
    learner.LessonProgress = 3;
    learner.RomajiTable = shippedTable(0);
    ASSERT_TRUE(SaveUserRecord(UserDataPath(dir.path()), learner, nullptr));

    // j and k share 90 %: j's mean time is the longer.
    const LogToolRun weak = zrtoolLog({"weak", dir.path()});
    EXPECT_EQ(weak.exitCode, 0) << weak.err.toStdString();
    EXPECT_EQ(weak.out, "j\t55\t90.0\t300.0\nk\t44\t90.0\t200.0\nu\t40\t94.7\t200.0\nf\t102\t98.0\t200.0\n");
    // The log file itself names the learner's folder too; --days reaches back further.
    const LogToolRun all = zrtoolLog({"weak", PracticeLogPath(dir.path()), "--days", "60"});
    EXPECT_EQ(all.exitCode, 0);
    EXPECT_TRUE(all.out.startsWith("j\t"));

    const struct {
        QStringList args;
        const char *message;
    } bad[] = {
        {{"weak", dir.path(), "--days", "0"}, "--days"},
        {{"weak", dir.path(), "--days"}, "--days"},
        {{"weak"}, "usage"},
        {{"weak", dir.file("nothing")}, "no such file"},
    };
    for (const auto &row : bad) {
        const LogToolRun r = zrtoolLog(row.args);
        EXPECT_EQ(r.exitCode, 2) << row.args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromLatin1(row.message))) << r.err.toStdString();
    }
    QFile::remove(UserDataPath(dir.path()));
    const LogToolRun noRecord = zrtoolLog({"weak", dir.path()});
    EXPECT_EQ(noRecord.exitCode, 2);
    EXPECT_TRUE(noRecord.err.contains("user.dat")) << noRecord.err.toStdString();
}
