// A short-sentence set (".zrw") as the sentence practice reads it.

#include "FuzzSupport.h"
#include "userdata/ProblemFile.h"

using namespace zr;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    bool truncated = false;
    const SentenceSet s = ParseSentenceSet(fuzz::bytes(data, size), &truncated);
    for (int p = 0; p <= SentenceSet::kProblems + 1; ++p)
        (void)s.lines(p);
    return 0;
}
