#include "userdata/UserSettings.h"

#include "TestSupport.h"
#include "platform/Cp932.h"
#include "platform/IniFile.h"
#include "userdata/ProblemFile.h"
#include "userdata/ZRSub.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>

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

TEST(ReadUserSetting, WithoutACurrentLearnerNothingIsWritten)
{
    SharedStateScope none;
    EXPECT_EQ(CurUserIni(), QString());
    EXPECT_EQ(ReadUserSetting("Training", "LessonTime", CurUserIni()), QString("00:02:30"));
    EXPECT_FALSE(QFileInfo::exists("/user.ini"));
}

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
        {"General", "AnySpelling", u"0"},   {"WordLsn", "ShowReading", u"0"},
        {"WordLsn", "ShowKeys", u"0"},
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

TEST(UserSettings, StoredTextAndWhatTheProgramMakesOfIt)
{
    TempDir dir;
    const QString ini = dir.file("user.ini");
    // Each row: the stored text of a setting and the text its typed value writes back.
    const struct {
        Setting setting;
        const char16_t *stored;
        const char16_t *used;
    } rows[] = {
        {Setting::MoveMouse, u"1", u"1"},           {Setting::MoveMouse, u"2", u"0"},
        {Setting::ErrorSound, u"1.6", u"2"},        {Setting::TypeSoundType, u"x", u"0"},
        {Setting::ErrorSoundFile, u"", nullptr},    {Setting::FontSize, u"10.5", u"10.5"},
        {Setting::FontSize, u"100", u"20"},         {Setting::FontItalic, u"true", u"True"},
        {Setting::FontBold, u"-1", u"False"},       {Setting::FontColor4, u" 255 ", u"255"},
        {Setting::BackColor, u"white", u"16777215"}, {Setting::KeyLessonSize, u"Short", u"Short"},
        {Setting::KeyLessonSize, u"short", u"Long"}, {Setting::TrainingLessonTime, u"01:03:05", u"00:03:05"},
        {Setting::TrainingLessonTime, u"abc", u"00:02:30"}, {Setting::TrainingLessonStep, u"-3", u"8"},
        {Setting::RmjGuide, u"1", u"1"},            {Setting::RmjGuide, u"x", u"3"},
        {Setting::Level, u"", u"2"},                {Setting::Level, u"9", u"3"},
        {Setting::TargetTime, u" 55 ", u"55"},      {Setting::TargetTime, u"fast", u"40"},
        {Setting::WordLessonStep, u"20", u"20"},    {Setting::Addition, u"0", u"0"},
        {Setting::AnySpelling, u"1", u"1"},         {Setting::AnySpelling, u"yes", u"0"},
        {Setting::ShowReading, u"1", u"1"},         {Setting::ShowKeys, u"-1", u"0"},
    };
    SharedStateScope scope;
    for (const auto &row : rows) {
        const SettingDeclaration &d = Declaration(row.setting);
        writeAnsiText(ini, "[" + QString::fromUtf16(d.section) + "]\r\n" + QString::fromUtf16(d.key) + "="
                               + QString::fromUtf16(row.stored) + "\r\n");
        const QByteArray before = readBytes(ini);
        const UserSettings loaded = LoadUserSettings(ini);
        const QString expected =
            row.used ? QString::fromUtf16(row.used) : DefaultSettingValue(QString::fromUtf16(d.section), QString::fromUtf16(d.key));
        EXPECT_EQ(SettingText(loaded, row.setting), expected) << QString::fromUtf16(d.key).toStdString();
        EXPECT_EQ(readBytes(ini), before) << "loading writes nothing";
    }
    // Every declaration is found under its own id, and an empty file loads the defaults.
    for (const SettingDeclaration &d : SettingDeclarations())
        EXPECT_EQ(&Declaration(d.id), &d);
    EXPECT_EQ(LoadUserSettings(dir.file("none.ini")), DefaultUserSettings());
}

