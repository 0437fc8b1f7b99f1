#pragma once

#include <QString>

namespace zr {

// The two sound outputs of the program: the standard beep and a wave file played
// asynchronously (a new sound cuts off the one before). The application installs the
// real player; without one the program is silent.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void beep() = 0;
    virtual void play(const QString &file) = 0;
};

void InstallSoundPlayer(SoundPlayer *player);

// One feedback sound as the settings describe it: played only when enabled is 1;
// type 0 is the beep, type 2 the file, any other type is silent.
struct SoundSetting {
    int enabled = 0;
    int type = 0;
    QString file;
};

void PlayFeedbackSound(const SoundSetting &setting);

}  // namespace zr
