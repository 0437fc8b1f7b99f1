#include "userdata/Users.h"

#include "TestSupport.h"
#include "platform/IniFile.h"
#include "userdata/ZRSub.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <limits>

using namespace zr;
using namespace zr::test;

namespace {

QString iniValue(const QString &file, const QString &section, const QString &key)
{
    QString value;
    GetIniString(section, key, QStringLiteral("<missing>"), value, 255, file);
    return value;
}

UserRecord learner(const QString &name, int course = 0)
{
    UserRecord u;
    u.UserName = name;
    u.Course = qint16(course);
    u.LessonProgress = 1;
    return u;
}

void putUser(int slot, const UserRecord &u)
{
    QDir().mkpath(UserFolder(slot));
    ASSERT_TRUE(SaveUserRecord(UserDataPath(UserFolder(slot)), u, nullptr));
}

}  // namespace

TEST(ReadUserFile, TellsWhatIsWrongWithARecord)
{
    SharedStateScope scope;
    const QString folder = UserFolder(1);
    QDir().mkpath(folder);
    EXPECT_EQ(ReadUserFile(folder).problem, RecordProblem::Missing);
    EXPECT_EQ(ReadUserFile(folder).label(), QString("user01"));

    const QByteArray whole = SerializeUserRecord(learner(u"山田花子"_qs));
    writeBytes(UserDataPath(folder), whole);
    EXPECT_TRUE(ReadUserFile(folder).usable());
    EXPECT_EQ(ReadUserFile(folder).label(), u"山田花子"_qs);

    // Cut short after the header, the missing tail reads as zeros; within the header,
    // not even the name and course are known.
    writeBytes(UserDataPath(folder), whole.left(whole.size() - 3));
    EXPECT_TRUE(ReadUserFile(folder).usable());
    writeBytes(UserDataPath(folder), whole.left(24));
    EXPECT_TRUE(ReadUserFile(folder).usable());
    EXPECT_EQ(ReadUserFile(folder).record.UserName, u"山田花子"_qs);
    writeBytes(UserDataPath(folder), whole.left(23));
    EXPECT_EQ(ReadUserFile(folder).problem, RecordProblem::Truncated);
    writeBytes(UserDataPath(folder), whole.left(10));
    EXPECT_EQ(ReadUserFile(folder).problem, RecordProblem::Truncated);

    writeBytes(UserDataPath(folder), QByteArray("\x42\x17garbage, not a record at all"));
    EXPECT_EQ(ReadUserFile(folder).problem, RecordProblem::UnknownVersion);
    writeBytes(UserDataPath(folder), storedInt16(4) + whole.mid(2));
    EXPECT_EQ(ReadUserFile(folder).problem, RecordProblem::OldLayout);
    writeBytes(UserDataPath(folder), QByteArray());
    EXPECT_EQ(ReadUserFile(folder).problem, RecordProblem::UnknownVersion);

    // Only damaged data is offered for deletion.
    for (RecordProblem p : {RecordProblem::None, RecordProblem::Unreadable, RecordProblem::OldLayout})
        EXPECT_FALSE(OffersDeletion(p));
    for (RecordProblem p : {RecordProblem::Missing, RecordProblem::Truncated, RecordProblem::UnknownVersion,
                            RecordProblem::BadTimes})
        EXPECT_TRUE(OffersDeletion(p));
}

