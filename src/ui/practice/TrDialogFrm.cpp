#include "ui/practice/TrDialogFrm.h"

#include "keyboard/KeyboardModel.h"
#include "platform/Format.h"
#include "platform/Twips.h"
#include "practice/ChapterIntro.h"
#include "practice/DrillWords.h"
#include "ui/common/Application.h"
#include "ui/common/WindowPlacement.h"
#include "ui/keyboard/KeyboardPicture.h"
#include "ui/practice/KeyLsnFrm.h"
#include "ui/practice/PracticeInput.h"
#include "userdata/ZRSub.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zr {

TrDialogFrm::TrDialogFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TrDialogFrm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    text_ = CreateDialogText(this, 8400, 5400);

    const int course = ZRSub().CurUser.Course;
    keyboard_ = new KeyboardPicture(PictureKeyboardLayout(QStringLiteral("Image1"), KeyCaptions::PerMark,
                                                          QStringLiteral("Label1"), QPointF(45, 55)),
                                    course, ZRSub().FontUpper == 1);

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAutoFillBackground(true);
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, QColor(236, 240, 244));
    frame->setPalette(pal);
    auto *frameLayout = new QHBoxLayout(frame);
    frameLayout->setContentsMargins(8, 8, 8, 8);
    keyboard_->setParent(frame);
    keyboard_->setFixedSize(keyboard_->designSize());
    frameLayout->addStretch();
    frameLayout->addWidget(keyboard_);
    frameLayout->addStretch();

    check_ = new QCheckBox(tr("次回からこのダイアログを表示しない"), this);
    check_->setObjectName(QStringLiteral("Check1"));
    // The main window opens the introduction for every new-key Chapter; a box
    // promising otherwise would mislead.
    check_->hide();

    ok_ = CreateNextButton(this);
    connect(ok_, &QPushButton::clicked, this, &TrDialogFrm::next);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(check_);
    buttons->addStretch();
    buttons->addWidget(ok_);

    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(12, 12, 12, 12);
    main->setSpacing(10);
    main->addWidget(text_, 1);
    main->addWidget(frame);
    main->addLayout(buttons);
}

void TrDialogFrm::showEvent(QShowEvent *event)
{
    if (!loaded_) {
        loaded_ = true;
        load();
        adjustSize();
        CentreWindow(this);
    }
    QDialog::showEvent(event);
}

void TrDialogFrm::load()
{
    const int course = ZRSub().CurUser.Course;
    const bool upper = ZRSub().FontUpper == 1;
    setWindowTitle(tr("Chapter%1へようこそ！").arg(PlainNumberText(lesson)));
    const QList<ProblemItem> words = ReadWordDictionary(AppPath(DrillDictionaryFile)).words();
    const QString drillable = DrillableKeys(words, UseKey, TargetKey, course, ZRSub().CurUser.RomajiTable);
    QString undrilled;
    for (QChar k : TargetKey) {
        if (!drillable.contains(k) && !undrilled.contains(k))
            undrilled += k;
    }
    // Without the word list the drill says so itself; nothing to add here.
    if (words.isEmpty())
        undrilled.clear();
    text_->setPlainText(KeepBracketedKeysTogether(ChapterIntroText(lesson, TargetKey, course, upper, undrilled)
                                                      .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))));

    keyboard_->DrawKeyboard();
    keyboard_->MarkKeys(HomeKeys(course), HomeKey, false, false);
    keyboard_->MarkKeys(UseKey, NormalKey, true, true);
    keyboard_->MarkKeys(TargetKey, NextKey, true, false);
    ok_->setFocus();
}

void TrDialogFrm::next()
{
    hide();
    KeyLsnFrm check(parentWidget());
    check.lesson = lesson;
    check.UseKey = UseKey;
    check.TargetKey = TargetKey;
    check.exec();
    accept();
}

}  // namespace zr
