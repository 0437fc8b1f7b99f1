#include "userdata/UserSettings.h"

#include "TestSupport.h"
#include "platform/IniFile.h"
#include "practice/ProblemFile.h"
#include "userdata/ZRSub.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

namespace {

QString iniValue(const QString &section, const QString &key, const QString &file)
{
    QString value;
    GetIniString(section, key, QString(), value, 255, file);
    return value;
}

struct CurrentUser : SharedStateScope {
    CurrentUser()
    {
        state().CurUserDir = data().file("user/user01");
        QDir().mkpath(state().CurUserDir);
    }
    QString ini() const { return CurUserIni(); }
};

}  // namespace

TEST(ReadUserSetting, MissingValuesAreFilledWithTheirDefaults)
{
    CurrentUser user;
    EXPECT_EQ(ReadUserSetting("Training", "LessonTime", user.ini()), QString("00:02:30"));
    EXPECT_EQ(readBytes(user.ini()), QByteArray("[Training]\r\nLessonTime=00:02:30\r\n"));
    // A key without a default reads empty and is written with an empty value.
    EXPECT_EQ(ReadUserSetting("Training", "Unknown", user.ini()), QString());
    EXPECT_EQ(readBytes(user.ini()), QByteArray("[Training]\r\nLessonTime=00:02:30\r\nUnknown=\r\n"));
}

TEST(ReadUserSetting, StoredValuesWin)
{
    CurrentUser user;
    SetIniString("Training", "Level", "3", user.ini());
    EXPECT_EQ(ReadUserSetting("training", "level", user.ini()), QString("3"));
    // An empty value in the current learner's file takes the default.
    SetIniString("General", "FontSize", "", user.ini());
    EXPECT_EQ(ReadUserSetting("General", "FontSize", user.ini()), QString("20"));
    EXPECT_EQ(iniValue("General", "FontSize", user.ini()), QString("20"));
}

TEST(ReadUserSetting, AnUnreadableFileGivesDefaultsAndIsReportedOnceNeverReplaced)
{
    CurrentUser user;
    AnsweringGateway gateway;
    QByteArray big = "[Training]\r\nLevel=3\r\n";
    big.append(QByteArray(17 * 1024 * 1024, ';'));
    writeBytes(user.ini(), big);
    EXPECT_EQ(ReadUserSetting("Training", "LessonTime", user.ini()), QString("00:02:30"));
    EXPECT_EQ(ReadUserSetting("Training", "LessonStep", user.ini()), QString("8"));
    EXPECT_EQ(readBytes(user.ini()), big);
    ASSERT_EQ(gateway.shown.size(), 1);
    EXPECT_TRUE(gateway.shown[0].text.contains("user.ini")) << gateway.shown[0].text.toStdString();
}

TEST(DefaultUserSetting, TheWholeTable)
{
    SharedStateScope scope;
    const struct {
        const char *section;
        const char *key;
        const char16_t *value;
    } table[] = {
        {"General", "MoveMouse", u"0"},       {"General", "TypeSound", u"0"},
        {"General", "TypeSoundType", u"1"},   {"General", "TypeSoundFile", u""},
        {"General", "ErrorSound", u"1"},      {"General", "ErrorSoundType", u"2"},
        {"General", "KanaLock", u"0"},        {"General", "Font", u"ＭＳ Ｐゴシック"},
        {"General", "FontSize", u"20"},       {"General", "FontItalic", u"False"},
        {"General", "FontBold", u"False"},    {"General", "FontColor1", u"16711680"},
        {"General", "FontColor2", u"0"},      {"General", "FontColor3", u"0"},
        {"General", "FontColor4", u"33023"},  {"General", "BackColor", u"16777215"},
        {"General", "FontUpper", u"0"},       {"KeyLsn", "LessonSize", u"Mid"},
        {"Training", "LessonTime", u"00:02:30"}, {"Training", "LessonStep", u"8"},
        {"Training", "RmjGuide", u"2"},       {"Training", "Addition", u"1"},
        {"Training", "Level", u"2"},          {"Training", "TargetTime", u"40"},
        {"WordLsn", "LessonTime", u"00:02:30"}, {"WordLsn", "LessonStep", u"8"},
        {"WordLsn", "L1", u""},               {"SSentLsn", "LT10", u""},
        {"Other", "Key", u""},
    };
    for (const auto &row : table)
        EXPECT_EQ(DefaultSettingValue(row.section, row.key), QString::fromUtf16(row.value)) << row.key;
    // Section and key names compare exactly here.
    EXPECT_EQ(DefaultSettingValue("training", "LessonTime"), QString());
    // The error sound is the chord of the bundled system sounds.
    const QString chord = DefaultSettingValue("General", "ErrorSoundFile");
    EXPECT_TRUE(chord.endsWith("resource/system/media/chord.wav"));
    EXPECT_TRUE(QFileInfo::exists(chord));
}

