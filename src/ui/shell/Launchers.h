#pragma once

#include "keyboard/LessonTable.h"

#include <QString>

#include <functional>

class QWidget;

namespace zr {

// The windows the main window opens for practice, history and settings, each shown
// modally over the main window. They are replaceable so that tests can watch what would
// open; a window that does not exist yet says so.
// What the history viewer is opened for; its mode.
enum ScoreViewMode : int { ScoreViewUser = 0, ScoreViewChapter = 1, ScoreViewWord = 2, ScoreViewSentence = 3 };

struct ShellLaunchers {
    std::function<void(QWidget *parent, int lesson, const Chapter &chapter)> chapter;
    std::function<void(QWidget *parent, int slot)> word;        // WdDialogFrm
    std::function<void(QWidget *parent, int slot)> sentence;    // SentDialogFrm
    // ScoreViewFrm: a ScoreViewMode and the Chapter or slot (0 for ScoreViewUser).
    std::function<void(QWidget *parent, int mode, int lsn)> scoreView;
    std::function<void(QWidget *parent)> iniSet;     // IniSetFrm
    std::function<void(QWidget *parent)> userSet;    // UserSetFrm
    std::function<void(QWidget *parent)> rmjCust;    // RmjCustFrm
    std::function<void(QWidget *parent)> textProblem;   // TextProblemFrm
    std::function<void(QWidget *parent)> progress;      // ProgressFrm
    std::function<void(QWidget *parent)> weakKeys;      // weak-key practice
};

ShellLaunchers &Launchers();

// Puts back the launchers the program starts with.
void ResetLaunchers();

}  // namespace zr
