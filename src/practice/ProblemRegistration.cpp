#include "practice/ProblemRegistration.h"

#include "platform/BinaryIO.h"
#include "platform/IniFile.h"
#include "userdata/ProblemFile.h"
#include "userdata/UserSettings.h"
#include "userdata/Users.h"
#include "userdata/ZRSub.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>

namespace zr {
namespace {

bool isFullPath(const QString &name)
{
    return name.startsWith(u'/');
}

// A name that may stand alone in the learner's folder.
bool plainFileName(const QString &name)
{
    if (name.isEmpty() || name == u"." || name == u".." || name.startsWith(u'.'))
        return false;
    if (name.compare(QStringLiteral("user.dat"), Qt::CaseInsensitive) == 0 || name.size() > 100)
        return false;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control || c.isSpace())
            return false;
    }
    return true;
}

}  // namespace

bool IsWordSlot(int index)
{
    return index < kProblemSlots / 2;
}

QString SlotSection(int index)
{
    return IsWordSlot(index) ? QStringLiteral("WordLsn") : QStringLiteral("SSentLsn");
}

int SlotNumber(int index)
{
    return index % (kProblemSlots / 2) + 1;
}

QString RegisteredProblemName(const QString &chosenPath, const QString &appDir)
{
    const auto real = [](const QString &path) {
        const QFileInfo info(path);
        const QString canonical = info.canonicalFilePath();
        return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
    };
    const QString file = real(chosenPath);
    const QString app = real(appDir) + u'/';
    if (file.startsWith(app))
        return file.mid(app.size()).replace(u'/', u'\\').toLower();
    return file;
}

QString UnstorableProblemName(const QString &name)
{
    return UnstorablePathText(name, PathUse::Register);
}

bool SameProblemName(const QString &a, const QString &b)
{
    if (isFullPath(a) || isFullPath(b))
        return a == b;
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString ParkingFileName(const QString &registeredName)
{
    if (!isFullPath(registeredName) && registeredName.size() > 3) {
        QString name = (registeredName.left(registeredName.size() - 3) + QStringLiteral("dat")).toLower();
        name.remove(QStringLiteral("resource\\"));
        if (plainFileName(name))
            return name;
    }
    // The file's own name, reduced to letters, digits, '-' and '_', keeps the parking
    // file recognisable; the hash of the whole name keeps it apart from others.
    QString base = registeredName.section(QRegularExpression(QStringLiteral("[/\\\\]")), -1);
    const qsizetype dot = base.lastIndexOf(u'.');
    if (dot > 0)
        base.truncate(dot);
    QString stem;
    for (const QChar c : base) {
        if (stem.size() >= 40)
            break;
        stem.append(c.isLetterOrNumber() || c == u'-' || c == u'_' ? c : QChar(u'_'));
    }
    if (stem.isEmpty())
        stem = QStringLiteral("problem");
    const QByteArray hash = QCryptographicHash::hash(registeredName.toUtf8(), QCryptographicHash::Sha1);
    return stem + u'-' + QString::fromLatin1(hash.toHex().left(12)) + QStringLiteral(".dat");
}

bool CheckProblemFile(const QString &path, bool word, QString *title, QString *message)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QString suffix = word ? QStringLiteral("zrd") : QStringLiteral("zrw");
    if (QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) != 0) {
        *message = (word ? QCoreApplication::translate("ProblemRegistration", "「%1」は単語辞書(*.zrd)ではありません。")
                         : QCoreApplication::translate("ProblemRegistration", "「%1」は短文問題(*.zrw)ではありません。"))
                       .arg(shown);
        return false;
    }
    ProblemFileStatus status;
    bool items = false;
    QString read;
    if (word) {
        const WordDictionary d = ReadWordDictionary(path, &status);
        items = d.wordCount() > 0;
        read = d.title;
    } else {
        const SentenceSet s = ReadSentenceSet(path, &status);
        for (int p = 1; p <= SentenceSet::kProblems && !items; ++p)
            items = !s.lines(p).isEmpty();
        read = s.title;
    }
    if (!status.exists || !QFileInfo(path).isFile()) {
        *message = QCoreApplication::translate("ProblemRegistration", "「%1」を読み込めません。").arg(shown);
        return false;
    }
    if (status.truncated || !items) {
        *message = QCoreApplication::translate("ProblemRegistration", "「%1」は問題ファイルではないか、壊れています。").arg(shown);
        return false;
    }
    *title = CleanProblemTitle(read);
    return true;
}

