// Weak-key practice below the windows: the learned keys, the words ranked for the aimed
// keys, the draw that never gives a word twice in a row, the dictionaries it reads, the
// whole plan from a log, and the heat map's figures and colours.

#include "practice/KeyHeatMap.h"
#include "practice/WeakKeyPractice.h"

#include "TestSupport.h"
#include "platform/Cp932.h"
#include "platform/IniFile.h"
#include "platform/Random.h"
#include "practicelog/PracticeLog.h"
#include "userdata/ZRSub.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

namespace {

const RomajiTable &tableOf(int course)
{
    static const RomajiTable romaji = shippedTable(RomajiCourse);
    static const RomajiTable kana = shippedTable(KanaCourse);
    return course == KanaCourse ? kana : romaji;
}

QStringList displays(const QList<WeakKeyWord> &words)
{
    QStringList shown;
    for (const WeakKeyWord &w : words)
        shown << QStringLiteral("%1:%2").arg(w.item.display).arg(w.weakPresses);
    return shown;
}

KeyTotal total(QChar c, double hits, double misses, double ms)
{
    return {ansiKeyCode(c), hits, misses, ms};
}

void writeDictionary(const QString &path, const QList<ProblemItem> &words)
{
    WordDictionary d;
    d.title = QStringLiteral(u"辞書");
    d.entries.resize(WordDictionary::kEntries);
    for (int i = 0; i < words.size(); ++i)
        d.entries[i] = words[i];
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    ASSERT_TRUE(WriteWordDictionary(path, d, &error)) << error.toStdString();
}

}  // namespace

TEST(WeakKeyPractice, LearnedKeysAreThoseOfTheChapterReached)
{
    const ChapterTable chapters({u"fj"_qs, u"dk"_qs, u"sl"_qs, u"jd"_qs});
    const struct {
        int progress;
        const char *expected;
    } rows[] = {{0, ""}, {1, "fj"}, {2, "fjdk"}, {3, "fjdk"}, {5, "fjdksl"}, {7, "fjdksl"}, {70, "fjdksl"}};
    for (const auto &row : rows)
        EXPECT_EQ(LearnedKeys(chapters, row.progress), QString::fromLatin1(row.expected)) << row.progress;
}

TEST(WeakKeyPractice, WordsAreRankedByThePressesOfAimedKeys)
{
    const QList<ProblemItem> words{{u"秋"_qs, u"あき"_qs},         {u"四角"_qs, u"しかく"_qs}, {u"柿"_qs, u"かき"_qs},
                                   {u"菊"_qs, u"きく"_qs},         {u"蛸"_qs, u"たこ"_qs},     {u"愛"_qs, u"あい"_qs},
                                   {u"柿"_qs, u"かき"_qs},         {u"長"_qs, QString(31, QChar(u'か'))},
                                   {u"丘"_qs, QString(30, QChar(u'か'))}};
    // The romaji course after Chapter 3 (fjdksla;ei and uo): t is not learned, あい
    // presses no k, the word of 31 kana is wider than a row, 柿 comes once.
    EXPECT_EQ(displays(RankWeakKeyWords(words, u"fjdksla;eiuo", u"k", RomajiCourse, tableOf(RomajiCourse))),
              (QStringList{u"丘:30"_qs, u"柿:2"_qs, u"菊:2"_qs, u"四角:2"_qs, u"秋:1"_qs}));
    // The kana course: one key per kana.
    const QList<ProblemItem> kana{{u"箸"_qs, u"はし"_qs}, {u"母"_qs, u"はは"_qs}, {u"島"_qs, u"しま"_qs}, {u"菓子"_qs, u"かし"_qs}};
    EXPECT_EQ(displays(RankWeakKeyWords(kana, u"ﾊﾏｼﾉﾄﾘﾁﾚ", u"ﾊ", KanaCourse, tableOf(KanaCourse))),
              (QStringList{u"母:2"_qs, u"箸:1"_qs}));
}

