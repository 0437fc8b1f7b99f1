// A word dictionary (".zrd") as the word practice and the problem lists read it.

#include "FuzzSupport.h"
#include "userdata/ProblemFile.h"

using namespace zr;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView file = fuzz::bytes(data, size);
    bool truncated = false;
    const WordDictionary d = ParseWordDictionary(file, &truncated);
    (void)d.words();
    (void)d.wordCount();
    (void)ParseProblemTitle(file);
    return 0;
}
