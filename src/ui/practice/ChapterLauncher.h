#pragma once

#include "keyboard/LessonTable.h"

class QWidget;

namespace zr {

// Runs a Chapter of basic practice from the main window, modally: a new-key Chapter
// through its introduction and key position check into the drill, a review Chapter
// straight into the drill; the drill ends on the result screen.
void StartChapter(QWidget *parent, int lesson, const Chapter &chapter);

}  // namespace zr
