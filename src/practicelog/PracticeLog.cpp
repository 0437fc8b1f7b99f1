#include "practicelog/PracticeLog.h"

#include "platform/Clock.h"
#include "platform/OleDate.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <iterator>

namespace zr {
namespace {

// The steps that bring a log from one version to the next; step n makes version n.
// A later version adds a step and never changes one that has shipped.
const char *const kMigrations[] = {
    // 1: runs, their keys, and the keys' totals per day, which the per-key figures over
    // a period are read from without going through every key row.
    "CREATE TABLE runs ("
    " run_id INTEGER PRIMARY KEY,"
    " started TEXT NOT NULL,"       // ISO 8601, UTC
    " ended TEXT NOT NULL,"
    " date TEXT NOT NULL,"          // the learner's local date, YYYY-MM-DD
    " kind TEXT NOT NULL,"
    " item_kind TEXT NOT NULL,"     // whose item: for a day total, the practice it sums up
    " item INTEGER NOT NULL,"
    " title TEXT NOT NULL,"
    " file TEXT NOT NULL,"
    " units REAL NOT NULL,"
    " hits REAL NOT NULL,"
    " misses REAL NOT NULL,"
    " seconds REAL NOT NULL,"
    " speed_cpm REAL NOT NULL,"
    " accuracy REAL NOT NULL,"
    " passed INTEGER,"
    " aimed TEXT NOT NULL);"
    "CREATE INDEX runs_by_date ON runs (date);"
    "CREATE INDEX runs_by_item ON runs (item_kind, item);"
    "CREATE TABLE run_keys ("
    " run_id INTEGER NOT NULL REFERENCES runs (run_id),"
    " code INTEGER NOT NULL,"
    " key TEXT NOT NULL,"
    " hits REAL NOT NULL,"
    " misses REAL NOT NULL,"
    " ms REAL NOT NULL,"
    " PRIMARY KEY (run_id, code)) WITHOUT ROWID;"
    "CREATE TABLE key_days ("
    " date TEXT NOT NULL,"
    " code INTEGER NOT NULL,"
    " key TEXT NOT NULL,"
    " hits REAL NOT NULL,"
    " misses REAL NOT NULL,"
    " ms REAL NOT NULL,"
    " PRIMARY KEY (date, code)) WITHOUT ROWID;",
};
static_assert(std::size(kMigrations) == PracticeLog::kSchemaVersion);

// What this version reads and writes; a log that cannot answer these is damaged.
const char *const kSchemaProbes[] = {
    "SELECT run_id, started, ended, date, kind, item_kind, item, title, file, units, hits, misses,"
    " seconds, speed_cpm, accuracy, passed, aimed FROM runs LIMIT 0",
    "SELECT run_id, code, key, hits, misses, ms FROM run_keys LIMIT 0",
    "SELECT date, code, key, hits, misses, ms FROM key_days LIMIT 0",
};

}  // namespace

LogError LogErrorOf(const QSqlError &e)
{
    LogError error;
    error.detail = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    bool ok = false;
    const int code = e.nativeErrorCode().toInt(&ok) & 0xff;
    switch (ok ? code : -1) {
    case 5:    // SQLITE_BUSY
    case 6:    // SQLITE_LOCKED
        error.problem = LogProblem::Busy;
        break;
    case 3:    // SQLITE_PERM
    case 8:    // SQLITE_READONLY
    case 14:   // SQLITE_CANTOPEN
        error.problem = LogProblem::Unwritable;
        break;
    case 13:   // SQLITE_FULL
        error.problem = LogProblem::Full;
        break;
    case 11:   // SQLITE_CORRUPT
    case 26:   // SQLITE_NOTADB
        error.problem = LogProblem::Damaged;
        break;
    default:
        error.problem = LogProblem::Failed;
        break;
    }
    return error;
}

namespace {

LogError errorOf(const QSqlError &e)
{
    return LogErrorOf(e);
}

void setError(LogError *error, LogError value)
{
    if (error)
        *error = std::move(value);
}

bool exec(QSqlDatabase &db, const QString &sql, LogError *error)
{
    QSqlQuery q(db);
    if (q.exec(sql))
        return true;
    setError(error, errorOf(q.lastError()));
    return false;
}

// Qt SQL binds a null string as NULL; the log's text columns hold empty text instead.
QString text(const QString &s)
{
    return s.isNull() ? QStringLiteral("") : s;
}

QString newConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("zr-practicelog-%1").arg(++counter);
}

}  // namespace

QString PracticeLogPath(const QString &folder)
{
    return folder + QStringLiteral("/practice.sqlite");
}

PracticeLog::PracticeLog(const QString &path, const QString &connection) : path_(path), connection_(connection) {}

