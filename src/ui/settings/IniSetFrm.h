#pragma once

#include "practice/ProblemRegistration.h"

#include <QDialog>
#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace zr {

// "練習問題の構成": the ten word-dictionary and ten short-sentence slots of the current
// learner. "登録" puts a file into a free slot, "解除" frees one; a file's history
// follows it to whatever slot it ends up in. OK stores slots and histories; ｷｬﾝｾﾙ
// changes nothing. On settings that could not be read the dialog is not shown (see
// ShowIniSetFrm); OK then stores nothing.
class IniSetFrm : public QDialog {
    Q_OBJECT
public:
    explicit IniSetFrm(QWidget *parent = nullptr);

    const ProblemSlots &problemSlots() const { return slots_; }
    // Why the slots could not be read (naming the file); empty when they were.
    const QString &openError() const { return openError_; }

private:
    void registerFile(int n);
    void releaseFile(int n);
    void showSlot(int n);
    void store();

    ProblemSlots slots_;
    QString openError_;
    QTabWidget *SSTab1 = nullptr;
    QList<QLineEdit *> Text1;
    QList<QLineEdit *> Text2;
    QList<QLabel *> Label3;
    QList<QPushButton *> Command1;
    QList<QPushButton *> Command2;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
};

// Opens the dialog modally, or, when the learner's settings cannot be read, says so
// and why instead.
void ShowIniSetFrm(QWidget *parent);

}  // namespace zr
