#include "userdata/UserSettings.h"

#include "platform/BinaryIO.h"
#include "platform/Cp932.h"
#include "platform/Format.h"
#include "platform/IniFile.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "userdata/ProblemFile.h"
#include "platform/OleDate.h"
#include "userdata/ZRSub.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>

namespace zr {
namespace {

using T = SettingType;

constexpr SettingDeclaration kDeclarations[] = {
    {Setting::MoveMouse, u"General", u"MoveMouse", T::Flag, u"0"},
    {Setting::TypeSound, u"General", u"TypeSound", T::Integer, u"0", 0, 1, 1},
    {Setting::TypeSoundType, u"General", u"TypeSoundType", T::Integer, u"1", 0, 2, 2},
    {Setting::TypeSoundFile, u"General", u"TypeSoundFile", T::Text, u""},
    {Setting::ErrorSound, u"General", u"ErrorSound", T::Integer, u"1", 0, 1, 1},
    {Setting::ErrorSoundType, u"General", u"ErrorSoundType", T::Integer, u"2", 0, 2, 2},
    {Setting::ErrorSoundFile, u"General", u"ErrorSoundFile", T::Text, nullptr},
    {Setting::KanaLock, u"General", u"KanaLock", T::Flag, u"0"},
    {Setting::Font, u"General", u"Font", T::Text, u"ＭＳ Ｐゴシック"},
    {Setting::FontSize, u"General", u"FontSize", T::Number, u"20", 6, 72, 1},
    {Setting::FontItalic, u"General", u"FontItalic", T::Boolean, u"False"},
    {Setting::FontBold, u"General", u"FontBold", T::Boolean, u"False"},
    {Setting::FontColor1, u"General", u"FontColor1", T::Colour, u"16711680"},
    {Setting::FontColor2, u"General", u"FontColor2", T::Colour, u"0"},
    {Setting::FontColor3, u"General", u"FontColor3", T::Colour, u"0"},
    {Setting::FontColor4, u"General", u"FontColor4", T::Colour, u"33023"},
    {Setting::BackColor, u"General", u"BackColor", T::Colour, u"16777215"},
    {Setting::FontUpper, u"General", u"FontUpper", T::Flag, u"0"},
    {Setting::KeyLessonSize, u"KeyLsn", u"LessonSize", T::Choice, u"Mid"},
    {Setting::TrainingLessonTime, u"Training", u"LessonTime", T::Time, u"00:02:30", 60, 10 * 60 + 55, 5},
    {Setting::TrainingLessonStep, u"Training", u"LessonStep", T::Integer, u"8", 3, 20, 1},
    {Setting::RmjGuide, u"Training", u"RmjGuide", T::Choice, u"2"},
    {Setting::Addition, u"Training", u"Addition", T::Flag, u"1"},
    {Setting::Level, u"Training", u"Level", T::Choice, u"2"},
    {Setting::TargetTime, u"Training", u"TargetTime", T::Integer, u"40", 10, 400, 5},
    {Setting::WordLessonTime, u"WordLsn", u"LessonTime", T::Time, u"00:02:30", 60, 10 * 60 + 55, 5},
    {Setting::WordLessonStep, u"WordLsn", u"LessonStep", T::Integer, u"8", 3, 20, 1},
    // With the other switches that hold for every practice (KanaLock, MoveMouse): the
    // drill, word and sentence practice all follow it.
    {Setting::AnySpelling, u"General", u"AnySpelling", T::Flag, u"0"},
    // In the section of word practice, whose window sentence practice shares.
    {Setting::ShowReading, u"WordLsn", u"ShowReading", T::Flag, u"0"},
    {Setting::ShowKeys, u"WordLsn", u"ShowKeys", T::Flag, u"0"},
};

struct DefaultFile {
    const char16_t *section;
    int slot;
    const char16_t *path;
};

constexpr DefaultFile kDefaultFiles[] = {
    {u"WordLsn", 1, u"resource\\zr.zrd"},
    {u"WordLsn", 2, u"resource\\katakana.zrd"},
    {u"WordLsn", 3, u"resource\\4juku.zrd"},
    {u"WordLsn", 4, u"resource\\jimu.zrd"},
    {u"WordLsn", 5, u""},
    {u"WordLsn", 6, u""},
    {u"WordLsn", 7, u""},
    {u"WordLsn", 8, u""},
    {u"WordLsn", 9, u""},
    {u"WordLsn", 10, u""},
    {u"SSentLsn", 1, u"resource\\katakana1.zrw"},
    {u"SSentLsn", 2, u"resource\\katakana2.zrw"},
    {u"SSentLsn", 3, u"resource\\dousi1.zrw"},
    {u"SSentLsn", 4, u"resource\\dousi2.zrw"},
    {u"SSentLsn", 5, u"resource\\juku1.zrw"},
    {u"SSentLsn", 6, u"resource\\juku2.zrw"},
    {u"SSentLsn", 7, u"resource\\juku3.zrw"},
    {u"SSentLsn", 8, u"resource\\kentei1.zrw"},
    {u"SSentLsn", 9, u"resource\\kentei2.zrw"},
    {u"SSentLsn", 10, u"resource\\kentei3.zrw"},
};

QString defaultText(const SettingDeclaration &d)
{
    if (d.id == Setting::ErrorSoundFile)
        return SystemSoundFolder(ZRSub().AppDir) + QStringLiteral("/media/chord.wav");
    return QString::fromUtf16(d.defaultText);
}

// The stored text of a key as the program has always seen it: cut at a NUL, at most
// 254 bytes, empty when missing.
QString storedTextIn(const QString &section, const QString &key, QByteArrayView data)
{
    QString value;
    if (GetIniStringInData(section, key, QString(), value, 255, data) == 0)
        return {};
    const qsizetype nul = value.indexOf(QChar(u'\0'));
    if (nul >= 0)
        value.truncate(nul);
    return value;
}

// "00:mm:ss": the minute and second of the limit, as the settings dialog builds it.
QString limitText(double lessonTime)
{
    const TimeOfDay t = timeOfDay(lessonTime);
    return QStringLiteral("00:") + FormatNumber(t.minute, u"00") + QStringLiteral(":") + FormatNumber(t.second, u"00");
}

// The order of the settings dialog's save.
constexpr Setting kSaveOrder[] = {
    Setting::ErrorSound,         Setting::ErrorSoundType,     Setting::ErrorSoundFile, Setting::TypeSound,
    Setting::TypeSoundType,      Setting::TypeSoundFile,      Setting::MoveMouse,      Setting::TrainingLessonTime,
    Setting::TrainingLessonStep, Setting::WordLessonTime,     Setting::WordLessonStep, Setting::TargetTime,
    Setting::KeyLessonSize,      Setting::RmjGuide,           Setting::KanaLock,       Setting::Addition,
    Setting::Level,              Setting::FontUpper,          Setting::Font,           Setting::FontSize,
    Setting::FontItalic,         Setting::FontBold,           Setting::FontColor1,     Setting::FontColor2,
    Setting::FontColor3,         Setting::FontColor4,         Setting::BackColor,      Setting::AnySpelling,
    Setting::ShowReading,        Setting::ShowKeys,
};
static_assert(std::size(kSaveOrder) == std::size(kDeclarations));

bool laterSwitch(Setting setting)
{
    return setting == Setting::AnySpelling || setting == Setting::ShowReading || setting == Setting::ShowKeys;
}

}  // namespace

std::span<const SettingDeclaration> SettingDeclarations()
{
    return kDeclarations;
}

const SettingDeclaration &Declaration(Setting setting)
{
    return kDeclarations[size_t(setting)];
}

UserSettings DefaultUserSettings()
{
    UserSettings u;
    u.ErrorSoundFile = defaultText(Declaration(Setting::ErrorSoundFile));
    return u;
}

namespace {

// The bytes of a settings file; a file that is missing or cannot be read has none, and
// reads as all defaults. Bounded like every settings read, so a device or a huge file
// in the learner's folder costs nothing.
QByteArray fileBytes(const QString &file)
{
    return readFileBounded(file, kMaxIniFileBytes, nullptr).value_or(QByteArray());
}

QString storedText(const QString &section, const QString &key, const QString &file)
{
    return storedTextIn(section, key, fileBytes(file));
}

UserSettings settingsIn(QByteArrayView data)
{
    UserSettings u = DefaultUserSettings();
    for (const SettingDeclaration &d : kDeclarations) {
        const QString text = storedTextIn(QString::fromUtf16(d.section), QString::fromUtf16(d.key), data);
        SetSettingText(u, d.id, text.isEmpty() ? defaultText(d) : text);
    }
    return u;
}

}  // namespace

UserSettings LoadUserSettings(const QString &file)
{
    return settingsIn(fileBytes(file));
}

void SetSettingText(UserSettings &u, Setting setting, const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    auto flag = [&] { return text == u"1"; };
    auto rounded = [&] { return qint32(qRound(text.toDouble())); };
    auto boolean = [&] { return text.compare(u"True", Qt::CaseInsensitive) == 0; };
    auto colour = [&](qint64 &field) {
        const qint64 v = trimmed.toLongLong(&ok);
        if (ok)
            field = v;
    };
    auto time = [&](PracticeLimit &limit) {
        if (const auto t = parseTimeValue(text))
            limit.LessonTime = *t;
    };
    auto steps = [&](PracticeLimit &limit) {
        const int v = trimmed.toInt(&ok);
        if (ok && v > 0)
            limit.LessonStep = v;
    };
    switch (setting) {
    case Setting::MoveMouse: u.MoveMouse = flag(); break;
    case Setting::TypeSound: u.TypeSound = rounded(); break;
    case Setting::TypeSoundType: u.TypeSoundType = rounded(); break;
    case Setting::TypeSoundFile: u.TypeSoundFile = FollowInstalledChord(text); break;
    case Setting::ErrorSound: u.ErrorSound = rounded(); break;
    case Setting::ErrorSoundType: u.ErrorSoundType = rounded(); break;
    case Setting::ErrorSoundFile: u.ErrorSoundFile = FollowInstalledChord(text); break;
    case Setting::KanaLock: u.KanaLock = flag(); break;
    case Setting::Font: u.Font = text; break;
    case Setting::FontSize: {
        const double size = trimmed.toDouble(&ok);
        if (ok && size >= 6 && size <= 72)
            u.FontSize = size;
        break;
    }
    case Setting::FontItalic: u.FontItalic = boolean(); break;
    case Setting::FontBold: u.FontBold = boolean(); break;
    case Setting::FontColor1: colour(u.FontColor1); break;
    case Setting::FontColor2: colour(u.FontColor2); break;
    case Setting::FontColor3: colour(u.FontColor3); break;
    case Setting::FontColor4: colour(u.FontColor4); break;
    case Setting::BackColor: colour(u.BackColor); break;
    case Setting::FontUpper: u.FontUpper = flag(); break;
    case Setting::KeyLessonSize:
        u.KeyLessonSize = text == u"Short" ? LessonSize::Short : text == u"Mid" ? LessonSize::Mid : LessonSize::Long;
        break;
    case Setting::TrainingLessonTime: time(u.training); break;
    case Setting::TrainingLessonStep: steps(u.training); break;
    case Setting::RmjGuide:
        u.RmjGuide = text == u"1" ? RmjGuideMode::Never : text == u"2" ? RmjGuideMode::FirstHalf : RmjGuideMode::Always;
        break;
    case Setting::Addition: u.Addition = flag(); break;
    case Setting::Level:
        u.Level = text == u"1" ? PassLevel::Easy : text == u"2" ? PassLevel::Standard : PassLevel::Strict;
        break;
    case Setting::TargetTime: {
        const int v = trimmed.toInt(&ok);
        if (ok)
            u.TargetTime = v;
        break;
    }
    case Setting::WordLessonTime: time(u.word); break;
    case Setting::WordLessonStep: steps(u.word); break;
    case Setting::AnySpelling: u.AnySpelling = flag(); break;
    case Setting::ShowReading: u.ShowReading = flag(); break;
    case Setting::ShowKeys: u.ShowKeys = flag(); break;
    }
}

QString SettingText(const UserSettings &u, Setting setting)
{
    auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    auto boolean = [](bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); };
    switch (setting) {
    case Setting::MoveMouse: return flag(u.MoveMouse);
    case Setting::TypeSound: return QString::number(u.TypeSound);
    case Setting::TypeSoundType: return QString::number(u.TypeSoundType);
    case Setting::TypeSoundFile: return u.TypeSoundFile;
    case Setting::ErrorSound: return QString::number(u.ErrorSound);
    case Setting::ErrorSoundType: return QString::number(u.ErrorSoundType);
    case Setting::ErrorSoundFile: return u.ErrorSoundFile;
    case Setting::KanaLock: return flag(u.KanaLock);
    case Setting::Font: return u.Font;
    case Setting::FontSize: return QString::number(u.FontSize);
    case Setting::FontItalic: return boolean(u.FontItalic);
    case Setting::FontBold: return boolean(u.FontBold);
    case Setting::FontColor1: return QString::number(u.FontColor1);
    case Setting::FontColor2: return QString::number(u.FontColor2);
    case Setting::FontColor3: return QString::number(u.FontColor3);
    case Setting::FontColor4: return QString::number(u.FontColor4);
    case Setting::BackColor: return QString::number(u.BackColor);
    case Setting::FontUpper: return flag(u.FontUpper);
    case Setting::KeyLessonSize:
        return u.KeyLessonSize == LessonSize::Short ? QStringLiteral("Short")
               : u.KeyLessonSize == LessonSize::Mid ? QStringLiteral("Mid")
                                                    : QStringLiteral("Long");
    case Setting::TrainingLessonTime: return limitText(u.training.LessonTime);
    case Setting::TrainingLessonStep: return QString::number(u.training.LessonStep);
    case Setting::RmjGuide: return QString::number(int(u.RmjGuide));
    case Setting::Addition: return flag(u.Addition);
    case Setting::Level: return QString::number(int(u.Level));
    case Setting::TargetTime: return QString::number(u.TargetTime);
    case Setting::WordLessonTime: return limitText(u.word.LessonTime);
    case Setting::WordLessonStep: return QString::number(u.word.LessonStep);
    case Setting::AnySpelling: return flag(u.AnySpelling);
    case Setting::ShowReading: return flag(u.ShowReading);
    case Setting::ShowKeys: return flag(u.ShowKeys);
    }
    return {};
}

