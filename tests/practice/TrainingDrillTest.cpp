#include "practice/ChapterIntro.h"
#include "practice/KeyPositionCheck.h"
#include "practice/TrainingDrill.h"

#include "TestSupport.h"
#include "keyboard/KeyboardModel.h"
#include "platform/Cp932.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

namespace {

// A drill over words of the romaji table; every word is accepted.
struct Drill {
    explicit Drill(const QStringList &readings, DrillSettings s = {}) : drill(stats, prepared(s), {})
    {
        static const RomajiTable table = shippedTable(RomajiCourse);
        QList<DrillWord> words;
        for (const QString &r : readings)
            words.append({r, r, ConvertWord(r, u"", u"", 1, RomajiCourse, table)});
        drill.setWords(words);
        QObject::connect(&drill, &TrainingDrill::screenBuilt, [this] {
            titles.append(drill.title());
            screens.append(drill.screen());
        });
        Random::seed(7);
    }
    static DrillSettings prepared(DrillSettings s)
    {
        s.lesson = 3;
        return s;
    }
    // Types the current screen right, one key every ms milliseconds; wrongAt names the
    // positions where a wrong key comes first.
    void typeScreen(qint64 ms = 200, const QList<int> &wrongAt = {})
    {
        const int screen = drill.screenCounter();
        for (int i = 0; !drill.finished() && drill.screenCounter() == screen; ++i) {
            const QChar key = drill.protocol().expectedKey();
            if (wrongAt.contains(i))
                drill.keyPress(key == u'q' ? QChar(u'p') : QChar(u'q'));
            time.clock().advanceMs(ms);
            drill.keyPress(key);
        }
    }
    int wordOfScreenPosition(int i) const { return drill.screen().positions.at(i).word; }

    ClockScope time;
    KeyStats stats;
    TrainingDrill drill;
    QStringList titles;
    QList<DrillScreen> screens;
};

int lineWidth(const DrillScreen &screen, const TrainingDrill &drill)
{
    int width = 1;
    for (int w : screen.words)
        width += AnsiByteLength(drill.words().at(w).reading) + 2;
    return width;
}

}  // namespace

TEST(MissStacks, OldestComesBackFirstAndFullStacksForget)
{
    MissStacks s;
    EXPECT_EQ(s.MDStackGet(), -1);
    EXPECT_EQ(s.AllMDStackGet(), -1);
    s.MDStackAdd(0);   // the first word of the list comes back too
    s.MDStackAdd(5);
    EXPECT_EQ(s.shortSlot(1), 5);
    EXPECT_EQ(s.MDStackGet(), 0);
    EXPECT_EQ(s.MDStackGet(), 5);
    EXPECT_EQ(s.MDStackGet(), -1);
    // The long stack still holds both.
    EXPECT_EQ(s.longSlot(1), 5);
    EXPECT_EQ(s.AllMDStackGet(), 0);

    MissStacks full;
    for (int w = 1; w <= 30; ++w)
        full.MDStackAdd(w);
    EXPECT_EQ(full.MDStackGet(), 21);      // 10 slots: 21..30 remain
    EXPECT_EQ(full.AllMDStackGet(), 6);    // 25 slots: 6..30 remain
    full.MDStackInit();
    EXPECT_EQ(full.peekLong(), -1);
}

TEST(TrainingDrill, ScreensStayWithinSixtyBytesAndTitleTheirStep)
{
    Drill d({u"かさ"_qs, u"あした"_qs, u"ひかり"_qs, u"さくらんぼ"_qs});
    ASSERT_TRUE(d.drill.start());
    EXPECT_EQ(d.titles.first(), u"Chapter3 - 単語練習 (Step 1)"_qs);
    EXPECT_EQ(d.drill.prompt(), u"●次の単語を入力して下さい｡　(入力を始めた時点で時間計測が開始されます)"_qs);
    for (int i = 0; i < 3; ++i)
        d.typeScreen();
    EXPECT_EQ(d.titles[2], u"Chapter3 - 単語練習 (Step 3)"_qs);
    EXPECT_EQ(d.drill.prompt(), u"●次の単語を入力して下さい｡"_qs);
}

