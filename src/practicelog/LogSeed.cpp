#include "practicelog/LogSeed.h"

#include "platform/IniFile.h"
#include "platform/OleDate.h"
#include "results/ScoreRecord.h"
#include "userdata/UserSettings.h"

#include <QHash>

#include <algorithm>

namespace zr {
namespace {

void setFigures(LoggedRun &run)
{
    run.speed = Speed(run.units, run.seconds / 86400.0).value_or(0.0);
    run.accuracy = Accuracy(run.hits, run.misses).value_or(0.0);
}

}  // namespace

SlotRegistration ReadSlotRegistration(RunKind kind, int slot, const QString &iniFile)
{
    const QString section = kind == RunKind::Sentence ? QStringLiteral("SSentLsn") : QStringLiteral("WordLsn");
    SlotRegistration r;
    GetIniString(section, SlotPathKey(slot), QString(), r.file, 255, iniFile);
    GetIniString(section, SlotTitleKey(slot), QString(), r.title, 255, iniFile);
    return r;
}

QList<LoggedRun> DayTotalRuns(const UserRecord &record, const QString &iniFile)
{
    QList<LoggedRun> runs;
    // The start of a local day in UTC, once per date: the zone's rules are slow to ask.
    QHash<QDate, QDateTime> dayStarts;
    auto dayStart = [&](const QDate &date) {
        auto it = dayStarts.find(date);
        if (it == dayStarts.end())
            it = dayStarts.insert(date, QDateTime(date, QTime(0, 0)).toUTC());
        return *it;
    };
    auto addDays = [&](const ScoreRecord &score, RunKind itemKind, int item) {
        if (!score.practised())
            return;
        QString title, file;
        if (itemKind == RunKind::Training) {
            title = ChapterTitle(item);
        } else {
            const SlotRegistration slot = ReadSlotRegistration(itemKind, item, iniFile);
            title = slot.title;
            file = slot.file;
        }
        for (size_t d = 0; d < size_t(ScoreRecord::kDays); ++d) {
            const double date = score.DayDate[d];
            if (!(score.DayKeys[d] > 0) || date == 0 || !isValidOleDate(date))
                continue;
            LoggedRun run;
            run.kind = RunKind::DayTotal;
            run.itemKind = itemKind;
            run.item = item;
            run.title = title;
            run.file = file;
            run.date = dateFromOle(date);
            // A day total has no time of its own; it stands at the start of its day.
            run.started = dayStart(run.date);
            run.units = score.DayChars[d];
            run.hits = score.DayKeys[d];
            run.misses = score.DayMisses[d];
            run.seconds = score.DayTime[d] * 86400.0;
            run.ended = run.started.addSecs(qint64(run.seconds));
            // The day's figures as the history viewer shows them.
            run.speed = EntrySpeed(score, int(d) + 1).value_or(0.0);
            run.accuracy = EntryAccuracy(score, int(d) + 1).value_or(0.0);
            runs.append(run);
        }
    };
    for (int c = 1; c <= UserRecord::kChapters; ++c)
        addDays(record.TrainingScores[size_t(c - 1)], RunKind::Training, c);
    for (int s = 1; s <= UserRecord::kSlots; ++s)
        addDays(record.WordScores[size_t(s - 1)], RunKind::Word, s);
    for (int s = 1; s <= UserRecord::kSlots; ++s)
        addDays(record.SentenceScores[size_t(s - 1)], RunKind::Sentence, s);
    std::stable_sort(runs.begin(), runs.end(), [](const LoggedRun &a, const LoggedRun &b) { return a.date < b.date; });
    return runs;
}

void RemoveRunFromDayTotals(QList<LoggedRun> &dayTotals, const LoggedRun &run)
{
    for (qsizetype i = 0; i < dayTotals.size(); ++i) {
        LoggedRun &day = dayTotals[i];
        if (day.itemKind != run.kind || day.item != run.item || day.date != run.date)
            continue;
        day.units -= run.units;
        day.hits -= run.hits;
        day.misses -= run.misses;
        day.seconds -= run.seconds;
        if (day.hits <= 0) {
            dayTotals.removeAt(i);
        } else {
            day.ended = day.started.addSecs(qint64(day.seconds));
            setFigures(day);
        }
        return;
    }
}

}  // namespace zr
