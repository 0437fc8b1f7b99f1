#include "practice/KeyPositionCheck.h"

#include "keyboard/KeyboardModel.h"
#include "platform/Random.h"

#include <QSet>

namespace zr {

int LessonSizeOf(LessonSize size)
{
    switch (size) {
    case LessonSize::Short: return 40;
    case LessonSize::Mid: return 70;
    default: return 100;
    }
}

int LessonSizeOf(const QString &setting)
{
    UserSettings settings;
    SetSettingText(settings, Setting::KeyLessonSize, setting);
    return LessonSizeOf(settings.KeyLessonSize);
}

QString MakeKeyText(const QString &UseKey, const QString &TargetKey, int size, int course)
{
    QString pool = UseKey;
    const QString focus = TargetKey + HomeKeysOf(TargetKey, course);
    for (qsizetype i = 0; i < UseKey.size(); ++i)
        pool += focus;
    if (pool.isEmpty() || size <= 0)
        return {};

    QSet<QChar> distinct;
    for (QChar c : pool)
        distinct.insert(c);
    const bool avoidRepeats = distinct.size() >= 2;

    QString text;
    text.reserve(size);
    while (text.size() < size) {
        const QChar c = pool.at(Random::below(int(pool.size())));
        if (avoidRepeats && !text.isEmpty() && text.back() == c)
            continue;
        text += c;
    }
    return text;
}

}  // namespace zr
