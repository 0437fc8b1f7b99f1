#include "userdata/ZRSub.h"

#include "platform/Format.h"
#include "platform/Paths.h"
#include "results/ScoreRecord.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace zr {

SharedState &ZRSub()
{
    static SharedState state;
    return state;
}

void UseSharedSettings(const UserSettings &settings)
{
    SharedState &s = ZRSub();
    s.ErrorSound = settings.ErrorSound;
    s.ErrorSoundType = settings.ErrorSoundType;
    s.ErrorSoundFile = settings.ErrorSoundFile;
    s.TypeSound = settings.TypeSound;
    s.TypeSoundType = settings.TypeSoundType;
    s.TypeSoundFile = settings.TypeSoundFile;
    s.FontUpper = settings.FontUpper ? 1 : 0;
}

void PlayTypeSound()
{
    PlayFeedbackSound(ZRSub().typeSound());
}

void PlayErrorSound()
{
    PlayFeedbackSound(ZRSub().errorSound());
}

QString AppPath(const QString &relative)
{
    return ResolvePath(ZRSub().AppDir, relative);
}

QString UserFolder(int slot)
{
    return ZRSub().DataDir + QStringLiteral("user/user") + FormatNumber(slot, u"00");
}

QString UserDataPath(const QString &folder)
{
    return folder + QStringLiteral("/user.dat");
}

QString UserIniPath(const QString &folder)
{
    return folder + QStringLiteral("/user.ini");
}

QString UserLockPath(const QString &folder)
{
    return folder + QStringLiteral("/user.lock");
}

QString CurUserIni()
{
    // No learner, no file: never a "user.ini" at the root of the file system.
    const QString &folder = ZRSub().CurUserDir;
    return folder.isEmpty() ? QString() : UserIniPath(folder);
}

int CountUsers()
{
    int n = 0;
    for (int slot = 1; slot <= kMaxUsers; ++slot) {
        if (QFileInfo(UserFolder(slot)).isDir())
            ++n;
    }
    return n;
}

QString CourseName(int course)
{
    switch (course) {
    case 0: return QCoreApplication::translate("ZRSub", "ローマ字入力コース");
    case 1: return QCoreApplication::translate("ZRSub", "JIS仮名入力コース");
    default: return {};
    }
}

QString MinutesText(double duration)
{
    return FormatNumber(PracticeMinutes(duration), u"#");
}

QString ElapsedTimeText(double duration)
{
    const qint64 seconds = qRound64(PracticeMinutes(duration) * 60);
    return QCoreApplication::translate("ZRSub", "練習時間 %1分%2秒").arg(seconds / 60).arg(seconds % 60);
}

}  // namespace zr
