#include "userdata/UserRecord.h"

#include "TestSupport.h"
#include "platform/Cp932.h"
#include "userdata/Users.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <random>

using namespace zr;
using namespace zr::test;

namespace {

UserRecord sampleRecord()
{
    UserRecord u;
    u.UserName = QStringLiteral(u"山田花子");
    u.Course = 0;
    u.LessonProgress = 4;
    u.TotalPracticeTime = 0.0123;
    u.TrainingScores[11].PracticeCount = 3;
    u.TrainingScores[11].DayKeys[0] = 250;
    u.TrainingScores[11].DayDate[0] = 46364;
    u.WordScores[4].TotalTime = 0.5;
    u.SentenceScores[9].DayMisses[14] = 7;
    u.SpareScores[0].PracticeCount = 1;
    u.RomajiTable.load({{u"し"_qs, "si"}, {u"が"_qs, "ga"}});
    u.RomajiTable.setRow(300, {"x", "y"});
    return u;
}

UserRecord parse(const QByteArray &bytes, bool *truncated = nullptr)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return ReadUserRecord(buffer, truncated);
}

}  // namespace

TEST(UserRecordFile, BytesMatchTheLayout)
{
    UserRecord u;
    u.UserName = QString(10, u'あ');   // ten full-width characters: 20 bytes
    u.Course = 1;
    u.LessonProgress = 7;
    u.TotalPracticeTime = 1.5;
    u.TrainingScores[0].PracticeCount = 2;
    u.RomajiTable.load({{u"か"_qs, u"ｶ"_qs}});

    QByteArray expected = storedInt16(6) + storedString(u.UserName) + storedInt16(1) + storedInt16(7)
                          + storedDouble(1.5);
    for (const ScoreRecord &s : u.TrainingScores)
        expected += storedScore(s);
    for (int i = 0; i < 30; ++i)
        expected += storedScore(ScoreRecord{});
    expected += storedString(u"か"_qs) + storedString(u"ｶ"_qs);
    for (int i = 1; i < 301; ++i)
        expected += QByteArray(4, '\0');

    const QByteArray bytes = SerializeUserRecord(u);
    EXPECT_EQ(bytes, expected);
    // The name takes 20 bytes, so the course field starts at 24.
    EXPECT_EQ(bytes.mid(24, 2), storedInt16(1));
    const int n = 20;
    EXPECT_EQ(bytes.mid(16 + n + 8, 8), storedDouble(2));             // Chapter 1 PracticeCount
    EXPECT_EQ(bytes.size(), 61616 + n + 1204 + 2 + 1);                // one 2-byte kana, one key
    EXPECT_EQ(ScoreRecord::kBytes, 616);
}

TEST(UserRecordFile, ASmallRecordByteForByte)
{
    // Written out by hand, so that an encoding fault of the writer cannot pass.
    UserRecord u;
    u.UserName = QStringLiteral(u"あい");
    u.Course = 1;
    u.LessonProgress = 3;
    u.TotalPracticeTime = 0.5;
    u.TrainingScores[0].PracticeCount = 2;
    u.RomajiTable.load({{u"か"_qs, u"ｶ"_qs}});

    QByteArray expected("\x06\x00"                              // format version 6
                        "\x04\x00\x82\xa0\x82\xa2"              // "あい" in code page 932
                        "\x01\x00\x03\x00"                      // course, LessonProgress
                        "\x00\x00\x00\x00\x00\x00\xe0\x3f",     // 0.5 days
                        20);
    QByteArray scores(100 * 616, '\0');
    scores[8 + 7] = '\x40';                                       // Chapter 1 practised 2.0 times
    expected += scores;
    expected += QByteArray("\x02\x00\x82\xa9\x01\x00\xb6", 7);      // か, ｶ
    expected += QByteArray(300 * 4, '\0');                           // 300 empty rows
    EXPECT_EQ(SerializeUserRecord(u), expected);
}

TEST(UserRecordFile, BlocksStartAtTheirOffsets)
{
    UserRecord u;
    u.UserName = "abcd";
    u.WordScores[0].TotalTime = 1;
    u.SentenceScores[0].TotalTime = 2;
    u.SpareScores[0].TotalTime = 3;
    const QByteArray bytes = SerializeUserRecord(u);
    const int n = 4;
    EXPECT_EQ(bytes.mid(43136 + n, 8), storedDouble(1));
    EXPECT_EQ(bytes.mid(49296 + n, 8), storedDouble(2));
    EXPECT_EQ(bytes.mid(55456 + n, 8), storedDouble(3));
    EXPECT_EQ(bytes.mid(61616 + n, 2), storedInt16(0));   // the table starts here
}

