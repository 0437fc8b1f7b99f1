#pragma once

#include "userdata/UserSettings.h"

#include <QString>

namespace zr {

// Number of keys of a key position check by the "LessonSize" setting: Short 40,
// Mid 70, Long 100.
int LessonSizeOf(LessonSize size);
// The same for the setting's stored text ("Short", "Mid", anything else Long).
int LessonSizeOf(const QString &setting);

// The keys a key position check asks for, size characters drawn at random from a pool
// in which the new keys and the home keys of their fingers dominate: UseKey once, then
// Len(UseKey) copies of TargetKey + HomeKeysOf(TargetKey). No key is asked twice in a
// row. A pool with fewer than two different keys cannot avoid that, so there the rule
// is dropped rather than drawing forever; an empty pool gives an empty text.
QString MakeKeyText(const QString &UseKey, const QString &TargetKey, int size, int course);

}  // namespace zr
