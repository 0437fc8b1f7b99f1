#pragma once

#include "practicelog/LoggedRun.h"
#include "userdata/UserRecord.h"

#include <QList>
#include <QString>

namespace zr {

// The registration of a word or sentence slot in the learner's settings: its
// registered name ("L"n) and title ("LT"n). Read without writing anything.
struct SlotRegistration {
    QString file;
    QString title;
};
SlotRegistration ReadSlotRegistration(RunKind kind, int slot, const QString &iniFile);

// What a new log starts with: one day-total run for every stored day of the 15-day
// history of each Chapter, word slot and sentence slot of the record, oldest day
// first, without key rows. Slot titles and file names come from the settings file.
QList<LoggedRun> DayTotalRuns(const UserRecord &record, const QString &iniFile);

// Takes a run out of the day totals when its score update is already in the record and
// the run itself is logged beside them; a day left without hits goes.
void RemoveRunFromDayTotals(QList<LoggedRun> &dayTotals, const LoggedRun &run);

}  // namespace zr
