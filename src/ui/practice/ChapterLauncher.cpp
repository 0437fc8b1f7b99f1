// Stand-in until the basic-practice windows exist.
#include "ui/practice/ChapterLauncher.h"

#include "platform/MessageBox.h"

namespace zr {

void StartChapter(QWidget *, int, const Chapter &)
{
    ShowMessage({QStringLiteral("基本練習の画面はまだありません。"), QStringLiteral("ZORVEL LESSON"),
                 MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
}

}  // namespace zr
