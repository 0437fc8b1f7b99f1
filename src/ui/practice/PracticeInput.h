#pragma once

#include "platform/Sound.h"
#include "practice/ProblemPractice.h"
#include "userdata/UserSettings.h"

#include <QChar>
#include <QDialog>
#include <QFont>
#include <QColor>

#include <functional>

class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;

namespace zr {

// The character a key press types in a practice window. In kana mode a key gives the
// half-width katakana of its physical key; keys without a kana (the space bar) type
// what they type anyway. A null character for keys that type nothing (Shift alone) and
// for the kana key, which toggles kana mode instead.
QChar TypedCharacter(const QKeyEvent &event);

// The look of the practice text from the learner's [General] settings.
struct PracticeAppearance {
    QFont font;
    QColor typedText;     // FontColor1: the typed part of the problem text
    QColor inputText;     // FontColor2: the input line
    QColor problemText;   // FontColor3
    QColor guideText;     // FontColor4
    QColor background;    // BackColor
};
PracticeAppearance PracticeAppearanceOf(const UserSettings &settings);
// The font and colour keys, in the order the practice windows have always first read
// them; a window names them with its other keys to WriteMissingDefaults.
QList<Setting> AppearanceSettings();

// What a word or sentence practice is given by its launcher: the slot's problem file
// and title, and the learner's settings the practice windows use.
struct ProblemPracticeSettings {
    PracticeKind kind = PracticeKind::Word;
    int slot = 1;
    QString path;    // relative to the installation folder, as the slot stores it
    QString title;
    PracticeAppearance look;
    bool FontUpper = false;
    bool KanaLock = false;
    bool MoveMouse = false;
    bool AnySpelling = false;
    bool ShowReading = false;   // the readings under the words
    bool ShowKeys = false;      // the keys to type under the readings
    SoundSetting typeSound;
    SoundSetting errorSound;
    PracticeLimit limit;   // [WordLsn]
};
// The settings of a slot of the current learner, whose file is iniFile. The defaults
// of the keys the practice windows read are written first when the file lacks them, or,
// for a launcher about to open its windows, once the first practice window has painted
// (WriteMissingDefaultsSoon).
enum class DefaultsWrite { Now, AfterFirstPaint };
ProblemPracticeSettings ReadProblemPracticeSettings(PracticeKind kind, int slot, const QString &iniFile,
                                                    DefaultsWrite when = DefaultsWrite::Now);

// The room a window has for its own area on its screen: the screen's available area
// less what a window manager's frame and title bar take around it.
QSize RoomOnScreen(const QWidget *window);

// The practice font at the learner's size, or, where the window laid out in it would
// not fit the room, the largest whole point size at which it does (never below the
// smallest size the settings allow). windowSize lays the window out in a font and
// gives its size. Shrinking stops where a smaller font no longer makes the window
// smaller: a part that does not depend on the font is not a reason to shrink it.
QFont FontThatFits(const QFont &font, QSize room, const std::function<QSize(const QFont &)> &windowSize);

// Sets the text colour of a label.
void SetLabelColour(QWidget *w, const QColor &colour);

// The parts the practice windows share: the hidden error label "LError", and the status
// bar "StatusBar1" with the clock label (returned) in it.
QLabel *CreateErrorLabel(QWidget *window);
QLabel *CreateClockBar(QWidget *window, const QString &labelName, QStatusBar **bar);

// The parts the set-up dialogs share: the read-only text "Text1" and the default
// button "OKButton" reading "次へ".
QPlainTextEdit *CreateDialogText(QWidget *dialog, int minWidthTwips, int minHeightTwips);
QPushButton *CreateNextButton(QWidget *dialog);

// A practice window: input methods off, and every key press taken by the window
// itself (Tab and Esc included) before any control sees it. Once it has painted, the
// settings defaults held back for it are written (WritePendingDefaults).
class PracticeDialog : public QDialog {
    Q_OBJECT
public:
    explicit PracticeDialog(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    // Brings the kana mode in line with the key expected next. Runs before every key
    // press is translated, so a stray press of the kana key cannot turn the next key
    // into a kana the learner did not mean.
    virtual void matchKanaMode() {}
    // A key press that types a character (control characters included).
    virtual void typed(QChar c) = 0;

private:
    bool painted_ = false;
};

}  // namespace zr
