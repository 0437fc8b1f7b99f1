#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zr {
namespace {

QString withSlash(QString dir)
{
    if (!dir.endsWith(u'/'))
        dir.append(u'/');
    return dir;
}

}  // namespace

QString ResolvePath(const QString &base, const QString &path)
{
    QString p = path;
    p.replace(u'\\', u'/');
    QString current = p.startsWith(u'/') ? QStringLiteral("/") : withSlash(base);
    const QStringList parts = p.split(u'/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        QString chosen = part;
        if (part != u"." && part != u".." && !QFileInfo::exists(current + part)) {
            const QDir dir(current);
            const QStringList entries =
                dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            for (const QString &entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    chosen = entry;
                    break;
                }
            }
        }
        current += chosen;
        if (i + 1 < parts.size())
            current += u'/';
    }
    if (p.endsWith(u'/') && !current.endsWith(u'/'))
        current += u'/';
    return current;
}

QString FindAppDir(const QString &executableDir)
{
    const QString exe = withSlash(QDir::cleanPath(executableDir));
    if (QFileInfo(exe + QStringLiteral("resource")).isDir())
        return exe;
    const QString installed =
        withSlash(QDir::cleanPath(exe + QStringLiteral("../share/zorvel-lesson")));
    if (QFileInfo(installed + QStringLiteral("resource")).isDir())
        return installed;
    return exe;
}

QString DefaultDataDir()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return withSlash(base) + QStringLiteral("zorvel-lesson/");
}

QString SystemSoundFolder(const QString &appDir)
{
    return withSlash(appDir) + QStringLiteral("resource/system");
}

CommandLine ParseCommandLine(const QStringList &arguments)
{
    CommandLine cl;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == u"--help" || a == u"-h") {
            cl.help = true;
        } else if (a == u"--version") {
            cl.version = true;
        } else if (a == u"--data-dir") {
            if (i + 1 >= arguments.size()) {
                cl.error = QStringLiteral("--data-dir needs a folder");
                break;
            }
            cl.dataDir = arguments[++i];
        } else if (a.startsWith(QStringLiteral("--data-dir="))) {
            cl.dataDir = a.mid(11);
        } else if (a == u"--lang" || a.startsWith(QStringLiteral("--lang="))) {
            if (a == u"--lang" && i + 1 >= arguments.size()) {
                cl.error = QStringLiteral("--lang needs ja or en");
                break;
            }
            cl.language = a == u"--lang" ? arguments[++i] : a.mid(7);
            if (cl.language != u"ja" && cl.language != u"en") {
                cl.error = QStringLiteral("--lang takes ja or en, not ") + cl.language;
                break;
            }
        } else {
            cl.error = QStringLiteral("unknown option: ") + a;
            break;
        }
    }
    if (cl.error.isEmpty() && !cl.dataDir.isEmpty())
        cl.dataDir = withSlash(QDir(cl.dataDir).absolutePath());
    return cl;
}

}  // namespace zr
