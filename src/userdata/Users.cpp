#include "userdata/Users.h"

#include "engine/RomajiTable.h"
#include "keyboard/KeyboardModel.h"
#include "platform/BinaryIO.h"
#include "platform/Cp932.h"
#include "platform/IniFile.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/OleDate.h"
#include "userdata/SpellingChoices.h"
#include "userdata/UserSettings.h"
#include "userdata/ZRSub.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUuid>

#include <QDirIterator>

#include <cmath>
#include <memory>

namespace zr {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

bool validCount(double v)
{
    return std::isfinite(v);
}

bool validScores(const ScoreRecord &s)
{
    if (!isValidOleDate(s.TotalTime) || !validCount(s.PracticeCount))
        return false;
    for (int i = 0; i < ScoreRecord::kDays; ++i) {
        const auto n = size_t(i);
        if (!validCount(s.DayChars[n]) || !validCount(s.DayKeys[n]) || !validCount(s.DayMisses[n])
            || !isValidOleDate(s.DayTime[n]) || !isValidOleDate(s.DayDate[n]))
            return false;
    }
    return true;
}

// The lock of the current learner, held until another learner becomes current or the
// learner is deleted.
std::unique_ptr<UserRecordLock> &currentLock()
{
    static std::unique_ptr<UserRecordLock> lock;
    return lock;
}

void lockCurrentLearner(const QString &folder)
{
    std::unique_ptr<UserRecordLock> &held = currentLock();
    if (held && held->folder() == folder)
        return;
    held.reset();
    auto lock = std::make_unique<UserRecordLock>(folder);
    // zrtool holds it only for a moment; the program goes on without it rather than
    // keep the learner waiting.
    if (lock->tryLock(2000))
        held = std::move(lock);
}

// A save cut off by a kill can leave its temporary file; such files are never read
// and would pile up.
void removeInterruptedSaves(const QString &folder)
{
    const QString dat = QFileInfo(UserDataPath(folder)).fileName();
    const QString ini = QFileInfo(UserIniPath(folder)).fileName();
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        if (isAtomicWriteTemporary(entry.fileName(), dat) || isAtomicWriteTemporary(entry.fileName(), ini))
            QFile::remove(entry.filePath());
    }
}

// Removes a folder and what it holds without ever following a link: a link is removed
// itself, whatever it points at.
bool removeTree(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isDir())
        return QFile::remove(path);
    bool ok = true;
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext())
        ok = removeTree(it.next()) && ok;
    return QDir().rmdir(path) && ok;
}

template <size_t N>
bool validBlock(const std::array<ScoreRecord, N> &block)
{
    for (const ScoreRecord &s : block) {
        if (!validScores(s))
            return false;
    }
    return true;
}

// What is wrong with a record as read; headerCut tells that the bytes ended within its
// header.
RecordProblem judgeRecord(const UserRecord &record, bool headerCut)
{
    const qint16 version = record.FormatVersion;
    if (version >= 3 && version <= 5)
        return RecordProblem::OldLayout;
    if (version != UserRecord::kCurrentVersion)
        return RecordProblem::UnknownVersion;
    if (headerCut)
        return RecordProblem::Truncated;
    // A record cut short after its header reads its missing tail as zeros (no practice
    // there yet); it is the learner's record all the same.
    return CheckUserRecord(record);
}

}  // namespace


QString UserFile::label() const
{
    return record.UserName.isEmpty() ? QFileInfo(folder).fileName() : record.UserName;
}

RecordProblem CheckUserRecord(const UserRecord &r)
{
    if (r.UserName.isEmpty())
        return RecordProblem::NoName;
    if (r.Course != RomajiCourse && r.Course != KanaCourse)
        return RecordProblem::BadCourse;
    if (r.LessonProgress < 0 || r.LessonProgress > UserRecord::kChapters)
        return RecordProblem::BadProgress;
    if (!isValidOleDate(r.TotalPracticeTime) || !validBlock(r.TrainingScores)
        || !validBlock(r.WordScores) || !validBlock(r.SentenceScores) || !validBlock(r.SpareScores))
        return RecordProblem::BadTimes;
    return RecordProblem::None;
}