TEST(RegisterProblemFile, StoresPathAndTitle)
{
    CurrentUser user;
    RegisterProblemFile("WordLsn", 3, "resource\\4juku.zrd", user.state().CurUserDir);
    EXPECT_EQ(iniValue("WordLsn", "L3", user.ini()), QString("resource\\4juku.zrd"));
    EXPECT_EQ(iniValue("WordLsn", "LT3", user.ini()), ReadProblemTitle(resourceFile("4juku.zrd")));
    EXPECT_FALSE(iniValue("WordLsn", "LT3", user.ini()).isEmpty());
    // An empty path clears both keys.
    RegisterProblemFile("WordLsn", 3, QString(), user.state().CurUserDir);
    EXPECT_EQ(iniValue("WordLsn", "L3", user.ini()), QString());
    EXPECT_EQ(iniValue("WordLsn", "LT3", user.ini()), QString());
}

TEST(RegisterProblemFile, DefaultListFillsTwentySlots)
{
    CurrentUser user;
    RegisterDefaultProblemFiles(user.state().CurUserDir);
    EXPECT_EQ(iniValue("WordLsn", "L1", user.ini()), QString("resource\\zr.zrd"));
    EXPECT_EQ(iniValue("WordLsn", "L4", user.ini()), QString("resource\\jimu.zrd"));
    EXPECT_EQ(iniValue("WordLsn", "L5", user.ini()), QString());
    EXPECT_EQ(iniValue("SSentLsn", "L10", user.ini()), QString("resource\\kentei3.zrw"));
    for (int slot = 1; slot <= 4; ++slot)
        EXPECT_FALSE(iniValue("WordLsn", SlotTitleKey(slot), user.ini()).isEmpty()) << slot;
    for (int slot = 1; slot <= 10; ++slot)
        EXPECT_FALSE(iniValue("SSentLsn", SlotTitleKey(slot), user.ini()).isEmpty()) << slot;
    EXPECT_TRUE(readBytes(user.ini()).contains("L10=\r\nLT10=\r\n"));
}

TEST(Users, CountedByTheirFolders)
{
    SharedStateScope scope;
    EXPECT_EQ(CountUsers(), 0);
    for (int slot : {1, 2, 5})
        QDir().mkpath(UserFolder(slot));
    EXPECT_EQ(CountUsers(), 3);
    EXPECT_TRUE(UserFolder(5).endsWith("user/user05"));
    EXPECT_TRUE(UserFolder(10).endsWith("user/user10"));
}

TEST(Users, CourseNamesAndMinutes)
{
    EXPECT_EQ(CourseName(0), QStringLiteral(u"ローマ字入力コース"));
    EXPECT_EQ(CourseName(1), QStringLiteral(u"JIS仮名入力コース"));
    EXPECT_EQ(CourseName(2), QString());
    EXPECT_EQ(MinutesText(29 / 86400.0), QString());
    EXPECT_EQ(MinutesText(90 / 86400.0), QString("2"));
    EXPECT_EQ(MinutesText(3 * 60 / 86400.0), QString("3"));
    EXPECT_EQ(MinutesText(2 + 3 * 60 / 86400.0), QString("2883"));
    EXPECT_EQ(ElapsedTimeText(0), u"練習時間 0分0秒"_qs);
    EXPECT_EQ(ElapsedTimeText((75 * 60 + 3) / 86400.0), u"練習時間 75分3秒"_qs);
}

TEST(Sounds, FollowTheSharedSettings)
{
    SharedStateScope scope;
    RecordingSoundPlayer player;
    scope.state().ErrorSound = 1;
    scope.state().ErrorSoundType = 2;
    scope.state().ErrorSoundFile = "chord.wav";
    scope.state().TypeSound = 1;
    scope.state().TypeSoundType = 0;
    PlayErrorSound();
    PlayTypeSound();
    scope.state().TypeSound = 0;
    PlayTypeSound();
    EXPECT_EQ(player.events, QStringList({"chord.wav", "beep"}));
}