TEST(ReadUserFile, RecordsWithImpossibleValuesCannotBeUsed)
{
    const struct {
        const char *what;
        void (*spoil)(UserRecord &);
        RecordProblem expected;
    } cases[] = {
        {"no name", [](UserRecord &u) { u.UserName.clear(); }, RecordProblem::NoName},
        {"course 2", [](UserRecord &u) { u.Course = 2; }, RecordProblem::BadCourse},
        {"progress -1", [](UserRecord &u) { u.LessonProgress = -1; }, RecordProblem::BadProgress},
        {"progress 71", [](UserRecord &u) { u.LessonProgress = 71; }, RecordProblem::BadProgress},
        {"total time NaN", [](UserRecord &u) { u.TotalPracticeTime = std::numeric_limits<double>::quiet_NaN(); },
         RecordProblem::BadTimes},
        {"day time beyond the year 9999", [](UserRecord &u) { u.WordScores[3].DayTime[7] = 1e300; },
         RecordProblem::BadTimes},
        {"training date infinite",
         [](UserRecord &u) { u.TrainingScores[69].DayDate[14] = std::numeric_limits<double>::infinity(); },
         RecordProblem::BadTimes},
        {"count NaN", [](UserRecord &u) { u.SpareScores[0].PracticeCount = std::numeric_limits<double>::quiet_NaN(); },
         RecordProblem::BadTimes},
    };
    for (const auto &c : cases) {
        UserRecord u = learner("abcd");
        EXPECT_EQ(CheckUserRecord(u), RecordProblem::None);
        c.spoil(u);
        EXPECT_EQ(CheckUserRecord(u), c.expected) << c.what;
        EXPECT_FALSE(RecordProblemText(c.expected).isEmpty());
    }
    // Progress 0 and 70, and large but real figures, are fine.
    UserRecord u = learner("abcd");
    u.LessonProgress = 70;
    u.TrainingScores[0].PracticeCount = 1e9;
    u.TrainingScores[0].DayDate[0] = 46364;
    EXPECT_EQ(CheckUserRecord(u), RecordProblem::None);
    u.LessonProgress = 0;
    EXPECT_EQ(CheckUserRecord(u), RecordProblem::None);
}

TEST(NameRule, OnlyCharactersTheFileCanHold)
{
    EXPECT_TRUE(NameLengthOk(u"abcd"));
    EXPECT_FALSE(NameLengthOk(u"abc"));
    EXPECT_EQ(UnstorableCharacters(u"山田～花子"), QString());
    EXPECT_EQ(UnstorableCharacters(u"山田😀😀"), u"😀"_qs);
    EXPECT_EQ(UnstorableCharacters(u"a\tb"), u"\t"_qs);
    EXPECT_EQ(UnstorableCharacters(u"?ab?"), QString());   // a real question mark is fine
}

TEST(UserColChk, SameNameIsRefusedOnlyInTheSameCourse)
{
    SharedStateScope scope;
    EXPECT_EQ(UserColChk(u"山田"_qs, 0), QString("OK"));
    putUser(2, learner(u"山田"_qs, 0));
    QDir().mkpath(UserFolder(4));   // a folder without user.dat does not get in the way
    EXPECT_EQ(UserColChk(u"山田"_qs, 0), QString("NG"));
    EXPECT_EQ(UserColChk(u"山田"_qs, 1), QString("OK"));
    EXPECT_EQ(UserColChk(u"山田 "_qs, 0), QString("OK"));
}

TEST(FreeUserFolder, TakesTheLowestFreeSlot)
{
    SharedStateScope scope;
    EXPECT_EQ(FreeUserFolder(), UserFolder(1));
    for (int slot : {1, 2, 4})
        QDir().mkpath(UserFolder(slot));
    EXPECT_EQ(FreeUserFolder(), UserFolder(3));
    for (int slot = 1; slot <= 10; ++slot)
        QDir().mkpath(UserFolder(slot));
    EXPECT_EQ(FreeUserFolder(), QString());
}

