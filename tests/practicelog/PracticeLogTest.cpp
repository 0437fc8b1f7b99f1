// The practice log: its file (schema, versions, damage), the runs written and read
// back, the named queries over a small log, the day totals a new log starts with, the
// current learner's log with what it tells the learner, and the CSV files.

#include "TestSupport.h"
#include "platform/IniFile.h"
#include "platform/OleDate.h"
#include "practicelog/LearnerLog.h"
#include "practicelog/LogCsv.h"
#include "practicelog/LogQueries.h"
#include "practicelog/LogSeed.h"
#include "practicelog/PracticeLog.h"
#include "userdata/UserRecord.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

namespace {

LoggedRun sampleRun(RunKind kind, int item, const char *date, QList<LoggedKey> keys = {})
{
    LoggedRun r;
    r.kind = kind;
    r.itemKind = kind;
    r.item = item;
    r.date = QDate::fromString(QString::fromLatin1(date), Qt::ISODate);
    r.started = QDateTime(r.date, QTime(9, 0), Qt::UTC);
    r.ended = r.started.addSecs(150);
    r.title = kind == RunKind::Training ? ChapterTitle(item) : QStringLiteral(u"日常の単語");
    r.file = kind == RunKind::Word ? QStringLiteral("resource\\zr.zrd") : QString();
    r.units = 120;
    r.hits = 300;
    r.misses = 12;
    r.seconds = 150;
    r.speed = 48;
    r.accuracy = 96;
    if (kind == RunKind::Training)
        r.passed = true;
    if (kind == RunKind::Weak)
        r.aimedKeys = QStringLiteral("fj");
    r.keys = std::move(keys);
    return r;
}

// A SQLite file made by hand, outside the log's own code.
void sqlFile(const QString &path, const QStringList &statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("by-hand"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        for (const QString &s : statements) {
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(s)) << s.toStdString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("by-hand"));
}

int countRows(const PracticeLog &log, const QString &table)
{
    QSqlQuery q(log.database());
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM ") + table) || !q.next())
        return -1;
    return q.value(0).toInt();
}

std::unique_ptr<PracticeLog> openLog(const QString &path, PracticeLog::Access access = PracticeLog::Access::Write)
{
    LogError error;
    auto log = PracticeLog::open(path, access, &error);
    EXPECT_TRUE(log) << error.detail.toStdString();
    return log;
}

}  // namespace

// --- the file -----------------------------------------------------------------------

TEST(PracticeLogFile, IsCreatedOnceAndReopened)
{
    TempDir dir;
    const QString path = PracticeLogPath(dir.path());
    int seeded = 0;
    const auto seed = [&] {
        ++seeded;
        return QList<LoggedRun>{sampleRun(RunKind::Training, 1, "2026-11-30")};
    };
    LogError error;
    auto log = PracticeLog::open(path, PracticeLog::Access::Write, &error, seed);
    ASSERT_TRUE(log);
    EXPECT_TRUE(log->created());
    log.reset();
    log = PracticeLog::open(path, PracticeLog::Access::Write, &error, seed);
    ASSERT_TRUE(log);
    EXPECT_FALSE(log->created());
    EXPECT_EQ(seeded, 1);
    EXPECT_EQ(countRows(*log, "runs"), 1);
    QSqlQuery q(log->database());
    ASSERT_TRUE(q.exec("PRAGMA user_version") && q.next());
    EXPECT_EQ(q.value(0).toInt(), PracticeLog::kSchemaVersion);
    ASSERT_TRUE(q.exec("PRAGMA journal_mode") && q.next());
    EXPECT_EQ(q.value(0).toString(), "wal");
}