UserFile ReadUserFile(const QString &folder)
{
    UserFile f;
    f.folder = folder;
    const QString path = UserDataPath(folder);
    if (!QFileInfo(path).isFile()) {
        f.problem = RecordProblem::Missing;
        return f;
    }
    bool headerCut = false;
    std::optional<UserRecord> record = LoadUserRecord(path, &f.detail, nullptr, &headerCut);
    if (!record) {
        f.problem = RecordProblem::Unreadable;
        return f;
    }
    f.record = std::move(*record);
    f.problem = judgeRecord(f.record, headerCut);
    return f;
}

UserFile ReadUserFile(const QString &folder, QByteArrayView data)
{
    UserFile f;
    f.folder = folder;
    bool headerCut = false;
    f.record = ParseUserRecord(data, nullptr, &headerCut);
    f.problem = judgeRecord(f.record, headerCut);
    return f;
}

namespace {

// Whether the bytes of a "user.dat" read whole as a record of their format version.
// A version the program does not know cannot be told whole; it counts as not.
bool readsWhole(const QString &path, QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    bool truncated = true;
    const qint16 version = BinaryReader(buffer).readInt16();
    buffer.seek(0);
    if (version == UserRecord::kCurrentVersion)
        ReadUserRecord(buffer, &truncated);
    else if (version >= 3 && version <= 5)
        LoadLegacyUserRecord(path, nullptr, &truncated);
    return !truncated;
}

// Keeps the damaged file beside itself before it is replaced; false, with error, when
// the copy could not be made.
bool keepDamagedFile(const QString &path, const QByteArray &bytes, const UserRecord &record, QString *error)
{
    // A save that failed after the copy was made needs no second copy of the same bytes.
    static QSet<QByteArray> kept;
    const QByteArray id = QFile::encodeName(path) + '\0' + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    if (kept.contains(id))
        return true;
    const QString stamp = dateTimeFromOle(Clock::current().now()).toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString copy = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(copy) || QFileInfo(copy).isSymLink(); ++n)
        copy = path + QStringLiteral(".damaged-") + stamp + u'-' + QString::number(n);
    QString why;
    if (!writeFileAtomically(copy, bytes, &why)) {
        if (error)
            *error = QCoreApplication::translate("Users", "成績データ「%1」は一部が壊れていて最後まで読めなかったため、上書きする前に控えを残そうとしましたが、できませんでした。")
                         .arg(QDir::toNativeSeparators(path))
                     + kCrLf + why + kCrLf + QCoreApplication::translate("Users", "元のファイルはそのまま残してあります。");
        return false;
    }
    kept.insert(id);
    const QString shownPath = QDir::toNativeSeparators(path);
    ShowMessage({(record.UserName.isEmpty()
                      ? QCoreApplication::translate("Users", "成績データ（%1）は一部が壊れていて、最後まで読み込めませんでした。").arg(shownPath)
                      : QCoreApplication::translate("Users", "「%1」さんの成績データ（%2）は一部が壊れていて、最後まで読み込めませんでした。")
                            .arg(record.UserName, shownPath))
                     + kCrLf + QCoreApplication::translate("Users", "読み込めた分を保存する前に、元のファイルを次の名前で残しました。") + kCrLf
                     + QDir::toNativeSeparators(copy),
                 QCoreApplication::translate("Users", "成績データの控え"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
    return true;
}

}  // namespace

bool SaveUserFile(const QString &folder, const UserRecord &record, QString *error)
{
    const QString path = UserDataPath(folder);
    // Only a file that can be read can be kept; one that cannot is replaced as before.
    const std::optional<QByteArray> old = readFileBounded(path, kMaxUserRecordBytes, nullptr);
    if (old && !old->isEmpty() && !readsWhole(path, *old) && !keepDamagedFile(path, *old, record, error))
        return false;
    return SaveUserRecord(path, record, error);
}

QString RecordProblemText(RecordProblem problem)
{
    switch (problem) {
    case RecordProblem::None: return {};
    case RecordProblem::Missing: return QCoreApplication::translate("Users", "成績データのファイル（user.dat）がありません。");
    case RecordProblem::Unreadable: return QCoreApplication::translate("Users", "成績データのファイル（user.dat）を開けません。");
    case RecordProblem::Truncated:
        return QCoreApplication::translate("Users", "成績データのファイル（user.dat）が途中で切れていて、使用者名やコースが読めません。");
    case RecordProblem::OldLayout:
        return QCoreApplication::translate("Users", "成績データが古い形式のまま、変換されていません。");
    case RecordProblem::UnknownVersion:
        return QCoreApplication::translate("Users", "成績データのファイル（user.dat）の形式が分かりません。");
    case RecordProblem::NoName: return QCoreApplication::translate("Users", "成績データに使用者名がありません。");
    case RecordProblem::BadCourse: return QCoreApplication::translate("Users", "成績データの入力コースが正しくありません。");
    case RecordProblem::BadProgress:
        return QCoreApplication::translate("Users", "成績データの基本練習の進捗度が正しくありません。");
    case RecordProblem::BadTimes:
        return QCoreApplication::translate("Users", "成績データの中に、時間や日付として正しくない値があります。");
    }
    return {};
}

bool OffersDeletion(RecordProblem problem)
{
    // A file that could not be opened may be whole (permissions, a disk not yet there),
    // and an old record waits for its conversion: neither is damaged data.
    return problem != RecordProblem::None && problem != RecordProblem::Unreadable
           && problem != RecordProblem::OldLayout;
}

bool NameLengthOk(QStringView name)
{
    const int bytes = AnsiByteLength(name);
    return bytes >= kMinNameBytes && bytes <= kMaxNameBytes;
}

QString UnstorableCharacters(QStringView name)
{
    QString bad;
    for (qsizetype i = 0; i < name.size();) {
        const qsizetype len = name[i].isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        const QStringView ch = name.mid(i, len);
        i += len;
        // Control characters would break the lists and the files' lines.
        const bool control = len == 1 && ch[0].category() == QChar::Other_Control;
        if ((control || fromAnsi(toAnsi(ch)) != ch) && !bad.contains(ch))
            bad += ch;
    }
    return bad;
}

QString UserColChk(const QString &name, int course)
{
    for (int slot = 1; slot <= kMaxUsers; ++slot) {
        const QString folder = UserFolder(slot);
        if (!QFileInfo(folder).isDir())
            continue;
        const std::optional<UserRecord> other = LoadUserRecord(UserDataPath(folder), nullptr);
        if (other && other->UserName == name && other->Course == course)
            return QStringLiteral("NG");
    }
    return QStringLiteral("OK");
}

QString FreeUserFolder()
{
    QString free;
    for (int slot = kMaxUsers; slot >= 1; --slot) {
        const QString folder = UserFolder(slot);
        if (!QFileInfo::exists(folder))
            free = folder;
    }
    return free;
}

std::optional<UserRecord> WriteNewUser(const QString &mkPath, const NewUserChoices &choices,
                                       QString *error)
{
    auto fail = [&](const QString &message) -> std::optional<UserRecord> {
        if (error)
            *error = message;
        return std::nullopt;
    };

    // The table first: without it no learner can be made, and nothing is written yet.
    QString tableError;
    const std::optional<QList<RomajiEntry>> defaults =
        ReadDefaultTable(AppPath(DefaultTableFile(choices.course)), &tableError);
    if (!defaults)
        return fail(tableError);

    UserRecord rec;
    rec.FormatVersion = UserRecord::kCurrentVersion;
    rec.UserName = choices.name;
    rec.Course = qint16(choices.course);
    rec.LessonProgress = 1;
    rec.TotalPracticeTime = 0;

    const bool madeFolder = !QFileInfo::exists(mkPath);
    auto undo = [&](const QString &message) {
        if (madeFolder)
            QDir(mkPath).removeRecursively();
        return fail(message);
    };
    if (!QDir().mkpath(ZRSub().DataDir + QStringLiteral("user")) || !QDir().mkpath(mkPath))
        return undo(QCoreApplication::translate("Users", "使用者フォルダ「%1」を作れません。").arg(QDir::toNativeSeparators(mkPath)));

    const QString ini = UserIniPath(mkPath);
    if (QFileInfo::exists(ini) && !QFile::remove(ini))
        return undo(QCoreApplication::translate("Users", "設定ファイル「%1」を書き換えられません。").arg(QDir::toNativeSeparators(ini)));
    WriteMissingDefaults({Setting::MoveMouse, Setting::ErrorSound, Setting::TrainingLessonTime,
                          Setting::TrainingLessonStep, Setting::WordLessonTime, Setting::WordLessonStep,
                          Setting::KeyLessonSize},
                         ini);
    if (!SetIniString(QStringLiteral("Training"), QStringLiteral("TargetTime"),
                      QString::number(choices.targetSpeed), ini))
        return undo(QCoreApplication::translate("Users", "設定ファイル「%1」に書き込めません。").arg(QDir::toNativeSeparators(ini)));
    if (!RegisterDefaultProblemFiles(mkPath))
        return undo(QCoreApplication::translate("Users", "設定ファイル「%1」に書き込めません。").arg(QDir::toNativeSeparators(ini)));

    rec.RomajiTable.load(*defaults);
    if (choices.course == RomajiCourse)
        ApplySpellingChoices(rec.RomajiTable, choices.spellings);

    QString saveError;
    if (!SaveUserFile(mkPath, rec, &saveError))
        return undo(QCoreApplication::translate("Users", "成績データ「%1」を書き込めません。%2")
                        .arg(QDir::toNativeSeparators(UserDataPath(mkPath)), saveError));

    lockCurrentLearner(mkPath);
    SharedState &s = ZRSub();
    s.CurUser = rec;
    s.CurUserDir = mkPath;
    s.TrainingSel = 1;
    s.WordSel = 1;
    s.SentenceSel = 1;
    ReloadUserSettings();
    return rec;
}

UserRecordLock::UserRecordLock(const QString &folder)
    : folder_(folder), lock_(UserLockPath(folder))
{
    // Only a holder that has ended makes a lock stale: the program holds it for as long
    // as the learner is current, however long that is.
    lock_.setStaleLockTime(0);
}

bool UserRecordLock::tryLock(int timeoutMs)
{
    return lock_.tryLock(timeoutMs);
}

QString UserRecordLock::holder() const
{
    qint64 pid = 0;
    QString host, app;
    if (!lock_.getLockInfo(&pid, &host, &app))
        return {};
    return QStringLiteral("process %1%2").arg(pid).arg(app.isEmpty() ? QString() : QStringLiteral(" (") + app + u')');
}

void MakeCurrentUser(const QString &folder, const UserRecord &record)
{
    lockCurrentLearner(folder);
    removeInterruptedSaves(folder);
    SharedState &s = ZRSub();
    s.CurUserDir = folder;
    s.CurUser = record;
    if (!QFileInfo::exists(UserIniPath(folder)))
        RegisterDefaultProblemFiles(folder);
    ReloadUserSettings();
}

bool RemoveUserFolder(const QString &folder, QString *error)
{
    const QFileInfo info(folder);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (currentLock() && currentLock()->folder() == folder)
        currentLock().reset();
    // Out of its slot first, in one step; the files go afterwards.
    const QString parked = info.absolutePath() + QStringLiteral("/.deleted-") + info.fileName()
                           + u'-' + QUuid::createUuid().toString(QUuid::Id128);
    if (!QDir().rename(folder, parked)) {
        if (error)
            *error = QCoreApplication::translate("Users", "フォルダ「%1」を削除できません。").arg(QDir::toNativeSeparators(folder));
        return false;
    }
    // A slot that is a link loses only the link; nothing outside the data folder is
    // touched.
    removeTree(parked);
    return true;
}

bool DeleteUserFolder(const QString &folder, const QString &name)
{
    const MessageAnswer answer = ShowMessage(
        {QCoreApplication::translate("Users", "「%1」の使用者データを削除します。").arg(name) + kCrLf
             + QCoreApplication::translate("Users", "よろしいですか？"),
         QCoreApplication::translate("Users", "削除の確認"), MessageIcon::Warning, MessageButtons::YesNo, MessageAnswer::No});
    if (answer != MessageAnswer::Yes)
        return false;
    QString error;
    if (!RemoveUserFolder(folder, &error)) {
        ShowMessage({QCoreApplication::translate("Users", "使用者データを削除できませんでした。") + kCrLf + error,
                     QCoreApplication::translate("Users", "削除の確認"), MessageIcon::Warning, MessageButtons::Ok,
                     MessageAnswer::Ok});
        return false;
    }
    return true;
}

}  // namespace zr
