#pragma once

class QWidget;

namespace zr {

// "練習記録のエクスポート…": the current learner's practice log written as runs.csv and
// keys.csv into a folder the learner picks; files of those names already there are
// replaced only when the learner agrees.
void ExportPracticeLog(QWidget *parent);

}  // namespace zr
