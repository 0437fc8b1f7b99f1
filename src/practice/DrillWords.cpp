#include "practice/DrillWords.h"

#include "platform/Random.h"

namespace zr {

QString PunctuateReading(const QString &reading, QChar newKey)
{
    switch (newKey.unicode()) {
    case u',': return reading + u'、';
    case u'.': return reading + u'。';
    case u';': return reading + u'；';
    case u':': return reading + u'：';
    case u'@': return reading + u'＠';
    case u']': return u'「' + reading + u'」';
    default: return reading;
    }
}

QList<DrillWord> BuildDrillWordList(const QList<ProblemItem> &words, const QString &UseKey,
                                    const QString &TargetKey, int course, const RomajiTable &table)
{
    QList<DrillWord> list;
    for (const ProblemItem &word : words) {
        const QChar key = TargetKey.isEmpty() ? QChar() : TargetKey.at(Random::below(int(TargetKey.size())));
        const QString reading = PunctuateReading(word.reading, key);
        RmjConversion keys = ConvertWord(reading, UseKey, TargetKey, 0, course, table);
        if (keys.result != 0)
            list.append({word.display, reading, std::move(keys)});
    }
    return list;
}

}  // namespace zr