TEST(PracticeLogFile, OpensWhatItCanAndRefusesTheRest)
{
    struct Row {
        const char *name;
        std::function<void(const QString &)> make;
        PracticeLog::Access access;
        LogProblem problem;   // None: opens, with the schema made
    };
    const auto bytes = [](QByteArray b) { return [b](const QString &p) { writeBytes(p, b); }; };
    const auto sql = [](QStringList s) { return [s](const QString &p) { sqlFile(p, s); }; };
    const Row rows[] = {
        {"version 0: an empty file", bytes({}), PracticeLog::Access::Write, LogProblem::None},
        {"version 0: a database of other tables", sql({"CREATE TABLE notes (text TEXT)"}), PracticeLog::Access::Write, LogProblem::None},
        {"version 0 read as it is", bytes({}), PracticeLog::Access::Read, LogProblem::Damaged},
        {"tables of the same name, other columns", sql({"CREATE TABLE runs (x)"}), PracticeLog::Access::Write, LogProblem::Damaged},
        {"version 1 without its tables", sql({"PRAGMA user_version = 1"}), PracticeLog::Access::Write, LogProblem::Damaged},
        {"a later version", sql({"PRAGMA user_version = 7"}), PracticeLog::Access::Write, LogProblem::TooNew},
        {"a text file", bytes("run_id,started\r\n1,2026\r\n"), PracticeLog::Access::Write, LogProblem::Damaged},
        {"a text file read", bytes(QByteArray(5000, 'x')), PracticeLog::Access::Read, LogProblem::Damaged},
        {"a folder", [](const QString &p) { QDir().mkpath(p); }, PracticeLog::Access::Write, LogProblem::Damaged},
        {"a link", [](const QString &p) { QFile::link("/tmp", p); }, PracticeLog::Access::Write, LogProblem::Damaged},
        {"nothing, read", [](const QString &) {}, PracticeLog::Access::Read, LogProblem::Missing},
    };
    for (const Row &row : rows) {
        TempDir dir;
        const QString path = PracticeLogPath(dir.path());
        row.make(path);
        LogError error;
        auto log = PracticeLog::open(path, row.access, &error);
        EXPECT_EQ(error.problem, row.problem) << row.name << ": " << error.detail.toStdString();
        EXPECT_EQ(bool(log), row.problem == LogProblem::None) << row.name;
        if (log) {
            EXPECT_TRUE(log->created()) << row.name;
            LoggedRun run = sampleRun(RunKind::Word, 2, "2026-12-01");
            EXPECT_TRUE(log->append(run, &error)) << row.name;
        }
    }
}

TEST(PracticeLogFile, MovedAsideWithItsWriteAheadLogAndNeverOverwritten)
{
    TempDir dir;
    ClockScope clock(46364.5);   // 2026-12-08 12:00 local
    const QString path = PracticeLogPath(dir.path());
    writeBytes(path, "one");
    writeBytes(path + "-wal", "wal");
    writeBytes(path + ".damaged-20261208-120000", "earlier");
    QString error;
    const auto aside = MoveDamagedLogAside(path, &error);
    ASSERT_TRUE(aside) << error.toStdString();
    EXPECT_EQ(QFileInfo(*aside).fileName(), "practice.sqlite.damaged-20261208-120000-2");
    EXPECT_EQ(readBytes(*aside), "one");
    EXPECT_EQ(readBytes(*aside + "-wal"), "wal");
    EXPECT_EQ(readBytes(path + ".damaged-20261208-120000"), "earlier");
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_FALSE(QFileInfo::exists(path + "-wal"));
}

// --- writes and queries -------------------------------------------------------------

TEST(PracticeLogRuns, EachKindComesBackWithItsKeys)
{
    TempDir dir;
    auto log = openLog(PracticeLogPath(dir.path()));
    ASSERT_TRUE(log);
    const QList<LoggedKey> keys = {{32, 40, 1, 9000}, {0x66, 30, 2, 6400.5}, {0xB6, 5, 0, 1500}};
    QList<LoggedRun> runs;
    for (RunKind kind : {RunKind::Training, RunKind::Word, RunKind::Sentence, RunKind::Weak, RunKind::DayTotal})
        runs.append(sampleRun(kind, kind == RunKind::Weak ? 0 : 3, "2026-12-08", kind == RunKind::DayTotal ? QList<LoggedKey>{} : keys));
    runs[4].itemKind = RunKind::Sentence;
    LogError error;
    ASSERT_TRUE(log->append(runs, &error)) << error.detail.toStdString();

    log = openLog(PracticeLogPath(dir.path()), PracticeLog::Access::Read);
    ASSERT_TRUE(log);
    const auto read = ListRuns(*log, {}, &error);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), runs.size());
    for (qsizetype i = 0; i < runs.size(); ++i) {
        LoggedRun back = read->at(i);
        back.keys = KeysOfLoggedRun(*log, back.id, &error).value_or(QList<LoggedKey>{});
        EXPECT_EQ(back, runs[i]) << RunKindName(runs[i].kind).toStdString();
    }
    EXPECT_EQ(QString(runs[0].keys[0].key()), " ");
    EXPECT_EQ(QString(runs[0].keys[2].key()), u"ｶ");
}

