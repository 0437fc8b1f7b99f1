#pragma once

#include "engine/KeyStats.h"
#include "platform/Sound.h"
#include "userdata/UserRecord.h"
#include "userdata/UserSettings.h"

#include <QString>

namespace zr {

// The state every window shares: where the program and the learners' data live, the
// current learner's record and folder, the sound settings and a few remembered
// selections of the main window.
struct SharedState {
    QString AppDir;        // installation folder (holds "resource"), ends with "/"
    QString DataDir;       // data folder (holds "user" and "UserBackup"), ends with "/"
    QString CurUserDir;    // the current learner's folder, empty before one is chosen
    UserRecord CurUser;    // empty UserName: no learner loaded
    qint16 ChapterCount = 0;

    qint32 ErrorSound = 0;
    qint32 ErrorSoundType = 0;
    QString ErrorSoundFile;
    qint32 TypeSound = 0;
    qint32 TypeSoundType = 0;
    QString TypeSoundFile;
    qint16 FontUpper = 0;
    // The typed settings of the current learner (see CurrentUserSettings).
    LoadedUserSettings loadedSettings;

    qint16 TrainingSel = 1;
    qint16 WordSel = 1;
    qint16 SentenceSel = 1;

    // Per-key figures of the practice run in progress, read by its result screen.
    KeyStats keyStats;

    SoundSetting typeSound() const { return {TypeSound, TypeSoundType, TypeSoundFile}; }
    SoundSetting errorSound() const { return {ErrorSound, ErrorSoundType, ErrorSoundFile}; }
};

SharedState &ZRSub();

// Takes the sound settings and FontUpper of a learner's settings into the shared state.
void UseSharedSettings(const UserSettings &settings);

// The feedback sounds of the practice screens, as the shared settings say.
void PlayTypeSound();
void PlayErrorSound();

// A path below the installation folder, as the program's files write it
// ("resource\zr.zrd", "Resource\DefRmj.tbl").
QString AppPath(const QString &relative);

// The folder of learner slot 1..10: <data folder>/user/user01 .. user10.
QString UserFolder(int slot);
inline constexpr int kMaxUsers = 10;

// The two files of a learner folder: folder/user.dat and folder/user.ini.
QString UserDataPath(const QString &folder);
QString UserIniPath(const QString &folder);

// The lock on a learner's record, folder/user.lock: held by the program while the
// learner is current and by zrtool while it updates the record.
QString UserLockPath(const QString &folder);

// The current learner's settings file.
QString CurUserIni();

// How many of the folders user01 to user10 exist.
int CountUsers();

// "ローマ字入力コース", "JIS仮名入力コース", or nothing for any other value.
QString CourseName(int course);

// Practice minutes of a duration, rounded to whole minutes; empty when that is 0.
QString MinutesText(double duration);

// The elapsed time of a practice run as the practice screens show it, in whole minutes
// and seconds however long the run: "練習時間 75分3秒".
QString ElapsedTimeText(double duration);

}  // namespace zr