QString ProblemSlots::memoryKey(bool word, const QString &name)
{
    return (word ? QStringLiteral("W") : QStringLiteral("S")) + (isFullPath(name) ? name : name.toLower());
}

QString ProblemSlots::parkingPath(const QString &name) const
{
    return folder_ + u'/' + ParkingFileName(name);
}

bool ProblemSlots::open(const QString &userFolder, const UserRecord &record, QString *error)
{
    folder_ = userFolder;
    parked_.clear();
    slots_ = {};
    open_ = false;
    const QString ini = UserIniPath(userFolder);
    // A file that cannot be read would show every slot free, and OK would then empty
    // every history.
    QString why;
    if (QFileInfo::exists(ini) && !readFileBounded(ini, kMaxIniFileBytes, &why)) {
        if (error)
            *error = QCoreApplication::translate("ProblemRegistration", "設定ファイル%1").arg(why);
        return false;
    }
    QList<SettingKey> keys;
    for (int i = 0; i < kProblemSlots; ++i)
        keys << SettingKey{SlotSection(i), SlotPathKey(SlotNumber(i))} << SettingKey{SlotSection(i), SlotTitleKey(SlotNumber(i))};
    const QStringList values = ReadUserSettings(keys, ini);
    for (int i = 0; i < kProblemSlots; ++i) {
        Slot &s = slots_[size_t(i)];
        s.name = values[2 * i];
        s.title = values[2 * i + 1];
        if (s.name.isEmpty())
            continue;
        const ScoreBlock block = IsWordSlot(i) ? ScoreBlock::Word : ScoreBlock::Sentence;
        const ScoreRecord &history = *record.score(block, SlotNumber(i));
        parked_.insert(memoryKey(IsWordSlot(i), s.name), history);
        // The history is kept in memory for this visit; the file keeps it for a later
        // one if the file is freed now and registered again another time.
        writeFileAtomically(parkingPath(s.name), SerializeScoreRecord(history), nullptr);
    }
    open_ = true;
    return true;
}

int ProblemSlots::duplicateOf(int index, const QString &name) const
{
    const int first = IsWordSlot(index) ? 0 : kProblemSlots / 2;
    for (int i = first; i < first + kProblemSlots / 2; ++i) {
        if (!slots_[size_t(i)].name.isEmpty() && SameProblemName(slots_[size_t(i)].name, name))
            return i;
    }
    return -1;
}

bool ProblemSlots::place(int index, const QString &name, const QString &title)
{
    Slot &s = slots_[size_t(index)];
    if (!s.name.isEmpty())
        return false;
    s = {name, title};
    return true;
}

void ProblemSlots::release(int index)
{
    slots_[size_t(index)] = {};
}

