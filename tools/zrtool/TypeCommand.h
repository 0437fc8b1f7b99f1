#pragma once

#include "engine/AcceptedSpellings.h"
#include "engine/RomajiTable.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace zr {

// zrtool type: WORD converted as a practice screen converts it (its keys, then the
// separator typed with the space bar) and KEYS fed one by one through the keystroke
// protocol, one key press per character. In the kana course each character is the
// Latin character of a physical key and is translated as kana mode translates it
// (upper case for the key with Shift).
//
// The lines: one per key, "KEY<TAB>VERDICT<TAB>EXPECTED", where VERDICT is hit, miss
// or ignored and EXPECTED the key the press was judged against (empty once the word
// is complete); a hit or miss that followed the single-n shortcut carries a fourth
// field "single-n". Then "units=U hits=H missed=M". Nothing when the word yields no
// keys: error then says why.
//
// With spellings, a key of another accepted spelling of the unit is a hit too (the
// practice windows' "どの綴りでも正解にする"); EXPECTED is then the key of the spelling in use.
std::optional<QStringList> TypeThroughProtocol(const QString &word, const QString &keys, int course,
                                               const RomajiTable &table, QString *error,
                                               std::shared_ptr<const AcceptedSpellings> spellings = nullptr);

}  // namespace zr
