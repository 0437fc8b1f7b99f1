#include "engine/RomajiTable.h"

#include "TestSupport.h"
#include "keyboard/KeyboardModel.h"
#include "platform/Cp932.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

namespace {

QList<RomajiEntry> parse(const QString &text)
{
    QString error;
    const auto entries = ParseDefaultTable(text, &error, "t.tbl");
    EXPECT_TRUE(entries) << error.toStdString();
    return entries.value_or(QList<RomajiEntry>());
}

}  // namespace

TEST(DefaultTableFile, FieldsSplitAtCommasAndLineBreaks)
{
    EXPECT_EQ(parse(u"あ,a\r\nい,i\r\n"_qs), (QList<RomajiEntry>{{u"あ"_qs, "a"}, {u"い"_qs, "i"}}));
    // One entry over two lines, and two entries on one line.
    EXPECT_EQ(parse(u"あ\r\na\r\nい,i,う,u"_qs),
              (QList<RomajiEntry>{{u"あ"_qs, "a"}, {u"い"_qs, "i"}, {u"う"_qs, "u"}}));
}

TEST(DefaultTableFile, QuotesTrimmingAndTheLastLine)
{
    EXPECT_EQ(parse(u"、,\",\"\r\n「 , [ \r\n\"ー\" ,-"_qs),
              (QList<RomajiEntry>{{u"、"_qs, ","}, {u"「"_qs, "["}, {u"ー"_qs, "-"}}));
    // Blank lines hold no field; a last entry without keys reads with empty keys.
    EXPECT_EQ(parse(u"\r\nあ,a\r\n\r\n\r\nい"_qs), (QList<RomajiEntry>{{u"あ"_qs, "a"}, {u"い"_qs, ""}}));
    EXPECT_EQ(parse("あ,a\nい,i\n"), (QList<RomajiEntry>{{u"あ"_qs, "a"}, {u"い"_qs, "i"}}));
}

