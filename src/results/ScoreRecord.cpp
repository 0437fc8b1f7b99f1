#include "results/ScoreRecord.h"

#include "platform/OleDate.h"

#include <cmath>

namespace zr {

void ApplyScoreUpdate(ScoreRecord &r, double &totalPracticeTime, double chars, double hits,
                      double misses, double elapsed, double today)
{
    if (r.DayDate[0] != today) {
        for (int n = ScoreRecord::kDays - 1; n >= 1; --n) {
            r.DayChars[n] = r.DayChars[n - 1];
            r.DayKeys[n] = r.DayKeys[n - 1];
            r.DayMisses[n] = r.DayMisses[n - 1];
            r.DayTime[n] = r.DayTime[n - 1];
            r.DayDate[n] = r.DayDate[n - 1];
        }
        r.DayChars[0] = r.DayKeys[0] = r.DayMisses[0] = r.DayTime[0] = r.DayDate[0] = 0;
    }
    r.PracticeCount += 1;
    r.TotalTime += elapsed;
    r.DayKeys[0] += hits;
    r.DayMisses[0] += misses;
    r.DayTime[0] += elapsed;
    r.DayChars[0] += chars;
    r.DayDate[0] = today;
    totalPracticeTime += elapsed;
}

double PracticeMinutes(double duration)
{
    // Whole days count as well: a learner's total passes 24 hours in time, and a time
    // of day alone would start again from 0. Durations are whole seconds, as stored.
    if (!isValidOleDate(duration))
        return 0;
    return double(std::llround(std::fabs(duration) * 86400.0)) / 60.0;
}

std::optional<double> CheckedPracticeMinutes(double duration)
{
    if (!isValidOleDate(duration))
        return std::nullopt;
    return PracticeMinutes(duration);
}

std::optional<double> Accuracy(double hits, double misses)
{
    if (hits == 0 || std::isnan(hits))
        return std::nullopt;
    return 100.0 - misses / hits * 100.0;
}

std::optional<double> Speed(double chars, double duration)
{
    const double minutes = PracticeMinutes(duration);
    if (minutes == 0)
        return std::nullopt;
    return chars / minutes;
}

std::optional<double> EntryAccuracy(const ScoreRecord &record, int entry)
{
    if (entry < 1 || entry > ScoreRecord::kDays || !(record.DayKeys[size_t(entry - 1)] > 0))
        return std::nullopt;
    return Accuracy(record.DayKeys[size_t(entry - 1)], record.DayMisses[size_t(entry - 1)]);
}

std::optional<double> EntrySpeed(const ScoreRecord &record, int entry)
{
    if (entry < 1 || entry > ScoreRecord::kDays)
        return std::nullopt;
    return Speed(record.DayChars[size_t(entry - 1)], record.DayTime[size_t(entry - 1)]);
}

}  // namespace zr
