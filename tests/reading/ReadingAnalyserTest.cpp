// Readings of Japanese text as a learner types them.

#include "reading/NumberReading.h"
#include "reading/ReadingAnalyser.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace zr;

namespace {

const ReadingAnalyser &analyser()
{
    static const ReadingAnalyser a;
    return a;
}

struct Row {
    const char16_t *text;
    const char16_t *reading;
};

void expectReadings(std::initializer_list<Row> rows)
{
    ASSERT_TRUE(analyser().ready()) << analyser().problemInEnglish().toStdString();
    for (const Row &row : rows) {
        const LineReading r = analyser().readLine(QString::fromUtf16(row.text));
        EXPECT_TRUE(r.complete()) << QString::fromUtf16(row.text).toStdString();
        EXPECT_EQ(r.reading(), QString::fromUtf16(row.reading)) << QString::fromUtf16(row.text).toStdString();
    }
}

}  // namespace

TEST(Readings, NumbersAndCounters)
{
    expectReadings({
        // Digits half and full width, separators, kanji numerals and both mixed.
        {u"0", u"ぜろ"},
        {u"10", u"じゅう"},
        {u"300", u"さんびゃく"},
        {u"３，０００", u"さんぜん"},
        {u"12,345", u"いちまんにせんさんびゃくよんじゅうご"},
        {u"8000", u"はっせん"},
        {u"六百", u"ろっぴゃく"},
        {u"八百", u"はっぴゃく"},
        {u"三千", u"さんぜん"},
        {u"一万", u"いちまん"},
        {u"一万五千", u"いちまんごせん"},
        {u"3万5千", u"さんまんごせん"},
        {u"二〇二四", u"にせんにじゅうよん"},
        {u"10,000,000", u"いっせんまん"},
        {u"100000000", u"いちおく"},
        {u"9,999,999,999", u"きゅうじゅうきゅうおくきゅうせんきゅうひゃくきゅうじゅうきゅうまんきゅうせんきゅうひゃくきゅうじゅうきゅう"},
        // Counters and their irregular forms.
        {u"四年", u"よねん"},
        {u"2024年", u"にせんにじゅうよねん"},
        {u"四月", u"しがつ"},
        {u"七月", u"しちがつ"},
        {u"9月", u"くがつ"},
        {u"四時", u"よじ"},
        {u"七時", u"しちじ"},
        {u"九時", u"くじ"},
        {u"十四時", u"じゅうよじ"},
        {u"四時間", u"よじかん"},
        {u"一分", u"いっぷん"},
        {u"三分", u"さんぷん"},
        {u"四分", u"よんぷん"},
        {u"六分", u"ろっぷん"},
        {u"八分", u"はっぷん"},
        {u"十分", u"じゅっぷん"},
        {u"二十分間", u"にじゅっぷんかん"},
        {u"五分", u"ごふん"},
        {u"三百円", u"さんびゃくえん"},
        {u"4円", u"よえん"},
        {u"一人", u"ひとり"},
        {u"二人", u"ふたり"},
        {u"四人", u"よにん"},
        {u"21人", u"にじゅういちにん"},
        {u"一本", u"いっぽん"},
        {u"三本", u"さんぼん"},
        {u"百本", u"ひゃっぽん"},
        {u"一回", u"いっかい"},
        {u"六回", u"ろっかい"},
        {u"一個", u"いっこ"},
        {u"三階", u"さんがい"},
        {u"一歳", u"いっさい"},
        {u"二十歳", u"はたち"},
        {u"八歳", u"はっさい"},
        // Days: dates after a month, counts of days otherwise.
        {u"五月一日", u"ごがつついたち"},
        {u"4月1日", u"しがつついたち"},
        {u"三月二日", u"さんがつふつか"},
        {u"一月十日", u"いちがつとおか"},
        {u"六月十四日", u"ろくがつじゅうよっか"},
        {u"八月二十日", u"はちがつはつか"},
        {u"十二月二十四日", u"じゅうにがつにじゅうよっか"},
        {u"今月七日", u"こんげつなのか"},
        {u"一日", u"いちにち"},
        {u"三日間", u"みっかかん"},
        {u"一日中", u"いちにちじゅう"},
        // Other counters: the sound changes of one, six, eight and ten; borrowed units keep them.
        {u"一冊", u"いっさつ"},
        {u"六か月", u"ろっかげつ"},
        {u"一キロ", u"いちきろ"},
        {u"一晩", u"ひとばん"},
        // Words that look like numbers stay words.
        {u"十分に", u"じゅうぶんに"},
        {u"一緒", u"いっしょ"},
    });
}

