#pragma once

#include "engine/KeyStats.h"
#include "results/ScoreRecord.h"

#include <QList>
#include <QString>

namespace zr {

// Accuracy thresholds of the pass judgement by the "Level" setting: "1" 85/75,
// "2" 90/85, anything else 95/90.
struct GradeThresholds {
    double ScGreen = 95;
    double ScYellow = 90;
};
GradeThresholds ThresholdsForLevel(const QString &Level);

// The "Level" setting: how strict the pass judgement is.
enum class PassLevel { Easy = 1, Standard = 2, Strict = 3 };
GradeThresholds ThresholdsForLevel(PassLevel level);

// Grades of a key, best first.
enum KeyClass : int { NoMissKey = 1, GoodKey = 2, PracticeKey = 3, FailedKey = 4 };

// The key picture code a class is painted with on the result keyboard.
int PictureCodeOfClass(int keyClass);

// One typed key of a practice run.
struct KeyResult {
    QChar key;             // the key character (lower case)
    QString name;          // the character in upper case
    double hits = 0;
    double misses = 0;
    qint32 accuracy = 0;   // percent, rounded half to even
    int keyClass = NoMissKey;
};

struct TrainingGrade {
    QList<KeyResult> rows;   // ascending character code
    double hits = 0;
    double misses = 0;
    bool Passed = true;
    int weakHomeKeys = 0;
};

// Grades every key with hits. A key is never failed on fewer than 10 hits; weak home
// keys count only from Chapter 4 on.
TrainingGrade GradeKeys(const KeyStats &stats, GradeThresholds thresholds, int lesson);

// How the advice writes a key: 【 Ｆ 】, and 【 スペース 】 for the space bar.
QString AdviceKeyName(QChar key);

// The window caption a result leads to.
enum class ResultCaption { Unchanged, Passed, Failed };

struct Advice {
    QString text;
    ResultCaption caption = ResultCaption::Unchanged;
};

// The advice paragraphs on the keys, pass or fail (only for the Chapter the learner
// has reached) and weak home keys. Paragraphs end with CR LF.
Advice TrainingAdvice(const TrainingGrade &grade, const QString &TargetKey, int lesson, int LessonProgress);

// The run's accuracy and speed as the result screen states them. A run without hits
// has accuracy 0, and one shorter than a second speed 0.
double RunAccuracy(double hits, double misses);
double RunSpeed(double chars, double duration);

// The judgement of the speed against the target speed; a speed of 0 has not reached
// any target.
QString TargetSpeedJudgement(double TargetTime, double speed);

// The history part of the advice: the comparison with the last practice day (the
// record before this run's score update) and the target speed.
QString ScoreAddText(const ScoreRecord &before, double CCh, double TTime, double hits, double misses,
                     int TargetTime);

// The advice of the word and sentence result screens: the last practice day (from the
// record before this run's score update) and the run's accuracy and speed.
QString PracticeScoreAddText(const ScoreRecord &before, double CCh, double TTime, double hits, double misses);

// Word and sentence practice grade keys with the fixed thresholds 95 and 90 and
// pass or fail nothing.
TrainingGrade GradePracticeKeys(const KeyStats &stats);

// LessonProgress after the result screen closes: one Chapter on when the reached
// Chapter was passed and is not the last.
int ProgressAfterResult(int lesson, int LessonProgress, bool Passed, int ChapterCount);

}  // namespace zr