TEST(UserSettings, SavedInTheOrderOfTheSettingsDialog)
{
    SharedStateScope scope;
    TempDir dir;
    const QString ini = dir.file("user.ini");
    UserSettings u = DefaultUserSettings();
    u.ErrorSoundFile = "/snd/err.wav";
    ASSERT_TRUE(SaveUserSettings(u, ini));
    // TypeSoundType 1 matches no option and stays unwritten; the bold flag is "Fontbold".
    EXPECT_EQ(fromAnsi(readBytes(ini)),
              QString::fromUtf16(u"[General]\r\nErrorSound=1\r\nErrorSoundType=2\r\nErrorSoundFile=/snd/err.wav\r\n"
                                 u"TypeSound=0\r\nTypeSoundFile=\r\nMoveMouse=0\r\nKanaLock=0\r\nFontUpper=0\r\n"
                                 u"Font=ＭＳ Ｐゴシック\r\nFontSize=20\r\nFontItalic=False\r\nFontbold=False\r\n"
                                 u"FontColor1=16711680\r\nFontColor2=0\r\nFontColor3=0\r\nFontColor4=33023\r\n"
                                 u"BackColor=16777215\r\n"
                                 u"[Training]\r\nLessonTime=00:02:30\r\nLessonStep=8\r\nTargetTime=40\r\n"
                                 u"RmjGuide=2\r\nAddition=1\r\nLevel=2\r\n"
                                 u"[WordLsn]\r\nLessonTime=00:02:30\r\nLessonStep=8\r\n"
                                 u"[KeyLsn]\r\nLessonSize=Mid\r\n"));

    // Every field comes back as saved.
    u.MoveMouse = u.KanaLock = u.FontUpper = u.FontItalic = u.FontBold = true;
    u.TypeSound = 1;
    u.TypeSoundType = 2;
    u.TypeSoundFile = u"/snd/タイプ.wav"_qs;
    u.ErrorSound = 0;
    u.ErrorSoundType = 0;
    u.Font = u"ＭＳ 明朝"_qs;
    u.FontSize = 10.5;
    u.FontColor1 = 1, u.FontColor2 = 2, u.FontColor3 = 3, u.FontColor4 = 4, u.BackColor = 5;
    u.KeyLessonSize = LessonSize::Long;
    u.training = {(2 * 60 + 5) / 86400.0, 3};
    u.word = {(10 * 60 + 55) / 86400.0, 20};
    u.RmjGuide = RmjGuideMode::Never;
    u.Addition = false;
    u.Level = PassLevel::Strict;
    u.TargetTime = 400;
    u.AnySpelling = u.ShowReading = u.ShowKeys = true;
    ASSERT_TRUE(SaveUserSettings(u, ini));
    const UserSettings back = LoadUserSettings(ini);
    for (const SettingDeclaration &d : SettingDeclarations())
        EXPECT_EQ(SettingText(back, d.id), SettingText(u, d.id)) << QString::fromUtf16(d.key).toStdString();
    EXPECT_TRUE(readBytes(ini).contains("LessonTime=00:02:05\r\n"));
    EXPECT_FALSE(readBytes(ini).contains("FontBold"));
    // A key the file lacked goes to the end of its section, as the dialog's writes do.
    EXPECT_TRUE(readBytes(ini).contains("\r\nAnySpelling=1\r\n[Training]\r\n"));
    EXPECT_TRUE(readBytes(ini).contains("[WordLsn]\r\nLessonTime=00:10:55\r\nLessonStep=20\r\nShowReading=1\r\nShowKeys=1\r\n"));
    // Turned off again, they are written off; a file that never had them stays without
    // them (the default file above).
    u.AnySpelling = u.ShowReading = u.ShowKeys = false;
    ASSERT_TRUE(SaveUserSettings(u, ini));
    EXPECT_TRUE(readBytes(ini).contains("\r\nAnySpelling=0\r\n"));
    EXPECT_TRUE(readBytes(ini).contains("\r\nShowReading=0\r\nShowKeys=0\r\n"));
}