bool SaveUserSettings(const UserSettings &settings, const QString &file)
{
    WritePendingDefaults();
    bool ok = true;
    for (Setting setting : kSaveOrder) {
        const SettingDeclaration &d = Declaration(setting);
        if (setting == Setting::ErrorSoundType || setting == Setting::TypeSoundType) {
            const qint32 type = setting == Setting::ErrorSoundType ? settings.ErrorSoundType : settings.TypeSoundType;
            if (type != 0 && type != 2)
                continue;
        }
        // The switches added later are written once a learner has turned them on.
        if (laterSwitch(setting) && SettingText(settings, setting) != u"1"
            && storedText(QString::fromUtf16(d.section), QString::fromUtf16(d.key), file).isEmpty())
            continue;
        const QString key = setting == Setting::FontBold ? QStringLiteral("Fontbold") : QString::fromUtf16(d.key);
        ok = SetIniString(QString::fromUtf16(d.section), key, SettingText(settings, setting), file) && ok;
    }
    return ok;
}

namespace {

struct PendingDefaults {
    QString file;
    QList<Setting> settings;
};

QList<PendingDefaults> &pendingDefaults()
{
    static QList<PendingDefaults> pending;
    return pending;
}

}  // namespace

void WriteMissingDefaultsSoon(const QList<Setting> &settings, const QString &file)
{
    QList<PendingDefaults> &pending = pendingDefaults();
    QCoreApplication *app = QCoreApplication::instance();
    if (!app) {
        WriteMissingDefaults(settings, file);
        return;
    }
    if (pending.isEmpty()) {
        constexpr int kLatestMs = 250;
        QTimer::singleShot(kLatestMs, app, &WritePendingDefaults);
        static QPointer<QCoreApplication> connected;
        if (connected != app) {
            QObject::connect(app, &QCoreApplication::aboutToQuit, app, &WritePendingDefaults);
            connected = app;
        }
    }
    if (!pending.isEmpty() && pending.back().file == file)
        pending.back().settings += settings;
    else
        pending.append({file, settings});
}

