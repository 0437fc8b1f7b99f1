#include "ui/common/QtSoundPlayer.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace zr {

QtSoundPlayer::QtSoundPlayer() = default;

// The effects belong to the application, which deletes them while the audio backend
// still exists; the player itself lives until the program's statics go.
QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::beep()
{
    QApplication::beep();
}

void QtSoundPlayer::play(const QString &file)
{
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return;
    QSoundEffect *&effect = effects_[file];
    if (!effect) {
        effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    }
    if (playing_ && playing_ != effect)
        playing_->stop();
    effect->stop();
    effect->play();
    playing_ = effect;
}

}  // namespace zr
