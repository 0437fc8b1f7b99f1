// What the progress window and weak-key practice read from a log: runs per local date
// for every practice, a kind or an item; days grouped into weeks and months across a
// year's end; the key figures of a period; and the weakest learned keys.

#include "TestSupport.h"
#include "platform/Cp932.h"
#include "practicelog/PracticeLog.h"
#include "practicelog/ProgressQueries.h"

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

namespace {

QDate day(const char *iso)
{
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

LoggedRun run(RunKind kind, int item, const char *date, double units, double seconds, double hits, double misses,
              const QString &file = QString(), QList<LoggedKey> keys = {})
{
    LoggedRun r;
    r.kind = kind;
    r.itemKind = kind;
    r.item = item;
    r.date = day(date);
    r.started = QDateTime(r.date, QTime(1, 0), Qt::UTC);
    r.ended = r.started.addSecs(qint64(seconds));
    r.title = kind == RunKind::Training ? ChapterTitle(item) : QStringLiteral("slot %1").arg(item);
    r.file = file;
    r.units = units;
    r.seconds = seconds;
    r.hits = hits;
    r.misses = misses;
    r.keys = std::move(keys);
    return r;
}

LoggedRun dayTotal(RunKind itemKind, int item, const char *date, double units, double seconds, double hits, double misses)
{
    LoggedRun r = run(itemKind, item, date, units, seconds, hits, misses);
    r.kind = RunKind::DayTotal;
    return r;
}

LoggedKey key(QChar c, double hits, double misses, double ms)
{
    return {ansiKeyCode(c), hits, misses, ms};
}

struct SeededLog {
    explicit SeededLog(QList<LoggedRun> runs)
    {
        LogError error;
        log = PracticeLog::open(PracticeLogPath(dir.path()), PracticeLog::Access::Write, &error);
        EXPECT_TRUE(log) << error.detail.toStdString();
        if (log && !runs.isEmpty()) {
            EXPECT_TRUE(log->append(runs, &error)) << error.detail.toStdString();
        }
    }
    TempDir dir;
    std::unique_ptr<PracticeLog> log;
};

QString datesOf(const QList<ProgressFigures> &points)
{
    QStringList dates;
    for (const ProgressFigures &p : points)
        dates << QStringLiteral("%1:%2").arg(p.first.toString(Qt::ISODate)).arg(p.hits);
    return dates.join(u' ');
}

}  // namespace

TEST(ProgressSeries, SelectsEveryPracticeAKindOrAnItemWithItsDayTotals)
{
    // Slot 2's file moved to slot 5 on the 3rd: one item. Slot 7 has no file.
    SeededLog seeded({dayTotal(RunKind::Word, 2, "2026-12-01", 100, 120, 200, 10),
                      run(RunKind::Training, 3, "2026-12-01", 50, 60, 100, 5),
                      run(RunKind::Word, 2, "2026-12-02", 100, 120, 210, 10, u"resource\\zr.zrd"_qs),
                      run(RunKind::Word, 5, "2026-12-03", 100, 120, 220, 10, u"resource\\zr.zrd"_qs),
                      run(RunKind::Word, 7, "2026-12-03", 100, 120, 230, 10),
                      run(RunKind::Sentence, 2, "2026-12-03", 100, 120, 240, 10, u"resource\\juku1.zrw"_qs),
                      run(RunKind::Weak, 0, "2026-12-04", 100, 120, 250, 10)});
    ASSERT_TRUE(seeded.log);
    const ProgressItem zr{RunKind::Word, 5, u"resource\\zr.zrd"_qs, QString()};
    const ProgressItem slot7{RunKind::Word, 7, QString(), QString()};
    const struct {
        const char *name;
        ProgressSelection selection;
        const char *expected;
    } rows[] = {
        {"every practice", {}, "2026-12-01:300 2026-12-02:210 2026-12-03:690 2026-12-04:250"},
        {"basic practice", {RunKind::Training, std::nullopt}, "2026-12-01:100"},
        {"word practice with its day totals", {RunKind::Word, std::nullopt}, "2026-12-01:200 2026-12-02:210 2026-12-03:450"},
        {"a file in two slots", {std::nullopt, zr}, "2026-12-02:210 2026-12-03:220"},
        {"a slot without a file", {std::nullopt, slot7}, "2026-12-03:230"},
        {"weak-key practice", {RunKind::Weak, std::nullopt}, "2026-12-04:250"},
        {"nothing of a kind", {std::nullopt, ProgressItem{RunKind::Training, 9, QString(), QString()}}, ""},
    };
    for (const auto &row : rows) {
        LogError error;
        const auto days = DailyProgress(*seeded.log, row.selection, &error);
        ASSERT_TRUE(days) << row.name;
        EXPECT_EQ(datesOf(*days), QString::fromLatin1(row.expected)) << row.name;
    }

    // The items: Chapters, then words and sentences by their latest slot, then weak-key
    // practice; the file of slots 2 and 5 once, under its last slot.
    const auto items = ProgressItems(*seeded.log, nullptr);
    ASSERT_TRUE(items);
    QStringList listed;
    for (const ProgressItem &i : *items)
        listed << QStringLiteral("%1 %2 %3 %4").arg(RunKindName(i.kind)).arg(i.item).arg(i.file, i.title);
    EXPECT_EQ(listed, (QStringList{u"training 3  Chapter 3"_qs, u"word 2  slot 2"_qs, u"word 5 resource\\zr.zrd slot 5"_qs,
                                   u"word 7  slot 7"_qs, u"sentence 2 resource\\juku1.zrw slot 2"_qs, u"weak 0  slot 0"_qs}));
    EXPECT_TRUE(items->at(2).sameItem(ProgressItem{RunKind::Word, 2, u"resource\\zr.zrd"_qs, QString()}));
    EXPECT_FALSE(items->at(1).sameItem(items->at(3)));
}

TEST(ProgressSeries, FiguresAreSumsOfTheRunsAsTheResultScreensCompute)
{
    ProgressFigures f;
    f.units = 100;
    f.seconds = 150;   // 2.5 minutes
    f.hits = 240;
    f.misses = 12;
    EXPECT_DOUBLE_EQ(*f.speed(), 40);
    EXPECT_DOUBLE_EQ(*f.accuracy(), 95);
    EXPECT_FALSE(ProgressFigures{}.speed());
    EXPECT_FALSE(ProgressFigures{}.accuracy());
}

TEST(ProgressSeries, RunsKeepTheLocalDateTheyWereFiledUnder)
{
    // Half past eight in the morning of New Year's Day in Tokyo is still the old year
    // in UTC: the run belongs to January.
    LoggedRun newYear = run(RunKind::Word, 1, "2027-01-01", 100, 120, 200, 10);
    newYear.started = QDateTime(QDate(2026, 12, 31), QTime(23, 30), Qt::UTC);
    SeededLog seeded({run(RunKind::Word, 1, "2026-12-31", 100, 120, 100, 10), newYear});
    ASSERT_TRUE(seeded.log);
    const auto days = DailyProgress(*seeded.log, {}, nullptr);
    ASSERT_TRUE(days);
    EXPECT_EQ(datesOf(GroupProgress(*days, ProgressGrouping::Month)), "2026-12-01:100 2027-01-01:200");
}

TEST(ProgressGrouping, DaysFallIntoWeeksAndMonthsAcrossTheYearsEnd)
{
    QList<ProgressFigures> days;
    for (const char *d : {"2026-12-27", "2026-12-28", "2026-12-31", "2027-01-01", "2027-01-03", "2027-01-04", "2027-02-01"}) {
        ProgressFigures f;
        f.first = f.last = day(d);
        f.runs = 1;
        f.hits = 10;
        days.append(f);
    }
    const struct {
        ProgressGrouping grouping;
        const char *expected;
    } rows[] = {
        {ProgressGrouping::Day,
         "2026-12-27:10 2026-12-28:10 2026-12-31:10 2027-01-01:10 2027-01-03:10 2027-01-04:10 2027-02-01:10"},
        // Monday 28 December to Sunday 3 January is one week.
        {ProgressGrouping::Week, "2026-12-21:10 2026-12-28:40 2027-01-04:10 2027-02-01:10"},
        {ProgressGrouping::Month, "2026-12-01:30 2027-01-01:30 2027-02-01:10"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(datesOf(GroupProgress(days, row.grouping)), QString::fromLatin1(row.expected)) << int(row.grouping);
    const QList<ProgressFigures> weeks = GroupProgress(days, ProgressGrouping::Week);
    EXPECT_EQ(weeks[1].last, day("2027-01-03"));
    EXPECT_EQ(weeks[1].runs, 4);

    const struct {
        const char *first;
        const char *last;
        ProgressGrouping expected;
    } spans[] = {
        {"2026-12-08", "2026-12-08", ProgressGrouping::Day},  {"2026-11-01", "2027-01-02", ProgressGrouping::Day},
        {"2026-11-01", "2027-01-03", ProgressGrouping::Week}, {"2026-01-01", "2027-07-03", ProgressGrouping::Week},
        {"2026-01-01", "2027-07-04", ProgressGrouping::Month},
    };
    for (const auto &span : spans)
        EXPECT_EQ(GroupingForSpan(day(span.first), day(span.last)), span.expected) << span.first << " " << span.last;
}

TEST(WeakestKeys, LowestAccuracyOfLearnedKeysPressedOftenEnough)
{
    const struct {
        const char *name;
        QList<KeyTotal> totals;
        const char *learned;
        const char *expected;
    } rows[] = {
        {"nothing yet", {}, "fj", ""},
        {"too few presses", {{'f', 15, 4, 3000}, {'j', 20, 0, 4000}}, "fj", "j"},
        {"presses count misses too", {{'f', 15, 5, 3000}}, "fj", "f"},
        {"an unlearned key is left out", {{'f', 40, 10, 8000}, {'j', 40, 1, 8000}}, "j", "j"},
        {"lowest accuracy first", {{'d', 40, 2, 8000}, {'f', 40, 8, 8000}, {'j', 40, 4, 8000}}, "fjd", "fjd"},
        // 2 in 40 and 1 in 20 are the same accuracy: the slower mean time is weaker.
        {"ties by mean time", {{'f', 40, 2, 8000}, {'j', 20, 1, 5000}}, "fj", "jf"},
        {"a key without a hit is the weakest", {{'f', 40, 20, 8000}, {'j', 0, 25, 0}}, "fj", "jf"},
        {"at most five",
         {{'a', 30, 1, 1}, {'s', 30, 2, 1}, {'d', 30, 3, 1}, {'f', 30, 4, 1}, {'j', 30, 5, 1}, {'k', 30, 6, 1}},
         "asdfjk", "kjfds"},
    };
    for (const auto &row : rows) {
        QString keys;
        for (const KeyTotal &k : WeakestOf(row.totals, QString::fromLatin1(row.learned)))
            keys += k.key();
        EXPECT_EQ(keys, QString::fromLatin1(row.expected)) << row.name;
    }
}

TEST(WeakestKeys, OverTheLastThirtyDaysOfTheLog)
{
    // f was weak long ago; over the last 30 days j is, and f, without a miss, comes
    // after it.
    SeededLog seeded({run(RunKind::Word, 1, "2026-11-08", 100, 120, 100, 10, QString(), {key(u'f', 30, 15, 9000)}),
                      run(RunKind::Word, 1, "2026-11-09", 100, 120, 100, 10, QString(),
                          {key(u'f', 30, 0, 6000), key(u'j', 30, 3, 6000)})});
    ASSERT_TRUE(seeded.log);
    const struct {
        const char *today;
        int days;
        const char *expected;
    } rows[] = {{"2026-12-08", 30, "jf"}, {"2026-12-07", 30, "fj"}, {"2026-12-07", 29, "jf"}, {"2026-12-09", 30, ""}};
    for (const auto &row : rows) {
        LogError error;
        const auto weakest = WeakestKeys(*seeded.log, u"fj", day(row.today), &error, row.days);
        ASSERT_TRUE(weakest) << row.today;
        QString keys;
        for (const KeyTotal &k : *weakest)
            keys += k.key();
        EXPECT_EQ(keys, QString::fromLatin1(row.expected)) << row.today << " " << row.days;
    }
    // The heat map's periods end today too.
    const auto week = KeyTotalsOfPeriod(*seeded.log, KeyPeriod::Last7Days, day("2026-11-14"), nullptr);
    const auto month = KeyTotalsOfPeriod(*seeded.log, KeyPeriod::Last30Days, day("2026-12-07"), nullptr);
    const auto all = KeyTotalsOfPeriod(*seeded.log, KeyPeriod::Everything, day("2030-01-01"), nullptr);
    ASSERT_TRUE(week && month && all);
    EXPECT_EQ(week->size(), 2);
    EXPECT_EQ(week->first().hits, 60);
    EXPECT_EQ(month->first().hits, 60);
    EXPECT_EQ(all->first().misses, 15);
}
