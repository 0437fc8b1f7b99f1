#include "engine/AcceptedSpellings.h"
#include "engine/KeystrokeProtocol.h"

#include "TestSupport.h"
#include "keyboard/KanaInput.h"
#include "keyboard/KeyboardModel.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

using namespace zr;
using namespace zr::test;

namespace {

QList<PositionRecord> screenOf(const QStringList &words, int course, const RomajiTable &table)
{
    QList<PositionRecord> positions;
    for (int w = 0; w < words.size(); ++w) {
        AppendUnitPositions(positions, ConvertWord(words[w], u"", u"", KeyFilterOff, course, table).units, w);
        positions.append({QStringLiteral(u"　"), QString(), QChar(u' '), 0, w, QString()});
    }
    return positions;
}

// Everything a practice window and its result screen see of a run, as one line: for
// each key press the signals in order with their arguments and the sounds, then the
// counters and the per-key figures.
QString runTrace(const QStringList &words, const QString &keys, int course, KeystrokeProtocol::Options options)
{
    ClockScope time;
    RecordingSoundPlayer sounds;
    KeyStats stats;
    options.marksKeyboard = true;
    options.tracksMissedWords = true;
    options.typeSound = {1, 2, "t"};
    options.errorSound = {1, 2, "e"};
    KeystrokeProtocol protocol(stats, options);
    QString out;
    QObject::connect(&protocol, &KeystrokeProtocol::timingStarted, [&] { out += u'T'; });
    QObject::connect(&protocol, &KeystrokeProtocol::keyMarked, [&](QChar key, int code, bool finger, bool restore) {
        out += QStringLiteral("K%1%2%3%4").arg(key.isNull() ? QChar(u'0') : key).arg(code).arg(int(finger)).arg(int(restore));
    });
    QObject::connect(&protocol, &KeystrokeProtocol::keyAccepted, [&](int p) { out += QStringLiteral("A%1").arg(p); });
    QObject::connect(&protocol, &KeystrokeProtocol::missShown, [&](QChar e, QChar t) { out += QStringLiteral("M") + e + t; });
    QObject::connect(&protocol, &KeystrokeProtocol::errorCleared, [&] { out += u'E'; });
    QObject::connect(&protocol, &KeystrokeProtocol::wordMissed, [&](int w) { out += QStringLiteral("W%1").arg(w); });
    QObject::connect(&protocol, &KeystrokeProtocol::screenCompleted, [&] { out += u'C'; });
    protocol.startRun();
    static const RomajiTable tables[2] = {shippedTable(RomajiCourse), shippedTable(KanaCourse)};
    protocol.setScreen(screenOf(words, course, tables[course]), true);
    for (QChar key : keys) {
        QChar typed = key;
        if (course == KanaCourse && !TranslateToKana(0, key, false).isNull())
            typed = TranslateToKana(0, key, false);
        time.clock().advanceMs(10);
        sounds.events.clear();
        out += u' ';
        out += typed.unicode() < 32 ? QStringLiteral("^") + QChar(typed.unicode() + 64) : QString(typed);
        out += u':';
        protocol.keyPress(typed);
        out += sounds.events.join(QString());
        out += QStringLiteral("/%1,%2").arg(protocol.MissFlg()).arg(protocol.Buff());
    }
    out += QStringLiteral(" | u%1 h%2 m%3 c%4 |").arg(protocol.unitsTyped()).arg(protocol.keyHits())
               .arg(protocol.positionsMissed()).arg(protocol.cursor());
    for (int code = KeyStats::kFirstCode; code <= KeyStats::kLastCode; ++code) {
        const KeyStat &s = *stats.at(code);
        if (s.hits || s.misses || s.milliseconds)
            out += QStringLiteral(" %1:%2/%3/%4").arg(code).arg(s.hits).arg(s.misses).arg(s.milliseconds);
    }
    return out;
}

struct TraceRow {
    const char16_t *words;   // blank-separated
    const char16_t *keys;
    int course;
    const char16_t *expected;
};

}  // namespace