TEST(WeakKeyPractice, DrawsInProportionAndNeverTheWordBefore)
{
    WeakKeyPractice p;
    p.entries = {PracticeEntry{}, PracticeEntry{}, PracticeEntry{}};
    p.weights = {6, 3, 1};
    Random::seed(19);
    int counts[3] = {};
    for (int i = 0; i < 10000; ++i)
        ++counts[p.pickEntry(-1)];
    EXPECT_NEAR(counts[0] / 10000.0, 0.6, 0.03);
    EXPECT_NEAR(counts[1] / 10000.0, 0.3, 0.03);
    EXPECT_NEAR(counts[2] / 10000.0, 0.1, 0.03);
    for (int previous = 0; previous < 3; ++previous) {
        for (int i = 0; i < 300; ++i)
            EXPECT_NE(p.pickEntry(previous), previous);
    }
    WeakKeyPractice one;
    one.entries = {PracticeEntry{}};
    one.weights = {2};
    EXPECT_EQ(one.pickEntry(0), 0);
}

TEST(WeakKeyPractice, AWordPracticeOfItsWordsNeverRepeatsAWordInARow)
{
    const QList<ProblemItem> words{{u"柿"_qs, u"かき"_qs}, {u"菊"_qs, u"きく"_qs}, {u"秋"_qs, u"あき"_qs}};
    const std::optional<WeakKeyPractice> plan =
        BuildWeakKeyPractice({total(u'k', 30, 6, 9000)}, words, u"fjdksla;eiuo", RomajiCourse, tableOf(RomajiCourse));
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->aimedKeys(), u"k");
    EXPECT_EQ(plan->weights, (QList<int>{2, 2, 1}));
    ClockScope time;
    KeyStats stats;
    ProblemPractice::Options options;
    options.title = QStringLiteral(u"弱点");
    options.LessonTime = 3600 / 86400.0;
    options.LessonStep = 4;
    ProblemPractice practice(stats, options, {});
    practice.setEntries(plan->entries);
    practice.setEntryPicker([&](int previous) { return plan->pickEntry(previous); });
    Random::seed(7);
    QList<int> typed;   // the words in the order they are typed
    QObject::connect(&practice, &ProblemPractice::stepBuilt, [&] {
        for (int row = 0; row < 2; ++row) {
            for (const PositionRecord &p : practice.row(row).positions) {
                if (p.key == u' ')
                    typed.append(p.word);
            }
        }
    });
    ASSERT_TRUE(practice.start());
    while (!practice.finished()) {
        time.clock().advanceMs(100);
        practice.keyPress(practice.protocol().expectedKey());
    }
    ASSERT_GT(typed.size(), 40);
    for (int i = 1; i < typed.size(); ++i)
        EXPECT_NE(typed[i], typed[i - 1]) << "word " << i;
}

TEST(WeakKeyPractice, ReadsTheShippedAndTheRegisteredDictionariesOnce)
{
    TempDir dir;
    const QString app = dir.path() + QStringLiteral("/app/");
    writeDictionary(app + QStringLiteral("resource/a.zrd"), {{u"秋"_qs, u"あき"_qs}});
    writeDictionary(app + QStringLiteral("resource/B.ZRD"), {{u"柿"_qs, u"かき"_qs}});
    writeDictionary(dir.file(QStringLiteral("mine.zrd")), {{u"菊"_qs, u"きく"_qs}});
    const QString ini = dir.file(QStringLiteral("user.ini"));
    SetIniString(QStringLiteral("WordLsn"), QStringLiteral("L1"), QStringLiteral("resource\\A.zrd"), ini);
    SetIniString(QStringLiteral("WordLsn"), QStringLiteral("L3"), dir.file(QStringLiteral("mine.zrd")), ini);
    SetIniString(QStringLiteral("WordLsn"), QStringLiteral("L4"), QStringLiteral("resource\\gone.zrd"), ini);
    const QStringList files = WeakKeyDictionaryFiles(app, ini);
    ASSERT_EQ(files.size(), 3);
    EXPECT_TRUE(files[0].endsWith(u"resource/a.zrd"));
    EXPECT_TRUE(files[1].endsWith(u"resource/B.ZRD"));
    EXPECT_EQ(files[2], dir.file(QStringLiteral("mine.zrd")));
    QStringList read;
    for (const ProblemItem &w : WeakKeyDictionaryWords(files))
        read << w.display;
    EXPECT_EQ(read, (QStringList{u"秋"_qs, u"柿"_qs, u"菊"_qs}));
}

