#pragma once

#include <QRectF>
#include <QString>

#include <optional>

namespace zr {

// The two input courses of a learner.
enum Course : int { RomajiCourse = 0, KanaCourse = 1 };

// The 48 keys of a Japanese 106/109-key keyboard that the program knows, numbered 1 to
// 48 row by row from the top left (13, 12, 12 and 11 keys). Each row string gives the
// character of key k at position k - 1.
inline constexpr int kKeyCount = 48;
extern const QString LatinKeyRow;     // unshifted
extern const QString ShiftedKeyRow;   // with Shift
extern const QString KanaKeyRow;      // JIS kana layout, kana mode on
// Kana mode with Shift: the small kana and JIS symbols of the keys that carry one
// (ｧ ｨ ｩ ｪ ｫ ｬ ｭ ｮ ｯ ｦ ､ ｡ ･ ｢ ｣); every other key gives its plain kana.
extern const QString ShiftedKanaKeyRow;

struct KeyPosition {
    int index = 0;        // 1..48, 0 when the character is not on the keyboard
    bool shift = false;   // the character needs Shift
    explicit operator bool() const { return index != 0; }
};

// Finds a key character: the romaji course searches LatinKeyRow then ShiftedKeyRow,
// the kana course KanaKeyRow then ShiftedKanaKeyRow, so that the small kana of the
// kana course have a key and a finger too (the first occurrence wins; comparison is
// exact, so "F" is key 29 with Shift). Any course other than the kana course reads as
// romaji.
KeyPosition KeyIndexOf(QChar c, int course);

int KeyRow(int keyIndex);      // 1..4, 0 when out of range
int KeyColumn(int keyIndex);   // 1.., 0 when out of range

// Fingers are numbered 1 to 8 from the left little finger to the right little finger.
int FingerOf(int keyIndex);    // 0 when out of range
QString FingerName(int finger);         // "左手の人差し指"
QString FingerShortLabel(int finger);   // "人差し指"
QChar HomeKeyOfFinger(int finger, int course);
QString HomeKeys(int course);           // "asdfjkl;" or "ﾁﾄｼﾊﾏﾉﾘﾚ"
// Whether key index 1..48 is a home key (keys 26 to 29 and 32 to 35 in both courses).
bool IsHomeKey(int keyIndex, int course);

// For each character in order, the home key of the finger that strikes it. Stops at the
// first character that is not on the keyboard.
QString HomeKeysOf(QStringView keys, int course);

// "【 ｆ 】キーは左手の人差し指で打ちます。", with " SHIFTキーを押しながら、" before the
// finger's name for a shifted character; nothing for a character not on the keyboard.
std::optional<QString> KeyGuideText(QChar c, int course);
// The same sentence for a key already written as it is shown ("ｆ") and its finger.
QString KeyStrokeText(const QString &shownKey, int finger, bool shift);

// Half-width katakana to full-width hiragana and ASCII to full width (a blank becomes
// the ideographic space): how key characters are written for a person.
QString ToWideHiragana(QStringView text);

// The key display form: upper case when fontUpper, then ToWideHiragana. So f shows as
// ｆ (Ｆ), ; as ；, ﾊ as は.
QString KeyDisplayForm(QStringView keys, bool fontUpper);

// The text with the blanks inside every 【 … 】 made no-break spaces, so that a text
// that wraps never parts a key from its brackets.
QString KeepBracketedKeysTogether(QString text);

// Colour codes of key marking, shared by every on-screen keyboard.
enum KeyColour : int {
    NormalKey = 1,      // white
    HomeKey = 2,        // light yellow
    YellowPicture = 3,  // the result screens' own code for the light yellow picture
    NextKey = 4,        // light green: the key to type next, a key being taught
    BlueKey = 5,        // only as a picture (result screens)
    PressedKey = 6,     // red
};

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb &) const = default;
};

// The fill colour of a colour code on keyboards drawn as shapes; nothing for a code
// that leaves the key as it is.
std::optional<Rgb> KeyFillColour(int code);
// The colour of a key picture of a code (blue included); nothing for other codes.
std::optional<Rgb> KeyPictureColour(int code);

// Where a keyboard picture places its keys, in twips inside the picture:
// left = x0 + pitch * column + stagger(row) + split(column),
// top = y0 + pitch * (row - 1).
struct KeyboardGeometry {
    double pitch;
    double keySize;
    double x0;
    double y0;
    double stagger[4];       // rows 1 to 4
    double splitLeft;        // columns 1 to 5
    double splitRight;       // columns 6 and above
};

extern const KeyboardGeometry KeyCheckGeometry;       // key position check
extern const KeyboardGeometry ChapterIntroGeometry;   // Chapter introduction, result screens
extern const KeyboardGeometry DrillGeometry;          // Chapter practice

QRectF KeyRect(int keyIndex, const KeyboardGeometry &geometry);

}  // namespace zr
