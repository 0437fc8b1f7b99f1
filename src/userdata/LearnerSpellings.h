#pragma once

#include "engine/AcceptedSpellings.h"
#include "engine/RomajiTable.h"

#include <memory>

namespace zr {

// What a practice hands the keystroke protocol for the "AnySpelling" setting: the
// spellings of the learner's table and the course's default table, or null when the
// setting is off or the learner follows the JIS kana course (one key per kana, nothing
// to spell otherwise). Built on first use and again only when the table has changed.
// A default table that cannot be read leaves the learner's own table and the rules.
std::shared_ptr<const AcceptedSpellings> LearnerSpellings(bool anySpelling, int course, const RomajiTable &table);

}  // namespace zr
