#include "ui/common/QtSoundPlayer.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace zr {

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer()
{
    qDeleteAll(effects_);
}

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
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
    }
    if (playing_ && playing_ != effect)
        playing_->stop();
    effect->stop();
    effect->play();
    playing_ = effect;
}

}  // namespace zr
