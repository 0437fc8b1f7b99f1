#pragma once

#include <QString>

namespace zr {

// Reads a setting of a learner's "user.ini". An empty or missing value is replaced by
// its default, which is then written into the file, so the file grows to its full
// content by use.
QString ReadUserSetting(const QString &section, const QString &key, const QString &file);

// The default of a setting (sections and keys compared exactly; anything the table
// does not list defaults to an empty value), written into the file and returned.
QString DefaultUserSetting(const QString &section, const QString &key, const QString &file);

// The default of a setting without writing it.
QString DefaultSettingValue(const QString &section, const QString &key);

// Registers problem file path (relative to the installation folder) in slot n of
// section ("WordLsn" or "SSentLsn") of the learner folder's "user.ini": "L"n = path,
// "LT"n = the file's title. An empty path clears both keys.
void RegisterProblemFile(const QString &section, int slot, const QString &path,
                         const QString &userFolder);

// The default problem files: four word dictionaries in word slots 1-4 and ten sentence
// sets in sentence slots 1-10; the other slots are cleared.
void RegisterDefaultProblemFiles(const QString &userFolder);

// The slot key names "L1".."L10" and "LT1".."LT10".
QString SlotPathKey(int slot);
QString SlotTitleKey(int slot);

}  // namespace zr
