#pragma once

#include "userdata/UserSettings.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QList>
#include <QTimer>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace zr {

class ShapeWidget;

// "ﾕｰｻﾞ設定": the current learner's settings in five tabs — sounds and behaviour, the
// look of the practice text, basic practice, word practice. "設定保存" writes every
// setting to "user.ini" (after checking the two sound files); "ｷｬﾝｾﾙ" writes nothing.
class UserSetFrm : public QDialog {
    Q_OBJECT
public:
    explicit UserSetFrm(QWidget *parent = nullptr);

    // The colours in the order the sample shows them: FontColor1 to FontColor4, then BackColor.
    enum Colour { Typed, Input, Problem, Guide, Background, kColours };
    QColor colour(Colour c) const { return colours_[c]; }
    QFont sampleFont() const { return font_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *generalTab();
    QWidget *designTab();
    QWidget *trainingTab();
    QWidget *wordTab();
    QWidget *sentenceTab();

    void load();
    bool save();
    void soundGroupChanged();
    void chooseSoundFile(QLineEdit *box);
    void testSound(QButtonGroup *group, QLineEdit *box);
    void chooseFont();
    void chooseColour(Colour c);
    void clearDesign();
    void applyDesign(const UserSettings &settings);
    void showSample();

    UserSettings settings_;   // as read when the dialog opened
    QFont font_;
    QString fontName_;   // the face name as stored ("ＭＳ Ｐゴシック")
    QColor colours_[kColours];
    QTimer Timer2;

    QTabWidget *SSTab1 = nullptr;
    // 全般
    QCheckBox *Check1 = nullptr;   // mistype sound
    QCheckBox *Check2 = nullptr;   // move the mouse
    QCheckBox *Check3 = nullptr;   // automatic kana lock
    QCheckBox *Check4 = nullptr;   // keystroke sound
    QCheckBox *CheckAnySpelling = nullptr;   // any standard spelling counts (romaji course)
    // 単語練習問題: the readings and the keys under the words (sentence practice too)
    QCheckBox *CheckShowReading = nullptr;
    QCheckBox *CheckShowKeys = nullptr;
    QButtonGroup *Option14 = nullptr;   // mistype sound kind, ids 0 and 2
    QButtonGroup *Option15 = nullptr;   // keystroke sound kind, ids 0 and 2
    QLineEdit *Text8 = nullptr;
    QLineEdit *Text9 = nullptr;
    QPushButton *Command11 = nullptr;
    QPushButton *Command12 = nullptr;
    QPushButton *Command13 = nullptr;
    QPushButton *Command3 = nullptr;
    // 練習画面のデザイン
    QRadioButton *Option12 = nullptr;
    QRadioButton *Option13 = nullptr;
    QFrame *Picture1 = nullptr;
    QList<QLabel *> Label12;
    ShapeWidget *Shape1 = nullptr;
    // 基本練習 and 単語練習問題
    QSpinBox *Text1 = nullptr;
    QSpinBox *Text2 = nullptr;
    QSpinBox *Text3 = nullptr;
    QSpinBox *Text4 = nullptr;
    QSpinBox *Text5 = nullptr;
    QSpinBox *Text6 = nullptr;
    QSpinBox *Text7 = nullptr;
    QList<QRadioButton *> Option;   // Option1 .. Option11 at index 1 .. 11
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
};

void ShowUserSetFrm(QWidget *parent);

}  // namespace zr
