#pragma once

#include "engine/RomajiTable.h"

#include <QList>

namespace zr {

// A learner's choice among the two spellings of each unit of SpellingAlternatives()
// (0 or 1, in that list's order), as the romaji settings dialog edits it.
using SpellingChoices = QList<int>;

// The choices a table holds: for each unit, the spelling of the last of rows 0 to 299
// with that kana whose keys are one of the two spellings; 0 when none is.
SpellingChoices ChoicesOfTable(const RomajiTable &table);

// Writes the chosen spelling of every unit into each of rows 0 to 299 with its kana.
void ApplySpellingChoices(RomajiTable &table, const SpellingChoices &choices);

// The units that follow each other while their row is linked: the しゃ, ちゃ and じゃ
// rows, the small vowels and the small や row. The group of a unit, or -1 for the
// units that stand alone (し ち つ ふ じ っ).
inline constexpr int kSpellingGroups = 5;
int SpellingGroup(int unit);

// Switches unit n to its other spelling; when n belongs to a linked group, every unit
// of the group takes the new spelling too.
void ToggleSpelling(SpellingChoices &choices, int n, const bool (&linked)[kSpellingGroups]);

}  // namespace zr
