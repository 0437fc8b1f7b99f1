#pragma once

#include "ui/practice/PracticeInput.h"

#include <QString>

class QLabel;

namespace zr {

class HandPicture;
class KeyboardPicture;

// The key position check of a new-key Chapter: one key at a time, lit on the keyboard
// with the finger that strikes it, until LessonSize keys have been typed right; then
// the Chapter's word drill.
class KeyLsnFrm : public PracticeDialog {
    Q_OBJECT
public:
    explicit KeyLsnFrm(QWidget *parent = nullptr);

    qint16 lesson = 0;
    QString UseKey;
    QString TargetKey;

    QString KeyText() const { return keyText_; }
    int NUM() const { return num_; }
    QChar prevkey() const { return prevkey_; }
    int LessonSize() const { return lessonSize_; }

    KeyboardPicture *keyboard() const { return keyboard_; }
    HandPicture *hand() const { return hand_; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void typed(QChar c) override;
    void matchKanaMode() override { syncKana(); }

private:
    void load();
    void start();
    void finish();
    void syncKana();
    void showNextKey();

    KeyboardPicture *keyboard_ = nullptr;
    HandPicture *hand_ = nullptr;
    QLabel *guidance_ = nullptr;
    QString keyText_;
    int num_ = 1;
    QChar prevkey_;
    QChar prevkey2_;
    bool missFlg_ = false;
    int lessonSize_ = 70;
    QString kanaLock_;
    UserSettings settings_;   // the learner's settings as the window opened
    bool loaded_ = false;
    bool done_ = false;
    bool positionSaved_ = false;
};

}  // namespace zr
