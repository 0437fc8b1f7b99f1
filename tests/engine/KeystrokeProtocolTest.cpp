#include "engine/KeystrokeProtocol.h"

#include "TestSupport.h"
#include "keyboard/KeyboardModel.h"

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

namespace {

const SoundSetting kTypeSound{1, 2, "type.wav"};
const SoundSetting kErrorSound{1, 2, "error.wav"};

// Position records for words as a practice screen lays them out: the keys of each
// word, then the separator typed with the space bar.
QList<PositionRecord> screen(const QStringList &words)
{
    static const RomajiTable t = shippedTable(RomajiCourse);
    QList<PositionRecord> positions;
    for (int w = 0; w < words.size(); ++w) {
        AppendUnitPositions(positions, ConvertWord(words[w], u"", u"", 1, RomajiCourse, t).units, w);
        positions.append({QStringLiteral(u"　"), QString(), QChar(u' '), 0, w, QString()});
    }
    return positions;
}

struct Harness {
    explicit Harness(KeystrokeProtocol::Options options = {})
        : protocol(stats, withSounds(options))
    {
        QObject::connect(&protocol, &KeystrokeProtocol::wordMissed, [this](int w) { missedWords.append(w); });
        QObject::connect(&protocol, &KeystrokeProtocol::timingStarted, [this] { ++timingStarts; });
        QObject::connect(&protocol, &KeystrokeProtocol::screenCompleted, [this] { ++completed; });
        QObject::connect(&protocol, &KeystrokeProtocol::keyMarked,
                         [this](QChar key, int code, bool, bool) { marks.append(QString(key) + QString::number(code)); });
        protocol.startRun();
    }
    static KeystrokeProtocol::Options withSounds(KeystrokeProtocol::Options o)
    {
        o.typeSound = kTypeSound;
        o.errorSound = kErrorSound;
        return o;
    }
    void type(const QString &keys)
    {
        for (QChar c : keys)
            protocol.keyPress(c);
    }

    ClockScope time;
    RecordingSoundPlayer sounds;
    KeyStats stats;
    KeystrokeProtocol protocol;
    QList<int> missedWords;
    QStringList marks;
    int timingStarts = 0;
    int completed = 0;
};

}  // namespace

TEST(KeystrokeProtocol, TypingAScreenRight)
{
    Harness h;
    h.protocol.setScreen(screen({u"かさ"_qs}), true);
    h.type("kasa ");
    EXPECT_TRUE(h.protocol.screenComplete());
    EXPECT_EQ(h.completed, 1);
    EXPECT_EQ(h.protocol.keyHits(), 5);
    EXPECT_EQ(h.protocol.unitsTyped(), 3);   // か, さ and the separator
    EXPECT_EQ(h.protocol.positionsMissed(), 0);
    EXPECT_EQ(h.stats.at('a')->hits, 2);
    EXPECT_EQ(h.stats.at(' ')->hits, 1);
    EXPECT_EQ(h.sounds.events.count("type.wav"), 5);
}

TEST(KeystrokeProtocol, UpperCaseLettersCountAsTheirKeys)
{
    Harness h;
    h.protocol.setScreen(screen({u"か"_qs}), true);
    h.type("KA");
    EXPECT_EQ(h.protocol.cursor(), 2);
    EXPECT_EQ(h.stats.at('k')->hits, 1);
    EXPECT_EQ(h.stats.at('K')->hits, 0);
}

TEST(KeystrokeProtocol, ControlKeysOnlySound)
{
    Harness h;
    h.protocol.setScreen(screen({u"か"_qs}), true);
    h.protocol.keyPress(QChar(u'\b'));
    h.protocol.keyPress(QChar(u'\r'));
    EXPECT_EQ(h.sounds.events, QStringList({"type.wav", "type.wav"}));
    EXPECT_EQ(h.protocol.cursor(), 0);
    EXPECT_FALSE(h.protocol.running());
    EXPECT_EQ(h.timingStarts, 0);
}

TEST(KeystrokeProtocol, RepeatedWrongKeysCountOneMissForTheExpectedKey)
{
    Harness h({true, false, true, {}, {}, nullptr});
    h.protocol.setScreen(screen({u"かさ"_qs}), true);
    h.type("k");
    h.type("xyz");
    EXPECT_EQ(h.protocol.positionsMissed(), 1);
    EXPECT_EQ(h.stats.at('a')->misses, 1);   // charged to the key that should have come
    EXPECT_EQ(h.stats.at('x')->misses, 0);
    EXPECT_EQ(h.missedWords, QList<int>({0}));
    EXPECT_EQ(h.protocol.MissFlg(), 2);
    EXPECT_EQ(h.protocol.Buff(), int(u'z'));
    EXPECT_EQ(h.sounds.events.count("error.wav"), 3);
    h.type("a");
    EXPECT_EQ(h.protocol.MissFlg(), 0);
    EXPECT_EQ(h.protocol.cursor(), 2);
}

// The single-n shortcut: ん may be typed with one n where an input method could not
// read that n together with the next key. Each row types keys into a screen of one word
// and counts units typed, key hits and positions missed.
struct SingleNRow {
    const char16_t *word;
    const char *keys;
    double units, hits, missed;
};

