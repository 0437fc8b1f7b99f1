#pragma once

#include "keyboard/KeyboardModel.h"
#include "practicelog/ProgressQueries.h"

#include <QList>

#include <optional>

namespace zr {

// The key heat map of the progress window: every key of the keyboard coloured by its
// accuracy or its mean time per press over a period.

enum class KeyMeasure { Accuracy, MeanTime };

// The totals of the 48 keys of the keyboard (key index k at k - 1), each under the
// character its key types plainly: every character the key types in the course (a
// letter and its capital, a kana and its small kana) adds into it. The space bar and
// characters off the keyboard are left out.
QList<KeyTotal> TotalsPerKeyboardKey(const QList<KeyTotal> &totals, int course);

enum class HeatState {
    NoPresses,   // never pressed in the period
    TooFew,      // fewer presses than it takes to judge a key (kPressesToJudge)
    Judged,
};
HeatState HeatStateOf(const KeyTotal &key);

// A key's figure in the measure: its accuracy (%) or its mean time per hit (ms).
std::optional<double> MeasureOf(const KeyTotal &key, KeyMeasure measure);

// What the colours stand for: the figure drawn green and the one drawn red; yellow lies
// half-way. Accuracy runs from 100 % down to 85 %; the mean time from the quickest to
// the slowest judged key, so the keys that hold the learner back stand out at any
// speed.
struct HeatScale {
    double good = 100;
    double poor = 85;
};
HeatScale HeatScaleOf(KeyMeasure measure, const QList<KeyTotal> &keys);

// The colour of a figure on a scale; figures beyond either end take its colour.
Rgb HeatColour(double value, const HeatScale &scale);
// The three colours of the scale, good first, for the legend.
Rgb HeatGoodColour();
Rgb HeatMiddleColour();
Rgb HeatPoorColour();
// A key too rarely pressed to judge.
Rgb HeatNeutralColour();

}  // namespace zr
