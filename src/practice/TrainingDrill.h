#pragma once

#include "engine/KeystrokeProtocol.h"
#include "practice/DrillWords.h"
#include "userdata/UserSettings.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>

namespace zr {

// What the problem line shows (mode): the keys themselves, or the kana with or without
// the guide of the keys still to type; 3 is shown as 2.
enum DrillMode : int { ShowKeys = 0, KanaWithGuide = 1, KanaWithoutGuide = 2, KanaWithoutGuideToo = 3 };
// What the title calls the drill (MType).
enum DrillTitle : int { WordDrillTitle = 0, ExerciseTitle = 1 };

// What a Chapter drill is told by its caller and by the learner's settings.
struct DrillSettings {
    QString UseKey;
    QString TargetKey;
    int lesson = 0;
    int mode = KanaWithGuide;      // DrillMode
    int MType = WordDrillTitle;    // DrillTitle
    int course = 0;
    double LessonTime = 150.0 / 86400.0;   // time limit in days
    int LessonStep = 8;                    // screen limit
    RmjGuideMode RmjGuide = RmjGuideMode::FirstHalf;
    bool Addition = true;                  // remedial pass of mistyped words
};

// Takes the [Training] limits, RmjGuide and Addition of a learner's settings.
void UseDrillSettings(DrillSettings &settings, const UserSettings &user);

// The words a learner mistyped: a short stack of 10 slots (they come back on one of the
// next screens) and a long one of 25 (the remedial pass). Slot 1 is the newest; -1 is
// empty.
class MissStacks {
public:
    static constexpr int kShortSlots = 10;
    static constexpr int kLongSlots = 25;

    MissStacks() { MDStackInit(); }
    void MDStackInit();
    // Pushes a word onto both stacks; the oldest slot of a full stack is lost.
    void MDStackAdd(int word);
    // Takes the oldest word off the short stack; -1 when empty.
    int MDStackGet();
    // Takes the oldest word off the long stack; -1 when empty.
    int AllMDStackGet();
    // The oldest word without taking it; -1 when empty.
    int peekShort() const;
    int peekLong() const;
    // Slot n (1-based) of a stack.
    int shortSlot(int n) const { return shortStack_.at(size_t(n - 1)); }
    int longSlot(int n) const { return longStack_.at(size_t(n - 1)); }

private:
    template <size_t N>
    static int oldest(const std::array<int, N> &stack);
    template <size_t N>
    static int take(std::array<int, N> &stack);

    std::array<int, kShortSlots> shortStack_{};
    std::array<int, kLongSlots> longStack_{};
};

// One screen of the drill: the words placed on it and one position per key, as the
// keys are to be typed now (a unit typed in another spelling has that spelling's).
struct DrillScreen {
    static constexpr int kMaxWidth = 60;        // bytes of the problem line
    static constexpr int kMaxPositions = 201;

    QList<PositionRecord> positions;
    QList<int> words;
    int width = 1;            // the line width counter
    bool remedial = false;
};

// What the problem line shows for a position: in mode 0 the key itself, otherwise the
// kana of the unit on the unit's first key (the separator shows its full-width blank).
QString ProblemLabelText(const PositionRecord &position, int mode);

// The word drill of a Chapter: builds screens of up to 60 bytes from the drill word
// list and the miss stacks, judges keys through the keystroke protocol, brings
// mistyped words back, and ends on the time or screen limit, after a remedial pass of
// the words still on the long miss stack when the learner wants one.
class TrainingDrill : public QObject {
    Q_OBJECT
public:
    TrainingDrill(KeyStats &stats, DrillSettings settings, KeystrokeProtocol::Options options,
                  QObject *parent = nullptr);

    void setWords(QList<DrillWord> words) { words_ = std::move(words); }
    const QList<DrillWord> &words() const { return words_; }
    int wordCount() const { return int(words_.size()); }

    // Zeroes the figures and builds the first screen; false when there is no word to
    // practise.
    bool start();
    // One key press as typed; ignored once the drill has ended.
    void keyPress(QChar typed);

    KeystrokeProtocol &protocol() { return protocol_; }
    const KeystrokeProtocol &protocol() const { return protocol_; }
    MissStacks &stacks() { return stacks_; }
    const DrillScreen &screen() const { return screen_; }
    const DrillSettings &settings() const { return settings_; }

    int mode() const { return mode_; }
    int screenCounter() const { return screenCounter_; }
    bool finished() const { return finished_; }
    QString title() const { return title_; }
    QString prompt() const { return prompt_; }
    // The guide of mode 1: the keys still to type of the kana unit at the cursor.
    bool guideShown() const { return mode_ == KanaWithGuide; }
    QString guideKeys() const;

    // Hand-over figures: units typed, and the run's time in days up to now.
    double CCh() const { return protocol_.unitsTyped(); }
    double TTime(double now) const;

signals:
    void screenBuilt();
    void promptChanged();
    void modeChanged();
    void drillFinished();

private:
    void onScreenCompleted();
    void buildScreen();
    int widthOf(int word) const;
    bool place(int word);
    void setPrompt(const QString &prompt);

    KeyStats &stats_;
    DrillSettings settings_;
    KeystrokeProtocol protocol_;
    QList<DrillWord> words_;
    MissStacks stacks_;
    DrillScreen screen_;
    int mode_ = KanaWithGuide;
    int screenCounter_ = 0;
    bool remedialNext_ = false;
    bool finished_ = false;
    QString title_;
    QString prompt_;
};

}  // namespace zr