TEST(UserRecordFile, RoundTripsThroughAFile)
{
    TempDir dir;
    const QString path = dir.file("user.dat");
    const UserRecord u = sampleRecord();
    QString error;
    ASSERT_TRUE(SaveUserRecord(path, u, &error)) << error.toStdString();
    bool truncated = true;
    const auto loaded = LoadUserRecord(path, &error, &truncated);
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(truncated);
    EXPECT_EQ(*loaded, u);
    EXPECT_EQ(loaded->RomajiTable.row(300), (RomajiEntry{"x", "y"}));
}

TEST(UserRecordFile, BytesAfterTheRecordAreIgnored)
{
    // A record saved after a spelling became shorter is followed by the old file's
    // last bytes, which the record never reaches.
    const UserRecord u = sampleRecord();
    EXPECT_EQ(parse(SerializeUserRecord(u) + "tail of an older, longer record"), u);
}

TEST(UserRecordFile, SavingReplacesTheFileWhole)
{
    TempDir dir;
    const QString path = dir.file("user.dat");
    writeBytes(path, QByteArray(100000, 'z'));
    QString error;
    ASSERT_TRUE(SaveUserRecord(path, sampleRecord(), &error));
    EXPECT_EQ(readBytes(path), SerializeUserRecord(sampleRecord()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"user.dat"}));
}

TEST(UserRecordFile, AFailedSaveLeavesNothingHalfWritten)
{
    // The new file cannot take the place of the old one (here a folder stands in its
    // way): the save fails, says why, and leaves no temporary file behind.
    TempDir dir;
    QDir().mkpath(dir.file("user.dat"));
    writeBytes(dir.file("user.dat/keep"), "old");
    QString error;
    EXPECT_FALSE(SaveUserRecord(dir.file("user.dat"), sampleRecord(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"user.dat"}));
    EXPECT_EQ(readBytes(dir.file("user.dat/keep")), QByteArray("old"));
}

TEST(UserRecordFile, TruncatedFilesReadZerosAndEmptyStrings)
{
    const QByteArray full = SerializeUserRecord(sampleRecord());
    for (int cut : {0, 1, 3, 9, 20, 43000, 61600, int(full.size()) - 1}) {
        SCOPED_TRACE(cut);
        bool truncated = false;
        const UserRecord r = parse(full.left(cut), &truncated);
        EXPECT_TRUE(truncated);
        if (cut < 2) {
            EXPECT_EQ(r.FormatVersion, 0);
        }
    }
    bool truncated = false;
    const UserRecord r = parse(full.left(61616 + 8 + 4), &truncated);
    EXPECT_EQ(r.UserName, QStringLiteral(u"山田花子"));
    EXPECT_EQ(r.TrainingScores[11].DayKeys[0], 250);
    EXPECT_EQ(r.RomajiTable.row(0).kana, QStringLiteral(u"し"));   // the first string was complete
    EXPECT_EQ(r.RomajiTable.row(1).kana, QString());
}

// Bytes in memory read as the same bytes behind a device do, wherever they end: within a
// number, a string, a score record or the table.
TEST(UserRecordFile, MemoryAndDeviceReadTheSame)
{
    const QByteArray full = SerializeUserRecord(sampleRecord());
    for (int cut : {0, 1, 5, 15, 21, 22, 27, 6000, 6003, 43123, 61623, 61630, 61631, int(full.size()) - 3,
                    int(full.size())}) {
        SCOPED_TRACE(cut);
        bool truncated = false, headerCut = false, deviceTruncated = false, deviceHeaderCut = false;
        const UserRecord fromMemory = ParseUserRecord(full.left(cut), &truncated, &headerCut);
        QByteArray copy = full.left(cut);
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        const UserRecord fromDevice = ReadUserRecord(buffer, &deviceTruncated, &deviceHeaderCut);
        EXPECT_EQ(fromMemory, fromDevice);
        EXPECT_EQ(truncated, deviceTruncated);
        EXPECT_EQ(headerCut, deviceHeaderCut);
        EXPECT_EQ(truncated, cut < full.size());
    }
}

TEST(UserRecordFile, AStringCountBeyondTheEndReadsAsEmpty)
{
    // Version 6, then a name that claims 60000 bytes in a file of a few bytes.
    const QByteArray bytes = storedInt16(6) + storedInt16(qint16(60000)) + "abc";
    bool truncated = false;
    const UserRecord r = parse(bytes, &truncated);
    EXPECT_TRUE(truncated);
    EXPECT_EQ(r.UserName, QString());
    EXPECT_EQ(r.Course, 0);
}

TEST(UserRecordFile, GarbageNeverCrashes)
{
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(int(random() % 70000), '\0');
        for (char &c : bytes)
            c = char(random());
        const UserRecord r = parse(bytes);
        (void)SerializeUserRecord(r);   // whatever was read can be written again
    }
}

