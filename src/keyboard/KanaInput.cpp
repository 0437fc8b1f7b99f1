#include "keyboard/KanaInput.h"

#include "keyboard/KeyboardModel.h"

namespace zr {
namespace {

// Linux input event codes of the 48 keys in key-index order (X11 adds 8).
constexpr quint32 kEvdevCodes[kKeyCount] = {
    2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 124,   // 1 .. 0 - ^ ¥
    16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27,        // q .. p @ [
    30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 43,        // a .. l ; : ]
    44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 89,            // z .. m , . / ろ
};

}  // namespace

int KeyIndexFromX11Keycode(quint32 keycode)
{
    for (int i = 0; i < kKeyCount; ++i) {
        if (kEvdevCodes[i] + 8 == keycode)
            return i + 1;
    }
    return 0;
}

QChar KanaOfKey(int keyIndex, bool shift)
{
    if (keyIndex < 1 || keyIndex > kKeyCount)
        return {};
    return (shift ? ShiftedKanaKeyRow : KanaKeyRow).at(keyIndex - 1);
}

QChar TranslateToKana(quint32 x11Keycode, QChar character, bool shift)
{
    const char16_t u = character.unicode();
    if (u >= 0xFF61 && u <= 0xFF9F)
        return character;
    int index = x11Keycode ? KeyIndexFromX11Keycode(x11Keycode) : 0;
    if (index == 0) {
        if (character.isNull() || character == u' ')
            return {};
        const KeyPosition k = KeyIndexOf(character, RomajiCourse);
        if (!k)
            return {};
        index = k.index;
        shift = k.shift;
    }
    return KanaOfKey(index, shift);
}

}  // namespace zr
