#pragma once

#include "practicelog/PracticeLog.h"

#include <QDate>
#include <QList>

#include <optional>
#include <utility>

namespace zr {

// Everything that reads a practice log, one named query each. Each gives nothing, with
// the reason in error, when the log cannot be read.

// Which runs a listing takes; every run by default.
struct RunFilter {
    // Only the practice of these kinds (Training, Word, Sentence, Weak), with the day
    // totals of their histories; empty: every run.
    QList<RunKind> kinds;
    bool dayTotals = true;         // false: only runs logged one by one
    std::optional<int> item;       // only this Chapter or slot number
    std::optional<QDate> since;    // only runs filed on or after this local date
    std::optional<QDate> until;    // only runs filed on or before it
};

// The runs in the order they were logged, without their key rows.
std::optional<QList<LoggedRun>> ListRuns(const PracticeLog &log, const RunFilter &filter, LogError *error);

// The key rows of one run, in code order.
std::optional<QList<LoggedKey>> KeysOfLoggedRun(const PracticeLog &log, qint64 runId, LogError *error);

// Every key row of the log with its run, in run and then code order.
std::optional<QList<std::pair<qint64, LoggedKey>>> AllKeyRows(const PracticeLog &log, LogError *error);

// A key's figures added up over many runs.
struct KeyTotal {
    int code = 0;
    double hits = 0;
    double misses = 0;
    double ms = 0;

    QChar key() const;
    double presses() const { return hits + misses; }
    // 100 - misses / hits * 100, as every accuracy of the program; nothing without hits.
    std::optional<double> accuracy() const;
    // The mean time of a hit; nothing without hits.
    std::optional<double> meanMs() const;
    bool operator==(const KeyTotal &) const = default;
};

// The per-key totals of the runs filed on or after since (of every run without it), in
// code order. Keys never typed in that time have no row.
std::optional<QList<KeyTotal>> KeyTotals(const PracticeLog &log, std::optional<QDate> since, LogError *error);

}  // namespace zr
