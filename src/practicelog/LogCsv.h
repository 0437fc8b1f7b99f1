#pragma once

#include "practicelog/PracticeLog.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace zr {

// The two CSV files a log is exported to and imported from: UTF-8, a header line,
// RFC 4180 quoting, CR LF line ends.
//   runs.csv  run_id,started,date,kind,item,title,units,hits,misses,seconds,speed_cpm,accuracy,passed
//   keys.csv  run_id,key,hits,misses,ms
// started is ISO 8601 UTC, date YYYY-MM-DD, passed 1, 0 or empty; key is the character
// itself (a blank for the space bar), ms the milliseconds of all its hits. Speed and
// accuracy are written as the result screens write them (48.0, 93).
inline constexpr char kRunsCsvName[] = "runs.csv";
inline constexpr char kKeysCsvName[] = "keys.csv";
extern const char kRunsCsvHeader[];
extern const char kKeysCsvHeader[];

// One field, quoted when it holds a comma, a double quote, a line break or a blank at
// either end.
QString CsvField(const QString &text);

// The fields of a run as runs.csv writes them, before quoting.
QStringList RunCsvFields(const LoggedRun &run);

QByteArray RunsCsv(const QList<LoggedRun> &runs);
QByteArray KeysCsv(const QList<std::pair<qint64, LoggedKey>> &rows);

// Writes both files of the log into folder (which must exist), each replaced whole.
bool ExportLogCsv(const PracticeLog &log, const QString &folder, QString *error);

// The runs of a pair of such files, each with its key rows, ready to be appended under
// new ids. Nothing, with the file, line and reason in error, when anything in either
// file is not as written above: other columns, a bad value, a run id twice, a key row
// whose run is not in runs.csv.
std::optional<QList<LoggedRun>> ParseLogCsv(const QByteArray &runsCsv, const QByteArray &keysCsv, QString *error);

}  // namespace zr