void WritePendingDefaults()
{
    const QList<PendingDefaults> pending = std::exchange(pendingDefaults(), {});
    for (const PendingDefaults &p : pending)
        WriteMissingDefaults(p.settings, p.file);
}

void WriteMissingDefaults(const QList<Setting> &settings, const QString &file)
{
    WritePendingDefaults();
    QList<SettingKey> keys;
    keys.reserve(settings.size());
    for (Setting setting : settings) {
        const SettingDeclaration &d = Declaration(setting);
        keys.append({QString::fromUtf16(d.section), QString::fromUtf16(d.key)});
    }
    ReadUserSettings(keys, file);
}

namespace {

// The settings and the bytes they were read from, to notice a change since.
void loadCurrent()
{
    LoadedUserSettings &l = ZRSub().loadedSettings;
    l.file = CurUserIni();
    l.bytes = fileBytes(l.file);
    l.settings = settingsIn(l.bytes);
    l.loaded = true;
}

}  // namespace

void ReloadUserSettings()
{
    WriteMissingDefaults({Setting::ErrorSound, Setting::ErrorSoundType, Setting::ErrorSoundFile, Setting::TypeSound,
                          Setting::TypeSoundType, Setting::TypeSoundFile, Setting::FontUpper},
                         CurUserIni());
    loadCurrent();
    UseSharedSettings(ZRSub().loadedSettings.settings);
}