TEST(KeystrokeProtocol, SingleNShortcut)
{
    const SingleNRow rows[] = {
        {u"ほんだ", "honda ", 4, 6, 0},    // the shortcut supplies the second n
        {u"ほんだ", "honx", 2, 3, 1},      // it moves on, then x misses the d
        {u"ほん", "hon ", 2, 3, 1},        // not before the end of a word
        {u"こんにゃく", "konnyaku", 2, 4, 1},   // n + nya would read as にゃ, not んにゃ
        {u"ほんにゃ", "honnnya ", 4, 8, 0},
        // Before every kana that a single n would join, the second n is needed.
        {u"ほんな", "honna", 2, 4, 1}, {u"ほんに", "honni", 2, 4, 1}, {u"ほんぬ", "honnu", 2, 4, 1},
        {u"ほんね", "honne", 2, 4, 1}, {u"ほんの", "honno", 2, 4, 1}, {u"ほんや", "honya", 2, 3, 1},
        {u"ほんゆ", "honyu", 2, 3, 1}, {u"ほんよ", "honyo", 2, 3, 1}, {u"ほんあ", "hona", 2, 3, 1},
        {u"ほんい", "honi", 2, 3, 1},  {u"ほんう", "honu", 2, 3, 1},  {u"ほんえ", "hone", 2, 3, 1},
        {u"ほんお", "hono", 2, 3, 1},
        {u"ほんにゃ", "honnya", 2, 4, 1}, {u"ほんにゅ", "honnyu", 2, 4, 1}, {u"ほんにょ", "honnyo", 2, 4, 1},
    };
    for (const SingleNRow &row : rows) {
        SCOPED_TRACE(QString::fromUtf16(row.word).toStdString() + " " + row.keys);
        Harness h;
        h.protocol.setScreen(screen({QString::fromUtf16(row.word)}), true);
        h.type(QString::fromLatin1(row.keys));
        EXPECT_EQ(h.protocol.unitsTyped(), row.units);
        EXPECT_EQ(h.protocol.keyHits(), row.hits);
        EXPECT_EQ(h.protocol.positionsMissed(), row.missed);
    }
}

TEST(KeystrokeProtocol, TheShortcutKeepsTheIntervalForTheRealKey)
{
    Harness h;
    h.protocol.setScreen(screen({u"ほんだ"_qs}), true);
    h.type("hon");
    h.time.clock().advanceMs(250);
    h.type("d");
    EXPECT_EQ(h.stats.at('d')->milliseconds, 250);
    EXPECT_EQ(h.stats.at('n')->hits, 1);   // the supplied n is no hit
}

TEST(KeystrokeProtocol, TimingStartsWithTheFirstKeyAndAgainAfterAWrongFirstKey)
{
    Harness h;
    h.protocol.setScreen(screen({u"かさ"_qs}), true);
    EXPECT_FALSE(h.protocol.running());
    h.time.clock().advanceMs(5000);   // looking at the screen costs nothing
    h.type("x");
    EXPECT_TRUE(h.protocol.running());
    EXPECT_EQ(h.timingStarts, 1);
    const double firstStart = h.protocol.startTime();
    h.time.clock().advanceMs(800);
    h.type("k");
    EXPECT_EQ(h.timingStarts, 2);
    EXPECT_GT(h.protocol.startTime(), firstStart);
    h.time.clock().advanceMs(300);
    h.type("a");
    EXPECT_EQ(h.timingStarts, 2);
    EXPECT_EQ(h.stats.at('k')->milliseconds, 0);
    EXPECT_EQ(h.stats.at('a')->milliseconds, 300);
}

TEST(KeystrokeProtocol, LaterScreensDoNotRestartTiming)
{
    Harness h;
    h.protocol.setScreen(screen({u"か"_qs}), true);
    h.type("ka ");
    h.protocol.setScreen(screen({u"さ"_qs}), false);
    h.type("x");
    EXPECT_EQ(h.timingStarts, 1);
    EXPECT_EQ(h.protocol.positionsMissed(), 1);
}

TEST(KeystrokeProtocol, SentencePracticeSoundsOnlyAcceptedKeys)
{
    Harness h({false, false, false, {}, {}, nullptr});
    h.protocol.setScreen(screen({u"ほんだ"_qs}), true);
    h.protocol.keyPress(QChar(u'\b'));
    h.type("x");
    EXPECT_EQ(h.sounds.events, QStringList({"error.wav"}));
    h.type("hond");   // the shortcut accepts two keys for one press
    EXPECT_EQ(h.sounds.events.count("type.wav"), 5);
}

TEST(KeystrokeProtocol, TheTrainingKeyboardIsMarked)
{
    Harness h({true, true, true, {}, {}, nullptr});
    h.protocol.setScreen(screen({u"か"_qs}), true);
    h.type("j");
    // As in the key position check: the key to type next in green with its finger, the
    // wrong key red.
    EXPECT_EQ(h.marks, QStringList({QString(QChar(0)) + "1", "k4", "j6"}));
    h.marks.clear();
    h.type("k");
    // The last wrong key and the key just typed go back to normal.
    EXPECT_EQ(h.marks, QStringList({"j1", "k1"}));
}

TEST(KeystrokeProtocol, KeysBeyondTheScreenAreIgnored)
{
    Harness h;
    h.protocol.setScreen({}, true);
    h.type("abc");
    EXPECT_EQ(h.protocol.keyHits(), 0);
    EXPECT_EQ(h.protocol.positionsMissed(), 0);
    EXPECT_TRUE(h.protocol.expectedKey().isNull());
}

TEST(KeyStats, OnlyCodes32To223HaveEntries)
{
    KeyStats s;
    s.addHit(u'ﾟ', 10);
    s.addHit(u'あ', 10);
    s.addMiss(QChar(u'\x1f'));
    EXPECT_EQ(s.at(0xDF)->hits, 1);
    EXPECT_EQ(s.totalHits(), 1);
    EXPECT_EQ(s.totalMisses(), 0);
    EXPECT_EQ(s.at(31), nullptr);
    EXPECT_EQ(s.at(224), nullptr);
    s.reset();
    EXPECT_EQ(s.totalHits(), 0);
}
