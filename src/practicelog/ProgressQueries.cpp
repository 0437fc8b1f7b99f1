#include "practicelog/ProgressQueries.h"

#include "results/ScoreRecord.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace zr {
namespace {

void setError(LogError *error, LogError value)
{
    if (error)
        *error = std::move(value);
}

// Runs the query and hands every row to read; false, with the reason in error, when it
// fails.
template <typename Read>
bool eachRow(QSqlQuery &q, LogError *error, Read read)
{
    if (!q.exec()) {
        setError(error, LogErrorOf(q.lastError()));
        return false;
    }
    while (q.next())
        read(q);
    if (q.lastError().isValid()) {
        setError(error, LogErrorOf(q.lastError()));
        return false;
    }
    setError(error, {});
    return true;
}

int kindOrder(RunKind kind)
{
    switch (kind) {
    case RunKind::Training: return 0;
    case RunKind::Word: return 1;
    case RunKind::Sentence: return 2;
    case RunKind::Weak: return 3;
    default: return 4;
    }
}

}  // namespace

bool ProgressItem::sameItem(const ProgressItem &other) const
{
    if (kind != other.kind)
        return false;
    if (!file.isEmpty() || !other.file.isEmpty())
        return file == other.file;
    return item == other.item;
}

std::optional<QList<ProgressItem>> ProgressItems(const PracticeLog &log, LogError *error)
{
    // A problem file is grouped by its name alone, anything else by its number; the
    // bare columns come from the latest run of the group (SQLite takes them from the
    // row of the MAX).
    QSqlQuery q(log.database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral(
        "SELECT item_kind, item, file, title, MAX(run_id) FROM runs"
        " WHERE item_kind IN ('training', 'word', 'sentence', 'weak')"
        " GROUP BY item_kind, CASE WHEN file = '' THEN item END, file"));
    QList<ProgressItem> items;
    const bool ok = eachRow(q, error, [&](const QSqlQuery &row) {
        ProgressItem item;
        item.kind = RunKindFromName(row.value(0).toString()).value_or(RunKind::Training);
        item.item = row.value(1).toInt();
        item.file = row.value(2).toString();
        item.title = row.value(3).toString();
        items.append(item);
    });
    if (!ok)
        return std::nullopt;
    std::stable_sort(items.begin(), items.end(), [](const ProgressItem &a, const ProgressItem &b) {
        if (kindOrder(a.kind) != kindOrder(b.kind))
            return kindOrder(a.kind) < kindOrder(b.kind);
        if (a.item != b.item)
            return a.item < b.item;
        return a.file < b.file;
    });
    return items;
}

std::optional<double> ProgressFigures::speed() const
{
    return Speed(units, seconds / 86400.0);
}

std::optional<double> ProgressFigures::accuracy() const
{
    return Accuracy(hits, misses);
}

std::optional<QList<ProgressFigures>> DailyProgress(const PracticeLog &log, const ProgressSelection &selection,
                                                    LogError *error)
{
    QString where = QStringLiteral("1");
    QVariantList values;
    if (selection.item) {
        where = QStringLiteral("item_kind = ?");
        values << RunKindName(selection.item->kind);
        if (!selection.item->file.isEmpty()) {
            where += QStringLiteral(" AND file = ?");
            values << selection.item->file;
        } else {
            where += QStringLiteral(" AND file = '' AND item = ?");
            values << selection.item->item;
        }
    } else if (selection.kind) {
        where = QStringLiteral("item_kind = ?");
        values << RunKindName(*selection.kind);
    }
    QSqlQuery q(log.database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT date, COUNT(*), SUM(units), SUM(hits), SUM(misses), SUM(seconds) FROM runs WHERE ")
              + where + QStringLiteral(" GROUP BY date ORDER BY date"));
    for (const QVariant &v : values)
        q.addBindValue(v);
    QList<ProgressFigures> days;
    const bool ok = eachRow(q, error, [&](const QSqlQuery &row) {
        ProgressFigures day;
        day.first = day.last = QDate::fromString(row.value(0).toString(), Qt::ISODate);
        // A run whose date cannot be read has no place on a time axis.
        if (!day.first.isValid())
            return;
        day.runs = row.value(1).toInt();
        day.units = row.value(2).toDouble();
        day.hits = row.value(3).toDouble();
        day.misses = row.value(4).toDouble();
        day.seconds = row.value(5).toDouble();
        days.append(day);
    });
    if (!ok)
        return std::nullopt;
    return days;
}

