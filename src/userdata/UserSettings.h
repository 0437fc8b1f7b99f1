#pragma once

#include "results/TrainingResult.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <span>

namespace zr {

// Every key of a learner's "user.ini" except the problem-file slots (below) is declared
// once here, with its section, its type, the text of its default and the range its
// editor offers. A learner's settings are read into one typed value, `UserSettings`,
// which the windows take as it is; nothing else parses the file's text.

enum class Setting {
    // [General]
    MoveMouse,
    TypeSound,
    TypeSoundType,
    TypeSoundFile,
    ErrorSound,
    ErrorSoundType,
    ErrorSoundFile,
    KanaLock,
    Font,
    FontSize,
    FontItalic,
    FontBold,
    FontColor1,
    FontColor2,
    FontColor3,
    FontColor4,
    BackColor,
    FontUpper,
    // [KeyLsn]
    KeyLessonSize,
    // [Training]
    TrainingLessonTime,
    TrainingLessonStep,
    RmjGuide,
    Addition,
    Level,
    TargetTime,
    // [WordLsn], shared by word and sentence practice
    WordLessonTime,
    WordLessonStep,
    // [General], later than the keys above: every standard spelling of a kana counts
    AnySpelling,
    // [WordLsn], later still: the readings and the keys under the words of word and
    // sentence practice
    ShowReading,
    ShowKeys,
};

enum class SettingType {
    Flag,      // "1" on, anything else off
    Integer,   // decimal text
    Number,    // decimal text with an optional fraction
    Text,      // taken as it is
    Boolean,   // "True" / "False"
    Colour,    // 0x00BBGGRR as decimal text
    Time,      // "hh:mm:ss", a duration in days; its range is in seconds
    Choice,    // one of a few words or digits
};

struct SettingDeclaration {
    Setting id;
    const char16_t *section;
    const char16_t *key;
    SettingType type;
    const char16_t *defaultText;   // ErrorSoundFile's default depends on the installation
    // The range an editor offers (both 0 when it offers none); stored values outside
    // it are used as they are.
    int minimum = 0;
    int maximum = 0;
    int step = 0;
};

// All declarations, in the order of the enum.
std::span<const SettingDeclaration> SettingDeclarations();
const SettingDeclaration &Declaration(Setting setting);

// How long a word drill or a practice runs: the first of a time and a number of
// screens that is reached ends it.
struct PracticeLimit {
    double LessonTime = 150.0 / 86400.0;   // days; the editor offers 1-10 minutes, 0-59 s
    int LessonStep = 8;                    // screens; the editor offers 3-20

    bool operator==(const PracticeLimit &) const = default;
};

// When the drill shows the keys of the next unit under the problem line.
enum class RmjGuideMode { Never = 1, FirstHalf = 2, Always = 3 };

// How many keys the key position check asks for.
enum class LessonSize { Short, Mid, Long };

struct UserSettings {
    // [General]
    bool MoveMouse = false;        // mouse cursor to the practice window's corner
    qint32 TypeSound = 0;          // 1: a sound on every correct key
    qint32 TypeSoundType = 1;      // 0 the standard beep, 2 the file; 1 (the default) neither
    QString TypeSoundFile;
    qint32 ErrorSound = 1;         // 1: a sound on every miss
    qint32 ErrorSoundType = 2;
    QString ErrorSoundFile;
    bool KanaLock = false;         // keep the kana lock in line with the course
    QString Font = QStringLiteral(u"ＭＳ Ｐゴシック");
    double FontSize = 20;          // points; 6 to 72
    bool FontItalic = false;
    bool FontBold = false;
    qint64 FontColor1 = 16711680;  // the typed part of the problem text
    qint64 FontColor2 = 0;         // the input line
    qint64 FontColor3 = 0;         // the problem text
    qint64 FontColor4 = 33023;     // the input guide
    qint64 BackColor = 16777215;
    bool FontUpper = false;        // show letters in upper case
    // [KeyLsn]
    LessonSize KeyLessonSize = LessonSize::Mid;
    // [Training]
    PracticeLimit training;
    RmjGuideMode RmjGuide = RmjGuideMode::FirstHalf;
    bool Addition = true;          // a remedial pass of the mistyped words
    PassLevel Level = PassLevel::Standard;
    int TargetTime = 40;           // target speed in characters a minute (not a time)
    // [WordLsn]
    PracticeLimit word;
    // [General]: in the romaji course, any standard spelling of a kana is a hit
    bool AnySpelling = false;
    // [WordLsn]: under the words of word and sentence practice, their readings and the
    // keys to type
    bool ShowReading = false;
    bool ShowKeys = false;