TEST(UserRecordFile, UnknownCourseValuesAreKept)
{
    UserRecord u = sampleRecord();
    u.Course = 7;
    EXPECT_EQ(parse(SerializeUserRecord(u)).Course, 7);
}

TEST(UserRecordFile, MissingFileIsAnError)
{
    TempDir dir;
    QString error;
    EXPECT_FALSE(LoadUserRecord(dir.file("user.dat"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(LegacyUserRecord, Version4KeepsItsThirtyFiveChapters)
{
    TempDir dir;
    writeBytes(dir.file("user.dat"), oldUserRecord(4, "abcd", 0, "shi"));
    QString error;
    const auto old = LoadLegacyUserRecord(dir.file("user.dat"), &error);
    ASSERT_TRUE(old) << error.toStdString();
    const UserRecord u = ConvertLegacyUserRecord(*old, {}, 70);
    EXPECT_EQ(u.FormatVersion, 6);
    EXPECT_EQ(u.UserName, QString("abcd"));
    EXPECT_EQ(u.LessonProgress, 12);
    EXPECT_EQ(u.TotalPracticeTime, 0.5);
    EXPECT_EQ(u.TrainingScores[11].PracticeCount, 12);
    EXPECT_EQ(u.TrainingScores[11].DayKeys[0], 1012);
    EXPECT_EQ(u.TrainingScores[34].PracticeCount, 35);
    for (int c = 36; c <= 70; ++c)
        EXPECT_TRUE(u.TrainingScores[size_t(c - 1)].isZero()) << c;
    EXPECT_EQ(u.WordScores[0].PracticeCount, 101);
    EXPECT_EQ(u.SentenceScores[9].PracticeCount, 210);
    EXPECT_EQ(u.SpareScores[9].PracticeCount, 310);
    EXPECT_EQ(u.RomajiTable.find(u"し"), QString("shi"));
}

TEST(LegacyUserRecord, Version3LosesChaptersAndSlotsBeyondTen)
{
    TempDir dir;
    writeBytes(dir.file("user.dat"), oldUserRecord(3, "abcd", 0, "shi"));
    const auto old = LoadLegacyUserRecord(dir.file("user.dat"), nullptr);
    ASSERT_TRUE(old);
    EXPECT_EQ(old->WordScores.size(), 20);
    const UserRecord u = ConvertLegacyUserRecord(*old, {}, 70);
    for (const ScoreRecord &s : u.TrainingScores)
        EXPECT_TRUE(s.isZero());
    EXPECT_EQ(u.LessonProgress, 12);
    EXPECT_EQ(u.WordScores[9].PracticeCount, 110);   // slot 10 of the old 20
    EXPECT_EQ(u.SpareScores[0].PracticeCount, 301);
    EXPECT_EQ(u.RomajiTable.find(u"し"), QString("shi"));
}

TEST(LegacyUserRecord, Version5GetsTheDefaultTableBack)
{
    TempDir dir;
    writeBytes(dir.file("user.dat"), oldUserRecord(5, "abcd", 0, "shi"));
    const auto old = LoadLegacyUserRecord(dir.file("user.dat"), nullptr);
    ASSERT_TRUE(old);
    const UserRecord u = ConvertLegacyUserRecord(*old, {{u"し"_qs, "si"}}, 70);
    EXPECT_EQ(u.TrainingScores[49].PracticeCount, 50);
    EXPECT_TRUE(u.TrainingScores[50].isZero());
    EXPECT_EQ(u.RomajiTable.find(u"し"), QString("si"));
}

TEST(LegacyUserRecord, OtherVersionsAreNotOldLayouts)
{
    TempDir dir;
    writeBytes(dir.file("user.dat"), SerializeUserRecord(sampleRecord()));
    QString error;
    EXPECT_FALSE(LoadLegacyUserRecord(dir.file("user.dat"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(LoadLegacyUserRecord(dir.file("none.dat"), &error));
}

TEST(LegacyUserRecord, TheChapterReachedStaysWithinTheCourse)
{
    const struct {
        qint16 stored;
        int chapterCount;
        qint16 converted;
    } cases[] = {
        {12, 21, 12}, {0, 21, 1}, {-3, 21, 1}, {22, 21, 21}, {99, 0, 70}, {71, 80, 70}, {70, 0, 70},
    };
    LegacyUserRecord old;
    old.FormatVersion = 4;
    old.UserName = "abcd";
    for (const auto &c : cases) {
        old.LessonProgress = c.stored;
        const UserRecord u = ConvertLegacyUserRecord(old, {}, c.chapterCount);
        EXPECT_EQ(u.LessonProgress, c.converted) << c.stored << " of " << c.chapterCount;
        EXPECT_EQ(CheckUserRecord(u), RecordProblem::None);
    }
}
