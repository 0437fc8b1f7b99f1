#include "LogCommand.h"

#include "platform/BinaryIO.h"
#include "platform/Format.h"
#include "practicelog/LogCsv.h"
#include "practicelog/LogQueries.h"
#include "practicelog/PracticeLog.h"
#include "practicelog/ProgressQueries.h"
#include "platform/Clock.h"
#include "platform/OleDate.h"
#include "practice/WeakKeyPractice.h"
#include "userdata/UserRecord.h"
#include "userdata/ZRSub.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace zr {
namespace {

struct LogFailure {
    QString message;
};

[[noreturn]] void fail(const QString &message)
{
    throw LogFailure{message};
}

void write(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

void print(const QString &line)
{
    write(line.toUtf8() + '\n');
}

// A field of a TAB-separated line: TABs and line breaks would split it.
QString tabField(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() < 0x20)
            c = u' ';
    }
    return text;
}

// The log a FILE argument names: the file itself, or practice.sqlite in a folder.
QString logPath(const QString &file)
{
    return QFileInfo(file).isDir() ? PracticeLogPath(QDir(file).path()) : file;
}

QString problemText(const LogError &e)
{
    switch (e.problem) {
    case LogProblem::Missing: return QStringLiteral("no such file");
    case LogProblem::Damaged: return QStringLiteral("not a practice log, or a damaged one (%1); it is left as it is").arg(e.detail);
    case LogProblem::TooNew: return QStringLiteral("made by a later version of ZORVEL LESSON (%1); it is left as it is").arg(e.detail);
    case LogProblem::Busy: return QStringLiteral("another program has held it for more than a second; try again");
    case LogProblem::Unwritable: return QStringLiteral("cannot be written (%1)").arg(e.detail);
    case LogProblem::Full: return QStringLiteral("the disk is full");
    default: return e.detail;
    }
}

std::unique_ptr<PracticeLog> openLog(const QString &file, PracticeLog::Access access)
{
    const QString path = logPath(file);
    LogError error;
    std::unique_ptr<PracticeLog> log = PracticeLog::open(path, access, &error);
    if (!log)
        fail(path + QStringLiteral(": ") + problemText(error));
    return log;
}

// The positional arguments and whether each of the flags was given.
struct Parsed {
    QStringList positional;
    QStringList flags;
    QString since;
};

Parsed parse(const QStringList &args, const QStringList &flags, bool takesSince)
{
    Parsed p;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (flags.contains(args[i])) {
            p.flags << args[i];
        } else if (takesSince && args[i] == u"--since") {
            if (i + 1 >= args.size())
                fail(QStringLiteral("--since needs a date YYYY-MM-DD"));
            p.since = args[++i];
        } else if (args[i].startsWith(QStringLiteral("--")) && args[i].size() > 2) {
            fail(QStringLiteral("unknown option ") + args[i]);
        } else {
            p.positional << args[i];
        }
    }
    return p;
}

int runs(const QStringList &args)
{
    const Parsed p = parse(args, {"--csv"}, false);
    if (p.positional.size() != 1)
        fail(QStringLiteral("usage: zrtool log runs FILE [--csv]"));
    const auto log = openLog(p.positional[0], PracticeLog::Access::Read);
    LogError error;
    const auto list = ListRuns(*log, RunFilter{}, &error);
    if (!list)
        fail(log->path() + QStringLiteral(": ") + problemText(error));
    if (p.flags.contains(u"--csv")) {
        write(RunsCsv(*list));
        return 0;
    }
    // The same fields as the CSV file, one run a line, TAB-separated.
    for (const LoggedRun &r : *list) {
        QStringList fields = RunCsvFields(r);
        for (QString &field : fields)
            field = tabField(field);
        print(fields.join(u'\t'));
    }
    return 0;
}

int keys(const QStringList &args)
{
    const Parsed p = parse(args, {"--csv"}, true);
    if (p.positional.size() != 1)
        fail(QStringLiteral("usage: zrtool log keys FILE [--since YYYY-MM-DD] [--csv]"));
    std::optional<QDate> since;
    if (!p.since.isNull()) {
        const QDate date = QDate::fromString(p.since, Qt::ISODate);
        if (p.since.size() != 10 || !date.isValid())
            fail(QStringLiteral("--since needs a date YYYY-MM-DD, not ") + p.since);
        since = date;
    }
    const auto log = openLog(p.positional[0], PracticeLog::Access::Read);
    LogError error;
    const auto totals = KeyTotals(*log, since, &error);
    if (!totals)
        fail(log->path() + QStringLiteral(": ") + problemText(error));
    const bool csv = p.flags.contains(u"--csv");
    if (csv)
        write("key,hits,misses,accuracy,mean_ms\r\n");
    for (const KeyTotal &k : *totals) {
        const std::optional<double> accuracy = k.accuracy();
        const std::optional<double> mean = k.meanMs();
        const QStringList fields = {
            csv ? CsvField(QString(k.key())) : QString(k.key()),
            PlainNumberText(k.hits),
            PlainNumberText(k.misses),
            accuracy ? FormatNumber(*accuracy, u"0.0") : QString(),
            mean ? FormatNumber(*mean, u"0.0") : QString(),
        };
        if (csv)
            write(fields.join(u',').toUtf8() + "\r\n");
        else
            print(fields.join(u'\t'));
    }
    return 0;
}

