#pragma once

#include "practicelog/LoggedRun.h"
#include "results/TrainingResult.h"
#include "ui/results/ResultWindow.h"

namespace zr {

// The result screen of a Chapter: grades every key, says what went well and what to
// practise, passes or fails the Chapter the learner has reached, compares with the
// last practice day and the target speed, and records the run.
class TrScoreFrm : public ResultWindow {
    Q_OBJECT
public:
    explicit TrScoreFrm(QWidget *parent = nullptr);

    // Hand-over from the drill.
    double CCh = 0;     // kana units typed
    double TTime = 0;   // the run's time in days
    QString UseKey;
    QString TargetKey;
    qint16 lesson = 0;

    bool Passed() const { return grade_.Passed; }
    const TrainingGrade &grade() const { return grade_; }
    int TargetTime() const { return targetTime_; }
    GradeThresholds thresholds() const { return thresholds_; }

protected:
    void showEvent(QShowEvent *event) override;
    void returnToMenu() override;
    void unload() override;

private:
    void activate();
    void ScoreAdd(QString &text);

    GradeThresholds thresholds_;
    int targetTime_ = 40;
    TrainingGrade grade_;
    bool activated_ = false;
    // The run as recorded, for the practice log once user.dat is saved.
    std::optional<LoggedRun> run_;
};

}  // namespace zr