// What the protocol does without the option, captured before the option existed: the
// spellings the option accepts are misses here, and everything a window and a result
// screen can see stays exactly as it was.
TEST(AnySpelling, OffChangesNothing)
{
    const TraceRow rows[] = {
        {u"しゃしん", u"shasinn ", RomajiCourse,
         u" s:K0101Ks101ETA0t/0,0 h:K0101Ky410Kh600MyhW0te/2,104 a:Kh101Ky410Ka600Myate/2,97 s:Ka10"
         u"1Ky410Ks600Myste/2,115 i:Ks101Ky410Ki600Myite/2,105 n:Ki101Ky410Kn600Mynte/2,110 n:Kn101"
         u"Ky410Kn600Mynte/2,110  :Kn101Ky410K 600My te/2,32 | u1 h1 m1 c1 | 115:1/0/0 121:0/1/0"},
        {u"しゃしん", u"sixyasinn ", RomajiCourse,
         u" s:K0101Ks101ETA0t/0,0 i:K0101Ky410Ki600MyiW0te/2,105 x:Ki101Ky410Kx600Myxte/2,120 y:Kx1"
         u"01Ky101EA1t/0,120 a:Kx101Ka101EA2t/0,120 s:Kx101Ks101EA3t/0,120 i:Kx101Ki101EA4t/0,120 n"
         u":Kx101Kn101EA5t/0,120 n:Kx101Kn101EA6t/0,120  :Kx101K 101EA7Ct/0,120 | u4 h8 m1 c8 | 32:"
         u"1/0/10 97:1/0/10 105:1/0/10 110:2/0/20 115:2/0/10 121:1/1/30"},
        {u"ちょっと", u"choxtuto ", RomajiCourse,
         u" c:K0101Kt410Kc600MtcW0Tte/1,99 h:Kc101Kt410Kh600MthTte/1,104 o:Kh101Kt410Ko600MtoTte/1,"
         u"111 x:Ko101Kt410Kx600MtxTte/1,120 t:Kx101Kt101ETA0t/0,120 u:Kx101Ky410Ku600MyuW0te/2,117"
         u" t:Ku101Ky410Kt600Mytte/2,116 o:Kt101Ky410Ko600Myote/2,111  :Ko101Ky410K 600My te/2,32 |"
         u" u1 h1 m2 c1 | 116:1/1/0 121:0/1/0"},
        {u"ちょっと きって", u"tyotto kixtute ", RomajiCourse,
         u" t:K0101Kt101ETA0t/0,0 y:K0101Ky101EA1t/0,0 o:K0101Ko101EA2t/0,0 t:K0101Kt101EA3t/0,0 t:"
         u"K0101Kt101EA4t/0,0 o:K0101Ko101EA5t/0,0  :K0101K 101EA6t/0,0 k:K0101Kk101EA7t/0,0 i:K010"
         u"1Ki101EA8t/0,0 x:K0101Kt410Kx600MtxW1te/10,120 t:Kx101Kt101EA9t/0,120 u:Kx101Kt410Ku600M"
         u"tuW1te/11,117 t:Ku101Kt101EA10t/0,117 e:Ku101Ke101EA11t/0,117  :Ku101K 101EA12Ct/0,117 |"
         u" u6 h13 m2 c13 | 32:2/0/20 101:1/0/10 105:1/0/10 107:1/0/10 111:2/0/20 116:5/2/60 121:1/"
         u"0/10"},
        {u"つくえ ふじ", u"tsukue fuji ", RomajiCourse,
         u" t:K0101Kt101ETA0t/0,0 s:K0101Ku410Ks600MusW0te/2,115 u:Ks101Ku101EA1t/0,115 k:Ks101Kk10"
         u"1EA2t/0,115 u:Ks101Ku101EA3t/0,115 e:Ks101Ke101EA4t/0,115  :Ks101K 101EA5t/0,115 f:Ks101"
         u"Kh410Kf600MhfW1te/7,102 u:Kf101Kh410Ku600Mhute/7,117 j:Ku101Kh410Kj600Mhjte/7,106 i:Kj10"
         u"1Kh410Ki600Mhite/7,105  :Ki101Kh410K 600Mh te/7,32 | u4 h6 m2 c6 | 32:1/0/10 101:1/0/10 "
         u"104:0/1/0 107:1/0/10 116:1/0/0 117:2/1/30"},
        {u"じゃま じゃま", u"jyama Zyama ", RomajiCourse,
         u" j:K0101Kz410Kj600MzjW0Tte/1,106 y:Kj101Kz410Ky600MzyTte/1,121 a:Ky101Kz410Ka600MzaTte/1"
         u",97 m:Ka101Kz410Km600MzmTte/1,109 a:Km101Kz410Ka600MzaTte/1,97  :Ka101Kz410K 600Mz Tte/1"
         u",32 Z:K 101Kz101ETA0t/0,32 y:K 101Ky101EA1t/0,32 a:K 101Ka101EA2t/0,32 m:K 101Km101EA3t/"
         u"0,32 a:K 101Ka101EA4t/0,32  :K 101K 101EA5t/0,32 | u3 h6 m1 c6 | 32:1/0/10 97:2/0/20 109"
         u":1/0/10 121:1/0/10 122:1/1/0"},
        {u"こんにちは", u"konichiha konnnichiha\b ", RomajiCourse,
         u" k:K0101Kk101ETA0t/0,0 o:K0101Ko101EA1t/0,0 n:K0101Kn101EA2t/0,0 i:K0101Kn410Ki600MniW0t"
         u"e/4,105 c:Ki101Kn410Kc600Mncte/4,99 h:Kc101Kn410Kh600Mnhte/4,104 i:Kh101Kn410Ki600Mnite/"
         u"4,105 h:Ki101Kn410Kh600Mnhte/4,104 a:Kh101Kn410Ka600Mnate/4,97  :Ka101Kn410K 600Mn te/4,"
         u"32 k:K 101Kn410Kk600Mnkte/4,107 o:Kk101Kn410Ko600Mnote/4,111 n:Ko101Kn101EA3t/0,111 n:Ko"
         u"101Kn101EA4t/0,111 n:Ko101Ki410Kn600MinW0te/6,110 i:Kn101Ki101EA5t/0,110 c:Kn101Kt410Kc6"
         u"00MtcW0te/7,99 h:Kc101Kt410Kh600Mthte/7,104 i:Kh101Kt410Ki600Mtite/7,105 h:Ki101Kt410Kh6"
         u"00Mthte/7,104 a:Kh101Kt410Ka600Mtate/7,97 ^H:t/7,97  :Ka101Kt410K 600Mt te/7,32 | u3 h6 "
         u"m3 c6 | 105:1/1/20 107:1/0/0 110:3/1/120 111:1/0/10 116:0/1/0"},
        {u"こんど ほんや ほんだ", u"kondo honya honnya honxda ", RomajiCourse,
         u" k:K0101Kk101ETA0t/0,0 o:K0101Ko101EA1t/0,0 n:K0101Kn101EA2t/0,0 d:K0101Kn101EA3Kd101EA4"
         u"t/0,0 o:K0101Ko101EA5t/0,0  :K0101K 101EA6t/0,0 h:K0101Kh101EA7t/0,0 o:K0101Ko101EA8t/0,"
         u"0 n:K0101Kn101EA9t/0,0 y:K0101Kn410Ky600MnyW1te/11,121 a:Ky101Kn410Ka600Mnate/11,97  :Ka"
         u"101Kn410K 600Mn te/11,32 h:K 101Kn410Kh600Mnhte/11,104 o:Kh101Kn410Ko600Mnote/11,111 n:K"
         u"o101Kn101EA10t/0,111 n:Ko101Ky410Kn600MynW1te/12,110 y:Kn101Ky101EA11t/0,110 a:Kn101Ka10"
         u"1EA12t/0,110  :Kn101K 101EA13t/0,110 h:Kn101Kh101EA14t/0,110 o:Kn101Ko101EA15t/0,110 n:K"
         u"n101Kn101EA16t/0,110 x:Kn101Kn101EA17Kd410Kx600MdxW2te/19,120 d:Kx101Kd101EA18t/0,120 a:"
         u"Kx101Ka101EA19t/0,120  :Kx101K 101EA20Ct/0,120 | u12 h19 m3 c21 | 32:3/0/30 97:2/0/20 10"
         u"0:2/1/30 104:2/0/20 107:1/0/0 110:4/1/90 111:4/0/40 121:1/1/20"},
        {u"がっ", u"t@Z  ", KanaCourse,
         u" ｶ:K0101Kｶ101ETA0t/0,0 ﾞ:K0101Kﾞ101EA1t/0,0 ｯ:K0101Kｯ101EA2t/0,0  :K0101K 101EA3Ct/0,0  "
         u":K0101t/0,0 | u3 h4 m0 c4 | 32:1/0/10 175:1/0/10 182:1/0/0 222:1/0/10"},
    };
    for (const TraceRow &row : rows) {
        const QStringList words = QString::fromUtf16(row.words).split(u' ');
        const QString keys = QString::fromUtf16(row.keys);
        SCOPED_TRACE(QString::fromUtf16(row.words).toStdString() + " / " + keys.toStdString());
        const QString trace = runTrace(words, keys, row.course, {});
        EXPECT_EQ(trace, QString::fromUtf16(row.expected)) << trace.toStdString();
    }
}