const UserSettings &CurrentUserSettings()
{
    const LoadedUserSettings &l = ZRSub().loadedSettings;
    if (!l.loaded || l.file != CurUserIni() || l.bytes != fileBytes(l.file))
        loadCurrent();
    return l.settings;
}

QString DefaultSettingValue(const QString &section, const QString &key)
{
    for (const SettingDeclaration &d : kDeclarations) {
        if (section == d.section && key == d.key)
            return defaultText(d);
    }
    return {};
}

namespace {

// Writes defaults a read found missing. A settings file that is there but cannot be
// read, or a folder that cannot be written, is left as it is; the learner hears of it
// once, and the program goes on with the defaults. Where the folder itself is missing
// there is no learner to tell.
void writeDefaults(const QList<IniEntry> &defaults, const QString &file)
{
    if (defaults.isEmpty())
        return;
    QString why;
    if (SetIniStrings(defaults, file, &why) || !QFileInfo(QFileInfo(file).absolutePath()).isDir())
        return;
    static QSet<QString> reported;
    if (reported.contains(file))
        return;
    reported.insert(file);
    ShowMessage({why + QStringLiteral("\r\n") + QCoreApplication::translate("UserSettings", "このファイルは書き換えずに、既定の設定で続けます。"),
                 QCoreApplication::translate("UserSettings", "設定ファイルエラー"), MessageIcon::Warning, MessageButtons::Ok, MessageAnswer::Ok});
}

}  // namespace

