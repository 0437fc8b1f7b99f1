#include "userdata/Startup.h"

#include "keyboard/KeyboardModel.h"
#include "keyboard/LessonTable.h"
#include "platform/BinaryIO.h"
#include "platform/MessageBox.h"
#include "userdata/Users.h"
#include "userdata/ZRSub.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace zr {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

void warn(const QString &text, const QString &title)
{
    ShowMessage({text, title, MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
}

}  // namespace

bool CopyFiles(const QString &sourcePattern, const QString &destinationFolder, QString *error)
{
    const QFileInfo pattern(sourcePattern);
    QString filter = pattern.fileName();
    if (filter == u"*.*")
        filter = QStringLiteral("*");
    const QDir source(pattern.path());
    const QFileInfoList files =
        source.entryInfoList({filter}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo &file : files) {
        // A learner's files are small; anything near this is not one of them.
        constexpr qint64 kMaxCopyBytes = 64 * 1024 * 1024;
        QString why;
        const std::optional<QByteArray> bytes = readFileBounded(file.filePath(), kMaxCopyBytes, &why);
        if (!bytes) {
            if (error)
                *error = why;
            return false;
        }
        const QString target = destinationFolder + u'/' + file.fileName();
        if (!writeFileAtomically(target, *bytes, &why)) {
            if (error)
                *error = QCoreApplication::translate("UserDataStartup", "「%1」を「%2」にコピーできません。%3")
                             .arg(native(file.filePath()), native(destinationFolder), why);
            return false;
        }
    }
    return true;
}

LegacyMove MoveLegacyLayout(QString *error)
{
    const QString root = ZRSub().DataDir + QStringLiteral("user");
    const QString first = UserFolder(1);
    if (!QFileInfo(root).isDir() || !QFileInfo(UserDataPath(root)).isFile()
        || QFileInfo::exists(first))
        return LegacyMove::NotNeeded;

    const QString all = root + QStringLiteral("/*.*");
    // user01 appears whole or not at all: filled under another name, then renamed.
    const QString staging = root + QStringLiteral("/.user01-moving");
    QDir(staging).removeRecursively();
    if (!QDir().mkpath(staging) || !CopyFiles(all, staging, error)) {
        QDir(staging).removeRecursively();
        return LegacyMove::Failed;
    }
    if (!QDir().rename(staging, first)) {
        QDir(staging).removeRecursively();
        if (error)
            *error = QCoreApplication::translate("UserDataStartup", "フォルダ「%1」を作れません。").arg(native(first));
        return LegacyMove::Failed;
    }

    const QString backup = ZRSub().DataDir + QStringLiteral("UserBackup");
    if (!QDir().mkpath(backup) || !CopyFiles(all, backup, error)) {
        // The files stay in "user" as they were; they are the backup then.
        return LegacyMove::Failed;
    }
    const QFileInfoList files = QDir(root).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &file : files)
        QFile::remove(file.filePath());
    return LegacyMove::Moved;
}

std::optional<QList<RomajiEntry>> ReadCourseDefaultTable(int course, QString *error)
{
    return ReadDefaultTable(AppPath(DefaultTableFile(course)), error);
}

bool TableMatchesDefault(const RomajiTable &table, const QList<RomajiEntry> &defaults)
{
    const qsizetype n = std::min<qsizetype>(defaults.size(), RomajiTable::kRows);
    for (qsizetype i = 0; i < n; ++i) {
        if (defaults[i].kana != table.row(int(i)).kana)
            return false;
    }
    return true;
}

RomajiTable RebuildRomajiTable(const RomajiTable &old, const QList<RomajiEntry> &defaults, int course)
{
    RomajiTable table;
    table.load(defaults);
    if (course != RomajiCourse)
        return table;
    for (const SpellingAlternative &alt : SpellingAlternatives()) {
        const std::optional<QString> keys = old.find(alt.kana);
        if (keys && *keys == alt.spelling[1])
            table.setSpelling(alt.kana, alt.spelling[1]);
        else if (keys && *keys == alt.spelling[0])
            table.setSpelling(alt.kana, alt.spelling[0]);
    }
    return table;
}

