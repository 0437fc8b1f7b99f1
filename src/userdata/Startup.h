#pragma once

#include "engine/RomajiTable.h"
#include "userdata/UserRecord.h"
#include "userdata/Users.h"

#include <QList>
#include <QString>

#include <optional>

namespace zr {

// Copies every file matching a wildcard pattern ("user/*.*") into a folder, replacing
// files of the same name. "*.*" matches every file, with or without an extension.
// Each copy is written beside its target and renamed over it, so a target is never
// half-written.
bool CopyFiles(const QString &sourcePattern, const QString &destinationFolder, QString *error);

// The move of the single-learner layout ("user/user.dat" directly in "user") into
// "user/user01", with a second copy in "UserBackup". Only when "user/user01" does not
// exist yet. The files in "user" are deleted only after both copies are complete.
enum class LegacyMove { NotNeeded, Moved, Failed };
LegacyMove MoveLegacyLayout(QString *error);

// The default romaji table of a course, from the installation folder.
std::optional<QList<RomajiEntry>> ReadCourseDefaultTable(int course, QString *error);

// Whether a learner's table has the default table's kana, row for row from row 0.
bool TableMatchesDefault(const RomajiTable &table, const QList<RomajiEntry> &defaults);

// The default table with the learner's choices among the alternative spellings carried
// over (romaji course only; the kana course has none).
RomajiTable RebuildRomajiTable(const RomajiTable &old, const QList<RomajiEntry> &defaults,
                               int course);

// Converts the old record (format 3, 4 or 5) in a learner folder to the current layout
// and rewrites its "user.dat". Records missing at the end read as zeros there; a record
// cut within its header is refused and left as it is, as is any record when the
// conversion needs a file it cannot read (the default table for format 5).
std::optional<UserRecord> ConvertUserFolder(const QString &folder, QString *error);

// What to tell the learner about a record that is not damaged but cannot be used now:
// a file that could not be opened (with the system's reason), or an old record left
// unconverted (with what stands in the way, such as a missing table file).
QString UnusableRecordNotice(const UserFile &file);

// The name in an old or current record's header, for the conversion windows.
QString StoredUserName(const QString &folder);

// The windows of the start-up check: one per old layout, each converting the folder
// (normally with ConvertUserFolder) before it closes.
class ConversionWindows {
public:
    virtual ~ConversionWindows() = default;
    virtual void showConversion(int version, const QString &folder) = 0;
};

// The start-up check of every learner folder: old records are handed to their
// conversion window; a current record whose romaji table does not fit the installed
// default table is offered a rebuilt table. EndProgram when the person chose to stop
// rather than have a table rebuilt; nothing has been written then.
enum class CheckResult { Continue, EndProgram };
CheckResult CheckUserFolders(ConversionWindows &windows);

}  // namespace zr