TEST(TrainingDrill, TheWidthRuleOverEverySeed)
{
    // A word is placed while the counter (1 + the bytes of the words and separators so
    // far) plus the word stays within 60, so the words up to the last one fill at most
    // 60 bytes and the counter ends at most 2 above it (six あした and さくらんぼ reach
    // 61). Many seeds, so that the rule is met and not the luck of one.
    bool reachedTheEdge = false;
    for (quint64 seed = 1; seed <= 40; ++seed) {
        Drill d({u"かさ"_qs, u"あした"_qs, u"ひかり"_qs, u"さくらんぼ"_qs});
        ASSERT_TRUE(d.drill.start());
        Random::seed(seed);
        for (int i = 0; i < 3; ++i)
            d.typeScreen();
        for (const DrillScreen &s : d.screens) {
            const int width = lineWidth(s, d.drill);
            EXPECT_LE(width - 2, 60) << "seed " << seed;
            // The word drawn next did not fit, and none is longer than さくらんぼ.
            EXPECT_GT(width + 10, 60) << "seed " << seed;
            EXPECT_EQ(s.positions.last().key, u' ');
            reachedTheEdge = reachedTheEdge || width > 60;
        }
    }
    EXPECT_TRUE(reachedTheEdge);
}

TEST(TrainingDrill, EmptyWordListDoesNotStart)
{
    Drill d({});
    EXPECT_FALSE(d.drill.start());
    EXPECT_TRUE(d.drill.finished());
    d.drill.keyPress(u'a');   // ignored, nothing to judge
}

TEST(TrainingDrill, OverlongWordGetsALineOfItsOwn)
{
    const QString longWord = QString(40, QChar(u'か'));
    Drill d({longWord});
    ASSERT_TRUE(d.drill.start());
    EXPECT_EQ(d.drill.screen().words.size(), 1);
    d.typeScreen();
    EXPECT_EQ(d.drill.screenCounter(), 1);
}

TEST(TrainingDrill, MissedWordComesBackOnTheNextScreenAndInTheRemedialPass)
{
    DrillSettings s;
    s.LessonStep = 2;
    Drill d({u"かさ"_qs, u"あした"_qs, u"ひかり"_qs}, s);
    ASSERT_TRUE(d.drill.start());
    const int missed = d.wordOfScreenPosition(0);
    d.typeScreen(200, {0, 0});
    // Two wrong keys at one position count one miss and stack the word once.
    EXPECT_EQ(d.drill.protocol().positionsMissed(), 1);
    EXPECT_EQ(d.drill.screen().words.first(), missed);
    EXPECT_EQ(d.drill.stacks().shortSlot(1), -1);
    d.typeScreen();
    ASSERT_FALSE(d.drill.finished());
    EXPECT_EQ(d.titles.last(), u"Chapter3 - 補習"_qs);
    EXPECT_EQ(d.drill.prompt(), u"次の単語を、正確さを優先して慎重に入力してください。"_qs);
    EXPECT_EQ(d.drill.screen().words, QList<int>{missed});
    d.typeScreen();
    EXPECT_TRUE(d.drill.finished());
    EXPECT_EQ(d.drill.screenCounter(), 3);
}

TEST(TrainingDrill, NoRemedialPassWithoutMissesOrWhenSwitchedOff)
{
    DrillSettings s;
    s.LessonStep = 2;
    Drill clean({u"かさ"_qs, u"あした"_qs}, s);
    ASSERT_TRUE(clean.drill.start());
    clean.typeScreen();
    clean.typeScreen();
    EXPECT_TRUE(clean.drill.finished());

    s.Addition = false;
    Drill off({u"かさ"_qs, u"あした"_qs}, s);
    ASSERT_TRUE(off.drill.start());
    off.typeScreen(200, {1});
    off.typeScreen();
    EXPECT_TRUE(off.drill.finished());
    EXPECT_FALSE(off.titles.last().contains(u"補習"_qs));
}