QString StoredUserName(const QString &folder)
{
    const std::optional<UserRecord> header = LoadUserRecord(UserDataPath(folder), nullptr);
    return header ? header->UserName : QString();
}

namespace {

// The current record an old one in the folder converts to, without writing anything.
std::optional<UserRecord> BuildConvertedRecord(const QString &folder, QString *error)
{
    auto fail = [&](const QString &message) -> std::optional<UserRecord> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    const QString path = UserDataPath(folder);
    QString why;
    bool headerCut = false;
    const std::optional<LegacyUserRecord> old = LoadLegacyUserRecord(path, &why, nullptr, &headerCut);
    if (!old)
        return fail(QCoreApplication::translate("UserDataStartup", "成績データ「%1」を変換できません。%2").arg(native(path), why));
    const QString who = old->UserName.isEmpty() ? QFileInfo(folder).fileName() : old->UserName;
    // Cut short after the header, the missing records read as zeros like any record's
    // tail; cut within the header, not even the name and course are known.
    if (headerCut) {
        return fail(QCoreApplication::translate("UserDataStartup", "「%1」の成績データ（%2）は途中で切れていて、使用者名やコースが読めないため、変換できません。")
                        .arg(who, native(path)));
    }
    QList<RomajiEntry> defaults;
    if (old->FormatVersion == 5) {
        const std::optional<QList<RomajiEntry>> table = ReadCourseDefaultTable(old->Course, &why);
        if (!table)
            return fail(QCoreApplication::translate("UserDataStartup", "「%1」の成績データを変換できません。").arg(who) + kCrLf + why);
        defaults = *table;
    }
    // Without the lesson table the Chapter reached is only kept within the record's 70.
    const std::optional<QStringList> lessons = ReadLessonTable(AppPath(LessonTableFile(old->Course)), nullptr);
    const int chapterCount = lessons ? ChapterTable(*lessons).ChapterCount() : 0;
    return ConvertLegacyUserRecord(*old, defaults, chapterCount);
}

}  // namespace

std::optional<UserRecord> ConvertUserFolder(const QString &folder, QString *error)
{
    const std::optional<UserRecord> record = BuildConvertedRecord(folder, error);
    if (!record)
        return std::nullopt;
    const QString path = UserDataPath(folder);
    QString why;
    if (!SaveUserFile(folder, *record, &why)) {
        if (error) {
            *error = QCoreApplication::translate("UserDataStartup", "「%1」の成績データ（%2）を書き込めません。%3").arg(record->UserName, native(path), why)
                     + kCrLf + QCoreApplication::translate("UserDataStartup", "元のファイルはそのまま残してあります。");
        }
        return std::nullopt;
    }
    return record;
}

QString UnusableRecordNotice(const UserFile &file)
{
    const QString path = native(UserDataPath(file.folder));
    QString text = QCoreApplication::translate("UserDataStartup", "使用者：「%1」（%2）").arg(file.label(), QFileInfo(file.folder).fileName()) + kCrLf;
    if (file.problem == RecordProblem::Unreadable) {
        text += QCoreApplication::translate("UserDataStartup", "成績データのファイル（%1）を開けません。").arg(path);
        if (!file.detail.isEmpty())
            text += kCrLf + file.detail;
    } else {
        text += RecordProblemText(file.problem) + kCrLf;
        QString why;
        if (BuildConvertedRecord(file.folder, &why))
            why = QFileInfo(file.folder).isWritable()
                      ? QCoreApplication::translate("UserDataStartup", "変換の途中で書き込みに失敗しました。")
                      : QCoreApplication::translate("UserDataStartup", "フォルダ「%1」に書き込めません。").arg(native(file.folder));
        text += why;
    }
    return text + kCrLf + QCoreApplication::translate("UserDataStartup", "ファイルはそのまま残してあります。原因を取り除いてから ZORVEL LESSON を起動し直して下さい。");
}

