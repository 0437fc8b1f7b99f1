// Saves killed at random moments: a child process writes a learner's two files over
// and over and is killed with SIGKILL; every time, both files must load with either
// the old or the new content, and no temporary file may stay behind once the learner
// is made current again.

#include "TestSupport.h"
#include "platform/IniFile.h"
#include "userdata/Users.h"
#include "userdata/ZRSub.h"

#include <QDir>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace zr;
using namespace zr::test;

namespace {

// The two contents the files alternate between.
const UserRecord &version(int n)
{
    static const UserRecord versions[2] = {[] {
        UserRecord u;
        u.UserName = QStringLiteral(u"版0");
        u.RomajiTable = shippedTable(0);
        return u;
    }(), [] {
        UserRecord u;
        u.UserName = QStringLiteral(u"版1");
        u.LessonProgress = 1;
        u.RomajiTable = shippedTable(1);
        return u;
    }()};
    return versions[n % 2];
}

[[noreturn]] void saveForever(const QString &folder)
{
    for (int i = 0;; ++i) {
        SaveUserRecord(UserDataPath(folder), version(i % 2), nullptr);
        SetIniString("General", "Font", QString::number(i % 2), UserIniPath(folder));
    }
}

}  // namespace

TEST(KilledSaves, LeaveOldOrNewContentAndNoTemporaries)
{
    SharedStateScope scope;
    const QString folder = UserFolder(1);
    QDir().mkpath(folder);
    ASSERT_TRUE(SaveUserRecord(UserDataPath(folder), version(0), nullptr));
    ASSERT_TRUE(SetIniString("General", "Font", "0", UserIniPath(folder)));

    constexpr int kRounds = 300;
    int strays = 0;
    QRandomGenerator random(14);
    for (int round = 0; round < kRounds; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            saveForever(folder);
        ::usleep(useconds_t(random.bounded(1000, 12000)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "round " << round;

        bool truncated = true;
        const std::optional<UserRecord> loaded = LoadUserRecord(UserDataPath(folder), nullptr, &truncated);
        ASSERT_TRUE(loaded && !truncated) << "round " << round;
        EXPECT_TRUE(*loaded == version(0) || *loaded == version(1)) << "round " << round;
        QString font;
        GetIniString("General", "Font", "", font, 255, UserIniPath(folder));
        EXPECT_TRUE(font == u"0" || font == u"1") << "round " << round;

        const QStringList own = {"user.dat", "user.ini", "user.lock"};
        QStringList left = folderEntries(folder);
        left.removeIf([&](const QString &name) { return own.contains(name); });
        strays += int(left.size());
        MakeCurrentUser(folder, *loaded);
        left = folderEntries(folder);
        left.removeIf([&](const QString &name) { return own.contains(name); });
        ASSERT_TRUE(left.isEmpty()) << "round " << round << ": " << left.join(' ').toStdString();
    }
    std::printf("%d kill rounds, %d temporaries left by the kills and removed\n", kRounds, strays);
}
