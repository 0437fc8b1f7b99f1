#pragma once

#include "userdata/UserRecord.h"

#include <QList>
#include <QLockFile>
#include <QString>

#include <optional>

namespace zr {

// Why a learner's record cannot be used.
enum class RecordProblem {
    None,
    Missing,          // the folder has no "user.dat"
    Unreadable,       // the file cannot be opened
    Truncated,        // the file ends within the record's header
    OldLayout,        // format 3, 4 or 5 that was not converted
    UnknownVersion,   // not a record of any layout the program knows
    NoName,
    BadCourse,        // neither the romaji nor the kana course
    BadProgress,      // a Chapter outside 0..70
    BadTimes,         // a time, date or count that is not a valid value
};

// A learner folder's "user.dat" as read, with what, if anything, is wrong with it.
struct UserFile {
    QString folder;
    UserRecord record;
    RecordProblem problem = RecordProblem::None;
    QString detail;   // the system's reason when the file could not be opened

    bool usable() const { return problem == RecordProblem::None; }
    // The learner's name, or the folder's name when the record has none.
    QString label() const;
};

UserFile ReadUserFile(const QString &folder);

// Saves a learner's record to folder/user.dat; every save of a learner's record goes
// through here. A file there that does not read whole as a record of its format (cut
// short, or a damaged string length that runs past its end) held more than the record
// that was read from it: before it is replaced it is kept beside it as it is, as
// "user.dat.damaged-YYYYMMDD-hhmmss" (local time), and the learner is told once where.
// When that copy cannot be made nothing is saved, and error says why.
bool SaveUserFile(const QString &folder, const UserRecord &record, QString *error);

// The checks ReadUserFile makes on a record it could read completely: the header fields
// and every time value and count.
RecordProblem CheckUserRecord(const UserRecord &record);

// One sentence for the person about a problem.
QString RecordProblemText(RecordProblem problem);

// Whether a problem means damaged data, for which deleting the learner is offered. A file
// that could not be opened and an old record still to be converted are left alone.
bool OffersDeletion(RecordProblem problem);

// The name rule of the new-user wizard: 4 to 20 bytes in code page 932 (two to ten
// full-width characters), and only characters the code page can store.
inline constexpr int kMinNameBytes = 4;
inline constexpr int kMaxNameBytes = 20;
bool NameLengthOk(QStringView name);
// The characters of name that code page 932 cannot store, each once.
QString UnstorableCharacters(QStringView name);

// "NG" when a learner of that name and course exists already, otherwise "OK". The same
// name in the other course is allowed.
QString UserColChk(const QString &name, int course);

// The folder a new learner goes to: the lowest slot without a folder; empty when all
// ten slots are taken.
QString FreeUserFolder();

// What the wizard asked for.
struct NewUserChoices {
    QString name;
    int course = 0;
    int targetSpeed = 40;
    QList<int> spellings;   // chosen spelling (0 or 1) per entry of SpellingAlternatives()
};

// Creates a learner in folder mkPath: the folder, a seeded "user.ini" with the default
// problem files and the target speed, and "user.dat" with the course's default romaji
// table (the chosen spellings applied in the romaji course). Then the learner is
// current. Nothing is left behind when it fails: the default table is read before
// anything is written, and a folder made here is removed again.
std::optional<UserRecord> WriteNewUser(const QString &mkPath, const NewUserChoices &choices,
                                       QString *error);

// Makes a learner current: the shared record and folder. A learner who brought only
// "user.dat" gets the default problem files. The learner's record is locked for as long
// as the learner stays current, and temporaries of saves that were cut off are removed.
void MakeCurrentUser(const QString &folder, const UserRecord &record);

// The lock on a learner's record (UserLockPath). The program holds it while the learner
// is current, zrtool while it updates the record, so neither writes over the other's
// changes. A lock left by a process that has ended is taken over.
class UserRecordLock {
public:
    explicit UserRecordLock(const QString &folder);
    bool tryLock(int timeoutMs);
    // After a failed tryLock: true when another process holds the lock, false when the
    // lock file could not be made at all (a read-only folder, say).
    bool heldElsewhere() const { return lock_.error() == QLockFile::LockFailedError; }
    const QString &folder() const { return folder_; }
    // "process 123" of the holder, for a message; empty when unknown.
    QString holder() const;

private:
    QString folder_;
    QLockFile lock_;
};

// Asks whether to delete a learner's data; on Yes removes the folder with its files.
// True when the folder is gone.
bool DeleteUserFolder(const QString &folder, const QString &name);

// Removes a learner folder with its files, without asking. The folder is first renamed
// out of its slot, so a failure part-way never leaves a half-deleted learner behind.
bool RemoveUserFolder(const QString &folder, QString *error);

}  // namespace zr
