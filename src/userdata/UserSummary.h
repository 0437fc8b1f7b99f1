#pragma once

#include "keyboard/LessonTable.h"
#include "userdata/UserRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace zr {

// What the main window's lists and the history viewer show of a learner's record,
// computed here so the windows only fill their widgets.

// One practised item (a Chapter, a word slot or a sentence slot), or the sum of several.
struct ScoreSummary {
    double PracticeCount = 0;   // runs over the item's whole life
    double TotalTime = 0;       // days, over the item's whole life
    double LastDate = 0;        // the date of day entry 1; 0 when never practised
    // Sums over the stored day entries (at most the last 15 practice days).
    double chars = 0;
    double hits = 0;
    double misses = 0;
    double time = 0;            // days

    // Percent correct over the stored days; nothing without hits.
    std::optional<double> accuracy() const;
    // Characters a minute over the stored days; nothing without hits or practice minutes.
    std::optional<double> speed() const;

    ScoreSummary &operator+=(const ScoreSummary &other);
};
ScoreSummary SummarizeScore(const ScoreRecord &record);

// The history viewer's overview of one item: cumulative time ("12分", "0分"), runs
// ("3回"), last date (empty when never practised), accuracy ("95%") and speed
// ("104.5字/分"), the last two empty without hits.
struct ScoreOverview {
    QString totalTime;
    QString practiceCount;
    QString lastDate;
    QString accuracy;
    QString speed;
};
ScoreOverview OverviewOf(const ScoreSummary &summary);

// Whole practice minutes and "分"; "0分" under half a minute.
QString MinutesWithUnit(double duration);

// A row of one of the main window's lists: the Chapter or slot it stands for and the
// texts of its columns.
struct ItemRow {
    int item = 0;
    QStringList texts;
};

// The basic-practice list: one row per Chapter reached, newest first ("Chapter 5",
// kind, keys, runs, time or "-"). Chapters the lesson table or the record lacks are
// left out.
QList<ItemRow> ChapterRows(const UserRecord &user, const ChapterTable &table, bool fontUpper);

// A word or sentence list: one row per slot with a title, in slot order (slot number,
// title, "-", then runs, time and last date, or three "-" for a slot never practised).
// titles holds the ten slot titles.
QList<ItemRow> SlotRows(const std::array<ScoreRecord, UserRecord::kSlots> &scores, const QStringList &titles);

// The learner summary of the main window: name, progress, course, total time, runs,
// and the accuracy and speed of word and sentence practice over their stored days
// ("-" without any). damaged: the summed time is no valid time value, so the record
// is broken; the accuracy and speed are then empty.
struct UserInfo {
    QString name;
    QString progress;
    QString course;
    QString totalTime;
    QString runs;
    QString accuracy;
    QString speed;
    bool damaged = false;
};
UserInfo UserInfoOf(const UserRecord &user);

}  // namespace zr