TEST(PracticeLogRuns, AFailedWriteLeavesNothing)
{
    TempDir dir;
    auto log = openLog(PracticeLogPath(dir.path()));
    ASSERT_TRUE(log);
    // The same key twice in one run breaks the key rows' key, half-way through.
    QList<LoggedRun> runs = {sampleRun(RunKind::Word, 1, "2026-12-08", {{0x61, 1, 0, 100}}),
                             sampleRun(RunKind::Word, 1, "2026-12-08", {{0x61, 1, 0, 100}, {0x61, 1, 0, 100}})};
    LogError error;
    EXPECT_FALSE(log->append(runs, &error));
    EXPECT_EQ(runs[0].id, 0);
    EXPECT_EQ(countRows(*log, "runs"), 0);
    EXPECT_EQ(countRows(*log, "run_keys"), 0);
    EXPECT_EQ(countRows(*log, "key_days"), 0);
}

namespace {

// Five runs over three days: 0 training Chapter 3, 1 word slot 2, 2 sentence slot 2,
// 3 a day total of word slot 2, 4 weak-key practice.
std::unique_ptr<PracticeLog> smallLog(const TempDir &dir)
{
    auto log = openLog(PracticeLogPath(dir.path()));
    if (!log)
        return log;
    QList<LoggedRun> runs = {
        sampleRun(RunKind::Training, 3, "2026-12-01", {{0x66, 10, 1, 2000}, {0x6A, 20, 0, 3000}}),
        sampleRun(RunKind::Word, 2, "2026-12-05", {{0x66, 5, 4, 1000}}),
        sampleRun(RunKind::Sentence, 2, "2026-12-05", {{0x6A, 1, 0, 500}, {32, 3, 0, 900}}),
        sampleRun(RunKind::DayTotal, 2, "2026-11-20"),
        sampleRun(RunKind::Weak, 0, "2026-12-08", {{0x66, 2, 0, 300}}),
    };
    runs[3].itemKind = RunKind::Word;
    LogError error;
    EXPECT_TRUE(log->append(runs, &error)) << error.detail.toStdString();
    return log;
}

}  // namespace

TEST(PracticeLogQueries, ListRunsByKindItemAndDate)
{
    TempDir dir;
    auto log = smallLog(dir);
    ASSERT_TRUE(log);
    struct Row {
        const char *name;
        RunFilter filter;
        QList<qint64> ids;
    };
    RunFilter words;
    words.kinds = {RunKind::Word};
    RunFilter wordRuns = words;
    wordRuns.dayTotals = false;
    RunFilter slot2;
    slot2.item = 2;
    RunFilter december;
    december.since = QDate(2026, 12, 1);
    december.until = QDate(2026, 12, 5);
    RunFilter practice;
    practice.kinds = {RunKind::Training, RunKind::Weak};
    const Row rows[] = {
        {"everything", {}, {1, 2, 3, 4, 5}},
        {"word practice with its day totals", words, {2, 4}},
        {"word practice run by run", wordRuns, {2}},
        {"item 2 of any kind", slot2, {2, 3, 4}},
        {"1 to 5 December", december, {1, 2, 3}},
        {"two kinds", practice, {1, 5}},
    };
    for (const Row &row : rows) {
        LogError error;
        const auto runs = ListRuns(*log, row.filter, &error);
        ASSERT_TRUE(runs) << row.name;
        QList<qint64> ids;
        for (const LoggedRun &r : *runs)
            ids << r.id;
        EXPECT_EQ(ids, row.ids) << row.name;
    }
}

