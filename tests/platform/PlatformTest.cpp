#include "TestSupport.h"
#include "platform/Clock.h"
#include "platform/KanaMode.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/Sound.h"
#include "platform/Twips.h"
#include "platform/WindowPositions.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace zr;
using namespace zr::test;

TEST(Paths, ResolvesBackslashesAndCaseOfExistingComponents)
{
    TempDir dir;
    QDir(dir.path()).mkpath("resource/Sub");
    writeBytes(dir.file("resource/Sub/zr.zrd"), "x");
    const QString base = dir.path() + u'/';
    EXPECT_EQ(ResolvePath(base, "Resource\\sub\\ZR.ZRD"), base + "resource/Sub/zr.zrd");
    // Components that do not exist are kept as written.
    EXPECT_EQ(ResolvePath(base, "RESOURCE\\new.zrd"), base + "resource/new.zrd");
    EXPECT_EQ(ResolvePath(base, "/etc/hostname"), QString("/etc/hostname"));
}

TEST(Paths, FindsTheInstallationFolderInBothLayouts)
{
    TempDir build;
    QDir(build.path()).mkpath("bin/resource");
    EXPECT_EQ(FindAppDir(build.file("bin")), build.file("bin") + u'/');

    TempDir prefix;
    QDir(prefix.path()).mkpath("bin");
    QDir(prefix.path()).mkpath("share/zorvel-lesson/resource");
    EXPECT_EQ(FindAppDir(prefix.file("bin")), prefix.file("share/zorvel-lesson") + u'/');
}

TEST(Paths, CommandLineOptions)
{
    CommandLine cl = ParseCommandLine({"zorvel-lesson", "--data-dir", "/tmp/x"});
    EXPECT_EQ(cl.dataDir, QString("/tmp/x/"));
    EXPECT_TRUE(cl.error.isEmpty());
    EXPECT_TRUE(ParseCommandLine({"zorvel-lesson", "--version"}).version);
    EXPECT_TRUE(ParseCommandLine({"zorvel-lesson", "--help"}).help);
    EXPECT_FALSE(ParseCommandLine({"zorvel-lesson", "--data-dir"}).error.isEmpty());
    EXPECT_FALSE(ParseCommandLine({"zorvel-lesson", "--frobnicate"}).error.isEmpty());
}

TEST(WindowPositions, StoredPositionsRoundTrip)
{
    TempDir dir;
    WindowPositions::setStoreFile(dir.file("ZR.ini"));
    EXPECT_FALSE(WindowPositions::read("Training"));
    WindowPositions::write("Training", QPointF(1500, 2250.5));
    const auto p = WindowPositions::read("Training");
    ASSERT_TRUE(p);
    EXPECT_EQ(*p, QPointF(1500, 2250.5));
    EXPECT_FALSE(WindowPositions::read("Score1"));
    WindowPositions::setStoreFile(QString());
}

TEST(WindowPositions, PlacementCentresWhatLiesOffScreen)
{
    const QSizeF screen(28800, 16200);   // 1920 x 1080 pixels
    const QSizeF window(9000, 6000);
    const QPointF centre(9900, 5100);
    EXPECT_EQ(PlaceWindow(std::nullopt, window, screen), centre);
    EXPECT_EQ(PlaceWindow(QPointF(50000, 50000), window, screen), centre);
    EXPECT_EQ(PlaceWindow(QPointF(-100, 200), window, screen), centre);
    EXPECT_EQ(PlaceWindow(QPointF(200, -1), window, screen), centre);
    EXPECT_EQ(PlaceWindow(QPointF(1200, 900), window, screen), QPointF(1200, 900));
    EXPECT_EQ(PlaceWindow(std::nullopt, QSizeF(30000, 9000), screen), QPointF(0, 3600));
    EXPECT_EQ(twipsToPixels(1440), 96);
}

TEST(Stopwatch, CountsMillisecondsBetweenResets)
{
    ClockScope time;
    SwResetCount();
    SwStartCount();
    time.clock().advanceMs(250);
    EXPECT_EQ(SwGetCount(), 250);
    time.clock().advanceMs(50);
    EXPECT_EQ(SwGetCount(), 300);
    SwResetCount();
    SwStartCount();
    time.clock().advanceMs(7);
    EXPECT_EQ(SwGetCount(), 7);
    EXPECT_EQ(Today(), 46364.0);
}

TEST(Sounds, PlayOnlyWhatTheSettingsAsk)
{
    RecordingSoundPlayer player;
    PlayFeedbackSound({1, 0, "x.wav"});
    PlayFeedbackSound({1, 2, "x.wav"});
    PlayFeedbackSound({1, 1, "x.wav"});   // the default type 1 is silent
    PlayFeedbackSound({0, 2, "x.wav"});
    PlayFeedbackSound({2, 0, "x.wav"});
    EXPECT_EQ(player.events, QStringList({"beep", "x.wav"}));
}

TEST(KanaMode, FollowsTheCourseAndTheExpectedKey)
{
    bool notified = false;
    SetKanaModeListener([&](bool) { notified = true; });
    SetKanaMode(true);
    EXPECT_TRUE(notified);
    SyncKanaLock(0, u"ON", u"a");    // romaji course: always off
    EXPECT_FALSE(KanaModeOn());

    SyncKanaLock(1, u"ON", u"ｶ");    // a half-width kana key needs kana mode
    EXPECT_TRUE(KanaModeOn());
    SyncKanaLock(1, u"ON", u" ");    // the space bar does not
    EXPECT_FALSE(KanaModeOn());
    SyncKanaLock(1, u"ON", u"ｱ");
    SyncKanaLock(1, u"ON", u"、");   // a double-byte character counts as below 160
    EXPECT_FALSE(KanaModeOn());

    SetKanaMode(true);
    SyncKanaLock(1, u"", u"a");      // without the setting nothing changes
    SyncKanaLock(1, u"ON", u"");     // nor without an expected key
    SyncKanaLock(2, u"ON", u"a");    // nor in a course that does not exist
    EXPECT_TRUE(KanaModeOn());
    ReleaseKanaLock();
    EXPECT_FALSE(KanaModeOn());
    SetKanaModeListener(nullptr);
}

TEST(MessageBox, WithoutAGatewayTheDefaultButtonAnswers)
{
    MessageRequest r{"text", "title", MessageIcon::Warning, MessageButtons::YesNo, MessageAnswer::No};
    EXPECT_EQ(ShowMessage(r), MessageAnswer::No);
    AnsweringGateway gateway(MessageAnswer::Yes);
    EXPECT_EQ(ShowMessage(r), MessageAnswer::Yes);
    ASSERT_EQ(gateway.shown.size(), 1);
    EXPECT_EQ(gateway.shown.first().title, QString("title"));
}
