#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace zr {

class KeyboardPicture;

// The introduction of a new-key Chapter: the greeting, the new keys and their fingers,
// and a keyboard with the home keys, the keys learned so far and the new keys in their
// colours. "次へ" leads into the key position check.
class TrDialogFrm : public QDialog {
    Q_OBJECT
public:
    explicit TrDialogFrm(QWidget *parent = nullptr);

    int lesson = 0;
    QString UseKey;
    QString TargetKey;

    KeyboardPicture *keyboard() const { return keyboard_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void load();
    void next();

    QPlainTextEdit *text_ = nullptr;
    KeyboardPicture *keyboard_ = nullptr;
    QCheckBox *check_ = nullptr;
    QPushButton *ok_ = nullptr;
    bool loaded_ = false;
};

}  // namespace zr
