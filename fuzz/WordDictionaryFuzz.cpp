// A word dictionary (".zrd") as the word practice and the problem lists read it.

#include "FuzzSupport.h"
#include "userdata/ProblemFile.h"

using namespace zr;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzz::putInput(QStringLiteral("words.zrd"), data, size);
    ProblemFileStatus status;
    const WordDictionary d = ReadWordDictionary(path, &status);
    (void)d.words();
    (void)d.wordCount();
    (void)ReadProblemTitle(path);
    return 0;
}
