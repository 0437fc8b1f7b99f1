#include "ui/practice/KeyLsnFrm.h"

#include "keyboard/KeyboardModel.h"
#include "platform/Format.h"
#include "platform/KanaMode.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "practice/ChapterIntro.h"
#include "practice/KeyPositionCheck.h"
#include "ui/common/Application.h"
#include "ui/common/WindowPlacement.h"
#include "ui/keyboard/HandPicture.h"
#include "ui/keyboard/KeyboardPicture.h"
#include "ui/practice/TrainingFrm.h"
#include "userdata/UserSettings.h"
#include "userdata/ZRSub.h"

#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QTimer>

#include <cmath>

namespace zr {
namespace {

const QString kSection = QStringLiteral("KeyLesson");
constexpr double kWidth = 10000;
constexpr double kHeight = 5900;

int px(double twips)
{
    return int(std::lround(twipsToPixels(twips)));
}

}  // namespace

KeyLsnFrm::KeyLsnFrm(QWidget *parent) : PracticeDialog(parent)
{
    setObjectName(QStringLiteral("KeyLsnFrm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(px(kWidth), px(kHeight));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(246, 246, 242));
    setPalette(pal);

    const int course = ZRSub().CurUser.Course;
    KeyboardLayout layout;
    layout.geometry = KeyCheckGeometry;
    layout.drawing = KeyCap::Shape;
    layout.keyName = QStringLiteral("KeyTop");
    layout.shadowName = QStringLiteral("KeyShadow");
    layout.captions = KeyCaptions::Moving;
    layout.captionName = QStringLiteral("Label3");
    layout.captionOffset = QPointF(45, 90);
    layout.captionFont = QFont(QString::fromUtf16(kFixedGothic), 13, QFont::Bold);
    keyboard_ = new KeyboardPicture(layout, course, ZRSub().FontUpper == 1, this);
    keyboard_->move(0, 0);

    guidance_ = new QLabel(this);
    guidance_->setObjectName(QStringLiteral("Label1"));
    guidance_->setAlignment(Qt::AlignCenter);
    QFont f(QString::fromUtf16(kProportionalGothic), 11);
    f.setBold(true);
    guidance_->setFont(f);
    guidance_->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0);"));
    guidance_->setGeometry(px(200), px(2600), px(kWidth - 400), px(330));

    hand_ = new HandPicture(HandPicture::areaTwips().topLeft(), this);
    hand_->lower();
    keyboard_->setHand(hand_);
}

void KeyLsnFrm::showEvent(QShowEvent *event)
{
    if (!loaded_) {
        loaded_ = true;
        load();
    }
    PracticeDialog::showEvent(event);
    if (!done_ && keyText_.isEmpty() && !positionSaved_)
        QTimer::singleShot(0, this, &KeyLsnFrm::start);
}

void KeyLsnFrm::load()
{
    //: %1 is the Chapter's number after a blank (" 5").
    setWindowTitle(tr("Chapter %1 - キー位置の確認").arg(NumberText(lesson)));
    RestoreWindowPosition(this, kSection);
    WriteMissingDefaults({Setting::MoveMouse, Setting::KanaLock, Setting::KeyLessonSize}, CurUserIni());
    settings_ = CurrentUserSettings();
    if (settings_.MoveMouse)
        QCursor::setPos(frameGeometry().topLeft());
    kanaLock_ = settings_.KanaLock ? QStringLiteral("ON") : QString();
    lessonSize_ = LessonSizeOf(settings_.KeyLessonSize);

    const int course = ZRSub().CurUser.Course;
    keyboard_->DrawKeyboard();
    keyboard_->MarkKeys(HomeKeys(course), HomeKey, true, false);
    keyText_ = MakeKeyText(UseKey, TargetKey, lessonSize_, course);
    if (course == KanaCourse)
        SetKanaMode(true);
    num_ = 1;
    if (!keyText_.isEmpty()) {
        prevkey_ = keyText_.front();
        showNextKey();
    }
    syncKana();
}

void KeyLsnFrm::showNextKey()
{
    keyboard_->MarkKeys(QStringView(&prevkey_, 1), NextKey, true, false);
    // A key typed with Shift is explained before the first try: the keyboard shows no
    // Shift key, and the learner should not have to guess.
    const int course = ZRSub().CurUser.Course;
    const std::optional<QString> guide = KeyGuideText(prevkey_, course);
    if (guide && KeyIndexOf(prevkey_, course).shift)
        guidance_->setText(ZRSub().FontUpper == 1 ? guide->toUpper() : *guide);
}

void KeyLsnFrm::start()
{
    // A Chapter without keys has nothing to check: straight on to the drill.
    if (keyText_.isEmpty() && !done_)
        finish();
}

void KeyLsnFrm::syncKana()
{
    SyncKanaLock(ZRSub().CurUser.Course, kanaLock_, prevkey_.isNull() ? QStringView() : QStringView(&prevkey_, 1));
}

void KeyLsnFrm::typed(QChar c)
{
    PlayTypeSound();
    if (c.unicode() < 32 || done_ || keyText_.isEmpty())
        return;
    const bool upper = ZRSub().FontUpper == 1;
    const int course = ZRSub().CurUser.Course;

    if (!prevkey2_.isNull())
        keyboard_->MarkKeys(QStringView(&prevkey2_, 1), NormalKey, false, true);
    prevkey2_ = c.toLower();
    keyboard_->MarkKeys(QStringView(&prevkey2_, 1), PressedKey, false, false);

    if (prevkey2_ == prevkey_) {
        keyboard_->MarkKeys(QStringView(&prevkey_, 1), NormalKey, false, true);
        num_ += 1;
        guidance_->clear();
        missFlg_ = false;
        if (num_ > keyText_.size()) {
            done_ = true;
            prevkey_ = QChar();
            QTimer::singleShot(0, this, &KeyLsnFrm::finish);
            return;
        }
        prevkey_ = keyText_.at(num_ - 1);
        showNextKey();
    } else {
        if (const std::optional<QString> guide = KeyGuideText(prevkey_, course))
            guidance_->setText(upper ? guide->toUpper() : *guide);
        if (!missFlg_)
            PlayErrorSound();
        missFlg_ = true;
    }
    syncKana();
}

void KeyLsnFrm::finish()
{
    done_ = true;
    keyboard_->hideCaption();
    ShowMessage({tr("ＯＫです。単語練習に進みましょう。"), tr("キー練習終了"),
                 MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
    SaveWindowPosition(this, kSection);
    positionSaved_ = true;
    hide();
    TrainingFrm drill(parentWidget());
    drill.mode = KanaWithGuide;
    drill.MType = WordDrillTitle;
    drill.UseKey = UseKey;
    drill.TargetKey = TargetKey;
    drill.lesson = lesson;
    drill.exec();
    accept();
}

void KeyLsnFrm::closeEvent(QCloseEvent *event)
{
    if (!positionSaved_) {
        SaveWindowPosition(this, kSection);
        positionSaved_ = true;
    }
    done_ = true;
    PracticeDialog::closeEvent(event);
}

}  // namespace zr
