#include "ui/practice/ChapterLauncher.h"

#include "ui/practice/TrDialogFrm.h"
#include "ui/practice/TrainingFrm.h"

namespace zr {

void StartChapter(QWidget *parent, int lesson, const Chapter &chapter)
{
    if (chapter.kind == Chapter::NewKeys) {
        TrDialogFrm intro(parent);
        intro.lesson = lesson;
        intro.UseKey = chapter.UseKey;
        intro.TargetKey = chapter.TargetKey;
        intro.exec();
        return;
    }
    TrainingFrm drill(parent);
    drill.mode = KanaWithGuide;
    drill.MType = WordDrillTitle;
    drill.UseKey = chapter.UseKey;
    drill.TargetKey = chapter.TargetKey;
    drill.lesson = qint16(lesson);
    drill.exec();
}

}  // namespace zr