TEST(PracticeLogQueries, KeyTotalsSinceADate)
{
    TempDir dir;
    auto log = smallLog(dir);
    ASSERT_TRUE(log);
    struct Row {
        std::optional<QDate> since;
        QList<KeyTotal> totals;
    };
    const Row rows[] = {
        {std::nullopt, {{32, 3, 0, 900}, {0x66, 17, 5, 3300}, {0x6A, 21, 0, 3500}}},
        {QDate(2026, 12, 5), {{32, 3, 0, 900}, {0x66, 7, 4, 1300}, {0x6A, 1, 0, 500}}},
        {QDate(2026, 12, 8), {{0x66, 2, 0, 300}}},
        {QDate(2026, 12, 9), {}},
    };
    for (const Row &row : rows) {
        LogError error;
        const auto totals = KeyTotals(*log, row.since, &error);
        ASSERT_TRUE(totals);
        EXPECT_EQ(*totals, row.totals) << (row.since ? row.since->toString(Qt::ISODate).toStdString() : "all");
    }
    const KeyTotal f{0x66, 17, 5, 3300};
    EXPECT_NEAR(*f.accuracy(), 100 - 5.0 / 17 * 100, 1e-9);
    EXPECT_NEAR(*f.meanMs(), 3300.0 / 17, 1e-9);
    EXPECT_FALSE((KeyTotal{0x66, 0, 3, 0}.accuracy()));
}

// --- the day totals a log starts with -----------------------------------------------

TEST(PracticeLogSeed, OneDayTotalPerStoredDayOldestFirst)
{
    TempDir dir;
    const QString ini = dir.file("user.ini");
    SetIniString("WordLsn", "L2", "resource\\zr.zrd", ini);
    SetIniString("WordLsn", "LT2", "日常の単語", ini);
    UserRecord user;
    ScoreRecord &chapter = user.TrainingScores[2];   // Chapter 3: two days
    chapter.DayDate = {46360, 46300};
    chapter.DayKeys = {300, 250};
    chapter.DayMisses = {30, 5};
    chapter.DayChars = {120, 100};
    chapter.DayTime = {150.0 / 86400, 3630.0 / 86400};
    ScoreRecord &word = user.WordScores[1];          // word slot 2: one day
    word.DayDate = {46330};
    word.DayKeys = {80};
    word.DayChars = {40};
    word.DayTime = {60.0 / 86400};
    user.SentenceScores[0].DayDate = {46331};        // no hits: an empty entry

    const QList<LoggedRun> runs = DayTotalRuns(user, ini);
    ASSERT_EQ(runs.size(), 3);
    struct Expected {
        RunKind itemKind;
        int item;
        QDate date;
        QString title;
        QString file;
        double hits, speed, accuracy, seconds;
    };
    const Expected expected[] = {
        {RunKind::Training, 3, dateFromOle(46300), "Chapter 3", "", 250, 100 / 60.5, 98, 3630},
        {RunKind::Word, 2, dateFromOle(46330), QStringLiteral(u"日常の単語"), "resource\\zr.zrd", 80, 40, 100, 60},
        {RunKind::Training, 3, dateFromOle(46360), "Chapter 3", "", 300, 48, 90, 150},
    };
    for (qsizetype i = 0; i < runs.size(); ++i) {
        const LoggedRun &r = runs[i];
        const Expected &e = expected[i];
        EXPECT_EQ(r.kind, RunKind::DayTotal);
        EXPECT_EQ(r.itemKind, e.itemKind);
        EXPECT_EQ(r.item, e.item);
        EXPECT_EQ(r.date, e.date);
        EXPECT_EQ(r.title, e.title);
        EXPECT_EQ(r.file, e.file);
        EXPECT_EQ(r.hits, e.hits);
        EXPECT_NEAR(r.speed, e.speed, 1e-9);
        EXPECT_NEAR(r.accuracy, e.accuracy, 1e-9);
        EXPECT_NEAR(r.seconds, e.seconds, 1e-6);
        EXPECT_TRUE(r.keys.isEmpty());
        EXPECT_EQ(r.started.toLocalTime().time(), QTime(0, 0));
    }

    // A run already folded into the record comes out of its day; a day left empty goes.
    QList<LoggedRun> less = runs;
    LoggedRun today = sampleRun(RunKind::Training, 3, "2026-12-04");
    today.date = dateFromOle(46360);
    today.units = 20;
    today.hits = 50;
    today.misses = 10;
    today.seconds = 30;
    RemoveRunFromDayTotals(less, today);
    EXPECT_EQ(less[2].hits, 250);
    EXPECT_EQ(less[2].accuracy, 92);
    EXPECT_NEAR(less[2].speed, 100 / 2.0, 1e-9);
    LoggedRun wholeDay = less[1];
    wholeDay.kind = RunKind::Word;
    RemoveRunFromDayTotals(less, wholeDay);
    EXPECT_EQ(less.size(), 2);
}

