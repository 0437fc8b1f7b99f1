#pragma once

#include <QString>
#include <QStringList>

namespace zr {

// Turns a path as the program's files and settings write it ("resource\zr.zrd",
// "Resource\DefRmj.tbl") into a real path: backslashes become slashes, each component
// matches an existing entry without regard to case, and a relative path is taken
// against base. Components that do not exist yet are kept as written.
QString ResolvePath(const QString &base, const QString &path);

// The installation folder that holds "resource": the executable's folder in a build
// tree, <prefix>/share/zorvel-lesson beside <prefix>/bin when installed. Ends with "/".
QString FindAppDir(const QString &executableDir);

// The data folder for "user", "UserBackup" and "ZR.ini": the folder given with
// --data-dir, otherwise $XDG_DATA_HOME/zorvel-lesson. Ends with "/".
QString DefaultDataDir();

// The folder of the sounds that ship with the program, where the default sound for a
// wrong key lives: <AppDir>/resource/system.
QString SystemSoundFolder(const QString &appDir);

// Options of the command line.
struct CommandLine {
    QString dataDir;        // --data-dir DIR
    QString language;       // --lang ja|en
    bool help = false;      // --help
    bool version = false;   // --version
    QString error;          // an option the program does not know, or a missing value
};
CommandLine ParseCommandLine(const QStringList &arguments);

}  // namespace zr
