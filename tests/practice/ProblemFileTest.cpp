#include "userdata/ProblemFile.h"
#include "practice/ProblemSource.h"

#include "TestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

namespace {

WordDictionary dictionary(int words)
{
    WordDictionary d;
    d.title = QStringLiteral(u"テスト");
    d.description = QStringLiteral("line 1\r\nline 2");
    d.entries.resize(WordDictionary::kEntries);
    for (int i = 0; i < words; ++i)
        d.entries[i] = {QStringLiteral(u"語%1").arg(i), QStringLiteral(u"ご")};
    return d;
}

}  // namespace

TEST(WordDictionary, LayoutAndRoundTrip)
{
    TempDir dir;
    const QString path = dir.file("t.zrd");
    const WordDictionary d = dictionary(2);
    QString error;
    ASSERT_TRUE(WriteWordDictionary(path, d, &error));
    QByteArray expected = storedString(d.title) + QByteArray(4, '\0') + storedString(d.description)
                          + storedString(u"語0"_qs) + storedString(u"ご"_qs) + storedString(u"語1"_qs)
                          + storedString(u"ご"_qs);
    expected += QByteArray((WordDictionary::kEntries - 2) * 4, '\0');
    EXPECT_EQ(readBytes(path), expected);

    ProblemFileStatus status;
    const WordDictionary back = ReadWordDictionary(path, &status);
    EXPECT_TRUE(status.exists);
    EXPECT_FALSE(status.truncated);
    EXPECT_EQ(back.title, d.title);
    EXPECT_EQ(back.description, d.description);
    EXPECT_EQ(back.wordCount(), 2);
    EXPECT_EQ(back.words(), d.words());
    EXPECT_EQ(ReadProblemTitle(path), d.title);
}

TEST(WordDictionary, ASmallDictionaryByteForByte)
{
    // Written out by hand, so that an encoding fault of the writer cannot pass.
    TempDir dir;
    const QString path = dir.file("t.zrd");
    WordDictionary d;
    d.title = QStringLiteral(u"かな");
    d.description = QStringLiteral("x");
    d.entries.resize(WordDictionary::kEntries);
    d.entries[0] = {QStringLiteral(u"赤"), QStringLiteral(u"あか")};
    QString error;
    ASSERT_TRUE(WriteWordDictionary(path, d, &error));
    QByteArray expected("\x04\x00\x82\xa9\x82\xc8"      // title かな
                        "\x00\x00\x00\x00"                // four zero bytes
                        "\x01\x00x"                        // description
                        "\x02\x00\x90\xd4"                // 赤
                        "\x04\x00\x82\xa0\x82\xa9",       // あか
                        23);
    expected += QByteArray((WordDictionary::kEntries - 1) * 4, '\0');
    EXPECT_EQ(readBytes(path), expected);
}

TEST(WordDictionary, WordsEndAtTheFirstEmptyReading)
{
    WordDictionary d = dictionary(1);
    EXPECT_EQ(d.wordCount(), 1);
    d = dictionary(10);
    d.entries[5].reading.clear();
    EXPECT_EQ(d.wordCount(), 5);
    EXPECT_EQ(d.words().size(), 5);
    // With every entry filled the last one is never a word.
    d = dictionary(WordDictionary::kEntries);
    EXPECT_EQ(d.wordCount(), WordDictionary::kMaxWords);
}

TEST(WordDictionary, MissingAndCutFilesReadAsEmpty)
{
    TempDir dir;
    ProblemFileStatus status;
    const WordDictionary none = ReadWordDictionary(dir.file("none.zrd"), &status);
    EXPECT_FALSE(status.exists);
    EXPECT_TRUE(none.title.isEmpty());
    EXPECT_EQ(none.wordCount(), 0);
    EXPECT_FALSE(QFile::exists(dir.file("none.zrd")));   // reading creates nothing

    const QByteArray full = SerializeWordDictionary(dictionary(3));
    writeBytes(dir.file("cut.zrd"), full.left(40));
    const WordDictionary cut = ReadWordDictionary(dir.file("cut.zrd"), &status);
    EXPECT_TRUE(status.truncated);
    EXPECT_EQ(cut.title, QStringLiteral(u"テスト"));
    EXPECT_LE(cut.wordCount(), 3);

    // A count beyond the end of the file reads as an empty title.
    writeBytes(dir.file("bad.zrd"), storedInt16(-1) + "xyz");
    EXPECT_TRUE(ReadProblemTitle(dir.file("bad.zrd")).isEmpty());

    // The bytes in memory read as the file does.
    bool truncated = false;
    EXPECT_EQ(ParseWordDictionary(full.left(40), &truncated).entries, cut.entries);
    EXPECT_TRUE(truncated);
    EXPECT_EQ(ParseWordDictionary(full, &truncated).words(), dictionary(3).words());
    EXPECT_FALSE(truncated);
    EXPECT_EQ(ParseProblemTitle(full), QStringLiteral(u"テスト"));
}