TEST(WriteNewUser, WritesTheFolderTheSettingsAndTheRecord)
{
    SharedStateScope scope;
    SharedState &s = scope.state();
    s.TrainingSel = s.WordSel = s.SentenceSel = 4;
    const QString folder = UserFolder(3);

    NewUserChoices choices;
    choices.name = u"山田花子"_qs;
    choices.course = 0;
    choices.targetSpeed = 120;
    choices.spellings = QList<int>(25, 0);
    choices.spellings[0] = 1;    // し: shi
    choices.spellings[24] = 1;   // っ: ltu
    QString error;
    const std::optional<UserRecord> made = WriteNewUser(folder, choices, &error);
    ASSERT_TRUE(made) << error.toStdString();

    const std::optional<UserRecord> stored = LoadUserRecord(UserDataPath(folder), nullptr);
    ASSERT_TRUE(stored);
    EXPECT_EQ(*stored, *made);
    EXPECT_EQ(stored->FormatVersion, 6);
    EXPECT_EQ(stored->UserName, u"山田花子"_qs);
    EXPECT_EQ(stored->LessonProgress, 1);
    EXPECT_EQ(stored->TotalPracticeTime, 0);
    EXPECT_TRUE(stored->TrainingScores[0].isZero());
    EXPECT_EQ(stored->RomajiTable.find(u"し"), QString("shi"));
    EXPECT_EQ(stored->RomajiTable.find(u"っ"), QString("ltu"));
    EXPECT_EQ(stored->RomajiTable.find(u"ち"), QString("ti"));
    RomajiTable expected = shippedTable(0);
    expected.setSpelling(u"し", "shi");
    expected.setSpelling(u"っ", "ltu");
    EXPECT_EQ(stored->RomajiTable, expected);

    const QString ini = UserIniPath(folder);
    EXPECT_EQ(iniValue(ini, "Training", "TargetTime"), QString("120"));
    EXPECT_EQ(iniValue(ini, "Training", "LessonTime"), QString("00:02:30"));
    EXPECT_EQ(iniValue(ini, "KeyLsn", "LessonSize"), QString("Mid"));
    EXPECT_EQ(iniValue(ini, "General", "MoveMouse"), QString("0"));
    EXPECT_EQ(iniValue(ini, "WordLsn", "L1"), QString("resource\\zr.zrd"));
    EXPECT_FALSE(iniValue(ini, "WordLsn", "LT1").isEmpty());
    EXPECT_EQ(iniValue(ini, "WordLsn", "L5"), QString());
    EXPECT_EQ(iniValue(ini, "SSentLsn", "L10"), QString("resource\\kentei3.zrw"));

    EXPECT_EQ(s.CurUserDir, folder);
    EXPECT_EQ(s.CurUser, *made);
    EXPECT_EQ(s.ErrorSound, 1);
    EXPECT_EQ(s.TrainingSel, 1);
    EXPECT_EQ(s.WordSel, 1);
    EXPECT_EQ(s.SentenceSel, 1);
}

TEST(WriteNewUser, LeavesNothingBehindWhenTheTableIsMissing)
{
    SharedStateScope scope;
    TempDir emptyInstall;
    scope.state().AppDir = emptyInstall.path() + u'/';
    NewUserChoices choices;
    choices.name = u"山田花子"_qs;
    QString error;
    EXPECT_FALSE(WriteNewUser(UserFolder(1), choices, &error));
    EXPECT_TRUE(error.contains("DefRmj.tbl")) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(UserFolder(1)));
    EXPECT_TRUE(scope.state().CurUserDir.isEmpty());
}

// On a full disk no learner is reported made, and none is half made.
TEST(WriteNewUser, AFullDiskMakesNoLearner)
{
    SharedStateScope scope;
    NewUserChoices choices;
    choices.name = u"山田花子"_qs;
    QString error;
    {
        FullDiskScope full(50);
        EXPECT_FALSE(WriteNewUser(UserFolder(1), choices, &error));
    }
    EXPECT_TRUE(error.contains(UserIniPath(UserFolder(1)))) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(UserFolder(1)));
    EXPECT_TRUE(scope.state().CurUserDir.isEmpty());
}

TEST(WriteNewUser, ReplacesAStaleSettingsFileInAnExistingFolder)
{
    SharedStateScope scope;
    const QString folder = UserFolder(1);
    QDir().mkpath(folder);
    SetIniString("Training", "Level", "3", UserIniPath(folder));
    NewUserChoices choices;
    choices.name = "abcd";
    ASSERT_TRUE(WriteNewUser(folder, choices, nullptr));
    EXPECT_EQ(iniValue(UserIniPath(folder), "Training", "Level"), QString("<missing>"));
}