// --- the current learner's log ------------------------------------------------------

namespace {

// A learner with one stored day, current in a fresh data folder.
struct CurrentLearner {
    SharedStateScope state;
    AnsweringGateway answers;
    ClockScope clock{46364.5};

    CurrentLearner()
    {
        SharedState &s = state.state();
        s.CurUserDir = UserFolder(1);
        QDir().mkpath(s.CurUserDir);
        s.CurUser.UserName = QStringLiteral(u"記録");
        s.CurUser.TrainingScores[0].DayDate = {46363};
        s.CurUser.TrainingScores[0].DayKeys = {100};
        s.CurUser.TrainingScores[0].DayChars = {50};
        s.CurUser.TrainingScores[0].DayTime = {60.0 / 86400};
        ForgetToldLogFailure();
    }
    ~CurrentLearner()
    {
        CloseLearnerLog();
        ForgetToldLogFailure();
    }
    QString path() const { return PracticeLogPath(ZRSub().CurUserDir); }
    QStringList logKinds()
    {
        QStringList kinds;
        if (const PracticeLog *log = LearnerLog()) {
            for (const LoggedRun &r : ListRuns(*log, {}, nullptr).value_or(QList<LoggedRun>{}))
                kinds << RunKindName(r.kind);
        }
        return kinds;
    }
    int shownWith(const char *words) const
    {
        int n = 0;
        for (const MessageRequest &m : answers.shown)
            n += m.text.contains(QString::fromUtf8(words)) ? 1 : 0;
        return n;
    }
};

}  // namespace

TEST(LearnerLog, StartsWithTheDayTotalsOnceAndLogsRuns)
{
    CurrentLearner learner;
    OpenLearnerLog();
    EXPECT_EQ(learner.logKinds(), QStringList{"day-total"});
    LogFinishedRun(sampleRun(RunKind::Word, 1, "2026-12-08"));
    CloseLearnerLog();
    OpenLearnerLog();
    EXPECT_EQ(learner.logKinds(), (QStringList{"day-total", "word"}));
    EXPECT_TRUE(learner.answers.shown.isEmpty());
}

TEST(LearnerLog, ADamagedLogIsMovedAsideAndANewOneStarted)
{
    struct Row {
        const char *name;
        bool foundAtOpening;
    };
    for (const Row row : {Row{"not a database", true}, Row{"a page that fails the quick check", false}}) {
        CurrentLearner learner;
        if (row.foundAtOpening) {
            writeBytes(learner.path(), QByteArray(8192, '\x5a'));
        } else {
            // A log whose first page (the header and the schema) is whole and whose
            // other pages are garbage.
            OpenLearnerLog();
            for (int i = 0; i < 50; ++i)
                LogFinishedRun(sampleRun(RunKind::Word, 1, "2026-12-07", {{0x61, 10, 1, 900}}));
            CloseLearnerLog();
            QByteArray bytes = readBytes(learner.path());
            ASSERT_GT(bytes.size(), 3 * 4096) << row.name;
            bytes.replace(4096, bytes.size() - 4096, QByteArray(bytes.size() - 4096, '\x5a'));
            writeBytes(learner.path(), bytes);
        }
        OpenLearnerLog();
        EXPECT_EQ(learner.shownWith("壊れていたため"), row.foundAtOpening ? 1 : 0) << row.name;
        // The run after the damage is found is in the new log, beside the day totals
        // that do not count it again.
        LoggedRun run = sampleRun(RunKind::Training, 1, "2026-12-08");
        run.date = dateFromOle(46363);
        run.hits = 40;
        ZRSub().CurUser.TrainingScores[0].DayKeys[0] += 40;   // its score update
        LogFinishedRun(run);
        EXPECT_EQ(learner.shownWith("壊れていたため"), 1) << row.name;
        EXPECT_EQ(learner.logKinds(), (QStringList{"day-total", "training"})) << row.name;
        const auto runs = ListRuns(*LearnerLog(), {}, nullptr);
        ASSERT_TRUE(runs);
        EXPECT_EQ(runs->first().hits, 100) << row.name;
        const QStringList aside = QDir(ZRSub().CurUserDir).entryList({"practice.sqlite.damaged-*"});
        EXPECT_EQ(aside.size(), 1) << row.name;
        EXPECT_TRUE(aside.first().startsWith("practice.sqlite.damaged-20261208-")) << row.name;
    }
}

