#pragma once

#include "userdata/SpellingChoices.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QPushButton;

namespace zr {

// "ローマ字設定": the spelling of each of the 25 kana units with two spellings, one
// toggle button each. "連動" makes a whole row follow the button clicked. OK writes the
// spellings into the learner's romaji table and saves "user.dat"; ｷｬﾝｾﾙ changes nothing.
class RmjCustFrm : public QDialog {
    Q_OBJECT
public:
    explicit RmjCustFrm(QWidget *parent = nullptr);

    const SpellingChoices &choices() const { return choices_; }

private:
    void keyClicked(int n);
    void refreshCaptions();
    void clearChoices();
    void save();

    SpellingChoices choices_;
    QList<QPushButton *> KeyBtn;
    QList<QCheckBox *> Check1;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *Command1 = nullptr;
};

// Opens the dialog over the main window.
void ShowRmjCustFrm(QWidget *parent);

}  // namespace zr