namespace {

std::shared_ptr<const AcceptedSpellings> spellingsFor(const RomajiTable &own)
{
    QString error;
    const auto defaults = ReadDefaultTable(resourceFile(QStringLiteral("DefRmj.tbl")), &error);
    if (!defaults)
        throw std::runtime_error(error.toStdString());
    return std::make_shared<const AcceptedSpellings>(own, *defaults);
}

// The learner's table, with some units spelled otherwise ("しゃ=sha ち=chi").
RomajiTable learnerTable(const char16_t *spelled)
{
    RomajiTable table = shippedTable(RomajiCourse);
    for (const QString &pair : QString::fromUtf16(spelled).split(u' ', Qt::SkipEmptyParts))
        table.setSpelling(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    return table;
}

// Types keys into a screen of words and tells for each press: + a hit, - a miss, * a
// hit after the single-n shortcut supplied the second n of ん, . nothing.
struct Typed {
    QString verdicts;
    QString screenKeys;   // the screen's keys as they stand after the last press
};

Typed typeWith(const QStringList &words, const QString &keys, const RomajiTable &table,
               std::shared_ptr<const AcceptedSpellings> spellings, KeyStats *stats = nullptr)
{
    ClockScope time;
    RecordingSoundPlayer sounds;
    KeyStats own;
    KeystrokeProtocol::Options options;
    options.spellings = std::move(spellings);
    KeystrokeProtocol protocol(stats ? *stats : own, options);
    int accepted = 0;
    bool missed = false;
    QObject::connect(&protocol, &KeystrokeProtocol::keyAccepted, [&](int) { ++accepted; });
    QObject::connect(&protocol, &KeystrokeProtocol::missShown, [&](QChar, QChar) { missed = true; });
    protocol.startRun();
    protocol.setScreen(screenOf(words, RomajiCourse, table), true);
    Typed out;
    for (QChar key : keys) {
        accepted = 0;
        missed = false;
        protocol.keyPress(key);
        out.verdicts += missed ? u'-' : accepted == 2 ? u'*' : accepted == 1 ? u'+' : u'.';
    }
    out.screenKeys = protocol.screenKeys();
    return out;
}

struct SpellingRow {
    const char16_t *words;
    const char16_t *spelled;   // the learner's spellings where they are not the default ones
    const char *keys;
    const char *verdicts;
    const char *screenKeys;
};

}  // namespace

// Words typed in other spellings than the learner's, each row in one screen, with the
// verdict of every press and the screen's keys after the last one.
TEST(AnySpelling, EveryStandardSpellingIsAHit)
{
    const SpellingRow rows[] = {
        {u"しゃしん", u"", "syasinn ", "++++++++", "syasinn "},
        {u"しゃしん", u"", "shasinn ", "++++++++", "shasinn "},
        {u"しゃしん", u"", "sixyasinn ", "++++++++++", "sixyasinn "},
        {u"しゃしん", u"", "shixyashinn ", "++++++++++++", "shixyashinn "},
        {u"しゃしん", u"", "ShaSinn ", "++++++++", "shasinn "},
        // ん ends the word: its single n would leave the separator to an input method
        // still waiting for the second.
        {u"しゃしん", u"", "shasin ", "++++++-", "shasinn "},
        {u"しゃしん", u"しゃ=sha", "sya", "+++", "syasinn "},
        {u"しゃしん", u"", "shq", "++-", "shasinn "},   // a key no spelling has
        {u"ちょっと", u"", "chotto ", "+++++++", "chotto "},
        {u"ちょっと", u"", "tyotto ", "+++++++", "tyotto "},
        {u"ちょっと", u"", "choxtuto ", "+++++++++", "choxtuto "},
        {u"ちょっと", u"ちょ=cho", "tyoltsuto ", "++++++++++", "tyoltsuto "},
        {u"ちょっと", u"", "tixyotto ", "+++++++++", "tixyotto "},
        {u"つくえ ふじ", u"", "tsukue fuji ", "++++++++++++", "tsukue fuji "},
        {u"つくえ ふじ", u"つ=tsu ふ=fu じ=ji", "tukue huzi ", "+++++++++++", "tukue huzi "},
        {u"じゃま", u"", "jama ", "+++++", "jama "},
        {u"じゃま", u"", "zyama ", "++++++", "zyama "},
        {u"じゃま", u"", "jixyama ", "++++++++", "jixyama "},
        // Spellings that input methods accept beyond the tables.
        {u"じゃま", u"", "jyama ", "++++++", "jyama "},
        {u"ちゃ こ", u"", "cya co ", "+++++++", "cya co "},
        {u"じゃま", u"", "jwama", "+-+++", "jama "},
        {u"こんにちは", u"", "konnnichiha ", "++++++++++++", "konnnichiha "},
        {u"こんにちは", u"", "koxnnichiha ", "++++++++++++", "koxnnichiha "},
        {u"こんにちは", u"", "koni", "+++-", "konnnitiha "},   // n + i reads as に
        {u"こんど こんや", u"", "kondo kony", "+++*+++++-", "konndo konnya "},
        {u"こんど", u"", "koxndo ", "+++++++", "koxndo "},
        {u"ほんちゃ", u"", "honcha ", "+++*+++", "honncha "},   // after the single n, any spelling
        {u"ぁ ゃ っ", u"", "la lya ltsu ", "++++++++++++", "la lya ltsu "},
        {u"あっ あった", u"", "axtsu altuta ", "+++++++++++++", "axtsu altuta "},
        {u"きって", u"", "kixtute ", "++++++++", "kixtute "},
        {u"ふぁん", u"", "huxann ", "+++++++", "huxann "},
    };
    for (const SpellingRow &row : rows) {
        const QStringList words = QString::fromUtf16(row.words).split(u' ');
        const QString keys = QString::fromLatin1(row.keys);
        SCOPED_TRACE(QString::fromUtf16(row.words).toStdString() + " / " + row.keys);
        const RomajiTable table = learnerTable(row.spelled);
        const Typed typed = typeWith(words, keys, table, spellingsFor(table));
        EXPECT_EQ(typed.verdicts, QString::fromLatin1(row.verdicts));
        EXPECT_EQ(typed.screenKeys, QString::fromLatin1(row.screenKeys));
        // Without the option, only the learner's own spellings are hits.
        const Typed off = typeWith(words, keys, table, nullptr);
        if (KeysOf(screenOf(words, RomajiCourse, table)).startsWith(keys.toLower()))
            EXPECT_EQ(off.verdicts, typed.verdicts);
        else
            EXPECT_TRUE(off.verdicts.contains(u'-'));
    }
}

TEST(AnySpelling, KeyStatsChargeTheSpellingInUse)
{
    const RomajiTable table = learnerTable(u"");
    KeyStats stats;
    // ちゃ is tya for this learner; after c the unit is cha, so q misses the h.
    const Typed typed = typeWith({u"ちゃ"_qs}, "cqha ", table, spellingsFor(table), &stats);
    EXPECT_EQ(typed.verdicts, "+-+++");
    EXPECT_EQ(stats.at('h')->misses, 1);
    EXPECT_EQ(stats.at('y')->misses, 0);
    for (char key : {'c', 'h', 'a', ' '})
        EXPECT_EQ(stats.at(key)->hits, 1) << key;
    EXPECT_EQ(stats.at('t')->hits, 0);
}

TEST(AnySpelling, TheSwitchedUnitKeepsItsPlaceOnTheScreen)
{
    const RomajiTable table = learnerTable(u"");
    KeyStats stats;
    KeystrokeProtocol::Options options;
    options.spellings = spellingsFor(table);
    KeystrokeProtocol protocol(stats, options);
    QList<PositionRecord> positions = screenOf({u"しゃ"_qs, u"か"_qs}, RomajiCourse, table);
    positions[2].written = QStringLiteral(u"写");   // the word's last key carries its written form
    protocol.startRun();
    protocol.setScreen(positions, true);
    QList<std::array<int, 3>> switched;
    QObject::connect(&protocol, &KeystrokeProtocol::spellingSwitched,
                     [&](int first, int removed, int added) { switched.append({first, removed, added}); });
    for (QChar c : u"shix"_qs)
        protocol.keyPress(c);
    // sya became sha, then shixya: the unit's three positions became six.
    EXPECT_EQ(switched, (QList<std::array<int, 3>>{{0, 3, 3}, {0, 3, 6}}));
    const QList<PositionRecord> &p = protocol.positions();
    ASSERT_EQ(p.size(), 10);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(p[k].kana, u"しゃ");
        EXPECT_EQ(p[k].unitKeys, u"shixya");
        EXPECT_EQ(p[k].offset, k);
        EXPECT_EQ(p[k].word, 0);
        EXPECT_EQ(p[k].written.isEmpty(), k != 5);
    }
    EXPECT_EQ(p[5].written, u"写");
    EXPECT_EQ(p[7].key, u'k');
    EXPECT_EQ(p[7].word, 1);
    EXPECT_EQ(protocol.cursor(), 4);
    EXPECT_EQ(protocol.expectedKey(), u'y');
    EXPECT_EQ(protocol.screenKeys(), u"shixya ka ");
}