QString DefaultUserSetting(const QString &section, const QString &key, const QString &file)
{
    WritePendingDefaults();
    const QString value = DefaultSettingValue(section, key);
    writeDefaults({{section, key, value}}, file);
    return value;
}

QStringList ReadUserSettings(const QList<SettingKey> &keys, const QString &file)
{
    WritePendingDefaults();
    // One read of the file for all the keys.
    const QByteArray data = fileBytes(file);
    QStringList values;
    values.reserve(keys.size());
    QList<IniEntry> defaults;
    const bool current = file == CurUserIni();
    for (const SettingKey &k : keys) {
        QString value;
        if (GetIniStringInData(k.section, k.key, QString(), value, 255, data) != 0) {
            const qsizetype nul = value.indexOf(QChar(u'\0'));
            if (nul >= 0)
                value.truncate(nul);
            if (!value.isEmpty() || !current) {
                values.append(value);
                continue;
            }
        }
        value = DefaultSettingValue(k.section, k.key);
        defaults.append({k.section, k.key, value});
        values.append(value);
    }
    writeDefaults(defaults, file);
    return values;
}

QString ReadUserSetting(const QString &section, const QString &key, const QString &file)
{
    return ReadUserSettings({{section, key}}, file).constFirst();
}

QStringList ReadSlotTitles(const QString &section, const QString &file)
{
    QList<SettingKey> keys;
    for (int k = 1; k <= 10; ++k)
        keys.append({section, SlotTitleKey(k)});
    return ReadUserSettings(keys, file);
}

