#include "userdata/ScoreUpdate.h"

namespace zr {

bool ScoreUpdate(UserRecord &user, ScoreBlock block, int n, double chars, double hits,
                 double misses, double elapsed, double today)
{
    ScoreRecord *record = user.score(block, n);
    if (!record)
        return false;
    ApplyScoreUpdate(*record, user.TotalPracticeTime, chars, hits, misses, elapsed, today);
    return true;
}

}  // namespace zr