TEST(AnySpelling, TheSpellingsOfAUnit)
{
    const RomajiTable table = learnerTable(u"し=shi");
    const auto spellings = spellingsFor(table);
    const struct {
        const char16_t *unit;
        const char *spellings;
    } rows[] = {
        {u"し", "shi si ci"},   // the learner's own first
        {u"しゃ", "sya sha shixya shilya sixya silya cixya cilya"},   // composed from shi first
        {u"じゃ", "zya ja jya zixya zilya jixya jilya"},   // jya as input methods take it
        {u"ぁ", "xa la"},
        {u"っ", "xtu ltu xtsu ltsu"},
        {u"ゎ", "xwa lwa"},
        {u"ん", "nn xn"},
        {u"っと", "tto xtuto ltuto xtsuto ltsuto"},
        {u"っち", "tti cchi xtuti xtuchi ltuti ltuchi xtsuti xtsuchi ltsuti ltsuchi"},
        {u"っあ", "xtua ltua xtsua ltsua"},   // a vowel is not doubled
        {u"っな", "xtuna ltuna xtsuna ltsuna"},   // nor is n
        {u"っ、", "xtu, ltu, xtsu, ltsu,"},
        {u"か", "ka ca"},
        {u"、", ","},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(QString::fromUtf16(row.unit).toStdString());
        EXPECT_EQ(spellings->of(QString::fromUtf16(row.unit)).join(u' '), QString::fromLatin1(row.spellings));
    }
    EXPECT_TRUE(spellings->of(u"ゐゐ"_qs).isEmpty());
    EXPECT_EQ(spellings->longestSpelling(), 10);   // っしゃ as xtsushixya
    EXPECT_EQ(spellings->continuing(u"しゃ"_qs, u"sh", u'i'), u"shixya");
    EXPECT_EQ(spellings->continuing(u"しゃ"_qs, u"s", u'h'), u"sha");
    EXPECT_TRUE(spellings->continuing(u"しゃ"_qs, u"sh", u'y').isEmpty());
}
