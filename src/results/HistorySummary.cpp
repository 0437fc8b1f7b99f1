#include "results/HistorySummary.h"

namespace zr {

HistorySummary SummariseHistory(const ScoreRecord &r)
{
    HistorySummary s;
    s.totalTime = r.TotalTime;
    s.practiceCount = r.PracticeCount;
    s.lastDate = r.DayDate[0];
    double chars = 0, hits = 0, misses = 0, time = 0;
    for (int e = 0; e < ScoreRecord::kDays; ++e) {
        chars += r.DayChars[e];
        hits += r.DayKeys[e];
        misses += r.DayMisses[e];
        time += r.DayTime[e];
    }
    s.accuracy = Accuracy(hits, misses);
    if (s.accuracy)
        s.speed = Speed(chars, time);
    return s;
}

}  // namespace zr
