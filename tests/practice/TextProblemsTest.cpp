// A pasted text turned into problem-file items, and the one builder of problem files.

#include "practice/TextProblems.h"

#include "TestSupport.h"
#include "platform/Cp932.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

namespace {

const ReadingAnalyser &analyser()
{
    return DefaultReadingAnalyser();
}

QStringList texts(QStringView line, const QList<TextSpan> &spans)
{
    QStringList out;
    for (const TextSpan &s : spans)
        out.append(line.mid(s.start, s.length).toString());
    return out;
}

// Word starts of a text: one word per character, except where a list names them.
QList<int> everyCharacter(QStringView text)
{
    QList<int> starts;
    for (int i = 0; i < text.size(); ++i)
        starts.append(i);
    return starts;
}

}  // namespace

TEST(TextProblems, SentencesEndAtTheirMarksOutsideBrackets)
{
    const struct {
        const char16_t *line;
        QStringList sentences;
    } rows[] = {
        {u"晴れた。 雨だ！本当？", {u"晴れた。"_qs, u"雨だ！"_qs, u"本当？"_qs}},
        {u"「行こう。」と言った。", {u"「行こう。」と言った。"_qs}},
        {u"「行こう。」彼は走った。", {u"「行こう。」"_qs, u"彼は走った。"_qs}},
        {u"えっ！？そう。", {u"えっ！？"_qs, u"そう。"_qs}},
        {u"終わりのない文", {u"終わりのない文"_qs}},
        {u"　　", {}},
    };
    for (const auto &row : rows) {
        const QString line = QString::fromUtf16(row.line);
        EXPECT_EQ(texts(line, SplitSentences(line)), row.sentences) << line.toStdString();
    }
}

TEST(TextProblems, WideSentencesAreDividedAtTheWidthLimit)
{
    const QString fits = QString(31, QChar(u'あ'));                      // 62 bytes: one line
    const QString over = QString(31, QChar(u'あ')) + u"い"_qs;           // 64 bytes
    const QString comma = QString(10, QChar(u'か')) + u"、"_qs + QString(25, QChar(u'さ'));
    const QString late = QString(30, QChar(u'か')) + u"、"_qs + QString(5, QChar(u'さ'));   // 、 at bytes 61-62
    const QString halfWidth = QString(62, QChar(u'a'));
    const struct {
        QString sentence;
        QList<int> words;
        QStringList lines;
    } rows[] = {
        {fits, everyCharacter(fits), {fits}},
        {halfWidth, everyCharacter(halfWidth), {halfWidth}},
        {halfWidth + u'b', everyCharacter(halfWidth + u'b'), {halfWidth, u"b"_qs}},
        {over, everyCharacter(over), {QString(31, QChar(u'あ')), u"い"_qs}},
        // At the last 、 that fits, even far before the limit.
        {comma, everyCharacter(comma), {comma.left(11), comma.mid(11)}},
        {late, everyCharacter(late), {late.left(31), late.mid(31)}},
        // Between words, never inside one.
        {over, {0, 20}, {over.left(20), over.mid(20)}},
        // A single word wider than a line stays whole.
        {over, {0}, {over}},
    };
    for (const auto &row : rows) {
        const QStringList lines = texts(row.sentence, SplitWideSentence(row.sentence, row.words, kSentenceLineBytes));
        EXPECT_EQ(lines, row.lines) << row.sentence.toStdString();
        for (const QString &line : lines)
            EXPECT_TRUE(AnsiByteLength(line) <= kSentenceLineBytes || row.words.size() == 1);
    }
}

