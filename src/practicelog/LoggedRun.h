#pragma once

#include "engine/KeyStats.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace zr {

// What kind of practice a run of the log was. A day total stands for one stored day of
// an item's 15-day history in "user.dat", taken over when the log was started; it has
// no key rows.
enum class RunKind { Training, Word, Sentence, Weak, DayTotal };

// How the log and its CSV files write the kinds: "training", "word", "sentence",
// "weak", "day-total".
QString RunKindName(RunKind kind);
std::optional<RunKind> RunKindFromName(QStringView name);

// The figures of one key in one run, as KeyStats held them.
struct LoggedKey {
    int code = 0;       // the key's single-byte code, its index in KeyStats (32 to 223)
    double hits = 0;
    double misses = 0;
    double ms = 0;      // the milliseconds of all its hits together

    // The key character: a lower-case letter, a symbol, a half-width katakana, a blank.
    QChar key() const;
    bool operator==(const LoggedKey &) const = default;
};

// One row of the log.
struct LoggedRun {
    qint64 id = 0;                 // run_id; 0 until the run is written
    QDateTime started;             // UTC
    QDateTime ended;               // UTC
    QDate date;                    // the learner's local date the run was filed under
    RunKind kind = RunKind::Training;
    // Whose item it is: the kind itself, or for a day total the practice its history
    // belongs to (Training, Word or Sentence); DayTotal when that is not known (a day
    // total of a slot read from CSV, which does not say).
    RunKind itemKind = RunKind::Training;
    int item = 0;                  // the Chapter or slot number; 0 for weak-key practice
    QString title;                 // as shown then: "Chapter 5", a slot's title
    QString file;                  // a problem file's registered name ("resource\zr.zrd")
    double units = 0;              // kana units typed (the speed's characters)
    double hits = 0;
    double misses = 0;             // positions missed
    double seconds = 0;
    double speed = 0;              // 字/分, as the result screen computed it
    double accuracy = 0;           // %, likewise
    std::optional<bool> passed;    // Chapters only
    QString aimedKeys;             // weak-key practice: the keys it aimed at
    QList<LoggedKey> keys;         // in code order

    bool operator==(const LoggedRun &) const = default;
};

// One row for every key that was typed or missed in the run, in code order.
QList<LoggedKey> KeysOfRun(const KeyStats &stats);

// The title of a Chapter's runs, as the Chapter list writes it: "Chapter 5".
QString ChapterTitle(int lesson);

// What a result screen knows of the run it has just recorded.
struct ResultFigures {
    RunKind kind = RunKind::Training;
    int item = 0;
    QString title;
    QString file;
    double CCh = 0;      // units typed
    double TTime = 0;    // the run's time in days
    double hits = 0;     // the totals the screen graded
    double misses = 0;
    std::optional<bool> passed;
    QString aimedKeys;
};

// The log's row of such a run: it ended at endedAt (the local clock, an OLE date-time),
// counts for the day today (the date its score update used), and carries the speed
// and accuracy exactly as the result screen states them.
LoggedRun RunOfResult(const ResultFigures &figures, const KeyStats &stats, double endedAt, double today);

// A local OLE date-time as a UTC time, to the second.
QDateTime UtcOfLocalOle(double oleDateTime);

// ISO 8601 in UTC, to the second: "2026-12-08T03:00:00Z". Reading accepts any ISO 8601
// time with a zone (Z or an offset) and gives it in UTC; nothing for anything else.
QString IsoUtcText(const QDateTime &time);
// A date as YYYY-MM-DD.
QString IsoDateText(const QDate &date);
std::optional<QDateTime> ParseIsoUtc(QStringView text);

}  // namespace zr
