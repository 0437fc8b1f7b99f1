#include "results/TrainingResult.h"

#include "TestSupport.h"
#include "platform/Cp932.h"

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

namespace {

KeyStats stats(std::initializer_list<std::tuple<char16_t, double, double>> keys)
{
    KeyStats s;
    for (const auto &[key, hits, misses] : keys) {
        KeyStat *k = s.at(ansiKeyCode(QChar(key)));
        k->hits = hits;
        k->misses = misses;
        k->milliseconds = hits * 300;
    }
    return s;
}

const double kMinute = 1.0 / 1440;

}  // namespace

TEST(Grading, ClassesByLevel)
{
    // Level 1: 80 % on 12 hits is yellow and passes.
    TrainingGrade g = GradeKeys(stats({{u'f', 12, 2.4}}), ThresholdsForLevel(u"1"_qs), 1);
    ASSERT_EQ(g.rows.size(), 1);
    EXPECT_EQ(g.rows[0].accuracy, 80);
    EXPECT_EQ(g.rows[0].keyClass, PracticeKey);
    EXPECT_TRUE(g.Passed);
    // Level 2: 9 hits never fail.
    g = GradeKeys(stats({{u'f', 9, 1.8}}), ThresholdsForLevel(u"2"_qs), 1);
    EXPECT_EQ(g.rows[0].keyClass, PracticeKey);
    EXPECT_TRUE(g.Passed);
    // Level 3 (and anything unknown): 89 % on 20 hits fails.
    g = GradeKeys(stats({{u'f', 20, 2.2}}), ThresholdsForLevel(u"x"_qs), 1);
    EXPECT_EQ(g.rows[0].accuracy, 89);
    EXPECT_EQ(g.rows[0].keyClass, FailedKey);
    EXPECT_FALSE(g.Passed);
    // 1 miss in 250 hits rounds to 100: no miss.
    g = GradeKeys(stats({{u'j', 250, 1}}), ThresholdsForLevel(u"3"_qs), 1);
    EXPECT_EQ(g.rows[0].keyClass, NoMissKey);
    // 92 % at Level 2 is green.
    g = GradeKeys(stats({{u'j', 25, 2}}), ThresholdsForLevel(u"2"_qs), 1);
    EXPECT_EQ(g.rows[0].keyClass, GoodKey);
    EXPECT_EQ(PictureCodeOfClass(NoMissKey), 5);
    EXPECT_EQ(PictureCodeOfClass(FailedKey), 6);
}

TEST(Grading, RowsInCodeOrderWithTotalsAndRoundingToEven)
{
    // 1 - 1/8 = 87.5 rounds to 88; 1 - 5/200 = 97.5 rounds to 98; 62.5 rounds to 62.
    const TrainingGrade g = GradeKeys(stats({{u'k', 8, 1}, {u'a', 200, 5}, {u'ﾊ', 8, 3}}), ThresholdsForLevel(u"2"_qs), 1);
    ASSERT_EQ(g.rows.size(), 3);
    EXPECT_EQ(g.rows[0].key, u'a');
    EXPECT_EQ(g.rows[0].name, u"A"_qs);
    EXPECT_EQ(g.rows[0].accuracy, 98);
    EXPECT_EQ(g.rows[1].accuracy, 88);
    EXPECT_EQ(g.rows[2].key, u'ﾊ');
    EXPECT_EQ(g.rows[2].accuracy, 62);
    EXPECT_DOUBLE_EQ(g.hits, 216);
    EXPECT_DOUBLE_EQ(g.misses, 9);
}

TEST(Advice, TargetKeysPassAndWeakHomeKeys)
{
    const TrainingGrade g = GradeKeys(stats({{u'a', 20, 3}, {u's', 20, 3}, {u'g', 30, 0}, {u'h', 30, 2}}),
                                      ThresholdsForLevel(u"2"_qs), 5);
    EXPECT_EQ(g.weakHomeKeys, 2);
    Advice a = TrainingAdvice(g, u"gh"_qs, 5, 5);
    EXPECT_EQ(a.caption, ResultCaption::Passed);
    EXPECT_TRUE(a.text.startsWith(u"　【 Ｇ 】キーにミスタイプはありません！素晴らしい成績です。\r\n"
                                  u"　【 Ｈ 】キーの正解率は、十分満足できる成績です。\r\n\r\n"
                                  u"　おめでとうございます！Chapter  5は合格しました。\r\n"_qs));
    EXPECT_TRUE(a.text.contains(u"ホームポジション上のキーの正解率が良くありません。"_qs));
    EXPECT_FALSE(a.text.contains(u"【 Ａ 】"_qs));   // not a new key

    // An earlier Chapter: nothing about passing.
    a = TrainingAdvice(g, u"gh"_qs, 5, 9);
    EXPECT_EQ(a.caption, ResultCaption::Unchanged);
    EXPECT_FALSE(a.text.contains(u"合格"_qs));
    // Weak home keys count from Chapter 4 on.
    EXPECT_EQ(GradeKeys(stats({{u'a', 20, 3}, {u's', 20, 3}}), ThresholdsForLevel(u"2"_qs), 3).weakHomeKeys, 0);
}

