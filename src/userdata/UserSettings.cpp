#include "userdata/UserSettings.h"

#include "platform/Format.h"
#include "platform/IniFile.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "practice/ProblemFile.h"
#include "userdata/ZRSub.h"

#include <QFileInfo>
#include <QSet>

namespace zr {
namespace {

struct Default {
    const char16_t *section;
    const char16_t *key;
    const char16_t *value;
};

constexpr Default kDefaults[] = {
    {u"General", u"MoveMouse", u"0"},
    {u"General", u"TypeSound", u"0"},
    {u"General", u"TypeSoundType", u"1"},
    {u"General", u"TypeSoundFile", u""},
    {u"General", u"ErrorSound", u"1"},
    {u"General", u"ErrorSoundType", u"2"},
    {u"General", u"KanaLock", u"0"},
    {u"General", u"Font", u"ＭＳ Ｐゴシック"},
    {u"General", u"FontSize", u"20"},
    {u"General", u"FontItalic", u"False"},
    {u"General", u"FontBold", u"False"},
    {u"General", u"FontColor1", u"16711680"},
    {u"General", u"FontColor2", u"0"},
    {u"General", u"FontColor3", u"0"},
    {u"General", u"FontColor4", u"33023"},
    {u"General", u"BackColor", u"16777215"},
    {u"General", u"FontUpper", u"0"},
    {u"KeyLsn", u"LessonSize", u"Mid"},
    {u"Training", u"LessonTime", u"00:02:30"},
    {u"Training", u"LessonStep", u"8"},
    {u"Training", u"RmjGuide", u"2"},
    {u"Training", u"Addition", u"1"},
    {u"Training", u"Level", u"2"},
    {u"Training", u"TargetTime", u"40"},
    {u"WordLsn", u"LessonTime", u"00:02:30"},
    {u"WordLsn", u"LessonStep", u"8"},
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

}  // namespace

QString DefaultSettingValue(const QString &section, const QString &key)
{
    if (section == u"General" && key == u"ErrorSoundFile")
        return SystemSoundFolder(ZRSub().AppDir) + QStringLiteral("/media/chord.wav");
    for (const Default &d : kDefaults) {
        if (section == d.section && key == d.key)
            return QString::fromUtf16(d.value);
    }
    return {};
}

QString DefaultUserSetting(const QString &section, const QString &key, const QString &file)
{
    const QString value = DefaultSettingValue(section, key);
    QString why;
    if (!SetIniString(section, key, value, file, &why) && QFileInfo::exists(file)) {
        // A settings file that is there but cannot be read is left as it is; the
        // learner hears of it once, and the program goes on with the defaults.
        static QSet<QString> reported;
        if (!reported.contains(file)) {
            reported.insert(file);
            ShowMessage({why + QStringLiteral("\r\n")
                             + QStringLiteral("このファイルは書き換えずに、既定の設定で続けます。"),
                         QStringLiteral("設定ファイルエラー"), MessageIcon::Warning, MessageButtons::Ok,
                         MessageAnswer::Ok});
        }
    }
    return value;
}

QString ReadUserSetting(const QString &section, const QString &key, const QString &file)
{
    QString value;
    if (GetIniString(section, key, QString(), value, 255, file) != 0) {
        const qsizetype nul = value.indexOf(QChar(u'\0'));
        if (nul >= 0)
            value.truncate(nul);
        if (!value.isEmpty() || file != CurUserIni())
            return value;
    }
    return DefaultUserSetting(section, key, file);
}

QString SlotPathKey(int slot)
{
    return FormatNumber(slot, u"L#");
}

QString SlotTitleKey(int slot)
{
    return FormatNumber(slot, u"LT#");
}

void RegisterProblemFile(const QString &section, int slot, const QString &path,
                         const QString &userFolder)
{
    const QString ini = UserIniPath(userFolder);
    const QString title = path.isEmpty() ? QString() : ReadProblemTitle(AppPath(path));
    SetIniString(section, SlotPathKey(slot), path, ini);
    SetIniString(section, SlotTitleKey(slot), title, ini);
}

void RegisterDefaultProblemFiles(const QString &userFolder)
{
    for (const DefaultFile &f : kDefaultFiles)
        RegisterProblemFile(QString::fromUtf16(f.section), f.slot, QString::fromUtf16(f.path), userFolder);
}

}  // namespace zr
