// Saves killed at random moments: a child process writes a learner's two files (or
// practice log) over and over and is killed with SIGKILL; every time, both files must
// load with either the old or the new content, and no temporary file may stay behind
// once the learner is made current again; the log must be whole, each run in it with
// all its key rows.

#include "TestSupport.h"
#include "platform/IniFile.h"
#include "practicelog/LogQueries.h"
#include "practicelog/PracticeLog.h"
#include "userdata/Users.h"
#include "userdata/ZRSub.h"

#include <QDir>
#include <QRandomGenerator>
#include <QHash>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

using namespace zr;
using namespace zr::test;

namespace {

// The two contents the files alternate between.
const UserRecord &version(int n)
{
    static const UserRecord versions[2] = {[] {
        UserRecord u;
        u.UserName = QStringLiteral(u"版0");
        u.RomajiTable = shippedTable(0);
        return u;
    }(), [] {
        UserRecord u;
        u.UserName = QStringLiteral(u"版1");
        u.LessonProgress = 1;
        u.RomajiTable = shippedTable(1);
        return u;
    }()};
    return versions[n % 2];
}

[[noreturn]] void saveForever(const QString &folder)
{
    for (int i = 0;; ++i) {
        SaveUserRecord(UserDataPath(folder), version(i % 2), nullptr);
        SetIniString("General", "Font", QString::number(i % 2), UserIniPath(folder));
    }
}

// Starts child, which never returns, kills it after a random 1 to 12 ms, and runs
// check on what it left; rounds times.
void killRounds(int rounds, quint32 seed, const std::function<void()> &child, const std::function<void(int round)> &check)
{
    QRandomGenerator random(seed);
    for (int round = 0; round < rounds; ++round) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            child();
            ::_exit(1);
        }
        ::usleep(useconds_t(random.bounded(1000, 12000)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "round " << round;
        check(round);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

// Run n of the log writer has n % 24 + 1 keys of one hit each; its item says how many.
LoggedRun numberedRun(int n)
{
    LoggedRun r;
    r.kind = r.itemKind = RunKind::Word;
    r.item = n % 24 + 1;
    r.date = QDate(2026, 12, 1).addDays(n % 7);
    r.started = QDateTime(r.date, QTime(9, 0), Qt::UTC);
    r.ended = r.started;
    r.title = QStringLiteral(u"単語");
    r.hits = r.item;
    for (int k = 0; k < r.item; ++k)
        r.keys.append({0x61 + k, 1, 0, 100});
    return r;
}

}  // namespace

TEST(KilledSaves, LeaveOldOrNewContentAndNoTemporaries)
{
    SharedStateScope scope;
    const QString folder = UserFolder(1);
    QDir().mkpath(folder);
    ASSERT_TRUE(SaveUserRecord(UserDataPath(folder), version(0), nullptr));
    ASSERT_TRUE(SetIniString("General", "Font", "0", UserIniPath(folder)));

    constexpr int kRounds = 300;
    int strays = 0;
    killRounds(kRounds, 14, [&] { saveForever(folder); }, [&](int round) {
        bool truncated = true;
        const std::optional<UserRecord> loaded = LoadUserRecord(UserDataPath(folder), nullptr, &truncated);
        ASSERT_TRUE(loaded && !truncated) << "round " << round;
        EXPECT_TRUE(*loaded == version(0) || *loaded == version(1)) << "round " << round;
        QString font;
        GetIniString("General", "Font", "", font, 255, UserIniPath(folder));
        EXPECT_TRUE(font == u"0" || font == u"1") << "round " << round;

        const QStringList own = {"user.dat", "user.ini", "user.lock"};
        QStringList left = folderEntries(folder);
        left.removeIf([&](const QString &name) { return own.contains(name); });
        strays += int(left.size());
        MakeCurrentUser(folder, *loaded);
        left = folderEntries(folder);
        left.removeIf([&](const QString &name) { return own.contains(name); });
        ASSERT_TRUE(left.isEmpty()) << "round " << round << ": " << left.join(' ').toStdString();
    });
    std::printf("%d kill rounds, %d temporaries left by the kills and removed\n", kRounds, strays);
}

TEST(KilledSaves, LeaveAWholeLogWithWholeRuns)
{
    SharedStateScope scope;
    const QString folder = UserFolder(2);
    QDir().mkpath(folder);
    const QString path = PracticeLogPath(folder);
    LogError error;
    ASSERT_TRUE(PracticeLog::open(path, PracticeLog::Access::Write, &error));

    constexpr int kRounds = 60;
    int lastCount = 0;
    killRounds(kRounds, 18, [&] {
        auto log = PracticeLog::open(path, PracticeLog::Access::Write, nullptr);
        for (int n = 0; log; ++n) {
            LoggedRun run = numberedRun(n);
            log->append(run, nullptr);
        }
    }, [&](int round) {
        // Opened as the program opens it, which takes over what the write-ahead log holds.
        LogError e;
        auto log = PracticeLog::open(path, PracticeLog::Access::Write, &e);
        ASSERT_TRUE(log) << "round " << round << ": " << e.detail.toStdString();
        ASSERT_TRUE(log->integrityOk()) << "round " << round;
        const auto runs = ListRuns(*log, {}, &e);
        ASSERT_TRUE(runs) << "round " << round;
        QSqlQuery q(log->database());
        ASSERT_TRUE(q.exec("SELECT run_id, COUNT(*), SUM(hits) FROM run_keys GROUP BY run_id"));
        QHash<qint64, std::pair<int, double>> keys;
        while (q.next())
            keys.insert(q.value(0).toLongLong(), {q.value(1).toInt(), q.value(2).toDouble()});
        for (const LoggedRun &r : *runs) {
            ASSERT_EQ(keys.value(r.id).first, r.item) << "round " << round << ", run " << r.id;
            ASSERT_EQ(keys.value(r.id).second, r.hits) << "round " << round << ", run " << r.id;
        }
        EXPECT_EQ(keys.size(), runs->size()) << "key rows of runs that are not there, round " << round;
        // The day totals agree with the key rows.
        ASSERT_TRUE(q.exec("SELECT (SELECT SUM(hits) FROM run_keys), (SELECT SUM(hits) FROM key_days)") && q.next());
        EXPECT_EQ(q.value(0).toDouble(), q.value(1).toDouble()) << "round " << round;
        lastCount = int(runs->size());
    });
    std::printf("%d kill rounds during log writes, %d runs whole at the end\n", kRounds, lastCount);
}
