#include "results/ScoreRecord.h"
#include "userdata/ScoreUpdate.h"

#include "platform/Format.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zr;

namespace {

constexpr double kDay = 46364;   // 2026-12-08

double seconds(double s)
{
    return s / 86400.0;
}

}  // namespace

TEST(ScoreUpdate, FirstRunFillsEntryOne)
{
    ScoreRecord r;
    double total = 0;
    ApplyScoreUpdate(r, total, 100, 120, 6, seconds(150), kDay);
    EXPECT_EQ(r.PracticeCount, 1);
    EXPECT_EQ(r.DayChars[0], 100);
    EXPECT_EQ(r.DayKeys[0], 120);
    EXPECT_EQ(r.DayMisses[0], 6);
    EXPECT_DOUBLE_EQ(r.DayTime[0], seconds(150));
    EXPECT_EQ(r.DayDate[0], kDay);
    EXPECT_EQ(r.DayDate[1], 0);
    EXPECT_DOUBLE_EQ(total, seconds(150));
    EXPECT_TRUE(r.practised());
}

TEST(ScoreUpdate, SameDayRunsAddUp)
{
    ScoreRecord r;
    double total = 0;
    ApplyScoreUpdate(r, total, 100, 120, 6, seconds(150), kDay);
    ApplyScoreUpdate(r, total, 50, 60, 4, seconds(60), kDay);
    EXPECT_EQ(r.PracticeCount, 2);
    EXPECT_EQ(r.DayChars[0], 150);
    EXPECT_EQ(r.DayKeys[0], 180);
    EXPECT_EQ(r.DayMisses[0], 10);
    EXPECT_EQ(r.DayKeys[1], 0);
    EXPECT_DOUBLE_EQ(r.TotalTime, seconds(210));
}

TEST(ScoreUpdate, SixteenDaysDropTheFirst)
{
    ScoreRecord r;
    double total = 0;
    for (int d = 0; d < 16; ++d)
        ApplyScoreUpdate(r, total, d + 1, 10, 0, seconds(60), kDay + d);
    EXPECT_EQ(r.PracticeCount, 16);
    EXPECT_EQ(r.DayDate[0], kDay + 15);
    EXPECT_EQ(r.DayDate[14], kDay + 1);   // entry 15 is the second day
    EXPECT_EQ(r.DayChars[14], 2);
    EXPECT_DOUBLE_EQ(r.TotalTime, seconds(960));
}

TEST(ScoreUpdate, RangeCheckedIndexes)
{
    UserRecord u;
    EXPECT_FALSE(ScoreUpdate(u, ScoreBlock::Training, 0, 1, 1, 0, 0.001, kDay));
    EXPECT_FALSE(ScoreUpdate(u, ScoreBlock::Training, 71, 1, 1, 0, 0.001, kDay));
    EXPECT_FALSE(ScoreUpdate(u, ScoreBlock::Word, 11, 1, 1, 0, 0.001, kDay));
    EXPECT_EQ(u, UserRecord{});   // nothing was written anywhere
    EXPECT_TRUE(ScoreUpdate(u, ScoreBlock::Training, 70, 1, 1, 0, 0.001, kDay));
    EXPECT_TRUE(ScoreUpdate(u, ScoreBlock::Sentence, 10, 1, 1, 0, 0.001, kDay));
    EXPECT_EQ(u.TrainingScores[69].PracticeCount, 1);
    EXPECT_EQ(u.SentenceScores[9].PracticeCount, 1);
    EXPECT_DOUBLE_EQ(u.TotalPracticeTime, 0.002);
}

TEST(DerivedFigures, PracticeMinutesCountWholeDaysAndSeconds)
{
    const struct {
        double duration;
        double minutes;
    } cases[] = {
        {seconds(90 * 60 + 30), 90.5},
        {1.0 + seconds(60), 1441},          // a day of practice does not start again from 0
        {3.0, 3 * 1440},
        {seconds(86399.6), 1440},           // rounds to whole seconds, across the day
        {seconds(0.4), 0},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(PracticeMinutes(c.duration), c.minutes) << c.duration;
    EXPECT_DOUBLE_EQ(*Speed(1441 * 100, 1.0 + seconds(60)), 100);
    EXPECT_FALSE(CheckedPracticeMinutes(std::nan("")));
    EXPECT_FALSE(CheckedPracticeMinutes(1e10));
    EXPECT_DOUBLE_EQ(*CheckedPracticeMinutes(seconds(90)), 1.5);
}

TEST(DerivedFigures, AccuracyBelowZeroShowsWithoutSign)
{
    const auto a = Accuracy(10, 12);
    ASSERT_TRUE(a);
    EXPECT_DOUBLE_EQ(*a, -20);
    EXPECT_EQ(FormatNumber(*a, u"###;###;0") + u'%', QString("20%"));
    EXPECT_FALSE(Accuracy(0, 3));
    EXPECT_DOUBLE_EQ(*Accuracy(300, 15), 95);
}

TEST(DerivedFigures, SpeedNeedsAtLeastOneSecond)
{
    EXPECT_DOUBLE_EQ(*Speed(181, seconds(90 * 60 + 30)), 2);
    EXPECT_FALSE(Speed(10, seconds(0.3)));
    ScoreRecord r;
    r.DayChars[0] = 100;
    r.DayKeys[0] = 120;
    r.DayMisses[0] = 6;
    r.DayTime[0] = seconds(120);
    EXPECT_DOUBLE_EQ(*EntrySpeed(r, 1), 50);
    EXPECT_DOUBLE_EQ(*EntryAccuracy(r, 1), 95);
    EXPECT_FALSE(EntryAccuracy(r, 2));   // an empty entry has no accuracy
    EXPECT_FALSE(EntryAccuracy(r, 16));
    EXPECT_FALSE(EntrySpeed(r, 0));
}