TEST(DeleteUserFolder, AsksFirstAndRemovesOnlyOnYes)
{
    SharedStateScope scope;
    putUser(1, learner(u"山田"_qs));
    putUser(2, learner(u"佐藤"_qs));
    AnsweringGateway gateway(MessageAnswer::No);

    EXPECT_FALSE(DeleteUserFolder(UserFolder(1), u"山田"_qs));
    ASSERT_EQ(gateway.shown.size(), 1);
    const MessageRequest &ask = gateway.shown[0];
    EXPECT_EQ(ask.title, u"削除の確認"_qs);
    EXPECT_EQ(ask.text, u"「山田」の使用者データを削除します。\r\nよろしいですか？"_qs);
    EXPECT_EQ(ask.buttons, MessageButtons::YesNo);
    EXPECT_EQ(ask.defaultButton, MessageAnswer::No);
    EXPECT_EQ(ask.icon, MessageIcon::Warning);
    EXPECT_TRUE(QFileInfo::exists(UserDataPath(UserFolder(1))));

    gateway.queued = {MessageAnswer::Yes};
    EXPECT_TRUE(DeleteUserFolder(UserFolder(1), u"山田"_qs));
    EXPECT_FALSE(QFileInfo::exists(UserFolder(1)));
    EXPECT_TRUE(QFileInfo::exists(UserDataPath(UserFolder(2))));
    EXPECT_EQ(CountUsers(), 1);
    // Nothing of the deleted learner is left in the user folder.
    EXPECT_EQ(QDir(scope.state().DataDir + "user").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"user02"});
}

// Deleting a learner never leaves the data folder: a slot that is a link loses only the
// link, and links inside a slot are removed, not followed.
TEST(RemoveUserFolder, NeverFollowsLinksOutOfTheDataFolder)
{
    SharedStateScope scope;
    TempDir outside;
    putFile(outside.file("precious/a.txt"), "keep");
    putFile(outside.file("other.txt"), "keep");

    QDir().mkpath(scope.state().DataDir + "user");
    ASSERT_TRUE(QFile::link(outside.file("precious"), UserFolder(3)));
    putUser(4, learner(u"佐藤"_qs));
    ASSERT_TRUE(QFile::link(outside.file("precious"), UserFolder(4) + "/dir-link"));
    ASSERT_TRUE(QFile::link(outside.file("other.txt"), UserFolder(4) + "/file-link"));

    for (const int slot : {3, 4}) {
        QString error;
        EXPECT_TRUE(RemoveUserFolder(UserFolder(slot), &error)) << error.toStdString();
        EXPECT_FALSE(QFileInfo(UserFolder(slot)).exists() || QFileInfo(UserFolder(slot)).isSymLink());
    }
    EXPECT_EQ(readBytes(outside.file("precious/a.txt")), QByteArray("keep"));
    EXPECT_EQ(readBytes(outside.file("other.txt")), QByteArray("keep"));
    EXPECT_TRUE(folderEntries(scope.state().DataDir + "user").isEmpty());
}

// Temporaries a killed save left behind go when the learner becomes current; other
// files stay.
TEST(MakeCurrentUser, RemovesTemporariesOfInterruptedSaves)
{
    SharedStateScope scope;
    putUser(1, learner(u"山田"_qs));
    const QString folder = UserFolder(1);
    for (const char *name : {"user.dat.Ab12Cd", "user.ini.zzZZ99", "user.dat.bak", "notes.txt"})
        putFile(folder + '/' + name, "x");
    MakeCurrentUser(folder, learner(u"山田"_qs));
    const QStringList left = folderEntries(folder);
    EXPECT_FALSE(left.contains("user.dat.Ab12Cd"));
    EXPECT_FALSE(left.contains("user.ini.zzZZ99"));
    EXPECT_TRUE(left.contains("user.dat.bak"));
    EXPECT_TRUE(left.contains("notes.txt"));
}

