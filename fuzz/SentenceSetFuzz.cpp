// A short-sentence set (".zrw") as the sentence practice reads it.

#include "FuzzSupport.h"
#include "userdata/ProblemFile.h"

using namespace zr;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzz::putInput(QStringLiteral("sentences.zrw"), data, size);
    ProblemFileStatus status;
    const SentenceSet s = ReadSentenceSet(path, &status);
    for (int p = 0; p <= SentenceSet::kProblems + 1; ++p)
        (void)s.lines(p);
    return 0;
}