PracticeLog::~PracticeLog()
{
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase PracticeLog::database() const
{
    return QSqlDatabase::database(connection_, false);
}

std::unique_ptr<PracticeLog> PracticeLog::open(const QString &path, Access access, LogError *error,
                                               const InitialRuns &initialRuns)
{
    const QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isFile())) {
        // A link could lead the writes out of the learner's folder; a folder or a device
        // is no log either.
        setError(error, {LogProblem::Damaged, QStringLiteral("not a regular file")});
        return nullptr;
    }
    if (!info.exists() && access == Access::Read) {
        setError(error, {LogProblem::Missing, QStringLiteral("no such file")});
        return nullptr;
    }

    std::unique_ptr<PracticeLog> log(new PracticeLog(path, newConnectionName()));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), log->connection_);
    if (!db.isValid()) {
        setError(error, {LogProblem::Failed, QStringLiteral("the SQLite driver of Qt SQL (libqt6sql6-sqlite) is not installed")});
        return nullptr;
    }
    db.setDatabaseName(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
    if (access == Access::Read)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    if (!db.open()) {
        setError(error, errorOf(db.lastError()));
        return nullptr;
    }

    int version = 0;
    {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
            setError(error, errorOf(q.lastError()));
            return nullptr;
        }
        version = q.value(0).toInt();
    }
    if (version > kSchemaVersion) {
        setError(error, {LogProblem::TooNew, QStringLiteral("schema version %1; this program knows up to %2")
                                                 .arg(version).arg(kSchemaVersion)});
        return nullptr;
    }
    if (version < 0 || (version < kSchemaVersion && access == Access::Read)) {
        setError(error, {LogProblem::Damaged, version == 0 ? QStringLiteral("no practice log in it")
                                                           : QStringLiteral("schema version %1").arg(version)});
        return nullptr;
    }

    if (access == Access::Write) {
        // WAL lets zrtool read while the program writes. Making a new file WAL would
        // wait for the disk; nothing is lost if a power cut spoils a log just made,
        // which is then moved aside and made again from user.dat.
        if (!exec(db, QStringLiteral("PRAGMA synchronous=OFF"), error)
            || !exec(db, QStringLiteral("PRAGMA journal_mode=WAL"), error))
            return nullptr;
        if (version < kSchemaVersion) {
            if (!exec(db, QStringLiteral("BEGIN IMMEDIATE"), error))
                return nullptr;
            auto rollBack = [&](LogError e) {
                exec(db, QStringLiteral("ROLLBACK"), nullptr);
                // Tables that clash with ours: the file holds something else.
                if (e.problem == LogProblem::Failed)
                    e.problem = LogProblem::Damaged;
                setError(error, std::move(e));
                return nullptr;
            };
            // Re-read inside the transaction: another program may have just made it.
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
                return rollBack(errorOf(q.lastError()));
            const int current = q.value(0).toInt();
            q.finish();
            for (int step = current + 1; step <= kSchemaVersion; ++step) {
                for (const QString &statement : QString::fromUtf8(kMigrations[step - 1]).split(u';', Qt::SkipEmptyParts)) {
                    LogError e;
                    if (!exec(db, statement, &e))
                        return rollBack(e);
                }
            }
            LogError e;
            if (current < kSchemaVersion
                && !exec(db, QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion), &e))
                return rollBack(e);
            if (current == 0 && initialRuns) {
                QList<LoggedRun> runs = initialRuns();
                if (!log->writeRuns(runs, &e))
                    return rollBack(e);
            }
            if (!exec(db, QStringLiteral("COMMIT"), &e))
                return rollBack(e);
            log->created_ = current == 0;
            // Nothing to check in a log made just now.
            log->checked_ = log->created_;
        }
        // NORMAL keeps every committed run through a crash of the program and costs
        // no flush to disk per run.
        if (!exec(db, QStringLiteral("PRAGMA synchronous=NORMAL"), error))
            return nullptr;
    }

    for (const char *probe : kSchemaProbes) {
        QSqlQuery q(db);
        if (!q.prepare(QString::fromUtf8(probe))) {
            LogError e = errorOf(q.lastError());
            if (e.problem == LogProblem::Failed)
                e.problem = LogProblem::Damaged;
            setError(error, std::move(e));
            return nullptr;
        }
    }
    setError(error, {});
    return log;
}

bool PracticeLog::append(LoggedRun &run, LogError *error)
{
    QList<LoggedRun> runs{run};
    if (!append(runs, error))
        return false;
    run.id = runs.first().id;
    return true;
}