    bool operator==(const UserSettings &) const = default;
};

// The settings of the current learner as last read, and the file and bytes they were
// read from (kept in the shared state).
struct LoadedUserSettings {
    QString file;
    QByteArray bytes;
    UserSettings settings;
    bool loaded = false;
};

// The defaults of every setting (ErrorSoundFile: the chord of the installation).
UserSettings DefaultUserSettings();

// Reads every declared key of file. A missing or empty key, and a value its reader
// cannot use, take the default; nothing is written.
UserSettings LoadUserSettings(const QString &file);

// Sets one setting from the text a file stores: "1" for a flag, "True" for a boolean
// (in any case), a time as "hh:mm:ss", a size of 6 to 72 points, a positive number
// of screens; "Short"/"Mid" (anything else: Long); RmjGuide and Level "1"/"2"
// (anything else: the third choice). A text the setting cannot take leaves it as it is.
void SetSettingText(UserSettings &settings, Setting setting, const QString &text);

// The value of setting as the file stores it.
QString SettingText(const UserSettings &settings, Setting setting);

// Writes the settings into file in the order the settings dialog saves them:
// [General] sounds and MoveMouse, the [Training] and [WordLsn] limits, TargetTime,
// LessonSize, RmjGuide, KanaLock, Addition, Level, then FontUpper, the font and the
// colours, and last AnySpelling, ShowReading and ShowKeys. A sound type that is neither
// 0 nor 2 is not written (the dialog has no option for it), the last three only when
// they are on or the file holds them already (a learner who never turns them on keeps
// the file the program has always written), and the bold flag goes under "Fontbold",
// the spelling the dialog has always used. Returns false when the file could not be
// written.
bool SaveUserSettings(const UserSettings &settings, const QString &file);

// A learner's file fills in the order the program first needs its keys: the first use
// of a key writes its default when the file lacks it. Each window that starts to use
// keys names them here, all at once and in the order it reads them; the defaults found
// missing are written in one rewrite of the file.
void WriteMissingDefaults(const QList<Setting> &settings, const QString &file);

// The same for a window about to open, which should not wait for the write to reach the
// disk: the window takes the defaults from CurrentUserSettings at once (a missing key
// reads as its default), and the one rewrite waits until a practice window has painted
// (WritePendingDefaults). Whatever happens first writes it before anything else: any
// other read or write of settings here, the end of the event loop, or a quarter second
// passing without a practice window to paint.
void WriteMissingDefaultsSoon(const QList<Setting> &settings, const QString &file);
// Writes what WriteMissingDefaultsSoon holds back, in the order it was asked for: one
// rewrite per file, a failure reported as WriteMissingDefaults reports it.
void WritePendingDefaults();

// The current learner's settings. Read again whenever the current learner's file no
// longer holds what they were read from (the settings dialog saved, a key's default
// was written, or the file was edited by hand); reading writes nothing.
const UserSettings &CurrentUserSettings();

// Loads the current learner's settings when the learner becomes current and after the
// settings dialog saves: first writes the defaults of the keys every window shares
// (the sounds and FontUpper) when the file lacks them, then reads the file and hands
// the shared keys to the shared state (UseSharedSettings).
void ReloadUserSettings();

// Reads a setting of a learner's "user.ini". An empty or missing value is replaced by
// its default, which is then written into the file, so the file grows to its full
// content by use. A default that cannot be written is reported once per file; the
// program goes on with it.
QString ReadUserSetting(const QString &section, const QString &key, const QString &file);

// A key of a settings file.
struct SettingKey {
    QString section;
    QString key;
};

// Reads several settings as ReadUserSetting reads each one, and writes the defaults of
// all those that were missing in one rewrite of the file, in the order of the keys.
QStringList ReadUserSettings(const QList<SettingKey> &keys, const QString &file);

// The default of a setting (sections and keys compared exactly; anything the table
// does not list defaults to an empty value), written into the file and returned.
QString DefaultUserSetting(const QString &section, const QString &key, const QString &file);

// The default of a setting without writing it.
QString DefaultSettingValue(const QString &section, const QString &key);

// Why a file's path cannot be kept as a value of "user.ini" (a control character, a
// character code page 932 lacks, more than 254 bytes, or a backslash in a full path,
// which would read back as a folder separator), naming it; empty when it can. use is
// what the person was doing with the file (registering a problem file, choosing a
// sound): the text says it cannot be done and what to change first.
enum class PathUse { Register, Choose };
QString UnstorablePathText(const QString &path, PathUse use);

// A sound file path as settings hold it, with the chord the program ships followed to
// this installation: a path naming the shipped chord of another installation (an
// earlier prefix, the build tree) or the chord of the Windows folder is this
// installation's chord. Any other path is kept as it is.
QString FollowInstalledChord(const QString &path);

// The problem-file slots: in sections "WordLsn" and "SSentLsn", "L"n holds the path of
// slot n (1-10, relative to the installation folder) and "LT"n the file's title.
QString SlotPathKey(int slot);
QString SlotTitleKey(int slot);

// The titles of the ten slots of section; a missing title is written empty.
QStringList ReadSlotTitles(const QString &section, const QString &file);

// Registers problem file path (relative to the installation folder) in slot n of
// section ("WordLsn" or "SSentLsn") of the learner folder's "user.ini": "L"n = path,
// "LT"n = the file's title. An empty path clears both keys. False when the file could
// not be written.
bool RegisterProblemFile(const QString &section, int slot, const QString &path,
                         const QString &userFolder);

// The default problem files: four word dictionaries in word slots 1-4 and ten sentence
// sets in sentence slots 1-10; the other slots are cleared. One rewrite of the file;
// false when it could not be written.
bool RegisterDefaultProblemFiles(const QString &userFolder);

}  // namespace zr
