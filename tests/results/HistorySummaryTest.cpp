#include "results/HistorySummary.h"

#include <gtest/gtest.h>

using namespace zr;

namespace {

double seconds(double s)
{
    return s / 86400.0;
}

struct Day {
    int entry;   // 1 to 15
    double chars, hits, misses, time, date;
};

ScoreRecord recordOf(std::initializer_list<Day> days, double count)
{
    ScoreRecord r;
    r.PracticeCount = count;
    for (const Day &d : days) {
        const auto e = size_t(d.entry - 1);
        r.DayChars[e] = d.chars;
        r.DayKeys[e] = d.hits;
        r.DayMisses[e] = d.misses;
        r.DayTime[e] = d.time;
        r.DayDate[e] = d.date;
        r.TotalTime += d.time;
    }
    return r;
}

}  // namespace

TEST(HistorySummary, AveragesCoverEveryStoredDay)
{
    const struct {
        const char *what;
        ScoreRecord record;
        std::optional<double> accuracy;
        std::optional<double> speed;
        double lastDate;
    } cases[] = {
        {"never practised", ScoreRecord{}, std::nullopt, std::nullopt, 0},
        {"two days, 300 hits and 15 misses",
         recordOf({{1, 200, 200, 10, seconds(120), 46364}, {2, 100, 100, 5, seconds(60), 46360}}, 3), 95.0, 100.0,
         46364},
        {"the oldest entry counts too",
         recordOf({{1, 60, 100, 0, seconds(60), 46364}, {15, 60, 100, 100, seconds(60), 46000}}, 2), 50.0, 60.0,
         46364},
        {"hits in under a second have no speed", recordOf({{1, 3, 4, 0, seconds(0.4), 46364}}, 1), 100.0,
         std::nullopt, 46364},
        {"more misses than hits", recordOf({{1, 10, 10, 12, seconds(60), 46364}}, 1), -20.0, 10.0, 46364},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const HistorySummary s = SummariseHistory(c.record);
        EXPECT_EQ(s.practiceCount, c.record.PracticeCount);
        EXPECT_EQ(s.totalTime, c.record.TotalTime);
        EXPECT_EQ(s.lastDate, c.lastDate);
        ASSERT_EQ(s.accuracy.has_value(), c.accuracy.has_value());
        if (c.accuracy) {
            EXPECT_DOUBLE_EQ(*s.accuracy, *c.accuracy);
        }
        ASSERT_EQ(s.speed.has_value(), c.speed.has_value());
        if (c.speed) {
            EXPECT_DOUBLE_EQ(*s.speed, *c.speed);
        }
    }
}