bool ProblemSlots::commit(UserRecord &record, QString *error)
{
    auto fail = [&](const QString &message) {
        if (error)
            *error = message;
        return false;
    };
    if (!open_)
        return fail(QCoreApplication::translate("ProblemRegistration", "問題ファイルの登録が読み込まれていません。"));

    UserRecord updated = record;
    QStringList consumed;
    for (int i = 0; i < kProblemSlots; ++i) {
        const Slot &s = slots_[size_t(i)];
        ScoreRecord &history =
            *updated.score(IsWordSlot(i) ? ScoreBlock::Word : ScoreBlock::Sentence, SlotNumber(i));
        history = {};
        if (s.name.isEmpty())
            continue;
        const QString parking = parkingPath(s.name);
        const auto it = parked_.constFind(memoryKey(IsWordSlot(i), s.name));
        if (it != parked_.constEnd()) {
            history = *it;
        } else {
            QFile file(parking);
            if (file.open(QIODevice::ReadOnly))
                history = ReadScoreRecord(file);
        }
        if (QFileInfo::exists(parking))
            consumed.append(parking);
    }

    // The slot keys go first: a settings file that cannot take them stops the store
    // before any history has changed on disk.
    const QString ini = UserIniPath(folder_);
    const QString shownIni = QDir::toNativeSeparators(ini);
    const bool hadIni = QFileInfo::exists(ini);
    QString why;
    std::optional<QByteArray> before;
    if (hadIni && !(before = readFileBounded(ini, kMaxIniFileBytes, &why)))
        return fail(QCoreApplication::translate("ProblemRegistration", "設定ファイル%1").arg(why));
    QList<IniEntry> entries;
    for (int i = 0; i < kProblemSlots; ++i) {
        const Slot &s = slots_[size_t(i)];
        entries.append({SlotSection(i), SlotPathKey(SlotNumber(i)), s.name});
        entries.append({SlotSection(i), SlotTitleKey(SlotNumber(i)), s.title});
    }
    if (!SetIniStrings(entries, ini, &why))
        return fail(QCoreApplication::translate("ProblemRegistration", "設定ファイル「%1」に書き込めません。").arg(shownIni) + QStringLiteral("\r\n") + why);

    if (!SaveUserFile(folder_, updated, &why)) {
        QString message = QCoreApplication::translate("ProblemRegistration", "成績データ「%1」を書き込めません。%2")
                              .arg(QDir::toNativeSeparators(UserDataPath(folder_)), why);
        // The slots and the histories must stay together: the settings file goes back.
        QString undo;
        const bool restored = hadIni ? writeFileAtomically(ini, *before, &undo) : QFile::remove(ini);
        if (!restored)
            message += QStringLiteral("\r\n") + QCoreApplication::translate("ProblemRegistration", "設定ファイル「%1」も元に戻せませんでした。").arg(shownIni)
                       + (undo.isEmpty() ? QString() : QStringLiteral("\r\n") + undo);
        return fail(message);
    }
    record = updated;
    for (const QString &file : consumed)
        QFile::remove(file);
    return true;
}

int RegisterInFreeSlot(ProblemSlots &problemSlots, const QString &path, bool word, const QString &appDir,
                       QString *message)
{
    const int first = word ? 0 : kProblemSlots / 2;
    const QString name = RegisteredProblemName(path, appDir);
    if (problemSlots.duplicateOf(first, name) >= 0) {
        *message = name + QStringLiteral("\r\n") + QCoreApplication::translate("ProblemRegistration", "この問題ファイルは既に登録されています。");
        return -1;
    }
    QString title, problem = UnstorableProblemName(name);
    if (!problem.isEmpty() || !CheckProblemFile(path, word, &title, &problem)) {
        *message = problem;
        return -1;
    }
    for (int i = first; i < first + kProblemSlots / 2; ++i) {
        if (problemSlots.place(i, name, title))
            return i;
    }
    *message = word ? QCoreApplication::translate("ProblemRegistration", "単語練習問題の枠に空きがありません。「練習問題の構成」で枠を空けてから登録して下さい。")
                    : QCoreApplication::translate("ProblemRegistration", "短文練習問題の枠に空きがありません。「練習問題の構成」で枠を空けてから登録して下さい。");
    return -1;
}

QString LearnerProblemFolder()
{
    const QString folder = ZRSub().DataDir + QStringLiteral("problems");
    QDir().mkpath(folder);
    return folder;
}

}  // namespace zr
