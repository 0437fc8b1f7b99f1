#pragma once

#include <QString>

#include <functional>

namespace zr {

// The kana mode stands in for the keyboard's kana lock: while it is on, key presses
// reach the practice windows as the half-width katakana of their keys.
bool KanaModeOn();
void SetKanaMode(bool on);
void ToggleKanaMode();

// Called whenever the kana mode changes (one listener, for the window that shows it).
void SetKanaModeListener(std::function<void(bool)> listener);

// Keeps the kana mode in line with the course: off in the romaji course (0); in the
// kana course (1), when mode is "ON" and a key is expected, on for a half-width
// katakana key and off for any other key. Any other course: nothing.
void SyncKanaLock(int course, QStringView mode, QStringView next);

// Switches the kana mode off when the program ends.
void ReleaseKanaLock();

}  // namespace zr
