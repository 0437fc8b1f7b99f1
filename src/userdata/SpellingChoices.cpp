#include "userdata/SpellingChoices.h"

namespace zr {
namespace {

// First and last unit of each linked group.
constexpr struct {
    int first, last;
} kGroups[kSpellingGroups] = {{5, 8}, {9, 11}, {12, 15}, {16, 20}, {21, 23}};

}  // namespace

SpellingChoices ChoicesOfTable(const RomajiTable &table)
{
    const QList<SpellingAlternative> &alternatives = SpellingAlternatives();
    SpellingChoices choices(alternatives.size(), 0);
    for (int row = 0; row < RomajiTable::kSpellingRows; ++row) {
        const RomajiEntry &entry = table.row(row);
        for (qsizetype i = 0; i < alternatives.size(); ++i) {
            if (entry.kana != alternatives[i].kana)
                continue;
            for (int k = 0; k < 2; ++k) {
                if (entry.keys == alternatives[i].spelling[k]) {
                    choices[i] = k;
                    break;
                }
            }
        }
    }
    return choices;
}

void ApplySpellingChoices(RomajiTable &table, const SpellingChoices &choices)
{
    const QList<SpellingAlternative> &alternatives = SpellingAlternatives();
    for (qsizetype i = 0; i < alternatives.size(); ++i)
        table.setSpelling(alternatives[i].kana, alternatives[i].spelling[choices.value(i) == 1 ? 1 : 0]);
}

int SpellingGroup(int unit)
{
    for (int g = 0; g < kSpellingGroups; ++g) {
        if (unit >= kGroups[g].first && unit <= kGroups[g].last)
            return g;
    }
    return -1;
}

void ToggleSpelling(SpellingChoices &choices, int n, const bool (&linked)[kSpellingGroups])
{
    if (n < 0 || n >= choices.size())
        return;
    const int chosen = choices[n] == 0 ? 1 : 0;
    choices[n] = chosen;
    const int g = SpellingGroup(n);
    if (g >= 0 && linked[g]) {
        for (int i = kGroups[g].first; i <= kGroups[g].last; ++i)
            choices[i] = chosen;
    }
}

}  // namespace zr
