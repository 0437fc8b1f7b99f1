#include "practicelog/LoggedRun.h"

#include "platform/Cp932.h"
#include "platform/Format.h"
#include "platform/OleDate.h"
#include "results/TrainingResult.h"

#include <QRegularExpression>

namespace zr {
namespace {

struct KindName {
    RunKind kind;
    const char16_t *name;
};
constexpr KindName kKindNames[] = {
    {RunKind::Training, u"training"}, {RunKind::Word, u"word"},          {RunKind::Sentence, u"sentence"},
    {RunKind::Weak, u"weak"},         {RunKind::DayTotal, u"day-total"},
};

}  // namespace

QString RunKindName(RunKind kind)
{
    for (const KindName &k : kKindNames) {
        if (k.kind == kind)
            return QString::fromUtf16(k.name);
    }
    return {};
}

std::optional<RunKind> RunKindFromName(QStringView name)
{
    for (const KindName &k : kKindNames) {
        if (name == QStringView(k.name))
            return k.kind;
    }
    return std::nullopt;
}

QChar LoggedKey::key() const
{
    return charFromAnsiKeyCode(code);
}

QList<LoggedKey> KeysOfRun(const KeyStats &stats)
{
    QList<LoggedKey> keys;
    for (int code = KeyStats::kFirstCode; code <= KeyStats::kLastCode; ++code) {
        const KeyStat *s = stats.at(code);
        // Codes 128 to 160 are no key; the practice screens never fill them.
        if (charFromAnsiKeyCode(code).isNull())
            continue;
        if (s->hits > 0 || s->misses > 0)
            keys.append({code, s->hits, s->misses, s->milliseconds});
    }
    return keys;
}

QString ChapterTitle(int lesson)
{
    return QStringLiteral("Chapter") + NumberText(lesson);
}

QDateTime UtcOfLocalOle(double oleDateTime)
{
    const QDateTime local = dateTimeFromOle(oleDateTime);
    return local.isValid() ? local.toUTC() : QDateTime();
}

LoggedRun RunOfResult(const ResultFigures &figures, const KeyStats &stats, double endedAt, double today)
{
    LoggedRun run;
    run.ended = UtcOfLocalOle(endedAt);
    run.started = UtcOfLocalOle(endedAt - figures.TTime);
    run.date = dateFromOle(today);
    run.kind = figures.kind;
    run.itemKind = figures.kind;
    run.item = figures.item;
    run.title = figures.title;
    run.file = figures.file;
    run.units = figures.CCh;
    run.hits = figures.hits;
    run.misses = figures.misses;
    run.seconds = figures.TTime * 86400.0;
    // The very functions whose results the advice text prints.
    run.speed = RunSpeed(figures.CCh, figures.TTime);
    run.accuracy = RunAccuracy(figures.hits, figures.misses);
    run.passed = figures.passed;
    run.aimedKeys = figures.aimedKeys;
    run.keys = KeysOfRun(stats);
    return run;
}

namespace {

void putDigits(char *at, int value, int digits)
{
    for (int i = digits - 1; i >= 0; --i, value /= 10)
        at[i] = char('0' + value % 10);
}

}  // namespace

QString IsoDateText(const QDate &date)
{
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return date.toString(Qt::ISODate);
    char text[] = "0000-00-00";
    putDigits(text, date.year(), 4);
    putDigits(text + 5, date.month(), 2);
    putDigits(text + 8, date.day(), 2);
    return QString::fromLatin1(text, 10);
}

QString IsoUtcText(const QDateTime &time)
{
    if (!time.isValid())
        return {};
    // By hand: the format parsers of QDateTime::toString and asprintf cost more than the
    // rest of a log write.
    const QDateTime utc = time.toUTC();
    const QDate d = utc.date();
    const QTime t = utc.time();
    if (d.year() < 1 || d.year() > 9999)
        return utc.toString(Qt::ISODate);
    char text[] = "0000-00-00T00:00:00Z";
    putDigits(text, d.year(), 4);
    putDigits(text + 5, d.month(), 2);
    putDigits(text + 8, d.day(), 2);
    putDigits(text + 11, t.hour(), 2);
    putDigits(text + 14, t.minute(), 2);
    putDigits(text + 17, t.second(), 2);
    return QString::fromLatin1(text, 20);
}

std::optional<QDateTime> ParseIsoUtc(QStringView text)
{
    // A time without a zone would be read as local time, which the log never writes.
    static const QRegularExpression iso(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}(:\\d{2}(\\.\\d{1,3})?)?(Z|[+-]\\d{2}:\\d{2})$"));
    if (!iso.match(text).hasMatch())
        return std::nullopt;
    const QDateTime time = QDateTime::fromString(text.toString(), Qt::ISODate);
    if (!time.isValid())
        return std::nullopt;
    return time.toUTC();
}

}  // namespace zr
