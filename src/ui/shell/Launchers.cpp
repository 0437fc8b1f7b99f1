#include "ui/shell/Launchers.h"

#include "ui/practice/ChapterLauncher.h"
#include "ui/practice/ProblemDialogFrm.h"
#include "ui/practice/WeakKeyLauncher.h"
#include "ui/results/ProgressFrm.h"
#include "ui/results/ScoreViewFrm.h"
#include "ui/problems/TextProblemFrm.h"
#include "ui/settings/IniSetFrm.h"
#include "ui/settings/RmjCustFrm.h"
#include "ui/settings/UserSetFrm.h"

namespace zr {
namespace {

ShellLaunchers programLaunchers()
{
    ShellLaunchers l;
    l.chapter = [](QWidget *parent, int lesson, const Chapter &chapter) {
        StartChapter(parent, lesson, chapter);
    };
    l.word = [](QWidget *parent, int slot) { StartProblemPractice(parent, PracticeKind::Word, slot); };
    l.sentence = [](QWidget *parent, int slot) { StartProblemPractice(parent, PracticeKind::Sentence, slot); };
    l.scoreView = [](QWidget *parent, int mode, int lsn) {
        ScoreViewFrm viewer(parent);
        viewer.mode = mode >= 1 && mode <= 3 ? ScoreViewMode(mode) : ScoreViewUser;
        viewer.Lsn = lsn;
        viewer.exec();
    };
    l.iniSet = ShowIniSetFrm;
    l.userSet = ShowUserSetFrm;
    l.rmjCust = ShowRmjCustFrm;
    l.textProblem = [](QWidget *parent) { ShowTextProblemFrm(parent); };
    l.progress = [](QWidget *parent) {
        ProgressFrm progress(parent);
        progress.exec();
    };
    l.weakKeys = StartWeakKeyPractice;
    return l;
}

}  // namespace

ShellLaunchers &Launchers()
{
    static ShellLaunchers launchers = programLaunchers();
    return launchers;
}

void ResetLaunchers()
{
    Launchers() = programLaunchers();
}

}  // namespace zr
