#pragma once

#include "platform/Sound.h"

#include <QHash>
#include <QString>

#include <memory>

class QSoundEffect;

namespace zr {

// Plays the feedback sounds: the desktop's beep, and wave files asynchronously, a new
// sound cutting off the one before. Without an audio device it stays silent.
class QtSoundPlayer final : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void beep() override;
    void play(const QString &file) override;

private:
    // One loaded effect per file, so that a key press never waits for a file to load.
    QHash<QString, QSoundEffect *> effects_;
    QSoundEffect *playing_ = nullptr;
};

}  // namespace zr