TEST(SaveUserFile, ARecordThatDidNotReadWholeIsKeptBesideItBeforeTheFirstSave)
{
    const UserRecord whole = [] {
        UserRecord u = learner(u"山田花子"_qs);
        u.RomajiTable = shippedTable(0);
        u.WordScores[2] = markedScore(3);
        return u;
    }();
    const QByteArray bytes = SerializeUserRecord(whole);
    const qsizetype table = 61616 + 8;   // the romaji table, behind a name of 8 bytes
    QByteArray badLength = bytes;
    badLength[table + 40] = char(0xFF);   // a string length deep in the table
    badLength[table + 41] = char(0xFF);
    const QByteArray old = oldUserRecord(5, u"山田花子"_qs);
    const struct {
        const char *what;
        QByteArray stored;
        bool kept;
    } rows[] = {
        {"a damaged string length", badLength, true},
        {"cut short", bytes.left(bytes.size() - 100), true},
        {"cut short within the scores", bytes.left(30000), true},
        {"an old record cut short", old.left(old.size() - 10), true},
        {"whole", bytes, false},
        {"whole, with bytes of an earlier save behind it", bytes + QByteArray("\x02\x00xy", 4), false},
        {"an old record, whole", old, false},
        {"empty", QByteArray(), false},
    };
    for (const auto &row : rows) {
        SharedStateScope scope;
        ClockScope clock;   // 2026-12-08 12:00 local time
        AnsweringGateway gateway;
        const QString folder = UserFolder(1);
        QDir().mkpath(folder);
        writeBytes(UserDataPath(folder), row.stored);
        const UserRecord saved = whole;
        QString error;
        ASSERT_TRUE(SaveUserFile(folder, saved, &error)) << row.what << error.toStdString();
        EXPECT_EQ(LoadUserRecord(UserDataPath(folder), nullptr), saved) << row.what;
        const QString copy = UserDataPath(folder) + ".damaged-20261208-120000";
        EXPECT_EQ(QFileInfo::exists(copy), row.kept) << row.what;
        if (!row.kept) {
            EXPECT_TRUE(gateway.shown.isEmpty()) << row.what;
            continue;
        }
        EXPECT_EQ(readBytes(copy), row.stored) << row.what;
        ASSERT_EQ(gateway.shown.size(), 1) << row.what;
        EXPECT_TRUE(gateway.shown[0].text.contains(QDir::toNativeSeparators(copy))) << gateway.shown[0].text.toStdString();
        EXPECT_TRUE(gateway.shown[0].text.contains(u"山田花子"_qs));
        // Once saved the file is whole again: later saves keep nothing and say nothing.
        ASSERT_TRUE(SaveUserFile(folder, saved, &error));
        EXPECT_EQ(folderEntries(folder), (QStringList{"user.dat", "user.dat.damaged-20261208-120000"})) << row.what;
        EXPECT_EQ(gateway.shown.size(), 1) << row.what;
    }
}

TEST(SaveUserFile, NothingIsSavedWhenTheDamagedFileCannotBeKept)
{
    SharedStateScope scope;
    ClockScope clock;
    AnsweringGateway gateway;
    const QString folder = UserFolder(1);
    QDir().mkpath(folder);
    const QByteArray cut = SerializeUserRecord(learner(u"山田花子"_qs)).left(20000);
    writeBytes(UserDataPath(folder), cut);
    // A copy of the same name already there is never overwritten.
    writeBytes(UserDataPath(folder) + ".damaged-20261208-120000", "earlier");
    QString error;
    {
        FullDiskScope full(100);
        EXPECT_FALSE(SaveUserFile(folder, learner(u"山田花子"_qs), &error));
    }
    EXPECT_TRUE(error.contains("user.dat")) << error.toStdString();
    EXPECT_EQ(readBytes(UserDataPath(folder)), cut);
    EXPECT_EQ(readBytes(UserDataPath(folder) + ".damaged-20261208-120000"), QByteArray("earlier"));
    EXPECT_TRUE(gateway.shown.isEmpty());
    // With room again the copy takes the next free name.
    ASSERT_TRUE(SaveUserFile(folder, learner(u"山田花子"_qs), &error)) << error.toStdString();
    EXPECT_EQ(readBytes(UserDataPath(folder) + ".damaged-20261208-120000-2"), cut);
}
