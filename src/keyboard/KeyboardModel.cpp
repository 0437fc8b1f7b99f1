#include "keyboard/KeyboardModel.h"

#include <QCoreApplication>

namespace zr {

const QString LatinKeyRow = QStringLiteral("1234567890-^\\qwertyuiop@[asdfghjkl;:]zxcvbnm,./_");
const QString ShiftedKeyRow = QStringLiteral("!\"#$%&'() =~|QWERTYUIOP`{ASDFGHJKL+*}ZXCVBNM<>?_");
const QString KanaKeyRow = QStringLiteral(
    u"ﾇﾌｱｳｴｵﾔﾕﾖﾜﾎﾍｰﾀﾃｲｽｶﾝﾅﾆﾗｾﾞﾟﾁﾄｼﾊｷｸﾏﾉﾘﾚｹﾑﾂｻｿﾋｺﾐﾓﾈﾙﾒﾛ");

const QString ShiftedKanaKeyRow = [] {
    QString row = KanaKeyRow;
    const std::pair<int, char16_t> shifted[] = {
        {3, u'ｧ'}, {4, u'ｩ'}, {5, u'ｪ'}, {6, u'ｫ'}, {7, u'ｬ'}, {8, u'ｭ'}, {9, u'ｮ'}, {10, u'ｦ'},
        {16, u'ｨ'}, {25, u'｢'}, {37, u'｣'}, {38, u'ｯ'}, {45, u'､'}, {46, u'｡'}, {47, u'･'},
    };
    for (const auto &[key, kana] : shifted)
        row[key - 1] = QChar(kana);
    return row;
}();

namespace {

constexpr int kRowLengths[4] = {13, 12, 12, 11};

// Finger of each key, 1-based by key index.
constexpr int kFingers[kKeyCount] = {
    1, 2, 3, 4, 4, 5, 5, 6, 7, 8, 8, 8, 8,   // 1 .. =
    1, 2, 3, 4, 4, 5, 5, 6, 7, 8, 8, 8,      // q .. [
    1, 2, 3, 4, 4, 5, 5, 6, 7, 8, 8, 8,      // a .. ]
    1, 2, 3, 4, 4, 5, 5, 6, 7, 8, 8,         // z .. _
};

const QString kHomeRomaji = QStringLiteral("asdfjkl;");
const QString kHomeKana = QStringLiteral(u"ﾁﾄｼﾊﾏﾉﾘﾚ");

const char *const kFingerNames[8] = {
    QT_TRANSLATE_NOOP("KeyboardModel", "左手の小指"),     QT_TRANSLATE_NOOP("KeyboardModel", "左手の薬指"),
    QT_TRANSLATE_NOOP("KeyboardModel", "左手の中指"),     QT_TRANSLATE_NOOP("KeyboardModel", "左手の人差し指"),
    QT_TRANSLATE_NOOP("KeyboardModel", "右手の人差し指"), QT_TRANSLATE_NOOP("KeyboardModel", "右手の中指"),
    QT_TRANSLATE_NOOP("KeyboardModel", "右手の薬指"),     QT_TRANSLATE_NOOP("KeyboardModel", "右手の小指"),
};
const char *const kFingerLabels[8] = {
    QT_TRANSLATE_NOOP("KeyboardModel", "小指"),     QT_TRANSLATE_NOOP("KeyboardModel", "薬指"),
    QT_TRANSLATE_NOOP("KeyboardModel", "中指"),     QT_TRANSLATE_NOOP("KeyboardModel", "人差し指"),
    QT_TRANSLATE_NOOP("KeyboardModel", "人差し指"), QT_TRANSLATE_NOOP("KeyboardModel", "中指"),
    QT_TRANSLATE_NOOP("KeyboardModel", "薬指"),     QT_TRANSLATE_NOOP("KeyboardModel", "小指"),
};

// Full-width katakana of the half-width katakana U+FF61..U+FF9F.
constexpr char16_t kHalfToFullKatakana[0x3F] = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7,
    0x30A9, 0x30E3, 0x30E5, 0x30E7, 0x30C3, 0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8,
    0x30AA, 0x30AB, 0x30AD, 0x30AF, 0x30B1, 0x30B3, 0x30B5, 0x30B7, 0x30B9, 0x30BB,
    0x30BD, 0x30BF, 0x30C1, 0x30C4, 0x30C6, 0x30C8, 0x30CA, 0x30CB, 0x30CC, 0x30CD,
    0x30CE, 0x30CF, 0x30D2, 0x30D5, 0x30D8, 0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1,
    0x30E2, 0x30E4, 0x30E6, 0x30E8, 0x30E9, 0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF,
    0x30F3, 0x309B, 0x309C,
};

bool takesVoicedMark(char16_t k)
{
    return QStringView(u"カキクケコサシスセソタチツテトハヒフヘホウ").contains(QChar(k));
}

bool takesSemiVoicedMark(char16_t k)
{
    return QStringView(u"ハヒフヘホ").contains(QChar(k));
}

// The voiced kana is the next code point, except for ウ and ヴ.
char16_t voiced(char16_t k)
{
    return k == u'ウ' ? u'ヴ' : char16_t(k + 1);
}

}  // namespace

KeyPosition KeyIndexOf(QChar c, int course)
{
    const QString &plain = course == KanaCourse ? KanaKeyRow : LatinKeyRow;
    const QString &shifted = course == KanaCourse ? ShiftedKanaKeyRow : ShiftedKeyRow;
    qsizetype i = plain.indexOf(c);
    if (i >= 0)
        return {int(i) + 1, false};
    i = shifted.indexOf(c);
    return i < 0 ? KeyPosition{} : KeyPosition{int(i) + 1, true};
}

