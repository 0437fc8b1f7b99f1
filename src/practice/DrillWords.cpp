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
    // The same marks on the keys of the kana course.
    case u'､': return reading + u'、';
    case u'｡': return reading + u'。';
    case u'｢':
    case u'｣': return u'「' + reading + u'」';
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
        RmjConversion keys = ConvertWord(reading, UseKey, TargetKey, KeyFilterOn, course, table);
        if (keys.result != 0)
            list.append({word.display, reading, std::move(keys)});
    }
    return list;
}

QString DrillableKeys(const QList<ProblemItem> &words, const QString &UseKey, const QString &TargetKey, int course,
                      const RomajiTable &table)
{
    QString covered;
    // Punctuation matters only for the keys that add it; one plain try covers the rest.
    QString choices = QString(QChar());
    for (QChar k : TargetKey) {
        if (PunctuateReading(QString(), k).size() > 0 && !choices.contains(k))
            choices += k;
    }
    for (const ProblemItem &word : words) {
        for (QChar k : choices) {
            const RmjConversion c = ConvertWord(PunctuateReading(word.reading, k), UseKey, TargetKey, KeyFilterOn, course,
                                                  table);
            if (c.result == 0)
                continue;
            for (QChar key : c.Rmj) {
                if (TargetKey.contains(key) && !covered.contains(key))
                    covered += key;
            }
        }
        if (covered.size() == TargetKey.size())
            break;
    }
    QString ordered;
    for (QChar k : TargetKey) {
        if (covered.contains(k) && !ordered.contains(k))
            ordered += k;
    }
    return ordered;
}

}  // namespace zr