TEST(LearnerLog, ALogHeldByAnotherProgramIsToldOnceAndPracticeGoesOn)
{
    CurrentLearner learner;
    OpenLearnerLog();
    CloseLearnerLog();
    // Another program holds the log for writing, longer than the busy timeout.
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
    other.setDatabaseName(learner.path());
    ASSERT_TRUE(other.open());
    QSqlQuery hold(other);
    ASSERT_TRUE(hold.exec("BEGIN EXCLUSIVE"));
    OpenLearnerLog();
    LogFinishedRun(sampleRun(RunKind::Word, 1, "2026-12-08"));
    LogFinishedRun(sampleRun(RunKind::Word, 1, "2026-12-08"));
    EXPECT_EQ(learner.answers.shown.size(), 1);
    EXPECT_EQ(learner.shownWith("使用中"), 1);
    hold.exec("ROLLBACK");
    hold.finish();
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    // Free again: the next run is logged, and nothing more is said.
    LogFinishedRun(sampleRun(RunKind::Sentence, 1, "2026-12-08"));
    EXPECT_EQ(learner.logKinds(), (QStringList{"day-total", "sentence"}));
    EXPECT_EQ(learner.answers.shown.size(), 1);
}

TEST(LearnerLog, ALogOfALaterVersionIsLeftAlone)
{
    CurrentLearner learner;
    sqlFile(learner.path(), {"PRAGMA user_version = 9", "CREATE TABLE future (x)"});
    const QByteArray before = readBytes(learner.path());
    OpenLearnerLog();
    LogFinishedRun(sampleRun(RunKind::Word, 1, "2026-12-08"));
    EXPECT_EQ(learner.shownWith("新しい版"), 1);
    EXPECT_EQ(learner.answers.shown.size(), 1);
    EXPECT_EQ(readBytes(learner.path()), before);
}

// --- CSV ----------------------------------------------------------------------------

TEST(PracticeLogCsv, QuotesWhatNeedsItAndReadsItBack)
{
    LoggedRun run = sampleRun(RunKind::Word, 4, "2026-12-08", {{32, 3, 1, 900}, {0x2C, 1, 0, 200}, {0x22, 2, 0, 300}});
    run.id = 7;
    run.title = QStringLiteral(u"単語, \"特選\" 集");
    run.speed = 48.25;
    run.accuracy = -20.4;
    run.seconds = 150.0004;
    const QByteArray runs = RunsCsv({run});
    EXPECT_EQ(runs, QStringLiteral(u"run_id,started,date,kind,item,title,units,hits,misses,seconds,speed_cpm,accuracy,passed\r\n"
                                   "7,2026-12-08T09:00:00Z,2026-12-08,word,4,\"単語, \"\"特選\"\" 集\",120,300,12,150,48.3,-20,\r\n")
                        .toUtf8());
    QList<std::pair<qint64, LoggedKey>> keyRows;
    for (const LoggedKey &k : run.keys)
        keyRows.append({7, k});
    const QByteArray keys = KeysCsv(keyRows);
    EXPECT_EQ(keys, "run_id,key,hits,misses,ms\r\n7,\" \",3,1,900\r\n7,\",\",1,0,200\r\n7,\"\"\"\",2,0,300\r\n");

    QString error;
    const auto back = ParseLogCsv(runs, keys, &error);
    ASSERT_TRUE(back) << error.toStdString();
    ASSERT_EQ(back->size(), 1);
    EXPECT_EQ(back->first().title, run.title);
    EXPECT_EQ(back->first().keys.size(), 3);
    EXPECT_EQ(back->first().accuracy, -20);
    EXPECT_EQ(back->first().started, run.started);
    QList<LoggedRun> again = *back;
    again.first().id = 7;
    EXPECT_EQ(RunsCsv(again), runs);
}