TEST(WeakKeyPractice, IsPlannedFromTheLogOrSaysWhyNot)
{
    TempDir dir;
    LogError error;
    auto log = PracticeLog::open(PracticeLogPath(dir.path()), PracticeLog::Access::Write, &error);
    ASSERT_TRUE(log);
    LoggedRun r;
    r.kind = r.itemKind = RunKind::Word;
    r.item = 1;
    r.date = QDate(2026, 12, 1);
    r.started = r.ended = QDateTime(r.date, QTime(3, 0), Qt::UTC);
    r.keys = {{ansiKeyCode(u';'), 20, 5, 9000}, {ansiKeyCode(u'f'), 100, 2, 20000}, {ansiKeyCode(u'k'), 60, 9, 18000},
              {ansiKeyCode(u'u'), 40, 10, 9000}};
    ASSERT_TRUE(log->append(r, &error));
    const QString ini = dir.file(QStringLiteral("user.ini"));
    const QDate today(2026, 12, 8);
    const struct {
        const char *name;
        int progress;
        QDate today;
        WeakKeyShortfall why;
        const char *aimed;
    } rows[] = {
        // Chapter 3 has learned u. ; and u share the lowest accuracy, ; with the longer
        // mean time; no shipped word types ;, the others give the words.
        {"Chapter 3", 3, today, WeakKeyShortfall::None, ";ukf"},
        {"nothing in the last 30 days", 3, QDate(2027, 3, 1), WeakKeyShortfall::NoJudgedKeys, ""},
        {"no learned key yet", 0, today, WeakKeyShortfall::NoJudgedKeys, ""},
    };
    for (const auto &row : rows) {
        WeakKeyShortfall why = WeakKeyShortfall::NoLog;
        const auto plan = PlanWeakKeyPractice(*log, RomajiCourse, row.progress, tableOf(RomajiCourse), appDir(), ini,
                                              row.today, &why);
        EXPECT_EQ(why, row.why) << row.name;
        EXPECT_EQ(plan.has_value(), row.why == WeakKeyShortfall::None) << row.name;
        if (!plan)
            continue;
        EXPECT_EQ(plan->aimedKeys(), QString::fromLatin1(row.aimed)) << row.name;
        EXPECT_LE(plan->entries.size(), WeakKeyPractice::kPool);
        EXPECT_GT(plan->entries.size(), 20);
        QString tableError;
        const QString learned =
            LearnedKeys(ChapterTable(ReadLessonTable(resourceFile(QStringLiteral("lessonRmj.tbl")), &tableError).value_or(QStringList{})), 3);
        ASSERT_EQ(learned, u"fjdksla;eiuo");
        for (const PracticeEntry &e : plan->entries) {
            const QString &keys = e.front().keys.Rmj;
            EXPECT_TRUE(std::all_of(keys.begin(), keys.end(), [&](QChar k) { return learned.contains(k); })) << keys.toStdString();
            EXPECT_TRUE(std::any_of(keys.begin(), keys.end(), [&](QChar k) { return plan->aimedKeys().contains(k); }));
        }
    }
    // Aimed at ; alone, which no word types, there is nothing to practise.
    EXPECT_FALSE(BuildWeakKeyPractice({total(u';', 20, 5, 9000)},
                                      WeakKeyDictionaryWords(WeakKeyDictionaryFiles(appDir(), ini)), u"fjdksla;ei",
                                      RomajiCourse, tableOf(RomajiCourse)));
}

TEST(WeakKeyPractice, TheResultSaysEachAimedKeyBeforeAndNow)
{
    KeyStats run;
    run.addHit(u'f', 200);
    run.addHit(u'f', 200);
    run.addMiss(u'k');
    const QList<KeyTotal> aimed{total(u'f', 40, 4, 9000), total(u'j', 20, 0, 4000), total(u'k', 0, 20, 0)};
    EXPECT_EQ(WeakKeyResultText(aimed, run), u"\r\n　ねらったキーの正解率（直近30日間 → 今回）：\r\n"
                                             u"　【 Ｆ 】 90% → 100%\r\n"
                                             u"　【 Ｊ 】 100% → 今回は入力なし\r\n"
                                             u"　【 Ｋ 】 正解なし → 正解なし\r\n"_qs);
    EXPECT_EQ(WeakKeyPracticeTitle(u"fj;", false), u"弱点練習【ｆ・ｊ・；】");
    EXPECT_EQ(WeakKeyPracticeTitle(u"ﾊﾏ", true), u"弱点練習【は・ま】");

    QList<ProgressFigures> days;
    for (int d = 0; d < 17; ++d) {
        ProgressFigures f;
        f.first = f.last = QDate(2026, 11, 1).addDays(d);
        f.hits = 100 + d;
        f.seconds = 60;
        days.append(f);
    }
    const ScoreRecord history = WeakKeyDayHistory(days);
    EXPECT_EQ(history.DayKeys[0], 116);
    EXPECT_EQ(history.DayKeys[14], 102);
    EXPECT_DOUBLE_EQ(history.DayTime[0], 60 / 86400.0);
    EXPECT_TRUE(WeakKeyDayHistory({}).isZero());
}