TEST(SentenceSet, ProblemsOfLinesRoundTrip)
{
    TempDir dir;
    SentenceSet s;
    s.title = QStringLiteral(u"短文");
    s.problems[0][0] = {QStringLiteral(u"今日は晴れ。"), QStringLiteral(u"きょうははれ。")};
    s.problems[0][1] = {QStringLiteral(u"明日は雨。"), QStringLiteral(u"あしたはあめ。")};
    s.problems[0][3] = {QStringLiteral(u"届かない"), QStringLiteral(u"とどかない")};
    s.problems[19][0] = {QStringLiteral(u"最後"), QStringLiteral(u"さいご")};
    QString error;
    ASSERT_TRUE(WriteSentenceSet(dir.file("t.zrw"), s, &error));
    // Header 12 bytes, 840 string counts, 78 bytes of text.
    EXPECT_EQ(readBytes(dir.file("t.zrw")).size(), 12 + 20 * 42 * 2 + 78);
    const SentenceSet back = ReadSentenceSet(dir.file("t.zrw"));
    EXPECT_EQ(back.title, s.title);
    // Lines stop at the first empty reading.
    EXPECT_EQ(back.lines(1).size(), 2);
    EXPECT_EQ(back.lines(20).size(), 1);
    EXPECT_EQ(back.lines(2).size(), 0);
    EXPECT_EQ(back.lines(0).size(), 0);
    EXPECT_EQ(back.lines(21).size(), 0);
}

TEST(ProblemSource, WordSources)
{
    const auto parsed = ParseWordSource(u"# comment\n@title 単語\n@description 一\n@description 二\n\n赤\tあか\n朝\tあさ\r\n"_qs);
    ASSERT_TRUE(std::holds_alternative<WordDictionary>(parsed));
    const WordDictionary &d = std::get<WordDictionary>(parsed);
    EXPECT_EQ(d.title, QStringLiteral(u"単語"));
    EXPECT_EQ(d.description, QStringLiteral(u"一\r\n二"));
    EXPECT_EQ(d.wordCount(), 2);
    EXPECT_EQ(d.entries[1], (ProblemItem{u"朝"_qs, u"あさ"_qs}));
}

TEST(ProblemSource, SentenceSourcesSplitProblemsAtBlankLines)
{
    const auto parsed = ParseSentenceSource(u"@title 文\n\nA\tあ\nB\tい\n\n\nC\tう\n"_qs);
    ASSERT_TRUE(std::holds_alternative<SentenceSet>(parsed));
    const SentenceSet &s = std::get<SentenceSet>(parsed);
    EXPECT_EQ(s.lines(1).size(), 2);
    EXPECT_EQ(s.lines(2).size(), 1);
    EXPECT_EQ(s.lines(3).size(), 0);
}

TEST(ProblemSource, ErrorsNameTheLine)
{
    auto errorOf = [](const auto &parsed) {
        const SourceError *e = std::get_if<SourceError>(&parsed);
        return e ? e->line : -1;
    };
    EXPECT_EQ(errorOf(ParseWordSource(u"@title t\n赤 あか\n"_qs)), 2);          // no TAB
    EXPECT_EQ(errorOf(ParseWordSource(u"赤\tあか\n@title t\n"_qs)), 2);         // header after items
    EXPECT_EQ(errorOf(ParseWordSource(u"@name t\n"_qs)), 1);
    EXPECT_EQ(errorOf(ParseWordSource(u"a\tゔ\n"_qs)), 1);                     // not in code page 932
    EXPECT_EQ(errorOf(ParseWordSource(u"a\t\n"_qs)), 1);
    EXPECT_EQ(errorOf(ParseWordSource(u"@title t\n"_qs)), 0);                  // no words

    QString many;
    for (int i = 0; i <= 2000; ++i)
        many += QStringLiteral("w%1\tか\n").arg(i);
    EXPECT_EQ(errorOf(ParseWordSource(many)), 2001);

    QString problems;
    for (int i = 0; i <= 20; ++i)
        problems += QStringLiteral("p\tか\n\n");
    EXPECT_EQ(errorOf(ParseSentenceSource(problems)), 41);
    QString lines;
    for (int i = 0; i <= 21; ++i)
        lines += QStringLiteral("p\tか\n");
    EXPECT_EQ(errorOf(ParseSentenceSource(lines)), 22);
}