bool PracticeLog::append(QList<LoggedRun> &runs, LogError *error)
{
    QSqlDatabase db = database();
    if (!checked_) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next()) {
            LogError e = errorOf(q.lastError());
            setError(error, e);
            return false;
        }
        if (q.value(0).toString() != u"ok") {
            setError(error, {LogProblem::Damaged, q.value(0).toString()});
            return false;
        }
        checked_ = true;
    }
    if (!exec(db, QStringLiteral("BEGIN IMMEDIATE"), error))
        return false;
    LogError e;
    if (!writeRuns(runs, &e) || !exec(db, QStringLiteral("COMMIT"), &e)) {
        exec(db, QStringLiteral("ROLLBACK"), nullptr);
        for (LoggedRun &run : runs)
            run.id = 0;
        setError(error, e);
        return false;
    }
    setError(error, {});
    return true;
}

bool PracticeLog::writeRuns(QList<LoggedRun> &runs, LogError *error)
{
    QSqlDatabase db = database();
    QSqlQuery run(db), key(db), day(db);
    if (!run.prepare(QStringLiteral(
            "INSERT INTO runs (started, ended, date, kind, item_kind, item, title, file, units, hits, misses,"
            " seconds, speed_cpm, accuracy, passed, aimed) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"))
        || !key.prepare(QStringLiteral(
            "INSERT INTO run_keys (run_id, code, key, hits, misses, ms) VALUES (?, ?, ?, ?, ?, ?)"))
        || !day.prepare(QStringLiteral(
            "INSERT INTO key_days (date, code, key, hits, misses, ms) VALUES (?, ?, ?, ?, ?, ?)"
            " ON CONFLICT (date, code) DO UPDATE SET hits = hits + excluded.hits,"
            " misses = misses + excluded.misses, ms = ms + excluded.ms"))) {
        setError(error, errorOf(run.lastError().isValid() ? run.lastError()
                                : key.lastError().isValid() ? key.lastError() : day.lastError()));
        return false;
    }
    for (LoggedRun &r : runs) {
        const QString date = IsoDateText(r.date);
        run.addBindValue(IsoUtcText(r.started));
        run.addBindValue(IsoUtcText(r.ended));
        run.addBindValue(date);
        run.addBindValue(RunKindName(r.kind));
        run.addBindValue(RunKindName(r.itemKind));
        run.addBindValue(r.item);
        run.addBindValue(text(r.title));
        run.addBindValue(text(r.file));
        run.addBindValue(r.units);
        run.addBindValue(r.hits);
        run.addBindValue(r.misses);
        run.addBindValue(r.seconds);
        run.addBindValue(r.speed);
        run.addBindValue(r.accuracy);
        run.addBindValue(r.passed ? QVariant(*r.passed ? 1 : 0) : QVariant(QMetaType(QMetaType::Int)));
        run.addBindValue(text(r.aimedKeys));
        if (!run.exec()) {
            setError(error, errorOf(run.lastError()));
            return false;
        }
        r.id = run.lastInsertId().toLongLong();
        for (const LoggedKey &k : r.keys) {
            const QString keyText(k.key());
            for (QSqlQuery *q : {&key, &day}) {
                q->addBindValue(q == &key ? QVariant(r.id) : QVariant(date));
                q->addBindValue(k.code);
                q->addBindValue(keyText);
                q->addBindValue(k.hits);
                q->addBindValue(k.misses);
                q->addBindValue(k.ms);
                if (!q->exec()) {
                    setError(error, errorOf(q->lastError()));
                    return false;
                }
            }
        }
    }
    return true;
}

bool PracticeLog::integrityOk() const
{
    QSqlQuery q(database());
    return q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next() && q.value(0).toString() == u"ok";
}

std::optional<QString> MoveDamagedLogAside(const QString &path, QString *error)
{
    const QString stamp = dateTimeFromOle(Clock::current().now()).toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = path + QStringLiteral(".damaged-") + stamp;
    QString aside = base;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink() || QFileInfo::exists(aside + QStringLiteral("-wal"))
                    || QFileInfo::exists(aside + QStringLiteral("-shm"));
         ++n)
        aside = base + QStringLiteral("-%1").arg(n);
    QDir dir;
    if (!dir.rename(path, aside)) {
        if (error)
            *error = QStringLiteral("cannot rename %1 to %2").arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(aside));
        return std::nullopt;
    }
    // The write-ahead log belongs to the damaged file: left in place, SQLite would
    // replay it into the new log.
    for (const char *suffix : {"-wal", "-shm"}) {
        if (QFileInfo::exists(path + suffix) && !dir.rename(path + suffix, aside + suffix)) {
            if (error)
                *error = QStringLiteral("cannot rename %1").arg(QDir::toNativeSeparators(path + suffix));
            return std::nullopt;
        }
    }
    return aside;
}

}  // namespace zr