TEST(DefaultTableFile, AnEmptyLastFieldKeepsItsPlace)
{
    // An empty field before a line break or the end is still a field; dropping it would
    // pair every later kana with the keys of the row before.
    const struct {
        const char16_t *text;
        QList<RomajiEntry> expected;
    } cases[] = {
        {u"ゐ,\r\nし,si\r\nち,ti\r\n", {{u"ゐ"_qs, ""}, {u"し"_qs, "si"}, {u"ち"_qs, "ti"}}},
        {u"ゐ,\nし,si", {{u"ゐ"_qs, ""}, {u"し"_qs, "si"}}},
        {u"し,si\r\nゐ,", {{u"し"_qs, "si"}, {u"ゐ"_qs, ""}}},
        {u",a\r\nし,si", {{"", "a"}, {u"し"_qs, "si"}}},
        {u"ゐ, \r\n\r\nし,si", {{u"ゐ"_qs, ""}, {u"し"_qs, "si"}}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parse(QString::fromUtf16(c.text)), c.expected) << QString::fromUtf16(c.text).toStdString();
}

TEST(DefaultTableFile, HoldsAtMost301Entries)
{
    QString text;
    for (int i = 0; i < 301; ++i)
        text += QStringLiteral("k%1,v\r\n").arg(i);
    EXPECT_EQ(parse(text).size(), 301);
    QString error;
    EXPECT_FALSE(ParseDefaultTable(text + "extra,x\r\n", &error, "big.tbl"));
    EXPECT_TRUE(error.contains("big.tbl"));
    EXPECT_FALSE(ParseDefaultTable(text + "odd", &error, "big.tbl"));

    TempDir dir;
    EXPECT_FALSE(ReadDefaultTable(dir.file("none.tbl"), &error));
    EXPECT_TRUE(error.contains("none.tbl"));
    writeBytes(dir.file("t.tbl"), toAnsi(u"が,ｶﾞ\r\n"));
    EXPECT_EQ(ReadDefaultTable(dir.file("t.tbl"), &error)->first(), (RomajiEntry{u"が"_qs, u"ｶﾞ"_qs}));
}

TEST(RomajiTable, FirstMatchingRowWins)
{
    RomajiTable t;
    t.load({{u"し"_qs, "shi"}, {u"か"_qs, "ka"}, {u"し"_qs, "si"}});
    EXPECT_EQ(t.find(u"し"), QString("shi"));
    EXPECT_EQ(t.find(u"か"), QString("ka"));
    EXPECT_FALSE(t.find(u"き"));
    EXPECT_FALSE(t.find(u""));   // unfilled rows never match
    t.setRow(0, {});
    EXPECT_EQ(t.find(u"し"), QString("si"));
}

TEST(RomajiTable, LoadingLeavesLaterRowsAndSpellingsSkipTheLastRow)
{
    RomajiTable t;
    t.setRow(5, {"x", "y"});
    t.setRow(300, {u"し"_qs, "si"});
    t.load({{u"し"_qs, "si"}});
    EXPECT_EQ(t.row(5), (RomajiEntry{"x", "y"}));
    t.setSpelling(u"し", "shi");
    EXPECT_EQ(t.row(0).keys, QString("shi"));
    EXPECT_EQ(t.row(300).keys, QString("si"));
}

TEST(SpellingAlternatives, TwentyFiveUnitsInTheirOrder)
{
    const auto &alts = SpellingAlternatives();
    ASSERT_EQ(alts.size(), 25);
    EXPECT_EQ(alts[0].kana, QStringLiteral(u"し"));
    EXPECT_EQ(alts[12].spelling[1], QString("ja"));
    EXPECT_EQ(alts[24].kana, QStringLiteral(u"っ"));
    EXPECT_EQ(alts[24].spelling[1], QString("ltu"));
}

TEST(ShippedDefaultTables, RomajiTableSpellsEveryUnitOnce)
{
    const RomajiTable t = shippedTable(RomajiCourse);
    QSet<QString> kana;
    int rows = 0;
    for (int i = 0; i < RomajiTable::kRows; ++i) {
        const RomajiEntry &e = t.row(i);
        if (e.kana.isEmpty())
            continue;
        ++rows;
        EXPECT_FALSE(kana.contains(e.kana)) << e.kana.toStdString();
        kana.insert(e.kana);
        ASSERT_FALSE(e.keys.isEmpty()) << e.kana.toStdString();
        for (QChar k : e.keys)
            EXPECT_TRUE(KeyIndexOf(k, RomajiCourse)) << e.kana.toStdString();
        EXPECT_EQ(e.keys, e.keys.toLower());
    }
    EXPECT_GT(rows, 180);
    // Each of the 25 units uses one of its two spellings, so the spelling dialog can
    // tell which one is chosen.
    for (const SpellingAlternative &a : SpellingAlternatives()) {
        const auto keys = t.find(a.kana);
        ASSERT_TRUE(keys) << a.kana.toStdString();
        EXPECT_TRUE(*keys == a.spelling[0] || *keys == a.spelling[1]) << a.kana.toStdString();
    }
    const QString syllabary = QStringLiteral(
        u"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん"
        u"がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽヴぁぃぅぇぉゃゅょっゎゐゑー、。「」・？！；：＠");
    for (QChar c : syllabary)
        EXPECT_TRUE(t.find(QString(c))) << QString(c).toStdString();
    for (const char16_t *unit : {u"きゃ", u"ぴょ", u"しぇ", u"ちぇ", u"じぇ", u"ふぁ", u"てぃ", u"でぃ",
                                 u"でゅ", u"うぃ", u"うぇ", u"ヴぁ", u"つぁ", u"ふぉ"})
        EXPECT_TRUE(t.find(QString::fromUtf16(unit))) << QString::fromUtf16(unit).toStdString();
    EXPECT_EQ(t.find(u"ん"), QString("nn"));
}

TEST(ShippedDefaultTables, KanaTableTypesOneHalfWidthKanaPerKey)
{
    const RomajiTable t = shippedTable(KanaCourse);
    EXPECT_EQ(t.find(u"が"), QStringLiteral(u"ｶﾞ"));
    EXPECT_EQ(t.find(u"ぱ"), QStringLiteral(u"ﾊﾟ"));
    EXPECT_EQ(t.find(u"ゃ"), QStringLiteral(u"ｬ"));
    EXPECT_EQ(t.find(u"、"), QStringLiteral(u"､"));
    EXPECT_EQ(t.find(u"ヴ"), QStringLiteral(u"ｳﾞ"));
    for (int i = 0; i < RomajiTable::kRows; ++i) {
        const RomajiEntry &e = t.row(i);
        if (e.kana.isEmpty())
            continue;
        // One unit is one character in this course.
        EXPECT_EQ(e.kana.size(), 1) << e.kana.toStdString();
        ASSERT_FALSE(e.keys.isEmpty());
        for (QChar k : e.keys)
            EXPECT_GE(ansiKeyCode(k), 32) << e.kana.toStdString();
        // Every kana key names a key of the layout or a shifted kana of it.
        if (ansiKeyCode(e.keys.front()) >= 0xA1) {
            EXPECT_EQ(ToWideHiragana(e.keys), e.kana == u"ヴ" ? QStringLiteral(u"ゔ") : e.kana);
        }
    }
}
