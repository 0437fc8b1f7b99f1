// A lesson table ("lessonRmj.tbl", "lessonKana.tbl") and the Chapters made from it.

#include "FuzzSupport.h"
#include "keyboard/LessonTable.h"

using namespace zr;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString error;
    const auto lines = ParseLessonTable(fuzz::bytes(data, size), &error, QStringLiteral("lesson.tbl"));
    if (!lines)
        return 0;
    const ChapterTable chapters(*lines);
    for (int n = 1; n <= chapters.ChapterCount(); ++n)
        (void)chapters.chapter(n);
    return 0;
}