ProgressGrouping GroupingForSpan(const QDate &first, const QDate &last)
{
    const qint64 span = first.isValid() && last.isValid() ? first.daysTo(last) : 0;
    if (span <= 62)
        return ProgressGrouping::Day;
    if (span <= 548)
        return ProgressGrouping::Week;
    return ProgressGrouping::Month;
}

QDate GroupStart(const QDate &date, ProgressGrouping grouping)
{
    switch (grouping) {
    case ProgressGrouping::Week: return date.addDays(1 - date.dayOfWeek());
    case ProgressGrouping::Month: return QDate(date.year(), date.month(), 1);
    default: return date;
    }
}

QList<ProgressFigures> GroupProgress(const QList<ProgressFigures> &days, ProgressGrouping grouping)
{
    QList<ProgressFigures> groups;
    for (const ProgressFigures &day : days) {
        const QDate start = GroupStart(day.first, grouping);
        if (groups.isEmpty() || groups.last().first != start) {
            ProgressFigures group = day;
            group.first = start;
            groups.append(group);
            continue;
        }
        ProgressFigures &group = groups.last();
        group.last = std::max(group.last, day.last);
        group.runs += day.runs;
        group.units += day.units;
        group.hits += day.hits;
        group.misses += day.misses;
        group.seconds += day.seconds;
    }
    return groups;
}

std::optional<QDate> PeriodStart(KeyPeriod period, const QDate &today)
{
    switch (period) {
    case KeyPeriod::Last7Days: return today.addDays(-6);
    case KeyPeriod::Last30Days: return today.addDays(-(kWeakKeyDays - 1));
    default: return std::nullopt;
    }
}

std::optional<QList<KeyTotal>> KeyTotalsOfPeriod(const PracticeLog &log, KeyPeriod period, const QDate &today,
                                                 LogError *error)
{
    return KeyTotals(log, PeriodStart(period, today), error);
}

bool WeakerKey(const KeyTotal &a, const KeyTotal &b)
{
    // Misses per hit, compared across: exact for counts, and a key without hits has
    // the highest rate of all.
    const double missesA = a.misses * b.hits;
    const double missesB = b.misses * a.hits;
    if (missesA != missesB)
        return missesA > missesB;
    const double msA = a.ms * b.hits;
    const double msB = b.ms * a.hits;
    if (msA != msB)
        return msA > msB;
    return a.code < b.code;
}

QList<KeyTotal> WeakestOf(const QList<KeyTotal> &totals, QStringView learnedKeys, int count)
{
    QList<KeyTotal> judged;
    for (const KeyTotal &k : totals) {
        if (k.presses() >= kPressesToJudge && learnedKeys.contains(k.key()))
            judged.append(k);
    }
    std::sort(judged.begin(), judged.end(), WeakerKey);
    if (judged.size() > count)
        judged.resize(std::max(0, count));
    return judged;
}

std::optional<QList<KeyTotal>> WeakestKeys(const PracticeLog &log, QStringView learnedKeys, const QDate &today,
                                           LogError *error, int days)
{
    const std::optional<QList<KeyTotal>> totals = KeyTotals(log, today.addDays(1 - std::max(1, days)), error);
    if (!totals)
        return std::nullopt;
    return WeakestOf(*totals, learnedKeys);
}

}  // namespace zr