TEST(KeyHeatMap, KeysAddUpTheCharactersTheyTypeAndAreJudgedFromTwentyPresses)
{
    const QList<KeyTotal> romaji = TotalsPerKeyboardKey(
        {total(u' ', 50, 1, 9000), total(u'F', 5, 0, 1000), total(u'f', 10, 4, 3000), total(u'0', 3, 0, 600)}, RomajiCourse);
    ASSERT_EQ(romaji.size(), kKeyCount);
    EXPECT_EQ(romaji[29 - 1].key(), u'f');
    EXPECT_EQ(romaji[29 - 1].hits, 15);
    EXPECT_EQ(romaji[29 - 1].misses, 4);
    EXPECT_EQ(romaji[10 - 1].hits, 3);   // the blank is the space bar, not the shifted 0
    const QList<KeyTotal> kana = TotalsPerKeyboardKey({total(u'ﾂ', 12, 0, 3000), total(u'ｯ', 8, 1, 2000)}, KanaCourse);
    EXPECT_EQ(kana[38 - 1].key(), u'ﾂ');
    EXPECT_EQ(kana[38 - 1].presses(), 21);

    const struct {
        KeyTotal key;
        HeatState state;
        std::optional<double> accuracy;
    } rows[] = {
        {total(u'f', 0, 0, 0), HeatState::NoPresses, std::nullopt},
        {total(u'f', 15, 4, 3000), HeatState::TooFew, 100 - 4 / 15.0 * 100},
        {total(u'f', 19, 1, 3000), HeatState::Judged, 100 - 1 / 19.0 * 100},
        {total(u'f', 0, 25, 0), HeatState::Judged, 0.0},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(HeatStateOf(row.key), row.state) << row.key.presses();
        const auto accuracy = MeasureOf(row.key, KeyMeasure::Accuracy);
        ASSERT_EQ(accuracy.has_value(), row.accuracy.has_value());
        if (accuracy) {
            EXPECT_DOUBLE_EQ(*accuracy, *row.accuracy);
        }
    }
}

TEST(KeyHeatMap, ColoursRunFromGreenThroughYellowToRed)
{
    const HeatScale accuracy = HeatScaleOf(KeyMeasure::Accuracy, {});
    EXPECT_EQ(accuracy.good, 100);
    EXPECT_EQ(accuracy.poor, 85);
    const struct {
        double value;
        Rgb colour;
    } rows[] = {{101, HeatGoodColour()}, {100, HeatGoodColour()}, {92.5, HeatMiddleColour()},
                {85, HeatPoorColour()},  {40, HeatPoorColour()}};
    for (const auto &row : rows)
        EXPECT_EQ(HeatColour(row.value, accuracy), row.colour) << row.value;
    const Rgb between = HeatColour(96.25, accuracy);
    EXPECT_GT(between.r, HeatGoodColour().r);
    EXPECT_LT(between.r, HeatMiddleColour().r);

    // Mean times: from the quickest to the slowest judged key; a key pressed too rarely
    // does not stretch the scale.
    const HeatScale time = HeatScaleOf(KeyMeasure::MeanTime, {total(u'f', 20, 0, 4000), total(u'j', 30, 0, 9000),
                                                               total(u'k', 5, 0, 4500)});
    EXPECT_DOUBLE_EQ(time.good, 200);
    EXPECT_DOUBLE_EQ(time.poor, 300);
    EXPECT_EQ(HeatColour(300, time), HeatPoorColour());
    EXPECT_EQ(HeatColour(250, HeatScale{250, 250}), HeatGoodColour());
}