TEST(PracticeLogCsv, RefusesAnythingElseWhole)
{
    const QByteArray runsHeader = "run_id,started,date,kind,item,title,units,hits,misses,seconds,speed_cpm,accuracy,passed\r\n";
    const QByteArray goodRun = "1,2026-12-08T09:00:00Z,2026-12-08,word,4,T,120,300,12,150,48.0,96,\r\n";
    const QByteArray keysHeader = "run_id,key,hits,misses,ms\r\n";
    struct Row {
        const char *name;
        QByteArray runs;
        QByteArray keys;
        const char *words;   // in the message
    };
    const Row rows[] = {
        {"other columns", "run_id,started,date,kind,item,title,units,hits,misses,seconds,speed,accuracy,passed\r\n" + goodRun, keysHeader, "columns"},
        {"a column more", runsHeader.chopped(2) + ",note\r\n", keysHeader, "columns"},
        {"no header", goodRun, keysHeader, "columns"},
        {"a key row without its run", runsHeader + goodRun, keysHeader + "2,a,1,0,100\r\n", "run 2 is not in runs.csv"},
        {"a field short", runsHeader + "1,2026-12-08T09:00:00Z,2026-12-08,word,4,T,120,300,12,150,48.0,96\r\n", keysHeader, "12 fields"},
        {"an unknown kind", runsHeader + "1,2026-12-08T09:00:00Z,2026-12-08,drill,4,T,120,300,12,150,48.0,96,\r\n", keysHeader, "kind"},
        {"a time without its zone", runsHeader + "1,2026-12-08T09:00:00,2026-12-08,word,4,T,120,300,12,150,48.0,96,\r\n", keysHeader, "started"},
        {"a negative count", runsHeader + "1,2026-12-08T09:00:00Z,2026-12-08,word,4,T,120,-3,12,150,48.0,96,\r\n", keysHeader, "hits"},
        {"passed 2", runsHeader + "1,2026-12-08T09:00:00Z,2026-12-08,training,4,T,120,3,12,150,48.0,96,2\r\n", keysHeader, "passed"},
        {"a run twice", runsHeader + goodRun + goodRun, keysHeader, "twice"},
        {"a key of two characters", runsHeader + goodRun, keysHeader + "1,ab,1,0,100\r\n", "key"},
        {"a key twice", runsHeader + goodRun, keysHeader + "1,a,1,0,100\r\n1,a,1,0,100\r\n", "twice"},
        {"a quote left open", runsHeader + "1,2026-12-08T09:00:00Z,2026-12-08,word,4,\"T,120\r\n", keysHeader, "not closed"},
        {"not UTF-8", runsHeader + "1,2026-12-08T09:00:00Z,2026-12-08,word,4,\x82\xa0,120,300,12,150,48.0,96,\r\n", keysHeader, "UTF-8"},
    };
    for (const Row &row : rows) {
        QString error;
        EXPECT_FALSE(ParseLogCsv(row.runs, row.keys, &error)) << row.name;
        EXPECT_TRUE(error.contains(QString::fromUtf8(row.words))) << row.name << ": " << error.toStdString();
    }
    QString error;
    EXPECT_TRUE(ParseLogCsv("\xEF\xBB\xBF" + runsHeader + goodRun.chopped(2), keysHeader.chopped(2), &error))
        << "a byte order mark and no last line break: " << error.toStdString();
}
