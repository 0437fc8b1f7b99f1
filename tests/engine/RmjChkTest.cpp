#include "engine/RmjChk.h"

#include "TestSupport.h"
#include "keyboard/KeyboardModel.h"

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

namespace {

// A romaji table with the spellings the examples name.
RomajiTable exampleTable()
{
    RomajiTable t;
    t.load({{u"しゃ"_qs, "sha"}, {u"し"_qs, "shi"}, {u"ん"_qs, "nn"}, {u"き"_qs, "ki"},
            {u"て"_qs, "te"}, {u"きゃ"_qs, "kya"}, {u"っ"_qs, "xtu"}, {u"あ"_qs, "a"},
            {u"か"_qs, "ka"}, {u"さ"_qs, "sa"}, {u"だ"_qs, "da"}, {u"ほ"_qs, "ho"},
            {u"、"_qs, ","}, {u"な"_qs, "na"}, {u"・"_qs, "/"}, {u"い"_qs, "i"},
            {u"が"_qs, "ga"}, {u"ふ"_qs, "hu"}, {u"じ"_qs, "ji"}});
    return t;
}

RmjConversion convert(const QString &word, int mode = 1, const QString &use = QString(),
                      const QString &target = QString())
{
    static const RomajiTable table = exampleTable();
    return ConvertWord(word, use, target, mode, RomajiCourse, table);
}

}  // namespace

TEST(RmjChk, CutsWordsIntoUnits)
{
    const RmjConversion c = convert(u"しゃしん"_qs);
    EXPECT_EQ(c.result, 3);
    EXPECT_EQ(c.SpKana, QStringLiteral(u"しゃ/し/ん"));
    EXPECT_EQ(c.Rmj, QString("shashinn"));
    EXPECT_EQ(c.SpRmj, QString("sha/shi/nn"));
    ASSERT_EQ(c.units.size(), 3);
    EXPECT_EQ(c.units[0].kana, QStringLiteral(u"しゃ"));
    EXPECT_EQ(c.units[2].keys, QString("nn"));

    QString SpKana, Rmj, SpRmj;
    EXPECT_EQ(RmjChk(u"しゃしん", u"", u"", SpKana, Rmj, SpRmj, 1, RomajiCourse, exampleTable()), 3);
    EXPECT_EQ(Rmj, QString("shashinn"));
}

TEST(RmjChk, SokuonDoublesTheNextConsonant)
{
    RmjConversion c = convert(u"きって"_qs);
    EXPECT_EQ(c.Rmj, QString("kitte"));
    EXPECT_EQ(c.SpKana, QStringLiteral(u"き/って"));
    EXPECT_EQ(c.result, 2);
    c = convert(u"っきゃ"_qs);
    EXPECT_EQ(c.Rmj, QString("kkya"));
    EXPECT_EQ(c.SpKana, QStringLiteral(u"っきゃ"));
    EXPECT_EQ(c.result, 1);
}

TEST(RmjChk, SokuonWhereDoublingMeansSomethingElse)
{
    // At the end of a word, before a vowel, before ん or before punctuation, a doubled
    // key would not give っ; っ is typed by its own keys instead.
    EXPECT_EQ(convert(u"あっ"_qs).Rmj, QString("axtu"));
    EXPECT_EQ(convert(u"あっ、"_qs).Rmj, QString("axtu,"));
    EXPECT_EQ(convert(u"っあ"_qs).Rmj, QString("xtua"));
    EXPECT_EQ(convert(u"っな"_qs).Rmj, QString("xtuna"));
    EXPECT_EQ(convert(u"あっ、"_qs).SpKana, QStringLiteral(u"あ/っ、"));
    // An unknown kana after っ drops the whole unit, from every output alike.
    const RmjConversion c = convert(u"あっぬか"_qs);
    EXPECT_EQ(c.SpKana, QStringLiteral(u"あ/か"));
    EXPECT_EQ(c.SpRmj, QString("a/ka"));
    EXPECT_EQ(c.result, 3);
}

