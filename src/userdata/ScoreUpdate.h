#pragma once

#include "userdata/UserRecord.h"

namespace zr {

// Applies one practice run to record n of a block of the learner's record and adds its
// time to the learner's total. A Chapter outside 1-70 or a slot outside 1-10 changes
// nothing and returns false.
bool ScoreUpdate(UserRecord &user, ScoreBlock block, int n, double chars, double hits,
                 double misses, double elapsed, double today);

}  // namespace zr
