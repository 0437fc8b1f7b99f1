#include "practice/PracticeGuide.h"
#include "practice/ProblemPractice.h"

#include "TestSupport.h"
#include "engine/AcceptedSpellings.h"
#include "keyboard/KeyboardModel.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <memory>

using namespace zr;
using namespace zr::test;

namespace {

const RomajiTable &tableOf(int course)
{
    static const RomajiTable tables[2] = {shippedTable(RomajiCourse), shippedTable(KanaCourse)};
    return tables[course];
}

// A word practice over a one-word dictionary, so that every row is that word again and
// again; or a sentence practice over a passage of lines.
struct Guided {
    Guided(PracticeKind kind, const QList<ProblemItem> &items, int course,
           std::shared_ptr<const AcceptedSpellings> spellings = {})
        : practice(stats, {kind, QStringLiteral(u"題"), KanaWithoutGuideToo, 1.0, 8}, [&] {
              KeystrokeProtocol::Options o;
              o.spellings = std::move(spellings);
              return o;
          }())
    {
        Random::seed(3);
        if (kind == PracticeKind::Word) {
            practice.setEntries(BuildWordEntries(items, KanaWithoutGuideToo, course, tableOf(course)));
        } else {
            SentenceSet set;
            for (int p = 0; p < 12; ++p) {
                for (int j = 0; j < items.size(); ++j)
                    set.problems[size_t(p)][size_t(j)] = items[j];
            }
            practice.setEntries(BuildPassageEntries(set, course, tableOf(course)));
        }
        practice.start();
    }
    void type(QStringView keys)
    {
        for (QChar k : keys)
            practice.keyPress(k);
    }
    void typeExpected(int n)
    {
        for (int i = 0; i < n; ++i)
            practice.keyPress(practice.protocol().expectedKey());
    }

    ClockScope time;
    KeyStats stats;
    ProblemPractice practice;
};

}  // namespace

// Each word's reading and its keys as the learner types them, in both courses; after
// some keys, how much of each is marked typed. A unit's kana count as typed only once
// all its keys are.
TEST(PracticeGuide, ReadingsAndKeysOfAWord)
{
    const struct {
        int course;
        const char16_t *written;
        const char16_t *reading;
        const char16_t *keys;    // raw, as the protocol expects them
        const char16_t *shown;   // key display form, key by key
        int typed;               // keys typed
        int readingTyped;        // characters of the reading marked typed then
    } rows[] = {
        {RomajiCourse, u"情報", u"じょうほう", u"zyouhou", u"ｚｙｏｕｈｏｕ", 2, 0},
        {RomajiCourse, u"情報", u"じょうほう", u"zyouhou", u"ｚｙｏｕｈｏｕ", 3, 2},
        {RomajiCourse, u"切手", u"きって", u"kitte", u"ｋｉｔｔｅ", 4, 1},
        {RomajiCourse, u"切手", u"きって", u"kitte", u"ｋｉｔｔｅ", 5, 3},
        {RomajiCourse, u"写真", u"しゃしん", u"syasinn", u"ｓｙａｓｉｎｎ", 6, 3},
        {RomajiCourse, u"写真", u"しゃしん", u"syasinn", u"ｓｙａｓｉｎｎ", 7, 4},
        {KanaCourse, u"情報", u"じょうほう", u"ｼﾞｮｳﾎｳ", u"し゛ょうほう", 1, 0},
        {KanaCourse, u"情報", u"じょうほう", u"ｼﾞｮｳﾎｳ", u"し゛ょうほう", 3, 2},
        {KanaCourse, u"切手", u"きって", u"ｷｯﾃ", u"きって", 2, 2},
        {KanaCourse, u"写真", u"しゃしん", u"ｼｬｼﾝ", u"しゃしん", 4, 4},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(QString::fromUtf16(row.keys).toStdString() + " typed " + std::to_string(row.typed));
        Guided g(PracticeKind::Word, {{QString::fromUtf16(row.written), QString::fromUtf16(row.reading)}}, row.course);
        g.typeExpected(row.typed);
        const RowGuide guide = g.practice.guide(0);
        ASSERT_GE(guide.groups.size(), 2);
        const GuideGroup &first = guide.groups[0];
        EXPECT_EQ(first.reading, QString::fromUtf16(row.reading));
        EXPECT_EQ(first.keys, QString::fromUtf16(row.keys));
        EXPECT_EQ(GuideKeysText(first.keys, false), QString::fromUtf16(row.shown));
        EXPECT_EQ(first.keysTyped, row.typed);
        EXPECT_EQ(first.readingTyped, row.readingTyped);
        // Each word stands under its own word: the written form and a full-width blank.
        EXPECT_EQ(first.textStart, 0);
        EXPECT_EQ(guide.groups[1].textStart, first.textLength + 1);
        EXPECT_EQ(guide.groups[1].keysTyped, 0);
        EXPECT_EQ(guide.current, 0);
        EXPECT_EQ(guide.currentKey, row.typed);
    }
}