TEST(Readings, ReadingFieldKanaAndPunctuation)
{
    expectReadings({
        {u"東京へは行く。", u"とうきょうへはいく。"},
        {u"「コーヒー」！？", u"「こーひー」！？"},
        {u"グーグル", u"ぐーぐる"},          // katakana the dictionary lacks
        {u"ﾃｽﾄ", u"てすと"},                // half-width
        {u"ヴァイオリン", u"ヴぁいおりん"},
        {u"日本の春", u"にほんのはる"},
        {u"運動不足", u"うんどうぶそく"},
        {u"ＡＢＣ", u"えいびーしー"},
        {u"赤 と 青", u"あかとあお"},       // blanks are not typed
    });
}

TEST(Readings, UnknownWordsAreReportedNotGuessed)
{
    ASSERT_TRUE(analyser().ready());
    const LineReading r = analyser().readLine(u"東京とabcと彁。"_qs, 3);
    EXPECT_FALSE(r.complete());
    EXPECT_EQ(r.unknown, (QList<UnknownWord>{{3, 4, u"abc"_qs}, {3, 8, u"彁"_qs}}));
    EXPECT_EQ(r.reading(), u"とうきょうと[abc]と[彁]。"_qs);
    EXPECT_FALSE(IsTypableReading(r.reading()));
    // A value beyond the range is not read: 10,000,000,000.
    EXPECT_FALSE(analyser().readLine(u"10000000000"_qs).complete());
    EXPECT_FALSE(analyser().readLine(u"090"_qs).complete());
    // Columns count characters, a character outside the BMP as one.
    EXPECT_EQ(analyser().readLine(u"𠮷野abc"_qs).unknown.last().column, 3);
}

TEST(Readings, NumberParsing)
{
    const struct {
        const char16_t *text;
        std::optional<qint64> value;
    } rows[] = {
        {u"1,000", 1000},   {u"1,00", std::nullopt}, {u"1000,000", std::nullopt}, {u"百二十", 120},
        {u"千", 1000},      {u"万", std::nullopt},   {u"百百", std::nullopt},     {u"1億2000万", 120'000'000},
        {u"一二三", 123},   {u"05", std::nullopt},   {u"9999999999", kMaxReadNumber}, {u"", std::nullopt},
    };
    for (const auto &row : rows)
        EXPECT_EQ(ParseNumber(QString::fromUtf16(row.text)), row.value) << QString::fromUtf16(row.text).toStdString();
}

TEST(Readings, WithoutADictionaryNothingIsReadAndThePackagesAreNamed)
{
    const ReadingAnalyser missing(QDir::tempPath() + QStringLiteral("/no-such-dictionary"));
    EXPECT_EQ(missing.status(), ReadingAnalyser::Status::Missing);
    EXPECT_TRUE(missing.problem().contains(u"mecab-ipadic-utf8"));
    EXPECT_TRUE(missing.problemInEnglish().contains(u"libmecab2 mecab-ipadic-utf8"));
    EXPECT_FALSE(missing.readLine(u"東京"_qs).complete());
}

// mecab-ipadic-utf8 depends on mecab-ipadic, whose dictionary is in EUC-JP: its bytes
// would come back as wrong readings, so it is refused outright.
TEST(Readings, ADictionaryNotInUtf8IsRefused)
{
    const QString eucJp = QStringLiteral("/var/lib/mecab/dic/ipadic");
    if (!QFileInfo::exists(eucJp + QStringLiteral("/sys.dic")))
        GTEST_SKIP() << "no EUC-JP dictionary";
    const ReadingAnalyser a(eucJp);
    EXPECT_EQ(a.status(), ReadingAnalyser::Status::NotUtf8);
    EXPECT_TRUE(a.problem().contains(u"UTF-8"));
    EXPECT_TRUE(a.problemInEnglish().contains(u"EUC-JP"));
}
