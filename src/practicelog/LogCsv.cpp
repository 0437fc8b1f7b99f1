#include "practicelog/LogCsv.h"

#include "platform/BinaryIO.h"
#include "platform/Cp932.h"
#include "platform/Format.h"
#include "practicelog/LogQueries.h"

#include <QDir>
#include <QHash>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>

namespace zr {

const char kRunsCsvHeader[] = "run_id,started,date,kind,item,title,units,hits,misses,seconds,speed_cpm,accuracy,passed";
const char kKeysCsvHeader[] = "run_id,key,hits,misses,ms";

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// A count or a time as plainly as it goes: 120, 89.5, at most three decimals.
QString decimalText(double value)
{
    QString text = QString::number(value, 'f', 3);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text == u"-0" ? QStringLiteral("0") : text;
}

struct CsvRecord {
    int line = 0;
    QStringList fields;
};

// RFC 4180 records; blank lines are skipped. Nothing, with the line in error, for a
// quote left open or a stray quote in an unquoted field.
std::optional<QList<CsvRecord>> parseCsv(const QString &text, QString *error)
{
    QList<CsvRecord> records;
    CsvRecord record;
    QString field;
    int line = 1;
    record.line = 1;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto endRecord = [&] {
        record.fields.append(field);
        field.clear();
        if (!(record.fields.size() == 1 && record.fields.first().isEmpty()))
            records.append(record);
        record = CsvRecord{};
    };
    bool atFieldStart = true;
    while (i < n) {
        const QChar c = text[i];
        if (atFieldStart && c == u'"') {
            // A quoted field: up to the quote that is not doubled.
            ++i;
            for (;;) {
                if (i >= n) {
                    *error = QStringLiteral("line %1: a quoted field is not closed").arg(record.line);
                    return std::nullopt;
                }
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (text[i] == u'\n')
                    ++line;
                field += text[i++];
            }
            if (i < n && text[i] != u',' && text[i] != u'\r' && text[i] != u'\n') {
                *error = QStringLiteral("line %1: text after the closing quote of a field").arg(line);
                return std::nullopt;
            }
            atFieldStart = false;
            continue;
        }
        if (c == u',') {
            record.fields.append(field);
            field.clear();
            atFieldStart = true;
            ++i;
        } else if (c == u'\r' || c == u'\n') {
            i += (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ? 2 : 1;
            endRecord();
            record.line = ++line;
            atFieldStart = true;
        } else if (c == u'"') {
            *error = QStringLiteral("line %1: a double quote in a field that is not quoted").arg(line);
            return std::nullopt;
        } else {
            field += c;
            atFieldStart = false;
            ++i;
        }
    }
    if (!field.isEmpty() || !record.fields.isEmpty())
        endRecord();
    return records;
}

std::optional<QString> decodeUtf8(const QByteArray &bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(view);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// The records of one file after its header, which must be exactly the expected one.
std::optional<QList<CsvRecord>> recordsOf(const QByteArray &bytes, const char *name, const char *header, QString *error)
{
    const std::optional<QString> text = decodeUtf8(bytes);
    if (!text) {
        *error = QStringLiteral("%1: not UTF-8 text").arg(QString::fromLatin1(name));
        return std::nullopt;
    }
    QString why;
    std::optional<QList<CsvRecord>> records = parseCsv(*text, &why);
    if (!records) {
        *error = QString::fromLatin1(name) + QStringLiteral(": ") + why;
        return std::nullopt;
    }
    const QStringList expected = QString::fromLatin1(header).split(u',');
    if (records->isEmpty() || records->first().fields != expected) {
        *error = QStringLiteral("%1: the columns must be %2").arg(QString::fromLatin1(name), QString::fromLatin1(header));
        return std::nullopt;
    }
    records->removeFirst();
    for (const CsvRecord &r : *records) {
        if (r.fields.size() != expected.size()) {
            *error = QStringLiteral("%1 line %2: %3 fields, not %4")
                         .arg(QString::fromLatin1(name))
                         .arg(r.line)
                         .arg(r.fields.size())
                         .arg(expected.size());
            return std::nullopt;
        }
    }
    return records;
}

// Reads the fields of one record, remembering the first that is wrong.
class FieldReader {
public:
    FieldReader(const char *file, const CsvRecord &record) : file_(file), record_(record) {}

    const QString &text(int column) const { return record_.fields[column]; }
    qint64 integer(int column, const char *name, qint64 min)
    {
        bool ok = false;
        const qint64 v = text(column).toLongLong(&ok);
        if (!ok || v < min)
            bad(name, min == 0 ? "a whole number of 0 or more" : "a whole number of 1 or more");
        return v;
    }
    double number(int column, const char *name, bool mayBeNegative = false)
    {
        bool ok = false;
        const double v = text(column).toDouble(&ok);
        if (!ok || !std::isfinite(v) || (!mayBeNegative && v < 0))
            bad(name, mayBeNegative ? "a number" : "a number of 0 or more");
        return ok && std::isfinite(v) ? v : 0;
    }
    void bad(const char *name, const char *what)
    {
        if (error_.isEmpty())
            error_ = QStringLiteral("%1 line %2: %3 must be %4, not \"%5\"")
                         .arg(QString::fromLatin1(file_))
                         .arg(record_.line)
                         .arg(QString::fromLatin1(name), QString::fromLatin1(what), currentText_);
    }
    void at(int column) { currentText_ = text(column); }
    const QString &error() const { return error_; }
    int line() const { return record_.line; }

private:
    const char *file_;
    const CsvRecord &record_;
    QString currentText_;
    QString error_;
};

}  // namespace

QString CsvField(const QString &text)
{
    const bool quote = text.contains(u',') || text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n')
                       || text.startsWith(u' ') || text.endsWith(u' ');
    if (!quote)
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QStringList RunCsvFields(const LoggedRun &r)
{
    return {
            QString::number(r.id),
            IsoUtcText(r.started),
            r.date.toString(Qt::ISODate),
            RunKindName(r.kind),
            QString::number(r.item),
            r.title,
            decimalText(r.units),
            decimalText(r.hits),
            decimalText(r.misses),
            decimalText(r.seconds),
            FormatNumber(r.speed, u"##0.0"),
            // The result screen's rounding, with the sign its format leaves out.
            FormatNumber(r.accuracy, u"0"),
            r.passed ? QString(*r.passed ? u'1' : u'0') : QString(),
    };
}

QByteArray RunsCsv(const QList<LoggedRun> &runs)
{
    QString text = QString::fromLatin1(kRunsCsvHeader) + kCrLf;
    for (const LoggedRun &r : runs) {
        QStringList fields = RunCsvFields(r);
        for (QString &field : fields)
            field = CsvField(field);
        text += fields.join(u',') + kCrLf;
    }
    return text.toUtf8();
}

QByteArray KeysCsv(const QList<std::pair<qint64, LoggedKey>> &rows)
{
    QString text = QString::fromLatin1(kKeysCsvHeader) + kCrLf;
    for (const auto &[run, k] : rows) {
        text += QString::number(run) + u',' + CsvField(QString(k.key())) + u',' + decimalText(k.hits) + u','
                + decimalText(k.misses) + u',' + decimalText(k.ms) + kCrLf;
    }
    return text.toUtf8();
}

bool ExportLogCsv(const PracticeLog &log, const QString &folder, QString *error)
{
    LogError e;
    const auto runs = ListRuns(log, RunFilter{}, &e);
    const auto keys = runs ? AllKeyRows(log, &e) : std::nullopt;
    if (!runs || !keys) {
        *error = e.detail;
        return false;
    }
    // Both texts first, so that a failure to read leaves neither file changed.
    const QByteArray runsText = RunsCsv(*runs);
    const QByteArray keysText = KeysCsv(*keys);
    const QDir dir(folder);
    return writeFileAtomically(dir.filePath(QString::fromLatin1(kRunsCsvName)), runsText, error)
           && writeFileAtomically(dir.filePath(QString::fromLatin1(kKeysCsvName)), keysText, error);
}

std::optional<QList<LoggedRun>> ParseLogCsv(const QByteArray &runsCsv, const QByteArray &keysCsv, QString *error)
{
    const auto runRecords = recordsOf(runsCsv, kRunsCsvName, kRunsCsvHeader, error);
    if (!runRecords)
        return std::nullopt;
    const auto keyRecords = recordsOf(keysCsv, kKeysCsvName, kKeysCsvHeader, error);
    if (!keyRecords)
        return std::nullopt;

    QList<LoggedRun> runs;
    QHash<qint64, qsizetype> byId;
    for (const CsvRecord &record : *runRecords) {
        FieldReader f(kRunsCsvName, record);
        LoggedRun r;
        f.at(0);
        const qint64 id = f.integer(0, "run_id", 1);
        f.at(1);
        const std::optional<QDateTime> started = ParseIsoUtc(f.text(1));
        if (!started)
            f.bad("started", "an ISO 8601 time with its zone");
        f.at(2);
        r.date = QDate::fromString(f.text(2), Qt::ISODate);
        if (f.text(2).size() != 10 || !r.date.isValid())
            f.bad("date", "a date YYYY-MM-DD");
        f.at(3);
        const std::optional<RunKind> kind = RunKindFromName(f.text(3));
        if (!kind)
            f.bad("kind", "training, word, sentence, weak or day-total");
        f.at(4);
        r.item = int(f.integer(4, "item", 0));
        if (r.item > 9999)
            f.bad("item", "a Chapter or slot number");
        r.title = f.text(5);
        f.at(6);
        r.units = f.number(6, "units");
        f.at(7);
        r.hits = f.number(7, "hits");
        f.at(8);
        r.misses = f.number(8, "misses");
        f.at(9);
        r.seconds = f.number(9, "seconds");
        f.at(10);
        r.speed = f.number(10, "speed_cpm");
        f.at(11);
        r.accuracy = f.number(11, "accuracy", true);
        f.at(12);
        if (f.text(12) == u"1")
            r.passed = true;
        else if (f.text(12) == u"0")
            r.passed = false;
        else if (!f.text(12).isEmpty())
            f.bad("passed", "1, 0 or empty");
        if (!f.error().isEmpty()) {
            *error = f.error();
            return std::nullopt;
        }
        if (byId.contains(id)) {
            *error = QStringLiteral("%1 line %2: run_id %3 is there twice").arg(QString::fromLatin1(kRunsCsvName)).arg(record.line).arg(id);
            return std::nullopt;
        }
        r.started = *started;
        r.ended = r.started.addMSecs(qint64(std::llround(std::min(r.seconds, 1e12) * 1000)));
        r.kind = *kind;
        // The files do not say whose history a day total belongs to; a Chapter's title
        // does.
        r.itemKind = r.kind != RunKind::DayTotal ? r.kind
                     : r.title == ChapterTitle(r.item) ? RunKind::Training
                                                       : RunKind::DayTotal;
        byId.insert(id, runs.size());
        runs.append(r);
    }

    QList<QSet<int>> seen(runs.size());
    for (const CsvRecord &record : *keyRecords) {
        FieldReader f(kKeysCsvName, record);
        f.at(0);
        const qint64 id = f.integer(0, "run_id", 1);
        f.at(1);
        const QString keyText = f.text(1);
        const int code = keyText.size() == 1 ? ansiKeyCode(keyText.front()) : -1;
        if (code < KeyStats::kFirstCode || code > KeyStats::kLastCode)
            f.bad("key", "one key character (a letter, a symbol, a half-width katakana or a blank)");
        LoggedKey k;
        k.code = code;
        f.at(2);
        k.hits = f.number(2, "hits");
        f.at(3);
        k.misses = f.number(3, "misses");
        f.at(4);
        k.ms = f.number(4, "ms");
        if (!f.error().isEmpty()) {
            *error = f.error();
            return std::nullopt;
        }
        const auto run = byId.constFind(id);
        if (run == byId.constEnd()) {
            *error = QStringLiteral("%1 line %2: run %3 is not in %4")
                         .arg(QString::fromLatin1(kKeysCsvName))
                         .arg(record.line)
                         .arg(id)
                         .arg(QString::fromLatin1(kRunsCsvName));
            return std::nullopt;
        }
        if (seen[*run].contains(code)) {
            *error = QStringLiteral("%1 line %2: key \"%3\" of run %4 is there twice")
                         .arg(QString::fromLatin1(kKeysCsvName))
                         .arg(record.line)
                         .arg(keyText)
                         .arg(id);
            return std::nullopt;
        }
        seen[*run].insert(code);
        runs[*run].keys.append(k);
    }
    for (LoggedRun &r : runs)
        std::sort(r.keys.begin(), r.keys.end(), [](const LoggedKey &a, const LoggedKey &b) { return a.code < b.code; });
    return runs;
}

}  // namespace zr
