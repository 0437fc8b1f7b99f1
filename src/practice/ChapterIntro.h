#pragma once

#include <QString>

#include <optional>

namespace zr {

// The sentence that names the finger of a new key: "【 ｇ 】キーは左手の人差し指で打ちます。".
// The romaji course finds keys on the unshifted row only. In the kana course a small
// kana or symbol typed with Shift gets the Shift sentence, so that every key of the
// kana Chapters is explained. Nothing for a key the keyboard does not have. fontUpper
// shows a letter key in upper case.
std::optional<QString> FingerSentence(QChar key, int course, bool fontUpper = false);

// The explanation of the Chapter introduction: the greeting, the home position in
// Chapter 1, the new keys, and for each new key its finger and, away from the home
// row, the reminder to go back to the home key. Lines end with CR LF. New keys that the
// drill cannot ask for (undrilled) are named, so the learner knows why they stay blank.
QString ChapterIntroText(int lesson, const QString &TargetKey, int course, bool fontUpper,
                         const QString &undrilled = QString());

}  // namespace zr
