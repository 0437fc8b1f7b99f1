#pragma once

#include "engine/RomajiTable.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace zr {

// Every standard spelling of each kana unit of the romaji course, for learners who type
// as their input method lets them ("sha" one day, "sya" the next). Built once, from the
// learner's table and the course's default table, by the rules every Japanese input
// method follows:
// - each spelling the tables give a unit, and both spellings of the units that have two;
// - a small kana alone: x or l before a spelling of its large kana (ぁ xa la, っ xtu ltu
//   xtsu ltsu);
// - a kana with a small kana: also a spelling of the kana followed by one of the small
//   kana alone (しゃ sixya silya shixya shilya);
// - っ with the unit after it: the first key of a spelling of that unit doubled, where
//   that key may double (not n, not a vowel), or a spelling of っ alone before it;
// - ん: nn and xn. Its single n depends on the unit after it; the keystroke protocol
//   judges it with the single-n shortcut.
// A unit lists the learner's own spelling first, then the tables', then the composed.
class AcceptedSpellings {
public:
    AcceptedSpellings() = default;
    AcceptedSpellings(const RomajiTable &own, const QList<RomajiEntry> &defaults);

    // The spellings of a unit as RmjChk cuts words into units; empty for a unit the
    // tables do not know.
    QStringList of(const QString &unit) const { return spellings_.value(unit); }

    // The first spelling of unit that begins with typed followed by key; empty when no
    // spelling goes on so.
    QString continuing(const QString &unit, QStringView typed, QChar key) const;

    qsizetype unitCount() const { return spellings_.size(); }
    // The number of keys of the longest spelling of any unit.
    qsizetype longestSpelling() const { return longest_; }

private:
    QHash<QString, QStringList> spellings_;
    qsizetype longest_ = 0;
};

}  // namespace zr
