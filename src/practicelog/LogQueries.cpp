#include "practicelog/LogQueries.h"

#include "platform/Cp932.h"
#include "results/ScoreRecord.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace zr {
namespace {

// Reads every row of a query; nothing when it fails.
template <typename Row>
std::optional<QList<Row>> rowsOf(QSqlQuery &q, LogError *error, Row (*read)(const QSqlQuery &))
{
    if (!q.exec()) {
        if (error)
            *error = LogErrorOf(q.lastError());
        return std::nullopt;
    }
    QList<Row> rows;
    while (q.next())
        rows.append(read(q));
    // A row that cannot be read ends the loop with an error, not with the last row.
    if (q.lastError().isValid()) {
        if (error)
            *error = LogErrorOf(q.lastError());
        return std::nullopt;
    }
    if (error)
        *error = {};
    return rows;
}

LoggedRun readRun(const QSqlQuery &q)
{
    LoggedRun r;
    r.id = q.value(0).toLongLong();
    r.started = ParseIsoUtc(q.value(1).toString()).value_or(QDateTime());
    r.ended = ParseIsoUtc(q.value(2).toString()).value_or(QDateTime());
    r.date = QDate::fromString(q.value(3).toString(), Qt::ISODate);
    r.kind = RunKindFromName(q.value(4).toString()).value_or(RunKind::Training);
    r.itemKind = RunKindFromName(q.value(5).toString()).value_or(RunKind::DayTotal);
    r.item = q.value(6).toInt();
    r.title = q.value(7).toString();
    r.file = q.value(8).toString();
    r.units = q.value(9).toDouble();
    r.hits = q.value(10).toDouble();
    r.misses = q.value(11).toDouble();
    r.seconds = q.value(12).toDouble();
    r.speed = q.value(13).toDouble();
    r.accuracy = q.value(14).toDouble();
    if (!q.value(15).isNull())
        r.passed = q.value(15).toInt() != 0;
    r.aimedKeys = q.value(16).toString();
    return r;
}

LoggedKey readKey(const QSqlQuery &q)
{
    return {q.value(0).toInt(), q.value(1).toDouble(), q.value(2).toDouble(), q.value(3).toDouble()};
}

std::pair<qint64, LoggedKey> readKeyRow(const QSqlQuery &q)
{
    return {q.value(0).toLongLong(),
            {q.value(1).toInt(), q.value(2).toDouble(), q.value(3).toDouble(), q.value(4).toDouble()}};
}

KeyTotal readTotal(const QSqlQuery &q)
{
    return {q.value(0).toInt(), q.value(1).toDouble(), q.value(2).toDouble(), q.value(3).toDouble()};
}

}  // namespace

QChar KeyTotal::key() const
{
    return charFromAnsiKeyCode(code);
}

std::optional<double> KeyTotal::accuracy() const
{
    return Accuracy(hits, misses);
}

std::optional<double> KeyTotal::meanMs() const
{
    if (hits <= 0)
        return std::nullopt;
    return ms / hits;
}

std::optional<QList<LoggedRun>> ListRuns(const PracticeLog &log, const RunFilter &filter, LogError *error)
{
    QString sql = QStringLiteral(
        "SELECT run_id, started, ended, date, kind, item_kind, item, title, file, units, hits, misses,"
        " seconds, speed_cpm, accuracy, passed, aimed FROM runs WHERE 1");
    QVariantList values;
    if (!filter.kinds.isEmpty()) {
        QStringList marks;
        for (RunKind kind : filter.kinds) {
            marks << QStringLiteral("?");
            values << RunKindName(kind);
        }
        sql += QStringLiteral(" AND item_kind IN (") + marks.join(u',') + u')';
    }
    if (!filter.dayTotals) {
        sql += QStringLiteral(" AND kind <> ?");
        values << RunKindName(RunKind::DayTotal);
    }
    if (filter.item) {
        sql += QStringLiteral(" AND item = ?");
        values << *filter.item;
    }
    if (filter.since) {
        sql += QStringLiteral(" AND date >= ?");
        values << filter.since->toString(Qt::ISODate);
    }
    if (filter.until) {
        sql += QStringLiteral(" AND date <= ?");
        values << filter.until->toString(Qt::ISODate);
    }
    sql += QStringLiteral(" ORDER BY run_id");
    QSqlQuery q(log.database());
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    return rowsOf(q, error, readRun);
}

std::optional<QList<LoggedKey>> KeysOfLoggedRun(const PracticeLog &log, qint64 runId, LogError *error)
{
    QSqlQuery q(log.database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT code, hits, misses, ms FROM run_keys WHERE run_id = ? ORDER BY code"));
    q.addBindValue(runId);
    return rowsOf(q, error, readKey);
}

std::optional<QList<std::pair<qint64, LoggedKey>>> AllKeyRows(const PracticeLog &log, LogError *error)
{
    QSqlQuery q(log.database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT run_id, code, hits, misses, ms FROM run_keys ORDER BY run_id, code"));
    return rowsOf(q, error, readKeyRow);
}

std::optional<QList<KeyTotal>> KeyTotals(const PracticeLog &log, std::optional<QDate> since, LogError *error)
{
    // From the day totals: a few rows per day instead of every key row of every run.
    QSqlQuery q(log.database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT code, SUM(hits), SUM(misses), SUM(ms) FROM key_days WHERE date >= ?"
                             " GROUP BY code ORDER BY code"));
    q.addBindValue(since ? since->toString(Qt::ISODate) : QStringLiteral(""));
    return rowsOf(q, error, readTotal);
}

}  // namespace zr
