#pragma once

#include "practicelog/LoggedRun.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <functional>
#include <memory>

namespace zr {

// "practice.sqlite" in a learner's folder.
QString PracticeLogPath(const QString &folder);

// Why a log could not be used. Damaged: not an SQLite database, a schema that cannot be
// read, or a failed quick check; such a file is moved aside, never written. TooNew: a
// later version of the program made it; it is left alone. Busy: another program held
// it longer than the busy timeout. Unwritable: a read-only file or folder. Full: the
// disk is full.
enum class LogProblem { None, Missing, Damaged, TooNew, Busy, Unwritable, Full, Failed };

struct LogError {
    LogProblem problem = LogProblem::None;
    QString detail;   // SQLite's or the system's words, in English
};

// What an error of the SQLite driver means for the log.
LogError LogErrorOf(const QSqlError &error);

// One open practice log. The schema, every write and the connection are here; the
// queries that read it are in LogQueries.h.
//
// The file is SQLite in WAL mode with a busy timeout of a second (zrtool may have it
// open at the same moment); its schema version is PRAGMA user_version, and a file of
// an earlier version is brought up to date, step by step, when it is opened for
// writing.
class PracticeLog {
public:
    static constexpr int kSchemaVersion = 1;
    static constexpr int kBusyTimeoutMs = 1000;

    enum class Access {
        Read,    // an existing log of this version, as it is
        Write,   // created when missing or empty, brought up to date when older
    };

    // The runs a new log starts with, written in the transaction that creates it.
    using InitialRuns = std::function<QList<LoggedRun>()>;

    // Nothing, with the reason in error, when the log cannot be used.
    static std::unique_ptr<PracticeLog> open(const QString &path, Access access, LogError *error,
                                             const InitialRuns &initialRuns = {});
    ~PracticeLog();
    PracticeLog(const PracticeLog &) = delete;
    PracticeLog &operator=(const PracticeLog &) = delete;

    const QString &path() const { return path_; }
    // This opening made the schema (and wrote the initial runs).
    bool created() const { return created_; }

    // Appends runs with their key rows in one transaction, all or none; their ids are
    // set. The first write after opening runs SQLite's quick check first, and a log that
    // fails it is Damaged and not written.
    bool append(QList<LoggedRun> &runs, LogError *error);
    bool append(LoggedRun &run, LogError *error);

    // PRAGMA integrity_check: true when it says "ok".
    bool integrityOk() const;

    // The connection, for the queries.
    QSqlDatabase database() const;

private:
    PracticeLog(const QString &path, const QString &connection);
    bool writeRuns(QList<LoggedRun> &runs, LogError *error);

    QString path_;
    QString connection_;
    bool created_ = false;
    bool checked_ = false;
};

// Moves a damaged log aside, with the WAL files that belong to it, as
// "practice.sqlite.damaged-YYYYMMDD-hhmmss" (local time; "-2", "-3"... are added when
// that name is taken). Nothing is deleted or overwritten. Returns the new path, or
// nothing with the reason in error.
std::optional<QString> MoveDamagedLogAside(const QString &path, QString *error);

}  // namespace zr