CheckResult CheckUserFolders(ConversionWindows &windows)
{
    bool convertedVersion5 = false;
    QHash<int, std::optional<QList<RomajiEntry>>> tables;

    for (int slot = 1; slot <= kMaxUsers; ++slot) {
        const QString folder = UserFolder(slot);
        if (!QFileInfo(folder).isDir())
            continue;
        const UserFile file = ReadUserFile(folder);
        const int version = file.record.FormatVersion;

        if (file.usable()) {
            const int course = file.record.Course;
            if (!tables.contains(course)) {
                QString why;
                tables.insert(course, ReadCourseDefaultTable(course, &why));
                if (!tables.value(course))
                    warn(why, QCoreApplication::translate("UserDataStartup", "ファイルエラー"));
            }
            const std::optional<QList<RomajiEntry>> &defaults = tables[course];
            if (!defaults || TableMatchesDefault(file.record.RomajiTable, *defaults))
                continue;
            const MessageAnswer answer = ShowMessage(
                {QCoreApplication::translate("UserDataStartup", "「%1」さんのローマ字設定が、インストールされているローマ字テーブル（%2）と一致しません。")
                         .arg(file.label(), DefaultTableFile(course))
                     + kCrLf + kCrLf
                     + QCoreApplication::translate("UserDataStartup", "ローマ字設定を今のテーブルに合わせて作り直しますか？"
                                      "成績と、選んであるローマ字の読み方はそのまま残ります。")
                     + kCrLf + kCrLf
                     + QCoreApplication::translate("UserDataStartup", "「いいえ」を選ぶと、何も変更せずに ZORVEL LESSON を終了します。"),
                 QCoreApplication::translate("UserDataStartup", "ローマ字設定の不一致"), MessageIcon::Warning, MessageButtons::YesNo,
                 MessageAnswer::Yes});
            if (answer != MessageAnswer::Yes)
                return CheckResult::EndProgram;
            UserRecord repaired = file.record;
            repaired.RomajiTable = RebuildRomajiTable(file.record.RomajiTable, *defaults, course);
            QString why;
            if (!SaveUserFile(folder, repaired, &why)) {
                warn(QCoreApplication::translate("UserDataStartup", "「%1」さんの成績データを書き込めません。%2").arg(file.label(), why),
                     QCoreApplication::translate("UserDataStartup", "ファイルエラー"));
            }
        } else if (version >= 3 && version <= 5) {
            bool headerCut = false;
            if (!LoadLegacyUserRecord(UserDataPath(folder), nullptr, nullptr, &headerCut) || headerCut) {
                warn(QCoreApplication::translate("UserDataStartup", "「%1」の成績データ（%2）は途中で切れていて、使用者名やコースが読めないため、変換できません。")
                             .arg(file.label(), native(UserDataPath(folder)))
                         + kCrLf + QCoreApplication::translate("UserDataStartup", "元のファイルはそのまま残してあります。"),
                     QCoreApplication::translate("UserDataStartup", "ユーザデータ変換"));
                continue;
            }
            windows.showConversion(version, folder);
            if (version == 5 && ReadUserFile(folder).record.FormatVersion == UserRecord::kCurrentVersion)
                convertedVersion5 = true;
        }
        // Anything else is damaged; the main window deals with it when the learner is chosen.
    }

    if (convertedVersion5) {
        warn(QCoreApplication::translate("UserDataStartup", "これまでの成績データをこのバージョンのＺＲで使えるように変換しました。") + kCrLf
                 + QCoreApplication::translate("UserDataStartup", "ローマ字入力コースの場合、ローマ字設定が初期状態に戻されていますので再設定をお願いします。"),
             QCoreApplication::translate("UserDataStartup", "成績データ変換完了"));
    }
    return CheckResult::Continue;
}

}  // namespace zr