TEST(RmjChk, UnknownUnitsAreDroppedButCounted)
{
    const RmjConversion c = convert(u"あぬか"_qs);
    EXPECT_EQ(c.SpKana, QStringLiteral(u"あ/か"));
    EXPECT_EQ(c.Rmj, QString("aka"));
    EXPECT_EQ(c.result, 3);
    EXPECT_EQ(convert(u"ぬ"_qs).result, 0);   // no keys at all
    EXPECT_EQ(convert(QString()).result, 0);
}

TEST(RmjChk, FilterKeepsWordsOfLearnedKeysWithANewKey)
{
    RomajiTable t;
    t.load({{u"か"_qs, "ka"}, {u"さ"_qs, "sa"}, {u"じ"_qs, "ja"}, {u"が"_qs, "ga"}, {u"だ"_qs, "da"}});
    auto accepted = [&](const QString &word) {
        return ConvertWord(word, u"asdfjkl;", u"jk", 0, RomajiCourse, t);
    };
    EXPECT_EQ(accepted(u"かさ"_qs).result, 2);       // k is new
    EXPECT_EQ(accepted(u"じだ"_qs).result, 2);       // j is new
    EXPECT_EQ(accepted(u"かが"_qs).result, 0);       // g is not learned
    const RmjConversion rejected = accepted(u"さだ"_qs);   // only old keys
    EXPECT_EQ(rejected.result, 0);
    EXPECT_EQ(rejected.SpKana, QStringLiteral(u"さ/だ/"));   // the separator stays on a rejected word
}

TEST(RmjChk, KanaCourseTakesEveryCharacterAlone)
{
    const RomajiTable t = shippedTable(KanaCourse);
    const RmjConversion c = ConvertWord(u"がっこう", u"", u"", 1, KanaCourse, t);
    EXPECT_EQ(c.result, 4);
    EXPECT_EQ(c.SpKana, QStringLiteral(u"が/っ/こ/う"));
    EXPECT_EQ(c.Rmj, QStringLiteral(u"ｶﾞｯｺｳ"));
    EXPECT_EQ(c.SpRmj, QStringLiteral(u"ｶﾞ/ｯ/ｺ/ｳ"));
    // きゃ is two units in this course.
    EXPECT_EQ(ConvertWord(u"きゃ", u"", u"", 1, KanaCourse, t).SpRmj, QStringLiteral(u"ｷ/ｬ"));
}

TEST(RmjChk, OtherCoursesConvertNothing)
{
    EXPECT_EQ(ConvertWord(u"か", u"", u"", 1, 2, exampleTable()).result, 0);
}

TEST(RmjChk, UnitsKeepSlashKeysApart)
{
    // ・ is typed as "/", which is also the separator of SpRmj.
    const RmjConversion c = convert(u"あ・い"_qs);
    EXPECT_EQ(c.SpRmj, QString("a///i"));
    ASSERT_EQ(c.units.size(), 3);
    EXPECT_EQ(c.units[1].keys, QString("/"));
}

TEST(RmjChk, ShippedRomajiTableConvertsEverydayText)
{
    const RomajiTable t = shippedTable(RomajiCourse);
    auto keys = [&](const char16_t *word) { return ConvertWord(QString::fromUtf16(word), u"", u"", 1, RomajiCourse, t).Rmj; };
    EXPECT_EQ(keys(u"しゃしん"), QString("syasinn"));
    EXPECT_EQ(keys(u"ちょっと"), QString("tyotto"));
    EXPECT_EQ(keys(u"ぱーてぃー"), QString("pa-thi-"));
    EXPECT_EQ(keys(u"「いっしょに」。"), QString("[issyoni]."));
    EXPECT_EQ(keys(u"ヴぁいおりん"), QString("vaiorinn"));
}