// The marked part moves with the keys: over the blank after a word to the next word,
// and a wrong key moves nothing. The other row is not being typed: nothing of it is
// marked until it is current, and row 0 shows all typed once row 1 is.
TEST(PracticeGuide, TheMarkFollowsTheKeys)
{
    Guided g(PracticeKind::Word, {{u"本"_qs, u"ほん"_qs}}, RomajiCourse);
    g.type(u"honn");
    RowGuide guide = g.practice.guide(0);
    EXPECT_EQ(guide.current, 0);
    EXPECT_EQ(guide.currentKey, 4);   // the blank after ほん
    EXPECT_EQ(guide.groups[0].readingTyped, 2);
    g.type(u"x");
    EXPECT_EQ(g.practice.guide(0).currentKey, 4);
    g.type(u" h");
    guide = g.practice.guide(0);
    EXPECT_EQ(guide.current, 1);
    EXPECT_EQ(guide.currentKey, 1);
    EXPECT_EQ(guide.groups[1].keysTyped, 1);
    EXPECT_EQ(guide.groups[1].readingTyped, 0);
    EXPECT_EQ(guide.keysText(true), QStringList(guide.groups.size(), u"ＨＯＮＮ"_qs).join(u"　"));
    EXPECT_EQ(guide.readingText(), QStringList(guide.groups.size(), u"ほん"_qs).join(u"　"));

    const RowGuide second = g.practice.guide(1);
    EXPECT_EQ(second.current, -1);
    for (const GuideGroup &group : second.groups)
        EXPECT_TRUE(group.keysTyped == 0 && group.readingTyped == 0);
    while (g.practice.rowFlag() == 0)
        g.typeExpected(1);
    const RowGuide done = g.practice.guide(0);
    EXPECT_EQ(done.current, -1);
    for (const GuideGroup &group : done.groups)
        EXPECT_TRUE(group.keysTyped == group.keys.size() && group.readingTyped == group.reading.size());
    EXPECT_EQ(g.practice.guide(1).current, 0);
}

// With any spelling, the keys of the unit being typed follow the spelling typed; the
// keys of every other unit stay the learner's own.
TEST(PracticeGuide, KeysFollowTheSpellingInUse)
{
    QString error;
    const auto defaults = ReadDefaultTable(resourceFile(QStringLiteral("DefRmj.tbl")), &error);
    ASSERT_TRUE(defaults) << error.toStdString();
    Guided g(PracticeKind::Word, {{u"写真"_qs, u"しゃしん"_qs}}, RomajiCourse,
             std::make_shared<const AcceptedSpellings>(tableOf(RomajiCourse), *defaults));
    g.type(u"sh");
    RowGuide guide = g.practice.guide(0);
    EXPECT_EQ(guide.groups[0].keys, u"shasinn");
    EXPECT_EQ(guide.groups[0].keysTyped, 2);
    EXPECT_EQ(guide.groups[1].keys, u"syasinn");
    g.type(u"ashi");
    guide = g.practice.guide(0);
    EXPECT_EQ(guide.groups[0].keys, u"shashinn");
    EXPECT_EQ(guide.groups[0].readingTyped, 3);
    EXPECT_EQ(guide.currentKey, 6);
    // Typed by the single-n shortcut, ん's second n counts as typed.
    Guided honda(PracticeKind::Word, {{u"本田"_qs, u"ほんだ"_qs}}, RomajiCourse);
    honda.type(u"hond");
    EXPECT_EQ(honda.practice.guide(0).groups[0].keysTyped, 5);
    EXPECT_EQ(honda.practice.guide(0).groups[0].readingTyped, 2);
}

// A passage has a group per line, each under its own line of the row text; a reading
// kana the table does not know is passed over.
TEST(PracticeGuide, PassageLines)
{
    for (int course : {int(RomajiCourse), int(KanaCourse)}) {
        SCOPED_TRACE(course);
        Guided g(PracticeKind::Sentence,
                 {{u"ちょっと待って。"_qs, u"ちょっとまって。"_qs}, {u"新聞☆"_qs, u"しんぶん☆"_qs}}, course);
        RowGuide guide = g.practice.guide(0);
        ASSERT_EQ(guide.groups.size(), 2);
        EXPECT_EQ(guide.groups[0].textStart, 0);
        EXPECT_EQ(guide.groups[0].textLength, 8);
        EXPECT_EQ(guide.groups[1].textStart, 8);
        EXPECT_EQ(guide.groups[1].reading, u"しんぶん☆");
        EXPECT_EQ(guide.groups[1].keys, course == RomajiCourse ? u"sinnbunn"_qs : u"ｼﾝﾌﾞﾝ"_qs);
        g.typeExpected(int(guide.groups[0].keys.size()) + 1 + int(guide.groups[1].keys.size()));
        guide = g.practice.guide(0);
        EXPECT_EQ(guide.current, 1);
        EXPECT_EQ(guide.currentKey, guide.groups[1].keys.size());
        EXPECT_EQ(guide.groups[0].readingTyped, 8);
        // ☆ has no keys: the reading is typed up to it.
        EXPECT_EQ(guide.groups[1].readingTyped, 4);
    }
}
