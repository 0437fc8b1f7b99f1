#pragma once

#include "practicelog/LogQueries.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace zr {

// What the progress window and weak-key practice read from a practice log: speed and
// accuracy over time, per-key figures over a period, and the weakest keys. Each query
// gives nothing, with the reason in error, when the log cannot be read.

// --- speed and accuracy over time ---------------------------------------------------

// One practised item as the log knows it. A problem file is one item whatever slots it
// was in (its runs carry its registered name); a Chapter, a slot logged without a file
// and weak-key practice are known by their kind and number.
struct ProgressItem {
    RunKind kind = RunKind::Training;   // Training, Word, Sentence or Weak
    int item = 0;                       // the Chapter or slot number (the last one logged)
    QString file;                       // a problem file's registered name, or empty
    QString title;                      // as last logged

    // The same item, whatever its number or title now.
    bool sameItem(const ProgressItem &other) const;
};

// The runs a chart shows: every practice, the practice of one kind with the day totals
// of its histories, or one item.
struct ProgressSelection {
    std::optional<RunKind> kind;
    std::optional<ProgressItem> item;   // takes precedence over kind
};

// The items with runs in the log: Chapters by number, then word and sentence items by
// their last slot number, then weak-key practice.
std::optional<QList<ProgressItem>> ProgressItems(const PracticeLog &log, LogError *error);

// The runs of a local date, or of several dates added up.
struct ProgressFigures {
    QDate first;     // the point's date: the day, the Monday of its week, the first of its month
    QDate last;      // the last date with runs in it
    int runs = 0;
    double units = 0;
    double hits = 0;
    double misses = 0;
    double seconds = 0;

    // 字/分 and %, as the result screens compute them from the sums.
    std::optional<double> speed() const;
    std::optional<double> accuracy() const;
};

// The selected runs added up per local date (the date each run was filed under), oldest
// first; dates without runs have no entry.
std::optional<QList<ProgressFigures>> DailyProgress(const PracticeLog &log, const ProgressSelection &selection,
                                                    LogError *error);

enum class ProgressGrouping { Day, Week, Month };

// The grouping a span of dates is best read in: days for up to 62 days, weeks for up
// to a year and a half, months beyond.
ProgressGrouping GroupingForSpan(const QDate &first, const QDate &last);

// The first date of the group a date falls in: the date itself, the Monday of its week
// (a week that starts in December and ends in January is one week), the first of its
// month.
QDate GroupStart(const QDate &date, ProgressGrouping grouping);

// Days (as DailyProgress gives them, oldest first) added up into groups, oldest first.
QList<ProgressFigures> GroupProgress(const QList<ProgressFigures> &days, ProgressGrouping grouping);

// --- per-key figures ----------------------------------------------------------------

// The periods the key figures are read over, each ending today.
enum class KeyPeriod { Last7Days, Last30Days, Everything };

// The first date of a period that ends today; nothing for everything.
std::optional<QDate> PeriodStart(KeyPeriod period, const QDate &today);

// The per-key totals of a period (KeyTotals over the runs filed from its first date).
std::optional<QList<KeyTotal>> KeyTotalsOfPeriod(const PracticeLog &log, KeyPeriod period, const QDate &today,
                                                 LogError *error);

// --- the weakest keys ---------------------------------------------------------------

// Fewer presses than this are too few to judge a key by.
inline constexpr int kPressesToJudge = 20;
// Weak-key practice aims at this many keys at most, judged over this many days.
inline constexpr int kWeakKeyCount = 5;
inline constexpr int kWeakKeyDays = 30;

// Whether a is weaker than b: the lower accuracy (no hits at all is the lowest), on
// equal accuracy the longer mean time of a hit, then the lower code.
bool WeakerKey(const KeyTotal &a, const KeyTotal &b);

// The weakest keys of totals, weakest first: only keys of learnedKeys, only those with
// at least kPressesToJudge presses, at most count of them.
QList<KeyTotal> WeakestOf(const QList<KeyTotal> &totals, QStringView learnedKeys, int count = kWeakKeyCount);

// The keys weak-key practice aims at: the weakest learned keys over the days days that
// end today. Empty when no learned key has been pressed often enough yet.
std::optional<QList<KeyTotal>> WeakestKeys(const PracticeLog &log, QStringView learnedKeys, const QDate &today,
                                           LogError *error, int days = kWeakKeyDays);

}  // namespace zr
