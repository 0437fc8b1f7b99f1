#include "userdata/UserSummary.h"

#include "TestSupport.h"
#include "platform/Format.h"

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

namespace {

constexpr double kDay = 46364;

double seconds(double s)
{
    return s / 86400.0;
}

// A record practised on two days: 300 hits, 15 misses, 240 units in 2 minutes.
ScoreRecord twoDays()
{
    ScoreRecord r;
    double total = 0;
    ApplyScoreUpdate(r, total, 100, 120, 6, seconds(50), kDay);
    ApplyScoreUpdate(r, total, 140, 180, 9, seconds(70), kDay + 1);
    r.TotalTime += seconds(600);   // older runs no longer among the stored days
    r.PracticeCount += 5;
    return r;
}

}  // namespace

TEST(ScoreSummary, OverviewOfOneItem)
{
    const ScoreOverview never = OverviewOf(SummarizeScore(ScoreRecord{}));
    EXPECT_EQ(never.totalTime, u"0分"_qs);
    EXPECT_EQ(never.practiceCount, u"0回"_qs);
    EXPECT_TRUE(never.lastDate.isEmpty() && never.accuracy.isEmpty() && never.speed.isEmpty());

    // The time and the runs cover the item's whole life, the averages its stored days.
    const ScoreOverview o = OverviewOf(SummarizeScore(twoDays()));
    EXPECT_EQ(o.totalTime, u"12分"_qs);
    EXPECT_EQ(o.practiceCount, u"7回"_qs);
    EXPECT_EQ(o.lastDate, ShortDateText(kDay + 1));
    EXPECT_EQ(o.accuracy, u"95%"_qs);
    EXPECT_EQ(o.speed, u"120.0字/分"_qs);
}

TEST(UserSummary, RowsAndLearnerFigures)
{
    UserRecord u;
    u.UserName = u"山田"_qs;
    u.LessonProgress = 3;
    u.TrainingScores[69].PracticeCount = 2;   // beyond the 35 Chapters a table once had
    u.WordScores[4] = twoDays();
    u.TotalPracticeTime = seconds(29);

    const QList<ItemRow> rows = SlotRows(u.WordScores, {u"一"_qs, "", "", "", u"五"_qs, "", "", "", "", ""});
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].item, 1);
    EXPECT_EQ(rows[0].texts, QStringList({" 1", u"一"_qs, "-", "-", "-", "-"}));
    EXPECT_EQ(rows[1].item, 5);
    EXPECT_EQ(rows[1].texts.mid(3), QStringList({" 7", u"12分"_qs, ShortDateText(kDay + 1)}));

    // A table of one line has one Chapter: Chapters 2 and 3 get no row.
    const QList<ItemRow> chapters = ChapterRows(u, ChapterTable({u"fj"_qs}), false);
    ASSERT_EQ(chapters.size(), 1);
    EXPECT_EQ(chapters[0].texts.first(), QString("Chapter 1"));
    EXPECT_EQ(chapters[0].texts.last(), QString("-"));

    UserInfo info = UserInfoOf(u);
    EXPECT_EQ(info.totalTime, u" 0分"_qs);
    EXPECT_EQ(info.runs, u" 9回"_qs);
    EXPECT_EQ(info.accuracy, QString("95"));
    EXPECT_EQ(info.speed, QString("120"));
    EXPECT_FALSE(info.damaged);

    u.WordScores[4].DayTime[3] = 1e300;
    info = UserInfoOf(u);
    EXPECT_TRUE(info.damaged);
    u.WordScores[4] = ScoreRecord{};
    info = UserInfoOf(u);
    EXPECT_EQ(info.accuracy + info.speed, QString("--"));
}
