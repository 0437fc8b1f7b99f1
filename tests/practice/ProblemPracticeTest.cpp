#include "practice/ProblemPractice.h"
#include "results/TrainingResult.h"

#include "TestSupport.h"
#include "keyboard/KeyboardModel.h"
#include "platform/Cp932.h"
#include "platform/Format.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

namespace {

const RomajiTable &romaji()
{
    static const RomajiTable table = shippedTable(RomajiCourse);
    return table;
}

SentenceSet setOf(const QList<QList<ProblemItem>> &problems)
{
    SentenceSet set;
    for (int p = 0; p < problems.size(); ++p) {
        for (int j = 0; j < problems[p].size(); ++j)
            set.problems[size_t(p)][size_t(j)] = problems[p][j];
    }
    return set;
}

// A practice over entries, typed right one key every ms milliseconds.
struct Practice {
    Practice(PracticeKind kind, QList<PracticeEntry> entries, int steps = 8, double seconds = 3600)
        : practice(stats, {kind, QStringLiteral(u"題"), KanaWithoutGuideToo, seconds / 86400.0, steps}, {})
    {
        Random::seed(5);
        practice.setEntries(std::move(entries));
        QObject::connect(&practice, &ProblemPractice::stepBuilt, [this] {
            captions.append(practice.caption());
            rows.append(practice.row(0));
            rows.append(practice.row(1));
        });
    }
    // Types until the run ends or the step counter moves on; returns the spaces typed.
    int typeStep(qint64 ms = 200)
    {
        const int step = practice.stepCounter();
        int spaces = 0;
        while (!practice.finished() && practice.stepCounter() == step) {
            const QChar key = practice.protocol().expectedKey();
            spaces += key == u' ';
            time.clock().advanceMs(ms);
            practice.keyPress(key);
        }
        return spaces;
    }
    int typeAll(qint64 ms = 200)
    {
        int steps = 0;
        while (!practice.finished()) {
            typeStep(ms);
            ++steps;
        }
        return steps;
    }

    ClockScope time;
    KeyStats stats;
    ProblemPractice practice;
    QStringList captions;
    QList<PracticeRow> rows;
};

QList<PracticeEntry> twelvePassages()
{
    QList<QList<ProblemItem>> problems;
    for (int p = 1; p <= 14; ++p)
        problems.append({{QStringLiteral(u"問%1").arg(p), QStringLiteral(u"もん") + QString(QChar(u'あ' + 2 * p))}});
    return BuildPassageEntries(setOf(problems), RomajiCourse, romaji());
}

}  // namespace

TEST(ProblemEntries, ItemsThatLeaveNothingToTypeAreLeftOut)
{
    // ☆ has no keys in the table; a reading of 31 kana is 62 bytes, wider than a row.
    const QList<ProblemItem> dictionary{{u"赤"_qs, u"あか"_qs},
                                        {u"記号"_qs, u"☆"_qs},
                                        {u"長"_qs, QString(31, QChar(u'あ'))},
                                        {u"青"_qs, u"あお"_qs}};
    const auto words = BuildWordEntries(dictionary, KanaWithoutGuideToo, RomajiCourse, romaji());
    ASSERT_EQ(words.size(), 2);
    EXPECT_EQ(words[0].front().display, u"赤");
    EXPECT_EQ(words[1].front().display, u"青");
    // 30 kana (61 bytes with the leading blank) still fit.
    EXPECT_EQ(BuildWordEntries({{u"長"_qs, QString(30, QChar(u'あ'))}}, KanaWithoutGuideToo, RomajiCourse, romaji()).size(), 1);

    const auto passages = BuildPassageEntries(
        setOf({{{u"一"_qs, u"いち"_qs}, {u"☆"_qs, u"☆"_qs}, {u"二"_qs, u"に"_qs}}, {{u"☆"_qs, u"☆"_qs}}, {}, {{u"三"_qs, u"さん"_qs}}}),
        RomajiCourse, romaji());
    ASSERT_EQ(passages.size(), 2);
    EXPECT_EQ(passages[0].size(), 2);
    EXPECT_EQ(passages[1].front().display, u"三");
    Practice empty(PracticeKind::Word, {});
    EXPECT_FALSE(empty.practice.start());
    EXPECT_TRUE(empty.practice.finished());
}

