#include "practice/WeakKeyPractice.h"

#include "keyboard/KeyboardModel.h"
#include "platform/Cp932.h"
#include "platform/Format.h"
#include "platform/OleDate.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "practicelog/LogSeed.h"
#include "results/TrainingResult.h"
#include "userdata/UserRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <numeric>

namespace zr {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

// An accuracy as the text writes it; keys pressed without a single hit have none.
QString accuracyText(double hits, double misses)
{
    if (const std::optional<double> accuracy = Accuracy(hits, misses))
        return FormatNumber(*accuracy, u"0") + u'%';
    return misses > 0 ? QCoreApplication::translate("WeakKeyPractice", "正解なし")
                      : QCoreApplication::translate("WeakKeyPractice", "今回は入力なし");
}

}  // namespace

QString LearnedKeys(const ChapterTable &chapters, int LessonProgress)
{
    const int reached = std::min(LessonProgress, chapters.ChapterCount());
    if (reached < 1)
        return {};
    QString keys;
    for (QChar c : chapters.chapter(reached).UseKey) {
        if (!keys.contains(c))
            keys += c;
    }
    return keys;
}

std::optional<QString> LearnedKeysOfLearner(int course, int LessonProgress, const QString &appDir, QString *error)
{
    const std::optional<QStringList> lines = ReadLessonTable(ResolvePath(appDir, LessonTableFile(course)), error);
    if (!lines)
        return std::nullopt;
    return LearnedKeys(ChapterTable(*lines), LessonProgress);
}

QList<WeakKeyWord> RankWeakKeyWords(const QList<ProblemItem> &words, QStringView learnedKeys, QStringView aimedKeys,
                                    int course, const RomajiTable &table)
{
    struct Ranked {
        WeakKeyWord word;
        int keys = 0;
    };
    QList<Ranked> ranked;
    QSet<QString> seen;
    for (const ProblemItem &w : words) {
        // A row starts 1 wide and holds 62: a wider word never fits on one.
        if (w.reading.isEmpty() || 1 + AnsiByteLength(w.reading) > ProblemPractice::kRowWidth)
            continue;
        const QString key = w.display + u'\t' + w.reading;
        if (seen.contains(key))
            continue;
        RmjConversion c = ConvertWord(w.reading, learnedKeys, aimedKeys, KeyFilterOn, course, table);
        if (c.result == 0)
            continue;
        seen.insert(key);
        const int presses = int(std::count_if(c.Rmj.cbegin(), c.Rmj.cend(), [&](QChar k) { return aimedKeys.contains(k); }));
        const int keys = int(c.Rmj.size());
        ranked.append({{{w.display, w.reading, std::move(c)}, presses}, keys});
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked &a, const Ranked &b) {
        if (a.word.weakPresses != b.word.weakPresses)
            return a.word.weakPresses > b.word.weakPresses;
        return a.keys < b.keys;
    });
    QList<WeakKeyWord> result;
    result.reserve(ranked.size());
    for (Ranked &r : ranked)
        result.append(std::move(r.word));
    return result;
}

