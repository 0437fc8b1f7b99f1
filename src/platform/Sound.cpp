#include "platform/Sound.h"

namespace zr {
namespace {

SoundPlayer *player = nullptr;

}  // namespace

void InstallSoundPlayer(SoundPlayer *p)
{
    player = p;
}

void PlayFeedbackSound(const SoundSetting &setting)
{
    if (setting.enabled != 1 || !player)
        return;
    if (setting.type == 0)
        player->beep();
    else if (setting.type == 2)
        player->play(setting.file);
}

}  // namespace zr
