#pragma once

#include "userdata/UserRecord.h"

#include <QHash>
#include <QString>

#include <array>

namespace zr {

// The twenty problem-file slots of a learner as the problem-file dialog edits them:
// index 0 to 9 are word slots 1 to 10 ("WordLsn", ".zrd"), 10 to 19 sentence slots 1
// to 10 ("SSentLsn", ".zrw").
inline constexpr int kProblemSlots = 20;
bool IsWordSlot(int index);
QString SlotSection(int index);
int SlotNumber(int index);   // 1 to 10

// The name a chosen file is registered under. Below the installation folder it is the
// path relative to it, with backslashes and in lower case ("resource\zr.zrd"), as the
// settings have always named shipped files. Anywhere else (the learner's own problem
// folder) it is the full path as it is: a Linux path is case-sensitive.
QString RegisteredProblemName(const QString &chosenPath, const QString &appDir);

// Why a registered name cannot be kept in "user.ini" (a control character, a character
// code page 932 lacks, more than 254 bytes, a backslash in a full path, which would read
// back as a folder separator), naming it; empty when it can.
QString UnstorableProblemName(const QString &name);

// Two registered names name the same file: relative names compare without regard to
// case, full paths exactly.
bool SameProblemName(const QString &a, const QString &b);

// The file in the learner's folder that keeps the history of a registered file while
// the dialog is open. A plain relative name keeps the traditional derivation (the last
// three characters become "dat", lower case, "resource\" removed: resource\zr.zrd parks
// in zr.dat). Anything else (a full path, a folder below resource, "..", control
// characters, a name that would land on user.dat) parks under a name made of the
// file's own name and a hash of the whole registered name, so it is always a plain file
// name inside the learner's folder and different names never share it.
QString ParkingFileName(const QString &registeredName);

// Whether a chosen file can go into a slot of its kind: readable, the extension of the
// kind, the whole record present and at least one word or problem line. On success
// title holds the file's cleaned title; otherwise message says what is wrong, naming
// the file.
bool CheckProblemFile(const QString &path, bool word, QString *title, QString *message);

class ProblemSlots {
public:
    struct Slot {
        QString name;
        QString title;
    };

    // Reads the twenty slots from the folder's "user.ini" and parks the history of
    // every registered file, in a parking file and in memory. Fails, with error naming
    // the file and the reason, when the settings file is there but cannot be read (no
    // permission, not a plain file, too large): its slots are not known then, and
    // nothing is parked or written.
    bool open(const QString &userFolder, const UserRecord &record, QString *error = nullptr);
    bool isOpen() const { return open_; }

    const Slot &slot(int index) const { return slots_[size_t(index)]; }

    // Another slot of the same kind holding the name, or -1.
    int duplicateOf(int index, const QString &name) const;

    // Puts a file into a free slot; an occupied slot is left as it is (false).
    bool place(int index, const QString &name, const QString &title);
    void release(int index);

    // Stores the slots: each registered file's history goes into its slot (from this
    // visit's parking, else from a parking file an earlier visit left, else empty), a
    // free slot starts empty. The slot keys are written first, in one rewrite of
    // "user.ini"; only then is the record saved to "user.dat", and should that fail the
    // settings file is put back as it was. Parking files consumed are removed, the
    // others stay. On failure nothing the learner sees has changed and error says why.
    bool commit(UserRecord &record, QString *error);

private:
    QString parkingPath(const QString &name) const;
    static QString memoryKey(bool word, const QString &name);

    QString folder_;
    bool open_ = false;
    std::array<Slot, kProblemSlots> slots_;
    QHash<QString, ScoreRecord> parked_;
};

// The learner's own problem folder, <data folder>/problems, created when missing.
QString LearnerProblemFolder();

}  // namespace zr
