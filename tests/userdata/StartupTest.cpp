#include "userdata/Startup.h"

#include "TestSupport.h"
#include "keyboard/LessonTable.h"
#include "userdata/Users.h"
#include "userdata/ZRSub.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

namespace {


// The conversion windows as a test sees them: each converts straight away.
struct ConvertingWindows : ConversionWindows {
    QStringList shown;
    void showConversion(int version, const QString &folder) override
    {
        shown.append(QStringLiteral("%1 %2").arg(version).arg(QFileInfo(folder).fileName()));
        ConvertUserFolder(folder, nullptr);
    }
};

}  // namespace

TEST(CopyFiles, CopiesEveryFileAndReplacesOldOnes)
{
    TempDir from, to;
    writeBytes(from.file("user.dat"), "new record");
    writeBytes(from.file("README"), "no extension");
    QDir().mkpath(from.file("sub"));
    writeBytes(from.file("sub/inner.txt"), "not copied");
    writeBytes(to.file("user.dat"), "an older and longer record");

    QString error;
    ASSERT_TRUE(CopyFiles(from.path() + "/*.*", to.path(), &error)) << error.toStdString();
    EXPECT_EQ(readBytes(to.file("user.dat")), QByteArray("new record"));
    EXPECT_EQ(readBytes(to.file("README")), QByteArray("no extension"));
    EXPECT_FALSE(QFileInfo::exists(to.file("sub")));
    // Only the two files: no temporary copies are left behind.
    EXPECT_EQ(QDir(to.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

    ASSERT_TRUE(CopyFiles(from.path() + "/*.dat", to.path() + "/", &error));
    EXPECT_FALSE(CopyFiles(from.path() + "/*.*", to.file("missing/folder"), &error));
    EXPECT_TRUE(error.contains("user.dat") || error.contains("README")) << error.toStdString();
}

TEST(MoveLegacyLayout, MovesTheSingleLearnerIntoUser01AndKeepsABackup)
{
    SharedStateScope scope;
    const QString root = scope.state().DataDir + "user";
    const QByteArray record = oldUserRecord(4, u"山田"_qs, 0);
    putFile(root + "/user.dat", record);
    putFile(root + "/user.ini", "[General]\r\nFontUpper=1\r\n");

    QString error;
    EXPECT_EQ(MoveLegacyLayout(&error), LegacyMove::Moved) << error.toStdString();
    EXPECT_EQ(readBytes(UserFolder(1) + "/user.dat"), record);
    EXPECT_EQ(readBytes(UserFolder(1) + "/user.ini"), QByteArray("[General]\r\nFontUpper=1\r\n"));
    EXPECT_EQ(readBytes(scope.state().DataDir + "UserBackup/user.dat"), record);
    EXPECT_TRUE(QFileInfo::exists(scope.state().DataDir + "UserBackup/user.ini"));
    EXPECT_TRUE(QDir(root).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_EQ(QDir(root).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"user01"});

    // Once moved, nothing happens again.
    EXPECT_EQ(MoveLegacyLayout(&error), LegacyMove::NotNeeded);
}

TEST(MoveLegacyLayout, OnlyWhenUser01DoesNotExist)
{
    SharedStateScope scope;
    EXPECT_EQ(MoveLegacyLayout(nullptr), LegacyMove::NotNeeded);   // no "user" folder at all
    const QString root = scope.state().DataDir + "user";
    QDir().mkpath(root);
    EXPECT_EQ(MoveLegacyLayout(nullptr), LegacyMove::NotNeeded);   // no user.dat

    putFile(root + "/user.dat", "old");
    QDir().mkpath(UserFolder(1));
    EXPECT_EQ(MoveLegacyLayout(nullptr), LegacyMove::NotNeeded);
    EXPECT_EQ(readBytes(root + "/user.dat"), QByteArray("old"));
    EXPECT_FALSE(QFileInfo::exists(scope.state().DataDir + "UserBackup"));
}

TEST(ConvertUserFolder, Version4KeepsChapters1To35)
{
    SharedStateScope scope;
    const QString folder = UserFolder(2);
    putFile(UserDataPath(folder), oldUserRecord(4, u"山田"_qs, 0, "shi"));
    QString error;
    const std::optional<UserRecord> converted = ConvertUserFolder(folder, &error);
    ASSERT_TRUE(converted) << error.toStdString();
    EXPECT_EQ(LoadUserRecord(UserDataPath(folder), nullptr), converted);
    EXPECT_EQ(converted->FormatVersion, 6);
    EXPECT_EQ(converted->UserName, u"山田"_qs);
    EXPECT_EQ(converted->LessonProgress, 12);
    EXPECT_EQ(converted->TotalPracticeTime, 0.5);
    EXPECT_EQ(converted->TrainingScores[11], markedScore(12));
    EXPECT_EQ(converted->TrainingScores[34], markedScore(35));
    for (int c = 36; c <= 70; ++c)
        EXPECT_TRUE(converted->TrainingScores[size_t(c - 1)].isZero()) << c;
    EXPECT_EQ(converted->WordScores[9], markedScore(110));
    EXPECT_EQ(converted->SpareScores[0], markedScore(301));
    // The learner's own spellings survive format 4.
    EXPECT_EQ(converted->RomajiTable.find(u"し"), QString("shi"));
}

TEST(ConvertUserFolder, Version3DropsChaptersAndSlots11To20)
{
    SharedStateScope scope;
    const QString folder = UserFolder(1);
    putFile(UserDataPath(folder), oldUserRecord(3, "abcd", 1));
    const std::optional<UserRecord> converted = ConvertUserFolder(folder, nullptr);
    ASSERT_TRUE(converted);
    EXPECT_EQ(converted->LessonProgress, 12);
    for (const ScoreRecord &s : converted->TrainingScores)
        EXPECT_TRUE(s.isZero());
    EXPECT_EQ(converted->WordScores[0], markedScore(101));
    EXPECT_EQ(converted->WordScores[9], markedScore(110));
    EXPECT_EQ(converted->SentenceScores[9], markedScore(210));
    EXPECT_EQ(converted->SpareScores[9], markedScore(310));
    EXPECT_EQ(converted->RomajiTable, shippedTable(1));
}

TEST(ConvertUserFolder, Version5ResetsTheSpellingsToTheDefaultTable)
{
    SharedStateScope scope;
    const QString folder = UserFolder(1);
    putFile(UserDataPath(folder), oldUserRecord(5, "abcd", 0, "shi"));
    const std::optional<UserRecord> converted = ConvertUserFolder(folder, nullptr);
    ASSERT_TRUE(converted);
    EXPECT_EQ(converted->TrainingScores[49], markedScore(50));
    EXPECT_TRUE(converted->TrainingScores[50].isZero());
    EXPECT_EQ(converted->RomajiTable.find(u"し"), QString("si"));
}

TEST(ConvertUserFolder, ACutRecordConvertsWithZerosUnlessItsHeaderIsCut)
{
    SharedStateScope scope;
    const QString folder = UserFolder(1);
    // Cut within Chapter 33: what is there survives, the rest is zero.
    putFile(UserDataPath(folder), oldUserRecord(4, u"山田"_qs, 0).left(20000));
    std::optional<UserRecord> converted = ConvertUserFolder(folder, nullptr);
    ASSERT_TRUE(converted);
    EXPECT_EQ(converted->TrainingScores[11], markedScore(12));
    EXPECT_TRUE(converted->TrainingScores[33].isZero());
    EXPECT_TRUE(converted->WordScores[0].isZero());
    EXPECT_EQ(ReadUserFile(folder).problem, RecordProblem::None);

    // Cut within the header: refused, named and left as it is.
    const QByteArray cut = oldUserRecord(4, u"山田"_qs, 0).left(9);
    putFile(UserDataPath(folder), cut);
    QString error;
    EXPECT_FALSE(ConvertUserFolder(folder, &error));
    EXPECT_TRUE(error.contains(u"山田"_qs)) << error.toStdString();
    EXPECT_EQ(readBytes(UserDataPath(folder)), cut);

    // Version 5 needs the default table; without it the file stays as it was too, and
    // the learner is told which file is missing.
    const QByteArray whole = oldUserRecord(5, u"山田"_qs, 0);
    putFile(UserDataPath(folder), whole);
    TempDir emptyInstall;
    scope.state().AppDir = emptyInstall.path() + u'/';
    EXPECT_FALSE(ConvertUserFolder(folder, &error));
    EXPECT_TRUE(error.contains("DefRmj.tbl")) << error.toStdString();
    EXPECT_EQ(readBytes(UserDataPath(folder)), whole);
    const UserFile file = ReadUserFile(folder);
    EXPECT_EQ(file.problem, RecordProblem::OldLayout);
    EXPECT_TRUE(UnusableRecordNotice(file).contains("DefRmj.tbl"));
}

TEST(ConvertUserFolder, TheChapterReachedIsOneTheCourseHas)
{
    SharedStateScope scope;
    const QString folder = UserFolder(1);
    const int kanaChapters = ChapterTable(*ReadLessonTable(AppPath(LessonTableFile(1)), nullptr)).ChapterCount();
    QByteArray bytes = oldUserRecord(4, "abcd", 1);
    const qsizetype progressAt = 2 + 2 + 4 + 2;
    for (const auto &[stored, expected] : {std::pair<int, int>{0, 1}, {500, kanaChapters}, {-2, 1}}) {
        bytes.replace(progressAt, 2, storedInt16(qint16(stored)));
        putFile(UserDataPath(folder), bytes);
        const std::optional<UserRecord> converted = ConvertUserFolder(folder, nullptr);
        ASSERT_TRUE(converted);
        EXPECT_EQ(converted->LessonProgress, expected) << stored;
        EXPECT_TRUE(ReadUserFile(folder).usable());
    }
}

TEST(CheckUserFolders, ConvertsOldFoldersInSlotOrderAndReportsOnce)
{
    SharedStateScope scope;
    AnsweringGateway gateway;
    putFile(UserDataPath(UserFolder(1)), oldUserRecord(5, "aaaa", 0));
    putFile(UserDataPath(UserFolder(3)), oldUserRecord(4, "bbbb", 0));
    putFile(UserDataPath(UserFolder(4)), oldUserRecord(5, "cccc", 1));
    putFile(UserDataPath(UserFolder(6)), oldUserRecord(3, "dddd", 0));
    QDir().mkpath(UserFolder(7));   // damaged: no user.dat; left for the main window

    ConvertingWindows windows;
    EXPECT_EQ(CheckUserFolders(windows), CheckResult::Continue);
    EXPECT_EQ(windows.shown, QStringList({"5 user01", "4 user03", "5 user04", "3 user06"}));
    for (int slot : {1, 3, 4, 6})
        EXPECT_TRUE(ReadUserFile(UserFolder(slot)).usable()) << slot;

    ASSERT_EQ(gateway.shown.size(), 1);
    EXPECT_EQ(gateway.shown[0].title, u"成績データ変換完了"_qs);
    EXPECT_EQ(gateway.shown[0].text,
              u"これまでの成績データをこのバージョンのＺＲで使えるように変換しました。\r\n"
              "ローマ字入力コースの場合、ローマ字設定が初期状態に戻されていますので再設定をお願いします。"_qs);
    EXPECT_EQ(gateway.shown[0].icon, MessageIcon::Warning);

    // The next start finds nothing to do.
    ConvertingWindows again;
    EXPECT_EQ(CheckUserFolders(again), CheckResult::Continue);
    EXPECT_TRUE(again.shown.isEmpty());
    EXPECT_EQ(gateway.shown.size(), 1);
}

TEST(CheckUserFolders, NoCompletionMessageWithoutAVersion5Folder)
{
    SharedStateScope scope;
    AnsweringGateway gateway;
    putFile(UserDataPath(UserFolder(1)), oldUserRecord(4, "aaaa", 0));
    const QByteArray cut = oldUserRecord(5, "bbbb", 0).left(9);
    putFile(UserDataPath(UserFolder(2)), cut);
    ConvertingWindows windows;
    EXPECT_EQ(CheckUserFolders(windows), CheckResult::Continue);
    EXPECT_EQ(windows.shown, QStringList({"4 user01"}));
    // The cut record is named and left as it is; no completion message follows.
    ASSERT_EQ(gateway.shown.size(), 1);
    EXPECT_TRUE(gateway.shown[0].text.contains("bbbb"));
    EXPECT_EQ(readBytes(UserDataPath(UserFolder(2))), cut);
}

TEST(CheckUserFolders, AMismatchedTableIsRebuiltOrNothingIsTouched)
{
    SharedStateScope scope;
    // A learner from an installation whose table had another row order.
    UserRecord u;
    u.UserName = u"山田"_qs;
    u.LessonProgress = 5;
    u.WordScores[1] = markedScore(7);
    RomajiTable table = shippedTable(0);
    const RomajiEntry first = table.row(0);
    table.setRow(0, table.row(1));
    table.setRow(1, first);
    table.setSpelling(u"し", "shi");
    table.setSpelling(u"ふ", "fu");
    u.RomajiTable = table;
    UserRecord fine;
    fine.UserName = u"佐藤"_qs;
    fine.Course = 1;
    fine.RomajiTable = shippedTable(1);
    putFile(UserDataPath(UserFolder(1)), SerializeUserRecord(fine));
    putFile(UserDataPath(UserFolder(2)), SerializeUserRecord(u));
    const QByteArray before = readBytes(UserDataPath(UserFolder(2)));

    {
        AnsweringGateway gateway(MessageAnswer::No);
        ConvertingWindows windows;
        EXPECT_EQ(CheckUserFolders(windows), CheckResult::EndProgram);
        ASSERT_EQ(gateway.shown.size(), 1);
        const MessageRequest &ask = gateway.shown[0];
        EXPECT_EQ(ask.buttons, MessageButtons::YesNo);
        EXPECT_TRUE(ask.text.contains(u"山田"_qs));
        EXPECT_TRUE(ask.text.contains("DefRmj.tbl"));
        EXPECT_EQ(readBytes(UserDataPath(UserFolder(2))), before);
    }
    {
        AnsweringGateway gateway(MessageAnswer::Yes);
        ConvertingWindows windows;
        EXPECT_EQ(CheckUserFolders(windows), CheckResult::Continue);
        EXPECT_EQ(gateway.shown.size(), 1);
        const std::optional<UserRecord> repaired = LoadUserRecord(UserDataPath(UserFolder(2)), nullptr);
        ASSERT_TRUE(repaired);
        EXPECT_EQ(repaired->WordScores[1], markedScore(7));
        EXPECT_EQ(repaired->LessonProgress, 5);
        RomajiTable expected = shippedTable(0);
        expected.setSpelling(u"し", "shi");
        expected.setSpelling(u"ふ", "fu");
        EXPECT_EQ(repaired->RomajiTable, expected);
    }
    {
        // Now it fits: no question any more.
        AnsweringGateway gateway(MessageAnswer::No);
        ConvertingWindows windows;
        EXPECT_EQ(CheckUserFolders(windows), CheckResult::Continue);
        EXPECT_TRUE(gateway.shown.isEmpty());
    }
}

TEST(CheckUserFolders, AMissingDefaultTableIsNamedAndStartUpGoesOn)
{
    SharedStateScope scope;
    UserRecord u;
    u.UserName = "abcd";
    u.RomajiTable = shippedTable(0);
    putFile(UserDataPath(UserFolder(1)), SerializeUserRecord(u));
    putFile(UserDataPath(UserFolder(2)), SerializeUserRecord(u));
    TempDir emptyInstall;
    scope.state().AppDir = emptyInstall.path() + u'/';
    AnsweringGateway gateway;
    ConvertingWindows windows;
    EXPECT_EQ(CheckUserFolders(windows), CheckResult::Continue);
    ASSERT_EQ(gateway.shown.size(), 1);   // once, not once per learner
    EXPECT_TRUE(gateway.shown[0].text.contains("DefRmj.tbl"));
}