int KeyRow(int keyIndex)
{
    int first = 1;
    for (int row = 0; row < 4; ++row) {
        if (keyIndex >= first && keyIndex < first + kRowLengths[row])
            return row + 1;
        first += kRowLengths[row];
    }
    return 0;
}

int KeyColumn(int keyIndex)
{
    const int row = KeyRow(keyIndex);
    if (row == 0)
        return 0;
    int first = 1;
    for (int r = 0; r < row - 1; ++r)
        first += kRowLengths[r];
    return keyIndex - first + 1;
}

int FingerOf(int keyIndex)
{
    return keyIndex >= 1 && keyIndex <= kKeyCount ? kFingers[keyIndex - 1] : 0;
}

QString FingerName(int finger)
{
    return finger >= 1 && finger <= 8 ? QCoreApplication::translate("KeyboardModel", kFingerNames[finger - 1]) : QString();
}

QString FingerShortLabel(int finger)
{
    return finger >= 1 && finger <= 8 ? QCoreApplication::translate("KeyboardModel", kFingerLabels[finger - 1]) : QString();
}

QChar HomeKeyOfFinger(int finger, int course)
{
    if (finger < 1 || finger > 8)
        return {};
    return (course == KanaCourse ? kHomeKana : kHomeRomaji).at(finger - 1);
}

QString HomeKeys(int course)
{
    return course == KanaCourse ? kHomeKana : kHomeRomaji;
}

bool IsHomeKey(int keyIndex, int course)
{
    for (QChar h : HomeKeys(course)) {
        if (KeyIndexOf(h, course).index == keyIndex)
            return true;
    }
    return false;
}

QString HomeKeysOf(QStringView keys, int course)
{
    QString out;
    for (QChar c : keys) {
        const KeyPosition k = KeyIndexOf(c, course);
        if (!k)
            break;
        out += HomeKeyOfFinger(FingerOf(k.index), course);
    }
    return out;
}

std::optional<QString> KeyGuideText(QChar c, int course)
{
    const KeyPosition k = KeyIndexOf(c, course);
    if (!k)
        return std::nullopt;
    return KeyStrokeText(ToWideHiragana(QStringView(&c, 1)), FingerOf(k.index), k.shift);
}

QString KeyStrokeText(const QString &shownKey, int finger, bool shift)
{
    // Whole sentences, so that a translation can put the key, Shift and the finger in
    // its own order.
    return (shift ? QCoreApplication::translate("KeyboardModel", "【 %1 】キーは SHIFTキーを押しながら、%2で打ちます。")
                  : QCoreApplication::translate("KeyboardModel", "【 %1 】キーは%2で打ちます。"))
        .arg(shownKey, FingerName(finger));
}

QString ToWideHiragana(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        char16_t w = u;
        if (u == u' ') {
            w = 0x3000;
        } else if (u == u'\\') {
            w = 0xFFE5;   // the key shows the yen sign
        } else if (u == u'"') {
            w = 0x201D;
        } else if (u == u'\'') {
            w = 0x2019;
        } else if (u == u'`') {
            w = 0x2018;
        } else if (u > 0x20 && u < 0x7F) {
            w = char16_t(u - 0x21 + 0xFF01);
        } else if (u >= 0xFF61 && u <= 0xFF9F) {
            w = kHalfToFullKatakana[u - 0xFF61];
            const char16_t next = i + 1 < text.size() ? text[i + 1].unicode() : 0;
            if (next == 0xFF9E && takesVoicedMark(w)) {
                w = voiced(w);
                ++i;
            } else if (next == 0xFF9F && takesSemiVoicedMark(w)) {
                w = char16_t(w + 2);
                ++i;
            }
        }
        // Katakana to hiragana: ァ..ヶ sit 0x60 above ぁ..ゖ.
        if (w >= 0x30A1 && w <= 0x30F6)
            w = char16_t(w - 0x60);
        out.append(QChar(w));
    }
    return out;
}

QString KeyDisplayForm(QStringView keys, bool fontUpper)
{
    return ToWideHiragana(fontUpper ? keys.toString().toUpper() : keys.toString());
}

QString KeepBracketedKeysTogether(QString text)
{
    qsizetype open = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'【')
            open = i;
        else if (text[i] == u'】')
            open = -1;
        else if (open >= 0 && text[i] == u' ')
            text[i] = QChar(0x00A0);
    }
    return text;
}

std::optional<Rgb> KeyFillColour(int code)
{
    switch (code) {
    case NormalKey: return Rgb{255, 255, 255};
    case HomeKey: return Rgb{255, 255, 128};
    case NextKey: return Rgb{128, 255, 128};
    case PressedKey: return Rgb{255, 0, 0};
    default: return std::nullopt;
    }
}

std::optional<Rgb> KeyPictureColour(int code)
{
    if (code == BlueKey)
        return Rgb{64, 128, 255};
    return KeyFillColour(code);
}

const KeyboardGeometry KeyCheckGeometry{600, 618, 500, 60, {0, 300, 500, 800}, -245, 400};
const KeyboardGeometry ChapterIntroGeometry{300, 330, 100, 30, {0, 150, 250, 430}, -15, 350};
const KeyboardGeometry DrillGeometry{345, 360, 0, 145, {0, 190, 290, 490}, -200, 140};

QRectF KeyRect(int keyIndex, const KeyboardGeometry &g)
{
    const int row = KeyRow(keyIndex);
    if (row == 0)
        return {};
    const int column = KeyColumn(keyIndex);
    const double left = g.x0 + g.pitch * column + g.stagger[row - 1]
                        + (column <= 5 ? g.splitLeft : g.splitRight);
    const double top = g.y0 + g.pitch * (row - 1);
    return {left, top, g.keySize, g.keySize};
}

}  // namespace zr