TEST(TrainingDrill, RemedialScreenKeepsWordsThatDoNotFit)
{
    DrillSettings s;
    s.LessonStep = 1;
    const QString wide = QString(12, QChar(u'か'));   // 24 bytes: two fit on a line
    Drill d({wide, wide + u'さ', wide + u'し', wide + u'す'}, s);
    ASSERT_TRUE(d.drill.start());
    const int words = int(d.drill.screen().words.size());
    QList<int> everyWord;
    for (int i = 0, p = 0; i < words; ++i) {
        everyWord.append(p);
        p += int(d.drill.words().at(d.drill.screen().words[i]).keys.Rmj.size()) + 1;
    }
    d.typeScreen(200, everyWord);
    int remedialWords = 0;
    while (!d.drill.finished() && d.titles.last().contains(u"補習"_qs)) {
        remedialWords += int(d.drill.screen().words.size());
        d.typeScreen();
    }
    EXPECT_TRUE(d.drill.finished());
    EXPECT_EQ(remedialWords, words);   // every missed word came back, none was dropped
}

TEST(TrainingDrill, TimeLimitEndsTheDrillAfterTheScreen)
{
    DrillSettings s;
    s.LessonStep = 100;
    s.LessonTime = 10.0 / 86400;
    Drill d({u"かさ"_qs, u"あした"_qs}, s);
    ASSERT_TRUE(d.drill.start());
    d.typeScreen(100);
    ASSERT_FALSE(d.drill.finished());
    d.typeScreen(2000);
    EXPECT_TRUE(d.drill.finished());
    EXPECT_GT(d.drill.TTime(Clock::current().now()) * 86400, 10);
    EXPECT_GT(d.drill.CCh(), 0);
}

TEST(TrainingDrill, GuideByRmjGuide)
{
    DrillSettings s;
    s.LessonStep = 8;
    s.RmjGuide = RmjGuideMode::FirstHalf;
    Drill half({u"かさ"_qs, u"あした"_qs}, s);
    ASSERT_TRUE(half.drill.start());
    EXPECT_TRUE(half.drill.guideShown());
    EXPECT_EQ(half.drill.guideKeys(), half.drill.screen().positions.first().unitKeys);
    for (int i = 0; i < 3; ++i)
        half.typeScreen(10);
    EXPECT_TRUE(half.drill.guideShown());
    half.typeScreen(10);   // four of eight steps: half the steps, long before half the time
    EXPECT_FALSE(half.drill.guideShown());

    s.RmjGuide = RmjGuideMode::Never;
    Drill never({u"かさ"_qs}, s);
    ASSERT_TRUE(never.drill.start());
    EXPECT_FALSE(never.drill.guideShown());

    s.RmjGuide = RmjGuideMode::Always;
    Drill always({u"かさ"_qs}, s);
    ASSERT_TRUE(always.drill.start());
    for (int i = 0; i < 6; ++i)
        always.typeScreen(10);
    EXPECT_TRUE(always.drill.guideShown());
}

TEST(TrainingDrill, GuideShowsTheRestOfTheUnit)
{
    Drill d({u"しゃしん"_qs});
    ASSERT_TRUE(d.drill.start());
    const QString first = d.drill.screen().positions.first().unitKeys;
    ASSERT_GE(first.size(), 2);
    d.drill.keyPress(first[0]);
    EXPECT_EQ(d.drill.guideKeys(), first.mid(1));
}

TEST(DrillSettingsFromIni, DefaultsAndBadValues)
{
    TempDir dir;
    const QString ini = dir.file(QStringLiteral("user.ini"));
    writeAnsiText(ini, QStringLiteral("[Training]\r\nLessonTime=abc\r\nLessonStep=-3\r\nAddition=0\r\nRmjGuide=3\r\n"));
    DrillSettings s;
    UseDrillSettings(s, LoadUserSettings(ini));
    EXPECT_DOUBLE_EQ(s.LessonTime, 150.0 / 86400);
    EXPECT_EQ(s.LessonStep, 8);
    EXPECT_FALSE(s.Addition);
    EXPECT_EQ(s.RmjGuide, RmjGuideMode::Always);
    writeAnsiText(ini, QStringLiteral("[Training]\r\nLessonTime=00:01:00\r\nLessonStep=3\r\n"));
    UseDrillSettings(s, LoadUserSettings(ini));
    EXPECT_NEAR(s.LessonTime * 86400, 60, 1e-6);
    EXPECT_EQ(s.LessonStep, 3);
}