TEST(ProblemDialogs, TextShowsDescriptionCountAndExamples)
{
    WordDictionary d;
    d.description = QStringLiteral(u"説明");
    d.entries.resize(WordDictionary::kEntries);
    for (int i = 0; i < 3; ++i)
        d.entries[i] = {QStringLiteral(u"語%1").arg(i), QStringLiteral(u"ご")};
    EXPECT_EQ(WordDialogText(d), u"\r\n説明\r\n\r\n　収録単語数： 3語\r\n　収録単語の例：【】【】【】"_qs);
    for (int i = 0; i < 13; ++i)
        d.entries[i] = {QStringLiteral(u"語%1").arg(i), QStringLiteral(u"ご")};
    EXPECT_EQ(WordDialogText(d), u"\r\n説明\r\n\r\n　収録単語数： 13語\r\n　収録単語の例：【語10】【語11】【語12】"_qs);
    SentenceSet s;
    s.description = QStringLiteral(u"文の説明");
    EXPECT_EQ(SentenceDialogText(s), u"\r\n文の説明\r\n\r\n"_qs);
}

TEST(ProblemTypedText, WrittenFormsKanaOfCompleteUnitsAndPendingKeys)
{
    // 赤 あか (a k a), 写真 しゃしん (s y a s i n n).
    QList<PositionRecord> positions;
    for (const auto &[display, reading] : {std::pair{u"赤", u"あか"}, std::pair{u"写真", u"しゃしん"}}) {
        AppendUnitPositions(positions, ConvertWord(QString::fromUtf16(reading), {}, {}, KeyFilterOff, RomajiCourse, romaji()).units, 0);
        positions.last().written = QString::fromUtf16(display);
        positions.append({QString(), QString(), QChar(u' '), 0, 0, QString()});
    }
    struct Row {
        int c;
        PracticeKind kind;
        const char16_t *text;
        const char16_t *pending;
    } rows[] = {
        {-1, PracticeKind::Word, u" ", u""},
        {0, PracticeKind::Word, u" あ", u""},
        {1, PracticeKind::Word, u" あ", u"k"},
        {2, PracticeKind::Word, u" 赤　", u""},
        {3, PracticeKind::Word, u" 赤　", u""},
        {5, PracticeKind::Word, u" 赤　", u"sy"},
        {6, PracticeKind::Word, u" 赤　しゃ", u""},
        {10, PracticeKind::Word, u" 赤　写真　", u""},
        {10, PracticeKind::Sentence, u" 赤写真", u""},
        {99, PracticeKind::Sentence, u" 赤写真", u""},
    };
    for (const Row &r : rows) {
        const TypedText t = TypedTextAt(positions, r.c, r.kind);
        EXPECT_EQ(t.text, QString::fromUtf16(r.text)) << r.c;
        EXPECT_EQ(t.pending, QString::fromUtf16(r.pending)) << r.c;
    }
}

TEST(WordPractice, RowsHoldRandomWordsUpTo62Bytes)
{
    const auto words = BuildWordEntries({{u"赤"_qs, u"あか"_qs}, {u"写真"_qs, u"しゃしん"_qs}, {u"机"_qs, u"つくえ"_qs}}, KanaWithoutGuideToo,
                                        RomajiCourse, romaji());
    Practice run(PracticeKind::Word, words, 3);
    ASSERT_TRUE(run.practice.start());
    run.typeAll();
    ASSERT_EQ(run.rows.size(), 6);
    for (const PracticeRow &row : run.rows) {
        // The row starts 1 wide; a word takes its reading and 2 for its blank.
        int width = 1;
        QString text;
        for (const PositionRecord &p : row.positions) {
            if (p.key != u' ')
                continue;
            const PracticeItem &word = words.at(p.word).front();
            EXPECT_LE(width + AnsiByteLength(word.reading), 62);
            width += AnsiByteLength(word.reading) + 2;
            text += word.display + QStringLiteral(u"　");
        }
        EXPECT_EQ(row.text, text);
        EXPECT_GT(width, 62 - 8) << "the row ended while a word would still fit";
    }
    EXPECT_EQ(run.captions, (QStringList{u"題 (Step 1)"_qs, u"題 (Step 2)"_qs, u"題 (Step 3)"_qs}));
}