TEST(TextProblems, DraftsOfSentenceSetsAndDictionaries)
{
    ASSERT_TRUE(analyser().ready());
    // Paragraphs between blank lines are problems; a wide sentence is cut at its 、 and
    // both halves keep their readings.
    const QString wide = u"今日は朝から晩まで雨が降り続いていたので、私たちは家の中で静かに本を読んで過ごすことにした。"_qs;
    ASSERT_GT(AnsiByteLength(wide), kSentenceLineBytes);
    QList<DraftItem> items = DraftItems(u"晴れた。雨だ。\n\n"_qs + wide + u"\n東京へ行く。"_qs, ProblemKind::Sentence, analyser());
    ASSERT_EQ(items.size(), 5);
    EXPECT_EQ(items[0], (DraftItem{u"晴れた。"_qs, u"はれた。"_qs, {}, 0}));
    EXPECT_EQ(items[1].problem, 0);
    EXPECT_EQ(items[2].display, wide.left(wide.indexOf(u'、') + 1));
    EXPECT_EQ(items[2].reading, u"きょうはあさからばんまであめがふりつづいていたので、"_qs);
    EXPECT_EQ(items[2].problem, 1);
    EXPECT_EQ(items[3].reading, u"わたしたちはいえのなかでしずかにほんをよんですごすことにした。"_qs);
    EXPECT_EQ(items[4].problem, 1);

    // Without blank lines each line is a problem; past 21 lines a problem goes on in the next.
    items = DraftItems(u"一。二。\n三。"_qs, ProblemKind::Sentence, analyser());
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[2].problem, 1);
    items = DraftItems(QString(u"あ。"_qs).repeated(23), ProblemKind::Sentence, analyser());
    ASSERT_EQ(items.size(), 23);
    EXPECT_EQ(items[20].problem, 0);
    EXPECT_EQ(items[21].problem, 1);

    // A dictionary takes a line an item; unknown words carry their place in the text.
    items = DraftItems(u"  赤い花 \n\nabc\n"_qs, ProblemKind::Word, analyser());
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0], (DraftItem{u"赤い花"_qs, u"あかいはな"_qs, {}, 0}));
    EXPECT_EQ(items[1].unknown, (QList<UnknownWord>{{3, 1, u"abc"_qs}}));
    EXPECT_FALSE(IsTypableReading(items[1].reading));
}

TEST(TextProblems, FileNamesStayInTheProblemFolder)
{
    const struct {
        const char16_t *name;
        ProblemKind kind;
        const char16_t *file;
    } rows[] = {
        {u"日常の単語", ProblemKind::Word, u"日常の単語.zrd"},
        {u"news.ZRW", ProblemKind::Sentence, u"news.zrw"},
        {u"../../etc/passwd", ProblemKind::Word, u"_.._etc_passwd.zrd"},
        {u"a b\tc", ProblemKind::Word, u"a_b_c.zrd"},
        {u"𠮷野家", ProblemKind::Word, u"__野家.zrd"},
        {u"...", ProblemKind::Word, u""},
        {u"///", ProblemKind::Word, u""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(ProblemFileNameFor(QString::fromUtf16(row.name), row.kind), QString::fromUtf16(row.file))
            << QString::fromUtf16(row.name).toStdString();
}

TEST(ProblemBuild, FillsMissingReadingsOrSaysWhy)
{
    TempDir dir;
    const QString out = dir.file("w.zrd");
    auto source = [](const QString &text) {
        return std::get<ProblemSource>(ParseProblemSource(text, ProblemKind::Word));
    };
    const QString text = u"@title t\n赤\tあか\n東京駅\nabc\n青\n"_qs;

    // Without a dictionary a line without a reading fails, naming what to install.
    const ReadingAnalyser missing(dir.file("none"));
    BuildResult r = BuildProblemFile(source(text), ProblemKind::Word, {&missing, false}, out);
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->line, 3);
    EXPECT_TRUE(r.error->message.contains(u"libmecab2 mecab-ipadic-utf8"));
    EXPECT_FALSE(QFileInfo::exists(out));

    // Unknown words refuse the whole file, every one listed.
    r = BuildProblemFile(source(text), ProblemKind::Word, {&analyser(), false}, out);
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.report.unknown, (QList<UnknownWord>{{4, 1, u"abc"_qs}}));
    EXPECT_FALSE(QFileInfo::exists(out));

    // Or leave their lines out.
    r = BuildProblemFile(source(text), ProblemKind::Word, {&analyser(), true}, out);
    ASSERT_TRUE(r.ok()) << r.writeError.toStdString();
    EXPECT_EQ(r.report.skippedLines, QList<int>{4});
    const WordDictionary d = ReadWordDictionary(out);
    EXPECT_EQ(d.words(), (QList<ProblemItem>{{u"赤"_qs, u"あか"_qs}, {u"東京駅"_qs, u"とうきょうえき"_qs}, {u"青"_qs, u"あお"_qs}}));

    // A sentence problem left without lines is dropped, not kept empty.
    const auto sentences = std::get<ProblemSource>(ParseProblemSource(u"xyz\n\n春が来た。\n"_qs, ProblemKind::Sentence));
    r = BuildProblemFile(sentences, ProblemKind::Sentence, {&analyser(), true}, dir.file("s.zrw"));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(ReadSentenceSet(dir.file("s.zrw")).lines(1), (QList<ProblemItem>{{u"春が来た。"_qs, u"はるがきた。"_qs}}));
}
