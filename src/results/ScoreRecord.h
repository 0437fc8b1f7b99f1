#pragma once

#include <array>
#include <optional>

namespace zr {

// The history of one practised item (a Chapter, a word slot or a sentence slot):
// running totals and one aggregate for each of the last 15 days on which the item was
// practised. Day entry 1 (index 0 here) is the most recent day, entry 15 the oldest; an
// entry with no hits is empty. Times are days (1.0 = 24 hours), dates OLE dates.
struct ScoreRecord {
    static constexpr int kDays = 15;
    static constexpr int kBytes = 616;

    double TotalTime = 0;
    double PracticeCount = 0;
    std::array<double, kDays> DayChars{};
    std::array<double, kDays> DayKeys{};
    std::array<double, kDays> DayMisses{};
    std::array<double, kDays> DayTime{};
    std::array<double, kDays> DayDate{};

    bool operator==(const ScoreRecord &) const = default;
    bool isZero() const { return *this == ScoreRecord{}; }
    // Practised before: the most recent entry has hits.
    bool practised() const { return DayKeys[0] > 0; }
};

// Folds one practice run into the record: a new day shifts the history by one entry
// (the oldest is lost), a run on the same day adds into entry 1. totalPracticeTime is
// the learner's total, which grows by the run's time too.
void ApplyScoreUpdate(ScoreRecord &record, double &totalPracticeTime, double chars, double hits,
                      double misses, double elapsed, double today);

// Minutes of a duration in days: days * 1440 + hours * 60 + minutes + seconds / 60,
// counted in whole seconds. Every figure in minutes (list times, totals, speeds) comes
// from here. 0 for a value that is not a time at all.
double PracticeMinutes(double duration);

// The same, or nothing when the duration is not a valid time value (a damaged record).
std::optional<double> CheckedPracticeMinutes(double duration);

// Accuracy in percent: 100 - misses / hits * 100, below 0 when misses outnumber hits.
// Nothing without hits.
std::optional<double> Accuracy(double hits, double misses);

// Characters per minute; nothing when the time gives 0 practice minutes.
std::optional<double> Speed(double chars, double duration);

// The figures of day entry n (1 to 15).
std::optional<double> EntryAccuracy(const ScoreRecord &record, int entry);
std::optional<double> EntrySpeed(const ScoreRecord &record, int entry);

}  // namespace zr
