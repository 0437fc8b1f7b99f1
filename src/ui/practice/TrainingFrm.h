#pragma once

#include "practice/TrainingDrill.h"
#include "ui/practice/PracticeInput.h"

#include <QList>
#include <QString>
#include <QTimer>

#include <memory>

class QLabel;
class QStatusBar;

namespace zr {

class KeyboardPicture;
class ShapeWidget;

// The word drill of a Chapter: a line of words to type, the typed keys below it with
// the cursor, the key guide, the on-screen keyboard and the elapsed time. At the time
// or screen limit it hands the run to the result screen.
class TrainingFrm : public PracticeDialog {
    Q_OBJECT
public:
    explicit TrainingFrm(QWidget *parent = nullptr);
    ~TrainingFrm() override;

    QString UseKey;
    QString TargetKey;
    qint16 lesson = 0;
    qint16 mode = KanaWithGuide;    // DrillMode
    qint16 MType = WordDrillTitle;  // DrillTitle

    // Loads the settings, builds the word list and the first screen. False, after a
    // message to the learner, when there is nothing to practise. Runs when the window
    // is first shown; callers may run it earlier.
    bool prepare();

    TrainingDrill *drill() const { return drill_.get(); }
    KeyboardPicture *keyboard() const { return keyboard_; }
    // The label of position i of the problem line (Label1_i).
    QLabel *problemLabel(int i) const { return i < labels_.size() ? labels_.at(i) : nullptr; }

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    void typed(QChar c) override;
    void matchKanaMode() override { syncKana(); }

private:
    void layoutWindow();
    void layoutScreen();
    // The problem line from position from on, from the positions as they are now; the
    // typed part keeps its colour.
    void layoutLine(int from = 0);
    void keyAccepted(int position);
    void colourTypedUnits();
    void showMiss(QChar expected, QChar typed);
    void clearError();
    void placeCursor();
    void tick();
    void handOver();
    void syncKana();
    QString typedLineText() const;
    QString keyDisplay(QChar c) const;

    std::unique_ptr<TrainingDrill> drill_;
    PracticeAppearance look_;
    int course_ = 0;
    QString kanaLock_;
    UserSettings settings_;   // the learner's settings as the window opened
    bool prepared_ = false;
    bool ready_ = false;
    bool positionSaved_ = false;

    QLabel *prompt_ = nullptr;
    QList<QLabel *> labels_;
    QList<int> labelX_;
    int usedLabels_ = 0;
    QLabel *typedLine_ = nullptr;
    QLabel *wrongKey_ = nullptr;
    ShapeWidget *cursor_ = nullptr;
    QLabel *guide_ = nullptr;
    QLabel *error_ = nullptr;
    KeyboardPicture *keyboard_ = nullptr;
    QStatusBar *statusBar_ = nullptr;
    QLabel *time_ = nullptr;
    QTimer display_;

    int lineTop_ = 0;
    int typedTop_ = 0;
    int cursorTop_ = 0;
    int guideTop_ = 0;
    int errorTop_ = 0;
    int wordStart_ = 0;
    int colouredUpTo_ = 0;
    QString typedKeys_;
};

}  // namespace zr
