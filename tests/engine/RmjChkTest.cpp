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

// One row per rule of cutting and looking up units: the word, its units, its keys and
// the count of units.
struct ConversionRow {
    const char16_t *word;
    const char16_t *SpKana;
    const char *Rmj;
    int result;
};

TEST(RmjChk, ConversionRules)
{
    const ConversionRow rows[] = {
        {u"きって", u"き/って", "kitte", 2},        // っ doubles the first key of the next unit
        {u"っきゃ", u"っきゃ", "kkya", 1},          // っ with a unit of two kana
        // Where a doubled key would read as something else, っ has keys of its own:
        {u"あっ", u"あ/っ", "axtu", 2},             // at the end of a word
        {u"あっ、", u"あ/っ、", "axtu,", 2},        // before punctuation
        {u"っあ", u"っあ", "xtua", 1},              // before a vowel
        {u"っな", u"っな", "xtuna", 1},             // before n (nn is ん)
        {u"あっぬか", u"あ/か", "aka", 3},          // an unknown kana drops the whole っ unit
        {u"あぬか", u"あ/か", "aka", 3},            // unknown units are dropped but counted
        {u"ぬ", u"ぬ/", "", 0},                     // no keys at all
        {u"", u"", "", 0},
    };
    for (const ConversionRow &row : rows) {
        const RmjConversion c = convert(QString::fromUtf16(row.word));
        SCOPED_TRACE(QString::fromUtf16(row.word).toStdString());
        EXPECT_EQ(c.Rmj, QString::fromLatin1(row.Rmj));
        EXPECT_EQ(c.result, row.result);
        if (row.result > 0) {
            EXPECT_EQ(c.SpKana, QString::fromUtf16(row.SpKana));
        }
    }
    const RmjConversion c = convert(u"あっぬか"_qs);
    EXPECT_EQ(c.SpRmj, QString("a/ka"));   // dropped from every output alike
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
