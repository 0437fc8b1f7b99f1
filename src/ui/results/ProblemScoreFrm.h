#pragma once

#include "practice/ProblemPractice.h"
#include "practice/WeakKeyPractice.h"
#include "practicelog/LoggedRun.h"
#include "results/TrainingResult.h"
#include "ui/results/ResultWindow.h"

#include <memory>

namespace zr {

// The result screen of word and sentence practice: the per-key graph first, keys graded
// with fixed thresholds, the last practice day and the run's accuracy and speed, and
// the run added to the slot's history. WdScoreFrm and SentScoreFrm differ only in the
// block they write and where they remember their position.
class ProblemScoreFrm : public ResultWindow {
    Q_OBJECT
public:
    ProblemScoreFrm(PracticeKind kind, QWidget *parent = nullptr);

    // Hand-over from the practice window.
    double CCh = 0;
    double TTime = 0;
    QString UseKey;
    QString TargetKey;
    qint16 lesson = 0;
    // Weak-key practice: what it aimed at. Its run goes into the practice log alone;
    // "user.dat" has no slot for it.
    std::shared_ptr<const WeakKeyPractice> weakKeys;

    const TrainingGrade &grade() const { return grade_; }

protected:
    void showEvent(QShowEvent *event) override;
    void unload() override;

private:
    void activate();
    void ScoreAdd(QString &text);
    void WeakKeyScoreAdd(QString &text);

    PracticeKind kind_;
    TrainingGrade grade_;
    bool activated_ = false;
    // The run as recorded, for the practice log once user.dat is saved.
    std::optional<LoggedRun> run_;
};

class WdScoreFrm : public ProblemScoreFrm {
    Q_OBJECT
public:
    explicit WdScoreFrm(QWidget *parent = nullptr) : ProblemScoreFrm(PracticeKind::Word, parent) {}
};

class SentScoreFrm : public ProblemScoreFrm {
    Q_OBJECT
public:
    explicit SentScoreFrm(QWidget *parent = nullptr) : ProblemScoreFrm(PracticeKind::Sentence, parent) {}
};

}  // namespace zr