QString UnstorablePathText(const QString &path, PathUse use)
{
    // One whole sentence for each use, so that a translation can inflect the verb.
    const bool reg = use == PathUse::Register;
    const QString shown = QDir::toNativeSeparators(path);
    for (const QChar c : path) {
        if (c.category() == QChar::Other_Control)
            return (reg ? QCoreApplication::translate("UserSettings", "「%1」は名前に改行などの制御文字を含むため登録できません。ファイル名を変えてから登録して下さい。")
                        : QCoreApplication::translate("UserSettings", "「%1」は名前に改行などの制御文字を含むため選択できません。ファイル名を変えてから選択して下さい。"))
                .arg(CleanProblemTitle(shown));
    }
    if (path.startsWith(u'/') && path.contains(u'\\'))
        return (reg ? QCoreApplication::translate("UserSettings", "「%1」は名前に「\\」を含むため登録できません。ファイル名を変えてから登録して下さい。")
                    : QCoreApplication::translate("UserSettings", "「%1」は名前に「\\」を含むため選択できません。ファイル名を変えてから選択して下さい。"))
            .arg(shown);
    if (fromAnsi(toAnsi(path)) != path)
        return (reg ? QCoreApplication::translate("UserSettings", "「%1」は名前に Shift-JIS で表せない文字を含むため登録できません。"
                                "ファイル名やフォルダ名を変えてから登録して下さい。")
                    : QCoreApplication::translate("UserSettings", "「%1」は名前に Shift-JIS で表せない文字を含むため選択できません。"
                                "ファイル名やフォルダ名を変えてから選択して下さい。"))
            .arg(shown);
    if (AnsiByteLength(path) > 254)
        return (reg ? QCoreApplication::translate("UserSettings", "「%1」はパスが長すぎるため登録できません。")
                    : QCoreApplication::translate("UserSettings", "「%1」はパスが長すぎるため選択できません。"))
            .arg(shown);
    return {};
}

QString FollowInstalledChord(const QString &path)
{
    // The shipped chord of any installation, and the Windows folder's chord ("C:\WINDOWS\Media\chord.wav")
    // that the default has always named.
    static const QRegularExpression shipped(QStringLiteral("^/.*/resource/system/media/chord\\.wav$"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression windows(QStringLiteral("^[A-Za-z]:[\\\\/](.*[\\\\/])?media[\\\\/]chord\\.wav$"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (shipped.match(path).hasMatch() || windows.match(path).hasMatch())
        return defaultText(Declaration(Setting::ErrorSoundFile));
    return path;
}

QString SlotPathKey(int slot)
{
    return FormatNumber(slot, u"L#");
}

QString SlotTitleKey(int slot)
{
    return FormatNumber(slot, u"LT#");
}

namespace {

QList<IniEntry> slotEntries(const QString &section, int slot, const QString &path)
{
    const QString title = path.isEmpty() ? QString() : ReadProblemTitle(AppPath(path));
    return {{section, SlotPathKey(slot), path}, {section, SlotTitleKey(slot), title}};
}

}  // namespace

bool RegisterProblemFile(const QString &section, int slot, const QString &path,
                         const QString &userFolder)
{
    WritePendingDefaults();
    return SetIniStrings(slotEntries(section, slot, path), UserIniPath(userFolder));
}

bool RegisterDefaultProblemFiles(const QString &userFolder)
{
    WritePendingDefaults();
    QList<IniEntry> entries;
    for (const DefaultFile &f : kDefaultFiles)
        entries += slotEntries(QString::fromUtf16(f.section), f.slot, QString::fromUtf16(f.path));
    return SetIniStrings(entries, UserIniPath(userFolder));
}

}  // namespace zr
