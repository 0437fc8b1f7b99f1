#pragma once

#include "practicelog/LoggedRun.h"

#include <QString>

namespace zr {

class PracticeLog;

// The practice log of the current learner (ZRSub().CurUserDir), as the program keeps it.
// The log never costs a score: nothing here fails its caller. What goes wrong is told
// to the learner through the message boxes: a log that cannot be opened or written
// once per start of the program, a damaged log (moved aside, a new one started) each
// time it happens.

// Opens the log of the learner who has just become current. A learner without a log
// gets one, started with the day totals of the 15-day histories in "user.dat".
void OpenLearnerLog();

// The same once the program has nothing else to do (a zero timer): the learner sees
// the main window without waiting for the log, which for a learner of long standing
// is first started with up to 1350 day totals. Whatever needs the log before then
// opens it itself.
void OpenLearnerLogSoon();

// Lets go of the log (when the program ends or no learner is current).
void CloseLearnerLog();

// Appends a run whose result screen has just recorded it into the current learner's
// record and tried to save "user.dat". A log that was not open yet is opened first;
// if it has to be started now, its day totals leave out this run, which the record
// already holds. When "user.dat" could not be saved (recordSaved false), the learner
// has just been told so, and a failure of the log is not told on top of it.
void LogFinishedRun(LoggedRun run, bool recordSaved = true);

// The current learner's log when it is open (for the export and for tests).
const PracticeLog *LearnerLog();

// Writes runs.csv and keys.csv of the current learner's log into folder. False, with
// a sentence for the learner in error, when there is no log to export or the files
// cannot be written.
bool ExportLearnerLog(const QString &folder, QString *error);

// Forgets that a failure was told, as a new start of the program would.
void ForgetToldLogFailure();

}  // namespace zr