QStringList WeakKeyDictionaryFiles(const QString &appDir, const QString &iniFile)
{
    QStringList files;
    QSet<QString> seen;
    auto add = [&](const QString &path) {
        const QFileInfo info(path);
        const QString canonical = info.canonicalFilePath();
        if (canonical.isEmpty() || !info.isFile() || seen.contains(canonical))
            return;
        seen.insert(canonical);
        files.append(path);
    };
    const QDir resource(ResolvePath(appDir, QStringLiteral("resource")));
    const QStringList shipped = resource.entryList({QStringLiteral("*.zrd")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : shipped)
        add(resource.filePath(name));
    for (int slot = 1; slot <= UserRecord::kSlots; ++slot) {
        const SlotRegistration registered = ReadSlotRegistration(RunKind::Word, slot, iniFile);
        if (!registered.file.isEmpty())
            add(ResolvePath(appDir, registered.file));
    }
    return files;
}

QList<ProblemItem> WeakKeyDictionaryWords(const QStringList &files)
{
    QList<ProblemItem> words;
    for (const QString &file : files)
        words += ReadWordDictionary(file).words();
    return words;
}

QString WeakKeyPractice::aimedKeys() const
{
    QString keys;
    for (const KeyTotal &k : aimed)
        keys += k.key();
    return keys;
}

int WeakKeyPractice::pickEntry(int previous) const
{
    const int n = int(entries.size());
    if (n <= 1)
        return 0;
    const bool avoid = previous >= 0 && previous < n;
    const int total = std::accumulate(weights.cbegin(), weights.cend(), 0) - (avoid ? weights.at(previous) : 0);
    double r = Random::next() * total;
    int last = 0;
    for (int i = 0; i < n; ++i) {
        if (avoid && i == previous)
            continue;
        last = i;
        r -= weights.at(i);
        if (r < 0)
            return i;
    }
    return last;
}

std::optional<WeakKeyPractice> BuildWeakKeyPractice(const QList<KeyTotal> &aimed, const QList<ProblemItem> &words,
                                                    QStringView learnedKeys, int course, const RomajiTable &table)
{
    WeakKeyPractice practice;
    practice.aimed = aimed;
    const QString keys = practice.aimedKeys();
    if (keys.isEmpty())
        return std::nullopt;
    QList<WeakKeyWord> ranked = RankWeakKeyWords(words, learnedKeys, keys, course, table);
    if (ranked.isEmpty())
        return std::nullopt;
    if (ranked.size() > WeakKeyPractice::kPool)
        ranked.resize(WeakKeyPractice::kPool);
    for (WeakKeyWord &w : ranked) {
        practice.weights.append(w.weakPresses);
        practice.entries.append(PracticeEntry{std::move(w.item)});
    }
    return practice;
}

ScoreRecord WeakKeyDayHistory(const QList<ProgressFigures> &days)
{
    ScoreRecord record;
    const int n = int(std::min<qsizetype>(days.size(), ScoreRecord::kDays));
    for (int d = 0; d < n; ++d) {
        const ProgressFigures &day = days.at(days.size() - 1 - d);
        record.DayDate[size_t(d)] = toOleDate(day.first);
        record.DayChars[size_t(d)] = day.units;
        record.DayKeys[size_t(d)] = day.hits;
        record.DayMisses[size_t(d)] = day.misses;
        record.DayTime[size_t(d)] = day.seconds / 86400.0;
    }
    return record;
}

std::optional<WeakKeyPractice> PlanWeakKeyPractice(const PracticeLog &log, int course, int LessonProgress,
                                                   const RomajiTable &table, const QString &appDir,
                                                   const QString &iniFile, const QDate &today,
                                                   WeakKeyShortfall *why, QString *detail)
{
    auto fail = [&](WeakKeyShortfall reason, const QString &text = QString()) {
        *why = reason;
        if (detail)
            *detail = text;
        return std::nullopt;
    };
    QString error;
    const std::optional<QString> learned = LearnedKeysOfLearner(course, LessonProgress, appDir, &error);
    if (!learned)
        return fail(WeakKeyShortfall::NoLessonTable, error);
    LogError logError;
    const std::optional<QList<KeyTotal>> weakest = WeakestKeys(log, *learned, today, &logError);
    if (!weakest)
        return fail(WeakKeyShortfall::NoLog, logError.detail);
    if (weakest->isEmpty())
        return fail(WeakKeyShortfall::NoJudgedKeys);
    const QList<ProblemItem> words = WeakKeyDictionaryWords(WeakKeyDictionaryFiles(appDir, iniFile));
    std::optional<WeakKeyPractice> practice = BuildWeakKeyPractice(*weakest, words, *learned, course, table);
    if (!practice)
        return fail(WeakKeyShortfall::NoWords);
    *why = WeakKeyShortfall::None;
    return practice;
}

QString WeakKeyPracticeTitle(QStringView aimedKeys, bool fontUpper)
{
    QStringList shown;
    for (QChar k : aimedKeys)
        shown << KeyDisplayForm(QStringView(&k, 1), fontUpper);
    //: %1: the keys aimed at, as "ｆ・ｊ".
    return QCoreApplication::translate("WeakKeyPractice", "弱点練習【%1】").arg(shown.join(u'・'));
}

QString WeakKeyResultText(const QList<KeyTotal> &aimed, const KeyStats &run)
{
    QString text = kCrLf
                   + QCoreApplication::translate("WeakKeyPractice", "　ねらったキーの正解率（直近%1日間 → 今回）：").arg(kWeakKeyDays)
                   + kCrLf;
    for (const KeyTotal &before : aimed) {
        const KeyStat *now = run.at(before.code);
        //: %1 the key, %2 its accuracy before, %3 in this run.
        text += QCoreApplication::translate("WeakKeyPractice", "　%1 %2 → %3")
                    .arg(AdviceKeyName(before.key()), accuracyText(before.hits, before.misses),
                         now ? accuracyText(now->hits, now->misses) : accuracyText(0, 0))
                + kCrLf;
    }
    return text;
}

}  // namespace zr
