#pragma once

#include "userdata/UserSettings.h"

#include <QChar>
#include <QDialog>
#include <QFont>
#include <QColor>

class QKeyEvent;

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
// Writes the defaults of the font and colour keys a file lacks, in the order the
// practice windows have always first read them.
void WriteMissingAppearanceDefaults(const QString &iniFile);
// Both of the above for a learner's file.
PracticeAppearance ReadPracticeAppearance(const QString &iniFile);

// A practice window: input methods off, and every key press taken by the window
// itself (Tab and Esc included) before any control sees it.
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
};

}  // namespace zr
