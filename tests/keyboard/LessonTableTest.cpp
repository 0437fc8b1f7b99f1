#include "keyboard/KeyboardModel.h"
#include "keyboard/LessonTable.h"

#include "TestSupport.h"
#include "platform/Cp932.h"
#include "platform/Paths.h"

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

TEST(ChapterTable, OneLineIsOneChapter)
{
    const ChapterTable t({"fj"});
    ASSERT_EQ(t.ChapterCount(), 1);
    EXPECT_EQ(t.chapter(1).kind, Chapter::NewKeys);
    EXPECT_EQ(t.chapter(1).TargetKey, QString("fj"));
    EXPECT_EQ(t.chapter(1).UseKey, QString("fj"));
}

TEST(ChapterTable, EveryLaterLineGivesANewKeyChapterAndAReview)
{
    const ChapterTable t({"fj", "dk", "sl"});
    ASSERT_EQ(t.ChapterCount(), 5);
    EXPECT_EQ(t.lineCount(), 3);
    const struct {
        int kind;
        const char *target;
        const char *use;
    } expected[] = {
        {1, "fj", "fj"}, {1, "dk", "fjdk"}, {2, "fjdk", "fjdk"}, {1, "sl", "fjdksl"}, {2, "fjdksl", "fjdksl"},
    };
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(t.chapter(n).kind, expected[n - 1].kind) << n;
        EXPECT_EQ(t.chapter(n).TargetKey, QString(expected[n - 1].target)) << n;
        EXPECT_EQ(t.chapter(n).UseKey, QString(expected[n - 1].use)) << n;
    }
    EXPECT_TRUE(t.contains(5));
    EXPECT_FALSE(t.contains(6));
    EXPECT_FALSE(t.contains(0));
}

TEST(ChapterTable, KeysInUseAreAPlainConcatenation)
{
    const ChapterTable t({"fj", "", "f "});
    EXPECT_EQ(t.chapter(2).TargetKey, QString());   // an empty line is an empty step
    EXPECT_EQ(t.chapter(4).UseKey, QString("fjf "));
    EXPECT_EQ(ChapterTable().ChapterCount(), 0);
}

TEST(LessonTableFile, ReadsLinesAsWritten)
{
    TempDir dir;
    const QString path = dir.file("lesson.tbl");
    writeBytes(path, toAnsi(u"fj\r\n d \r\nﾊﾏ"));   // no line break after the last line
    QString error;
    const auto lines = ReadLessonTable(path, &error);
    ASSERT_TRUE(lines) << error.toStdString();
    EXPECT_EQ(*lines, QStringList({"fj", " d ", u"ﾊﾏ"_qs}));

    writeBytes(path, "a\r\n\r\nb\r\n");
    EXPECT_EQ(*ReadLessonTable(path, &error), QStringList({"a", "", "b"}));
}

TEST(LessonTableFile, RefusesMoreThanThirtyFiveLines)
{
    TempDir dir;
    const QString path = dir.file("lesson.tbl");
    QByteArray text;
    for (int i = 0; i < 35; ++i)
        text += "fj\r\n";
    writeBytes(path, text);
    QString error;
    const auto lines = ReadLessonTable(path, &error);
    ASSERT_TRUE(lines);
    EXPECT_EQ(ChapterTable(*lines).ChapterCount(), 69);

    writeBytes(path, text + "dk\r\n");
    EXPECT_FALSE(ReadLessonTable(path, &error));
    EXPECT_TRUE(error.contains(path));
    EXPECT_FALSE(ReadLessonTable(dir.file("missing.tbl"), &error));
    EXPECT_TRUE(error.contains("missing.tbl"));
}

// A line the reader cannot take whole is refused, naming the file and the line, rather
// than split (which could cut a double-byte character in two).
TEST(LessonTableFile, RefusesLinesLongerThan65535Bytes)
{
    TempDir dir;
    const QString path = dir.file("lesson.tbl");
    QString error;
    writeBytes(path, "fj\r\n" + QByteArray(65535, 'd') + "\r\n");
    ASSERT_TRUE(ReadLessonTable(path, &error)) << error.toStdString();
    EXPECT_EQ(ReadLessonTable(path, &error)->at(1).size(), 65535);

    writeBytes(path, "fj\r\n" + QByteArray(65535, 'd') + toAnsi(u"ハ") + "\r\nk\r\n");
    EXPECT_FALSE(ReadLessonTable(path, &error));
    EXPECT_TRUE(error.contains(path) && error.contains(u"2行目"_qs)) << error.toStdString();
}

TEST(ShippedLessonTables, AreCurriculaTheProgramCanTeach)
{
    for (int course : {RomajiCourse, KanaCourse}) {
        SCOPED_TRACE(course);
        QString error;
        const auto lines = ReadLessonTable(ResolvePath(appDir(), LessonTableFile(course)), &error);
        ASSERT_TRUE(lines) << error.toStdString();
        ASSERT_GE(lines->size(), 2);
        ASSERT_LE(lines->size(), ChapterTable::kMaxLines);
        // The home row comes first, and the first line offers two different keys, so the
        // key position check never asks the same key twice in a row.
        for (QChar home : HomeKeys(course))
            EXPECT_TRUE(lines->first().contains(home)) << QString(home).toStdString();
        QString seen;
        for (const QString &line : *lines) {
            EXPECT_FALSE(line.isEmpty());
            for (QChar c : line) {
                EXPECT_FALSE(seen.contains(c)) << "taught twice: " << QString(c).toStdString();
                seen += c;
                if (course == RomajiCourse) {
                    EXPECT_TRUE(KeyIndexOf(c, course)) << QString(c).toStdString();
                    EXPECT_EQ(c, c.toLower());
                } else {
                    EXPECT_TRUE(c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F) << QString(c).toStdString();
                }
            }
        }
        // By the end every key of the course's default table is taught.
        const RomajiTable table = shippedTable(course);
        for (int i = 0; i < RomajiTable::kRows; ++i) {
            for (QChar key : table.row(i).keys) {
                if (course == RomajiCourse && (key == u'q' || key == u'?' || key == u'!' || key == u'~'
                                               || key == u'(' || key == u')'))
                    continue;   // in the table for learners' own files, not in the shipped texts
                if (course == KanaCourse && !(key.unicode() >= 0xFF61 && key.unicode() <= 0xFF9F))
                    continue;   // Latin punctuation of the kana table is typed outside kana mode
                EXPECT_TRUE(seen.contains(key)) << "never taught: " << QString(key).toStdString();
            }
        }
    }
}
