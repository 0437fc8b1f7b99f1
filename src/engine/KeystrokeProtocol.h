#pragma once

#include "engine/AcceptedSpellings.h"
#include "engine/KeyStats.h"
#include "engine/RmjChk.h"
#include "platform/Sound.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

namespace zr {

// One key press expected on a practice screen.
struct PositionRecord {
    QString kana;       // the kana unit the key belongs to; "　" or empty on a separator
    QString unitKeys;   // all keys of that unit, for the key guide
    QChar key;          // the expected key; a blank for the separator after a word
    int offset = 0;     // index of the key within the unit's keys; 0 on a separator
    int word = 0;       // index of the word or line the position belongs to
    QString written;    // the word's written form on its last key (word and sentence forms)
};

// Appends one position per key of the units, then nothing else; the caller adds its
// separator.
void AppendUnitPositions(QList<PositionRecord> &positions, const QList<KanaUnit> &units, int word);

// The keys of positions one after the other, the separator after a word as a blank.
QString KeysOf(const QList<PositionRecord> &positions);

// The keystroke protocol that the training drill, word practice and sentence practice
// share: judging each key press against the position at the cursor, the single-n
// shortcut for ん, the counters of the practice run, the per-key statistics and the
// keystroke timing. What differs between the forms is told to it through Options; what
// a window shows is left to it through signals.
class KeystrokeProtocol : public QObject {
    Q_OBJECT
public:
    struct Options {
        // Training and word practice sound every key press (control keys too);
        // sentence practice sounds only accepted keys.
        bool soundOnEveryKey = true;
        // The training drill marks keys on its on-screen keyboard and keeps a miss
        // stack of words.
        bool marksKeyboard = false;
        bool tracksMissedWords = false;
        SoundSetting typeSound;
        SoundSetting errorSound;
        // With spellings, a key that goes on with another spelling of the unit at the
        // cursor is a hit, and the rest of that unit is then typed in that spelling;
        // without, only the learner's own spelling counts.
        std::shared_ptr<const AcceptedSpellings> spellings;
    };

    KeystrokeProtocol(KeyStats &stats, Options options, QObject *parent = nullptr);

    // Starts a practice run: counters to zero, timing waits for the first key.
    void startRun();
    // The positions of the next screen; the cursor goes back to 0. firstOfRun tells
    // that this is the run's first screen, where the first key starts the timing.
    void setScreen(QList<PositionRecord> positions, bool firstOfRun);

    // Judges one key press (the character as typed).
    void keyPress(QChar typed);

    // The positions of the screen as they are to be typed now: a unit begun in another
    // spelling has that spelling's positions, every other unit the learner's own.
    const QList<PositionRecord> &positions() const { return positions_; }
    QString screenKeys() const { return KeysOf(positions_); }
    int cursor() const { return cursor_; }
    bool screenComplete() const { return cursor_ >= positions_.size(); }
    // The key expected at the cursor; a null character when the screen is complete.
    QChar expectedKey() const;

    bool running() const { return running_; }
    double startTime() const { return startTime_; }   // OLE date-time of the first key
    double unitsTyped() const { return unitsTyped_; }
    double keyHits() const { return keyHits_; }
    double positionsMissed() const { return positionsMissed_; }

    // MissFlg is cursor + 1 of the position that already counted its miss (0 after a
    // hit); Buff the code of the last wrong key, whose mark the next key press clears.
    int MissFlg() const { return missFlg_; }
    int Buff() const { return buff_; }

signals:
    // The first key of the run arrived (hit or miss): timing starts now. Sent again
    // when a wrong first key is followed by the right one.
    void timingStarted();
    // A key on the on-screen keyboard takes a colour code (marksKeyboard only).
    void keyMarked(QChar key, int colourCode, bool showFinger, bool restore);
    // The key at position was accepted; the cursor now stands after it.
    void keyAccepted(int position);
    // A wrong key: show the error label for expected and the typed character.
    void missShown(QChar expected, QChar typed);
    // A hit clears the error label and the wrong character.
    void errorCleared();
    // The word of a position counted its first miss (tracksMissedWords only).
    void wordMissed(int word);
    // The cursor reached the end of the screen.
    void screenCompleted();
    // The unit whose first position is first is typed in another spelling from now on:
    // its removed positions were replaced by added ones, and the positions after it
    // moved by the difference. Sent before the key that chose the spelling is accepted.
    void spellingSwitched(int first, int removed, int added);

private:
    // CNT of KeyPressHit: a key the learner typed, or the second n of ん supplied by
    // the single-n shortcut (kept out of the hits and KeyStats).
    enum : int { RealKey = -1, ShortcutKey = 0 };
    void KeyPressHit(QChar KeyCode, int CNT);
    void KeyPressMiss(QChar KeyCode);
    bool isFirstKeyOfRun() const { return firstScreen_ && cursor_ == 0; }
    void startTiming();
    bool singleNApplies() const;
    bool takesOtherSpelling(QChar key);

    KeyStats &stats_;
    Options options_;
    QList<PositionRecord> positions_;
    int cursor_ = 0;
    bool firstScreen_ = true;
    bool running_ = false;
    double startTime_ = 0;
    double unitsTyped_ = 0;
    double keyHits_ = 0;
    double positionsMissed_ = 0;
    int missFlg_ = 0;
    int buff_ = 0;
};

}  // namespace zr