TEST(Advice, FailureNamesEveryPoorKey)
{
    const TrainingGrade g = GradeKeys(stats({{u'f', 20, 2.2}, {u'j', 9, 3}, {u'k', 30, 4}}), ThresholdsForLevel(u"3"_qs), 2);
    const Advice a = TrainingAdvice(g, u"j"_qs, 2, 2);
    EXPECT_EQ(a.caption, ResultCaption::Failed);
    // j has too few hits to be named, k (87 %) and f (89 %) are.
    EXPECT_TRUE(a.text.contains(u"　【 Ｆ 】【 Ｋ 】キーの正解率が良くないため、不合格となります。\r\n"_qs));
}

TEST(Advice, FailureFollowsTheLevelAndNamesTheSpaceBar)
{
    // Level 1 fails below 75 %: k at 80 % is "合格圏内" and must not be a reason to fail.
    const TrainingGrade g = GradeKeys(stats({{u'k', 20, 4}, {u' ', 20, 6}, {u'j', 20, 8}}), ThresholdsForLevel(u"1"_qs), 2);
    const Advice a = TrainingAdvice(g, u"k "_qs, 2, 2);
    EXPECT_EQ(a.caption, ResultCaption::Failed);
    EXPECT_TRUE(a.text.contains(u"　【 Ｋ 】キーの正解率は合格圏内ですが"_qs));
    EXPECT_TRUE(a.text.contains(u"　【 スペース 】【 Ｊ 】キーの正解率が良くないため、不合格となります。\r\n"_qs)) << a.text.toStdString();
}

TEST(ScoreAdd, FirstPracticeAndComparisonWithTheLastDay)
{
    const QString first = ScoreAddText(ScoreRecord{}, 100, kMinute, 200, 10, 40);
    EXPECT_EQ(first, u"\r\n　このレッスンは今回が初めての練習となります。\r\n"
                     u"　今回の正解率は 95%、入力速度は 100.0字/分でした。\r\n\r\n"
                     u"　貴方の目標値は40 字/分です。\r\n"
                     u"　目標値を余裕でクリアしていますね。もうすこし目標を上げてみませんか？\r\n"_qs);

    ScoreRecord before;
    before.DayKeys[0] = 100;
    before.DayMisses[0] = 10;
    before.DayChars[0] = 80;
    before.DayTime[0] = kMinute;
    before.DayDate[0] = 46363;   // 2026-12-07
    const QString again = ScoreAddText(before, 100, kMinute, 200, 10, 100);
    EXPECT_TRUE(again.contains(u"　前回の練習日は、2026年12月7日(月曜日)です。\r\n"_qs));
    EXPECT_TRUE(again.contains(u"　今回の正解率は 95%(+5.0)、入力速度は 100.0字/分(+20.0)でした。\r\n"_qs));
    EXPECT_TRUE(again.contains(u"入力速度が目標値をクリアしました。"_qs));
}

TEST(ScoreAdd, TargetSpeedBands)
{
    EXPECT_TRUE(TargetSpeedJudgement(100, 125.0).contains(u"目標値をクリアしました"_qs));        // d = 0.8
    EXPECT_TRUE(TargetSpeedJudgement(100, 83.4).contains(u"おおむね届いています"_qs));         // d = 1.199
    EXPECT_TRUE(TargetSpeedJudgement(100, 80).contains(u"届いていません"_qs));                // d = 1.25
    EXPECT_TRUE(TargetSpeedJudgement(100, 100).contains(u"目標値をクリアしました"_qs));       // d = 1
    EXPECT_TRUE(TargetSpeedJudgement(100, 150).contains(u"大きくクリア"_qs));                 // d = 0.67
    EXPECT_TRUE(TargetSpeedJudgement(100, 200).contains(u"大きくクリア"_qs));                 // d = 0.5
    EXPECT_TRUE(TargetSpeedJudgement(100, 201).contains(u"余裕でクリア"_qs));
    // No speed (no unit, or under a second) has reached nothing.
    EXPECT_TRUE(TargetSpeedJudgement(40, 0).contains(u"届いていません"_qs));
    EXPECT_EQ(RunSpeed(10, 0.4 / 86400), 0);
    EXPECT_EQ(RunAccuracy(0, 0), 0);
    EXPECT_TRUE(ScoreAddText(ScoreRecord{}, 0, 0, 0, 0, 40).contains(u"今回の正解率は 0%、入力速度は 0.0字/分でした。"_qs));
}

TEST(Progress, OnlyAPassOfTheReachedChapterAdvances)
{
    EXPECT_EQ(ProgressAfterResult(3, 3, true, 21), 4);
    EXPECT_EQ(ProgressAfterResult(3, 3, false, 21), 3);
    EXPECT_EQ(ProgressAfterResult(2, 3, true, 21), 3);
    EXPECT_EQ(ProgressAfterResult(21, 21, true, 21), 21);   // the last Chapter
}
