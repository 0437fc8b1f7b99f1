#include "practice/KeyHeatMap.h"

#include "platform/Cp932.h"

#include <algorithm>
#include <cmath>

namespace zr {
namespace {

constexpr Rgb kGood{80, 180, 90};
constexpr Rgb kMiddle{245, 210, 60};
constexpr Rgb kPoor{225, 70, 55};

Rgb blend(const Rgb &a, const Rgb &b, double t)
{
    auto mix = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)};
}

}  // namespace

QList<KeyTotal> TotalsPerKeyboardKey(const QList<KeyTotal> &totals, int course)
{
    const QString &plain = course == KanaCourse ? KanaKeyRow : LatinKeyRow;
    QList<KeyTotal> keys(kKeyCount);
    for (int k = 1; k <= kKeyCount; ++k)
        keys[k - 1].code = ansiKeyCode(plain.at(k - 1));
    for (const KeyTotal &t : totals) {
        const QChar c = t.key();
        // The model finds the blank as the shifted 0; here it is the space bar.
        if (c == u' ')
            continue;
        const KeyPosition at = KeyIndexOf(c, course);
        if (!at)
            continue;
        KeyTotal &key = keys[at.index - 1];
        key.hits += t.hits;
        key.misses += t.misses;
        key.ms += t.ms;
    }
    return keys;
}

HeatState HeatStateOf(const KeyTotal &key)
{
    if (key.presses() <= 0)
        return HeatState::NoPresses;
    return key.presses() < kPressesToJudge ? HeatState::TooFew : HeatState::Judged;
}

std::optional<double> MeasureOf(const KeyTotal &key, KeyMeasure measure)
{
    if (measure == KeyMeasure::Accuracy) {
        // A key pressed without a single hit is as poor as a key can be.
        if (key.hits <= 0)
            return key.misses > 0 ? std::optional<double>(0.0) : std::nullopt;
        return key.accuracy();
    }
    return key.meanMs();
}

HeatScale HeatScaleOf(KeyMeasure measure, const QList<KeyTotal> &keys)
{
    if (measure == KeyMeasure::Accuracy)
        return {100, 85};
    std::optional<double> quickest, slowest;
    for (const KeyTotal &k : keys) {
        const std::optional<double> mean = HeatStateOf(k) == HeatState::Judged ? k.meanMs() : std::nullopt;
        if (!mean)
            continue;
        quickest = std::min(quickest.value_or(*mean), *mean);
        slowest = std::max(slowest.value_or(*mean), *mean);
    }
    if (!quickest)
        return {0, 0};
    return {*quickest, *slowest};
}

Rgb HeatColour(double value, const HeatScale &scale)
{
    if (scale.good == scale.poor)
        return kGood;
    // 0 at the good end, 1 at the poor end.
    const double t = std::clamp((value - scale.good) / (scale.poor - scale.good), 0.0, 1.0);
    return t <= 0.5 ? blend(kGood, kMiddle, t * 2) : blend(kMiddle, kPoor, (t - 0.5) * 2);
}

Rgb HeatGoodColour()
{
    return kGood;
}

Rgb HeatMiddleColour()
{
    return kMiddle;
}

Rgb HeatPoorColour()
{
    return kPoor;
}

Rgb HeatNeutralColour()
{
    return {215, 215, 215};
}

}  // namespace zr
