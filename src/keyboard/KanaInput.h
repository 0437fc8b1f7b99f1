#pragma once

#include <QChar>
#include <QtGlobal>

namespace zr {

// Kana mode input: a key press becomes the half-width katakana of its physical key in
// the JIS kana layout. With Shift the keys that carry a small kana or a JIS symbol give
// it (ｧ ｨ ｩ ｪ ｫ ｬ ｭ ｮ ｯ ｦ ､ ｡ ･ ｢ ｣); the other keys give their plain kana.

// The key index (1..48) of an X11 key code, 0 for any other key.
int KeyIndexFromX11Keycode(quint32 keycode);

// The kana of key index 1..48, shifted or not; a null character out of range.
QChar KanaOfKey(int keyIndex, bool shift);

// Translates a key press in kana mode. The physical key decides where the platform
// reports one (x11Keycode non-zero and known); otherwise the character is looked up
// on the Latin and shifted rows. A character that already is half-width katakana is
// taken as it is. Returns a null character for a key that has no kana (space, Enter).
QChar TranslateToKana(quint32 x11Keycode, QChar character, bool shift);

}  // namespace zr
