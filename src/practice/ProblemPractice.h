#pragma once

#include "engine/KeystrokeProtocol.h"
#include "engine/RomajiTable.h"
#include "practice/PracticeGuide.h"
#include "practice/TrainingDrill.h"
#include "userdata/ProblemFile.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <functional>

namespace zr {

// Word practice types random words of a dictionary; sentence practice the passages of a
// short-sentence set in order. Everything else about the two is one practice.
enum class PracticeKind { Word, Sentence };

// One line or word to type: as shown, its reading, and its keys.
struct PracticeItem {
    QString display;
    QString reading;
    RmjConversion keys;
};

// What the rows are made of: a word of a dictionary is one entry of one item, a passage
// of a sentence set one entry of its lines.
using PracticeEntry = QList<PracticeItem>;

// The words of a dictionary that can be typed. A word whose reading gives no key in the
// learner's table, or that is wider than a row can hold, is left out: it would leave a
// row without anything to type.
QList<PracticeEntry> BuildWordEntries(const QList<ProblemItem> &words, int mode, int course,
                                      const RomajiTable &table);

// The passages of problems 1 to 12 of a set, in order. Lines that give no key are left
// out, and so are problems left without lines.
QList<PracticeEntry> BuildPassageEntries(const SentenceSet &set, int course, const RomajiTable &table);

// The text of the set-up dialogs: the description, and for a dictionary its word count
// and the words of entries 10 to 12 as examples. Lines end with CR LF.
QString WordDialogText(const WordDictionary &dictionary);
QString SentenceDialogText(const SentenceSet &set);

// One row of a step: a position per key with a separator after each word or line, the
// text the row label shows (after its leading blank), and where each word or line
// stands in that text.
struct PracticeRow {
    QList<PositionRecord> positions;
    QString text;
    QList<RowItem> items;
};

// What the typed-text line shows after the key at position c: the written form of
// every completed word or line (word practice puts a full-width blank after each), the
// kana of the completed units of the word in progress, and apart from them the keys of
// the unit not yet complete. c = -1 shows nothing typed.
struct TypedText {
    QString text;      // starts with a half-width blank, as the row labels do
    QString pending;   // raw keys
};
TypedText TypedTextAt(const QList<PositionRecord> &positions, int c, PracticeKind kind);

// A word or sentence practice run: two rows a step, typed through the shared keystroke
// protocol; the run ends at the end of a step, on the time or step limit for words and
// after six steps for sentences.
class ProblemPractice : public QObject {
    Q_OBJECT
public:
    static constexpr int kRowWidth = 62;        // bytes of a word row, its leading blank included
    static constexpr int kSentenceSteps = 6;

    struct Options {
        PracticeKind kind = PracticeKind::Word;
        QString title;                         // the slot's title, for the caption
        int mode = KanaWithoutGuideToo;        // DrillMode: ShowKeys puts keys on word rows
        double LessonTime = 150.0 / 86400.0;   // word practice: days
        int LessonStep = 8;                    // word practice
    };

    ProblemPractice(KeyStats &stats, Options options, KeystrokeProtocol::Options protocol,
                    QObject *parent = nullptr);

    void setEntries(QList<PracticeEntry> entries) { entries_ = std::move(entries); }
    // Word practice: which entry comes next after previous (-1 at the start), in the
    // place of an entry drawn with equal chances. Rows are then built in the order they
    // are typed, so previous is the word typed just before.
    using EntryPicker = std::function<int(int previous)>;
    void setEntryPicker(EntryPicker picker) { pickEntry_ = std::move(picker); }
    int entryCount() const { return int(entries_.size()); }

    // Zeroes the run's figures and builds the first step; false when there is nothing
    // to type.
    bool start();
    // One key press as typed; ignored once the run has ended.
    void keyPress(QChar typed);

    KeystrokeProtocol &protocol() { return protocol_; }
    const KeystrokeProtocol &protocol() const { return protocol_; }
    const Options &options() const { return options_; }
    // A row of the step; its positions are the keys as they are to be typed now, a unit
    // typed in another spelling with that spelling's keys (KeysOf gives them as text).
    const PracticeRow &row(int i) const { return rows_.at(size_t(i)); }
    int rowFlag() const { return rowFlag_; }
    int stepCounter() const { return stepCounter_; }
    int stepLimit() const;
    bool finished() const { return finished_; }
    QString caption() const;
    QString prompt() const { return prompt_; }
    // The typed text of the current row after the last key, and of a finished row 0.
    TypedText typedText() const;
    TypedText completedText(int row) const;
    // The readings and keys under a row: the current row's as typed so far, row 0 all
    // typed once row 1 is current, row 1 not begun while row 0 is.
    RowGuide guide(int row) const;

    double CCh() const { return protocol_.unitsTyped(); }
    double TTime(double now) const;

signals:
    // Row 0 of a new step is current (both rows are new).
    void stepBuilt();
    // Row 1 of the step is current now.
    void secondRowStarted();
    void promptChanged();
    void practiceFinished();

private:
    void onScreenCompleted();
    void buildStep();
    PracticeRow buildRow(int row);
    PracticeRow wordRow();
    PracticeRow passageRow(int index);
    void appendEntry(PracticeRow &row, int index);

    Options options_;
    KeyStats &stats_;
    KeystrokeProtocol protocol_;
    QList<PracticeEntry> entries_;
    std::array<PracticeRow, 2> rows_;
    int rowFlag_ = 0;
    int stepCounter_ = 0;
    EntryPicker pickEntry_;
    int lastEntry_ = -1;
    bool finished_ = false;
    QString prompt_;
};

}  // namespace zr