TEST(UserSettings, TheCurrentLearnersFollowTheFile)
{
    CurrentUser user;
    SetIniString("General", "ErrorSound", "0", user.ini());
    // Becoming current writes the defaults of the shared keys the file lacks, in the
    // order the main window has always read them, and hands them to the shared state.
    ReloadUserSettings();
    EXPECT_EQ(fromAnsi(readBytes(user.ini())),
              "[General]\r\nErrorSound=0\r\nErrorSoundType=2\r\nErrorSoundFile="
                  + DefaultSettingValue("General", "ErrorSoundFile")
                  + "\r\nTypeSound=0\r\nTypeSoundType=1\r\nTypeSoundFile=\r\nFontUpper=0\r\n");
    EXPECT_EQ(user.state().ErrorSound, 0);
    EXPECT_EQ(user.state().ErrorSoundType, 2);
    // A change of the file is seen by the next reader; reading writes nothing.
    SetIniString("Training", "Level", "1", user.ini());
    const QByteArray before = readBytes(user.ini());
    EXPECT_EQ(CurrentUserSettings().Level, PassLevel::Easy);
    EXPECT_EQ(CurrentUserSettings().training.LessonStep, 8);
    EXPECT_EQ(readBytes(user.ini()), before);
    // A window that starts to use keys writes those still missing, in its order.
    WriteMissingDefaults({Setting::Level, Setting::TargetTime, Setting::KanaLock}, user.ini());
    EXPECT_TRUE(readBytes(user.ini()).endsWith("FontUpper=0\r\nKanaLock=0\r\n[Training]\r\nLevel=1\r\nTargetTime=40\r\n"));
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

TEST(WriteMissingDefaults, AllThatAreMissingGoInOneRewriteInTheOrderOfOneByOne)
{
    CurrentUser user;
    QList<Setting> all;
    for (const SettingDeclaration &d : SettingDeclarations())
        all.append(d.id);
    const QString oneByOne = user.data().file("one.ini");
    writeBytes(oneByOne, "[Training]\r\nLevel=3\r\n");
    writeBytes(user.ini(), "[Training]\r\nLevel=3\r\n");
    for (Setting setting : all)
        WriteMissingDefaults({setting}, oneByOne);

    RewriteCounter rewrites(user.ini());
    WriteMissingDefaults(all, user.ini());
    EXPECT_EQ(rewrites.count(), 1);
    EXPECT_EQ(readBytes(user.ini()), readBytes(oneByOne));
    WriteMissingDefaults(all, user.ini());
    EXPECT_EQ(rewrites.count(), 1) << "nothing missing, nothing written";

    // The titles of the slots and the default problem files: one rewrite each.
    EXPECT_EQ(ReadSlotTitles("SSentLsn", user.ini()), QStringList(10, QString()));
    EXPECT_EQ(rewrites.count(), 2);
    ASSERT_TRUE(RegisterDefaultProblemFiles(user.state().CurUserDir));
    EXPECT_EQ(rewrites.count(), 3);
    EXPECT_EQ(iniValue("SSentLsn", "L10", user.ini()), QString("resource\\kentei3.zrw"));
}

TEST(WriteMissingDefaults, AWriteThatFailsIsReportedOnce)
{
    CurrentUser user;
    AnsweringGateway gateway;
    {
        // No room for the new file: the learner's "user.ini" cannot be made.
        FullDiskScope full(0);
        WriteMissingDefaults({Setting::Font, Setting::FontSize, Setting::KanaLock}, user.ini());
        EXPECT_EQ(ReadUserSetting("Training", "LessonTime", user.ini()), QString("00:02:30"));
    }
    EXPECT_FALSE(QFileInfo::exists(user.ini()));
    ASSERT_EQ(gateway.shown.size(), 1);
    EXPECT_EQ(gateway.shown[0].title, u"設定ファイルエラー"_qs);
    EXPECT_TRUE(gateway.shown[0].text.contains("user.ini")) << gateway.shown[0].text.toStdString();
}

TEST(WriteMissingDefaultsSoon, TheDefaultsAreReadAtOnceAndWrittenInOneRewriteBeforeAnythingElse)
{
    CurrentUser user;
    int argc = 1;
    char name[] = "core_tests";
    char *argv[] = {name};
    QCoreApplication app(argc, argv);
    const QList<Setting> window{Setting::Font, Setting::FontSize, Setting::KanaLock};
    const QList<Setting> another{Setting::KanaLock, Setting::Addition};
    const QString oneByOne = user.data().file("one.ini");
    writeBytes(user.ini(), "[Training]\r\nLevel=3\r\n");
    writeBytes(oneByOne, readBytes(user.ini()));
    for (Setting setting : window + another)
        WriteMissingDefaults({setting}, oneByOne);

    RewriteCounter rewrites(user.ini());
    WriteMissingDefaultsSoon(window, user.ini());
    WriteMissingDefaultsSoon(another, user.ini());
    EXPECT_EQ(rewrites.count(), 0);
    UserSettings expected = DefaultUserSettings();
    expected.Level = PassLevel::Strict;
    EXPECT_TRUE(CurrentUserSettings() == expected);
    WritePendingDefaults();
    EXPECT_EQ(rewrites.count(), 1);
    EXPECT_EQ(readBytes(user.ini()), readBytes(oneByOne));

    // Held back, then another read that writes: the held-back defaults go first.
    WriteMissingDefaultsSoon({Setting::RmjGuide}, user.ini());
    WriteMissingDefaults({Setting::RmjGuide}, oneByOne);
    EXPECT_EQ(ReadUserSetting("Training", "TargetTime", user.ini()), QString("40"));
    EXPECT_EQ(ReadUserSetting("Training", "TargetTime", oneByOne), QString("40"));
    EXPECT_EQ(rewrites.count(), 3);
    EXPECT_EQ(readBytes(user.ini()), readBytes(oneByOne));

    // Held back with no window to paint: the event loop writes them soon.
    WriteMissingDefaultsSoon({Setting::TrainingLessonStep}, user.ini());
    QDeadlineTimer deadline(5000);
    while (rewrites.count() < 4 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(rewrites.count(), 4);
    EXPECT_FALSE(iniValue("Training", "LessonStep", user.ini()).isEmpty());
}

TEST(UserSettings, TheShippedChordFollowsTheInstallation)
{
    SharedStateScope scope;
    const QString chord = DefaultSettingValue("General", "ErrorSoundFile");
    const struct {
        const char16_t *stored;
        bool followed;
    } rows[] = {
        {u"/home/me/zorvel/build/bin/resource/system/media/chord.wav", true},   // the build tree
        {u"/usr/local/share/zorvel-lesson/resource/system/media/chord.wav", true},   // an earlier prefix
        {u"C:\\WINDOWS\\Media\\chord.wav", true},
        {u"c:/windows/media/CHORD.WAV", true},
        {u"/home/me/sounds/chord.wav", false},   // the learner's own
        {u"/home/me/media/ding.wav", false},
        {u"resource/system/media/chord.wav", false},
    };
    TempDir dir;
    const QString ini = dir.file("user.ini");
    for (const auto &row : rows) {
        const QString stored = QString::fromUtf16(row.stored);
        EXPECT_EQ(FollowInstalledChord(stored), row.followed ? chord : stored) << stored.toStdString();
        writeAnsiText(ini, "[General]\r\nErrorSoundFile=" + stored + "\r\nTypeSoundFile=" + stored + "\r\n");
        const UserSettings u = LoadUserSettings(ini);
        EXPECT_EQ(u.ErrorSoundFile, row.followed ? chord : stored);
        EXPECT_EQ(u.TypeSoundFile, row.followed ? chord : stored);
    }
}
