#pragma once

#include "results/ScoreRecord.h"

#include <optional>

namespace zr {

// What the history viewer says about one item: its whole-life totals, the last day it
// was practised, and accuracy and speed over the stored days taken together.
struct HistorySummary {
    double totalTime = 0;       // days
    double practiceCount = 0;
    double lastDate = 0;        // entry 1's date; 0 when never practised
    // Over the up to 15 stored days: nothing without hits. The speed is also nothing
    // when the summed time gives 0 practice minutes.
    std::optional<double> accuracy;
    std::optional<double> speed;
};

HistorySummary SummariseHistory(const ScoreRecord &record);

}  // namespace zr