// log weak: the keys weak-key practice would aim at for the learner whose folder holds
// the log (its course and Chapter reached come from "user.dat" beside it).
int weak(const QStringList &args, const QString &appDir)
{
    QStringList rest;
    int days = kWeakKeyDays;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--days") {
            bool ok = false;
            const int n = i + 1 < args.size() ? args[i + 1].toInt(&ok) : 0;
            if (!ok || n < 1 || n > 36500)
                fail(QStringLiteral("--days needs a number of days from 1 to 36500"));
            days = n;
            ++i;
        } else if (args[i].startsWith(QStringLiteral("--")) && args[i].size() > 2) {
            fail(QStringLiteral("unknown option ") + args[i]);
        } else {
            rest << args[i];
        }
    }
    if (rest.size() != 1)
        fail(QStringLiteral("usage: zrtool log weak FILE [--days N]"));
    const auto log = openLog(rest[0], PracticeLog::Access::Read);
    const QString record = UserDataPath(QFileInfo(log->path()).absolutePath());
    QString error;
    const std::optional<UserRecord> user = LoadUserRecord(record, &error);
    if (!user)
        fail(record + QStringLiteral(": the learner's record beside the log is needed for the keys learned (") + error + u')');
    const std::optional<QString> learned = LearnedKeysOfLearner(user->Course, user->LessonProgress, appDir, &error);
    if (!learned)
        fail(error);
    LogError logError;
    const auto weakest = WeakestKeys(*log, *learned, dateFromOle(Today()), &logError, days);
    if (!weakest)
        fail(log->path() + QStringLiteral(": ") + problemText(logError));
    if (weakest->isEmpty()) {
        std::fprintf(stderr, "zrtool: no learned key has %d presses in the last %d days yet\n", kPressesToJudge, days);
        return 0;
    }
    for (const KeyTotal &k : *weakest) {
        const std::optional<double> accuracy = k.accuracy();
        const std::optional<double> mean = k.meanMs();
        print(QStringList{QString(k.key()), PlainNumberText(k.presses()),
                          accuracy ? FormatNumber(*accuracy, u"0.0") : QString(),
                          mean ? FormatNumber(*mean, u"0.0") : QString()}
                  .join(u'\t'));
    }
    return 0;
}

int exportLog(const QStringList &args)
{
    const Parsed p = parse(args, {}, false);
    if (p.positional.size() != 2)
        fail(QStringLiteral("usage: zrtool log export FILE DIR"));
    const auto log = openLog(p.positional[0], PracticeLog::Access::Read);
    const QString dir = p.positional[1];
    if (!QDir().mkpath(dir))
        fail(dir + QStringLiteral(": cannot make the folder"));
    QString error;
    if (!ExportLogCsv(*log, dir, &error))
        fail(error);
    return 0;
}

int importLog(const QStringList &args)
{
    const Parsed p = parse(args, {}, false);
    if (p.positional.size() != 2)
        fail(QStringLiteral("usage: zrtool log import FILE DIR"));
    // Both files are read and checked whole before the log is touched.
    constexpr qint64 kMaxCsvBytes = 256 * 1024 * 1024;
    const QDir dir(p.positional[1]);
    QByteArray texts[2];
    const char *names[2] = {kRunsCsvName, kKeysCsvName};
    for (int i = 0; i < 2; ++i) {
        QString error;
        const auto bytes = readFileBounded(dir.filePath(QString::fromLatin1(names[i])), kMaxCsvBytes, &error);
        if (!bytes)
            fail(error);
        texts[i] = *bytes;
    }
    QString error;
    std::optional<QList<LoggedRun>> parsed = ParseLogCsv(texts[0], texts[1], &error);
    if (!parsed)
        fail(QDir::toNativeSeparators(dir.path()) + u'/' + error);
    const auto log = openLog(p.positional[0], PracticeLog::Access::Write);
    LogError writeError;
    if (!log->append(*parsed, &writeError))
        fail(log->path() + QStringLiteral(": ") + problemText(writeError) + QStringLiteral("; nothing was imported"));
    qsizetype keyRows = 0;
    for (const LoggedRun &r : *parsed)
        keyRows += r.keys.size();
    print(QStringLiteral("%1 runs and %2 key rows imported").arg(parsed->size()).arg(keyRows));
    return 0;
}

}  // namespace

int RunLogCommand(const QStringList &args, const QString &appDir)
{
    try {
        const QString what = args.value(0);
        const QStringList rest = args.mid(1);
        if (what == u"runs")
            return runs(rest);
        if (what == u"keys")
            return keys(rest);
        if (what == u"weak")
            return weak(rest, appDir);
        if (what == u"export")
            return exportLog(rest);
        if (what == u"import")
            return importLog(rest);
        fail(QStringLiteral("usage: zrtool log runs|keys|weak|export|import FILE ... (see zrtool --help)"));
    } catch (const LogFailure &f) {
        std::fprintf(stderr, "zrtool: %s\n", qUtf8Printable(f.message));
        return 2;
    }
}

}  // namespace zr
