#pragma once

#include <QList>
#include <QString>

namespace zr {

// A settings file larger than this is not a settings file; it is not read.
inline constexpr qint64 kMaxIniFileBytes = 1024 * 1024;

// The settings files ("user.ini") are INI files: "[Section]" lines, then "Key=Value"
// lines. Section and key names compare without regard to case, lines the program does
// not touch stay byte for byte as they were, and a write creates the file and the
// section when they are missing. Text is code page 932.

// Reads the value of key in section into value. When the key is missing the default is
// taken instead. The value is cut to bufferSize - 1 bytes, as a caller's buffer of
// that size would hold it (callers pass 255, so values keep at most 254 bytes).
// Returns the number of bytes stored; 0 means nothing was found or the value is empty.
int GetIniString(const QString &section, const QString &key, const QString &defaultValue,
                 QString &value, int bufferSize, const QString &file);

// Writes key=value into section, replacing the key's line when the key exists (its
// spelling in the file is kept). The file is replaced atomically. A value keeps to one
// line: control characters in it are written as blanks. Returns false, with the reason
// in error, when nothing was written: a section or key name that could not be read back
// as itself (control characters, "]" in a section, "=" in a key, empty), a file that
// exists but could not be read whole (it is never replaced then), or a failed write.
// The settings reader goes on with its defaults either way.
bool SetIniString(const QString &section, const QString &key, const QString &value,
                  const QString &file, QString *error = nullptr);

// Several writes of SetIniString, in their order, as one replacement of the file: the
// file ends as the writes one after the other would leave it, but is rewritten once (or
// not at all when nothing changes). When any name cannot be written, nothing is.
struct IniEntry {
    QString section;
    QString key;
    QString value;
};
bool SetIniStrings(const QList<IniEntry> &entries, const QString &file, QString *error = nullptr);

}  // namespace zr
