#pragma once

#include "ui/practice/PracticeInput.h"

#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

namespace zr {

// The set-up dialog of word and sentence practice: the slot's title and the problem
// file's description (a dictionary adds its word count and three examples). "次へ"
// leads into the practice window.
class ProblemDialogFrm : public QDialog {
    Q_OBJECT
public:
    ProblemDialogFrm(PracticeKind kind, QWidget *parent = nullptr);

    qint16 lesson = 0;
    // Set by the launcher; handed on to the practice window.
    ProblemPracticeSettings settings;

    QPlainTextEdit *text() const { return text_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool load();
    void next();

    PracticeKind kind_;
    QPlainTextEdit *text_ = nullptr;
    QPushButton *ok_ = nullptr;
    bool loaded_ = false;
};

class WdDialogFrm : public ProblemDialogFrm {
    Q_OBJECT
public:
    explicit WdDialogFrm(QWidget *parent = nullptr) : ProblemDialogFrm(PracticeKind::Word, parent) {}
};

class SentDialogFrm : public ProblemDialogFrm {
    Q_OBJECT
public:
    explicit SentDialogFrm(QWidget *parent = nullptr) : ProblemDialogFrm(PracticeKind::Sentence, parent) {}
};

// Runs word or sentence practice of a slot from the main window, modally: the set-up
// dialog, the practice window and its result screen.
void StartProblemPractice(QWidget *parent, PracticeKind kind, int slot);

}  // namespace zr