TEST(WordPractice, LimitsAreCheckedAtTheEndOfAStep)
{
    const auto words = BuildWordEntries({{u"赤"_qs, u"あか"_qs}, {u"写真"_qs, u"しゃしん"_qs}}, KanaWithoutGuideToo, RomajiCourse,
                                        romaji());
    {
        // LessonStep 1 ends after the two rows of step 1, long before the time.
        Practice run(PracticeKind::Word, words, 1);
        ASSERT_TRUE(run.practice.start());
        run.typeStep();
        EXPECT_TRUE(run.practice.finished());
        EXPECT_EQ(run.rows.size(), 2);
    }
    {
        // 10 seconds: the first step that ends after 10 s of typing is the last.
        Practice run(PracticeKind::Word, words, 1000, 10);
        ASSERT_TRUE(run.practice.start());
        int steps = 0;
        double endOfStep = 0;
        while (!run.practice.finished()) {
            EXPECT_LE(endOfStep, 10.0 / 86400.0) << "went on after the time was up";
            run.typeStep(60);
            endOfStep = run.practice.TTime(run.time.clock().now());
            ++steps;
        }
        EXPECT_GT(endOfStep, 10.0 / 86400.0);
        EXPECT_GE(steps, 2);
    }
}

TEST(SentencePractice, SixStepsOfPassagesInOrderWhateverTheTime)
{
    Practice first(PracticeKind::Sentence, twelvePassages());
    ASSERT_TRUE(first.practice.start());
    // A slow typist: ten seconds a key, far beyond any word practice limit.
    EXPECT_EQ(first.typeAll(10000), 6);
    EXPECT_EQ(first.captions.at(2), u"題 (Step 3/6)"_qs);
    Practice second(PracticeKind::Sentence, twelvePassages());
    ASSERT_TRUE(second.practice.start());
    second.typeAll(50);
    QStringList texts;
    for (int i = 0; i < first.rows.size(); ++i) {
        EXPECT_EQ(first.rows[i].text, second.rows[i].text);
        texts.append(first.rows[i].text);
    }
    // Row 0 of step s is problem 2s + 1, row 1 problem 2s + 2; 13 and 14 are not used.
    EXPECT_EQ(texts, (QStringList{u"問1"_qs, u"問2"_qs, u"問3"_qs, u"問4"_qs, u"問5"_qs, u"問6"_qs, u"問7"_qs,
                                  u"問8"_qs, u"問9"_qs, u"問10"_qs, u"問11"_qs, u"問12"_qs}));
}

TEST(SentencePractice, EveryLineEndsWithTheSpaceBarAndFewPassagesComeAgain)
{
    const auto passages = BuildPassageEntries(
        setOf({{{u"一"_qs, u"いち"_qs}, {u"二"_qs, u"に"_qs}, {u"三"_qs, u"さん"_qs}}}), RomajiCourse, romaji());
    Practice run(PracticeKind::Sentence, passages);
    ASSERT_TRUE(run.practice.start());
    EXPECT_EQ(run.practice.row(0).text, u"一二三"_qs);
    // Both rows of a step are the one passage: three spaces each.
    EXPECT_EQ(run.typeStep(), 6);
    EXPECT_EQ(run.typeAll(), 5);
    EXPECT_EQ(run.rows.size(), 12);
}

TEST(PracticeResult, FixedGradingAndTheTwoParagraphs)
{
    struct Row {
        double hits, misses;
        int keyClass;
    } rows[] = {{20, 0, NoMissKey}, {100, 5, GoodKey}, {9, 5, PracticeKey}, {50, 3, PracticeKey},
                {100, 11, FailedKey}};
    KeyStats stats;
    const QString keys = QStringLiteral("asdfj");
    for (int i = 0; i < 5; ++i) {
        KeyStat *s = stats.at(keys[i].unicode());
        s->hits = rows[i].hits;
        s->misses = rows[i].misses;
    }
    const TrainingGrade grade = GradePracticeKeys(stats);
    ASSERT_EQ(grade.rows.size(), 5);
    for (const KeyResult &r : grade.rows)
        EXPECT_EQ(r.keyClass, rows[keys.indexOf(r.key)].keyClass) << r.key.toLatin1();

    ScoreRecord before;
    EXPECT_EQ(PracticeScoreAddText(before, 60, 60.0 / 86400, 100, 10),
              u"\r\n　このレッスンは今回が初めての練習となります。\r\n　今回の正解率は 90%、入力速度は 60.0字/分でした。\r\n"_qs);
    before.DayKeys[0] = 10;
    before.DayDate[0] = 46364;
    EXPECT_EQ(PracticeScoreAddText(before, 0, 0.5 / 86400, 0, 0),
              u"\r\n　前回の練習日は、"_qs + FormatDate(46364, u"yyyy年m月d日(aaaa)")
                  + u"です。\r\n　今回の正解率は 0%、入力速度は 0.0字/分でした。\r\n"_qs);
}