TEST(KeyPositionCheck, SizesAndNoRepeats)
{
    EXPECT_EQ(LessonSizeOf(u"Short"_qs), 40);
    EXPECT_EQ(LessonSizeOf(u"Mid"_qs), 70);
    EXPECT_EQ(LessonSizeOf(u"Long"_qs), 100);
    EXPECT_EQ(LessonSizeOf(u"short"_qs), 100);
    Random::seed(3);
    const QString text = MakeKeyText(u"fjdksla;ei"_qs, u"ei"_qs, 100, RomajiCourse);
    ASSERT_EQ(text.size(), 100);
    int focus = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (i > 0) {
            EXPECT_NE(text[i], text[i - 1]);
        }
        focus += QStringView(u"eidk").contains(text[i]);
    }
    EXPECT_GT(focus, 70);   // the new keys and their home keys dominate
}

TEST(KeyPositionCheck, ChaptersWithFewKeysDoNotHang)
{
    EXPECT_EQ(MakeKeyText(u"f"_qs, u"f"_qs, 40, RomajiCourse), QString(40, QChar(u'f')));
    EXPECT_EQ(MakeKeyText(u"ff"_qs, u"ff"_qs, 5, RomajiCourse), u"fffff"_qs);
    EXPECT_TRUE(MakeKeyText(QString(), QString(), 40, RomajiCourse).isEmpty());
}

TEST(ChapterIntro, HomePositionNewKeysAndReturnHints)
{
    const QString one = ChapterIntroText(1, u"fj"_qs, RomajiCourse, false);
    EXPECT_TRUE(one.startsWith(u"　Chapter1へようこそ。\r\n\r\n　【 ｆ 】のキーの上に"_qs));
    EXPECT_TRUE(one.contains(u"　今回練習するキーは、【 ｆ 】【 ｊ 】キーです。\r\n"_qs));
    EXPECT_TRUE(one.contains(u"　【 ｆ 】キーは左手の人差し指で打ちます。\r\n　【 ｊ 】キーは右手の人差し指で打ちます。\r\n"_qs));
    EXPECT_FALSE(one.contains(u"入力後"_qs));

    const QString g = ChapterIntroText(6, u"gh"_qs, RomajiCourse, true);
    EXPECT_FALSE(g.contains(u"ホームポジション」"_qs));
    EXPECT_TRUE(g.contains(u"　【 Ｇ 】キーは左手の人差し指で打ちます。（入力後は【 Ｆ 】の位置に指を戻してください。）\r\n\r\n"_qs));

    // New keys the drill cannot ask for are named.
    EXPECT_TRUE(ChapterIntroText(1, u"fjl"_qs, RomajiCourse, false, u"jl"_qs)
                    .endsWith(u"\r\n　【 ｊ 】【 ｌ 】キーは、今のローマ字のつづりで打つ単語がないため、この Chapter の単語練習には出てきません。キー位置の確認で位置をしっかり覚えましょう。\r\n"_qs));
    {
        RomajiTable t = shippedTable(RomajiCourse);
        const QList<ProblemItem> words = {{u"足"_qs, u"あし"_qs}, {u"イス"_qs, u"いす"_qs}, {u"家"_qs, u"いえ"_qs}};
        EXPECT_EQ(DrillableKeys(words, u"asdfjkl;ei"_qs, u"fjdksla;ei"_qs, RomajiCourse, t), u"sa;ei"_qs);
    }
    const QString kana = ChapterIntroText(1, u"ﾊﾏ"_qs, KanaCourse, false);
    EXPECT_TRUE(kana.contains(u"【 は 】のキーの上に左手の人差し指を"_qs));
    EXPECT_TRUE(kana.contains(u"【 は 】【 ま 】キーです。"_qs));
    // Small kana sit on shifted keys; they are explained with Shift.
    EXPECT_EQ(FingerSentence(u'ｯ', KanaCourse), u"【 っ 】キーは SHIFTキーを押しながら、左手の小指で打ちます。"_qs);
    EXPECT_FALSE(FingerSentence(u'F', RomajiCourse).has_value());
}
