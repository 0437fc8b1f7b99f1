#pragma once

#include "engine/KeyStats.h"
#include "engine/RomajiTable.h"
#include "keyboard/LessonTable.h"
#include "practice/ProblemPractice.h"
#include "practicelog/ProgressQueries.h"
#include "results/ScoreRecord.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace zr {

// Weak-key practice: word practice whose words are chosen for the learner's weakest
// keys, from every word dictionary the learner can reach, typed only with the keys the
// learner has learned.

// The keys a learner has learned: the keys in use of the Chapter reached
// (LessonProgress, kept within the table), each once, in the order they were taught.
QString LearnedKeys(const ChapterTable &chapters, int LessonProgress);

// The same for a learner of a course, from the course's lesson table in the
// installation folder; nothing, with the reason in error, when the table cannot be read.
std::optional<QString> LearnedKeysOfLearner(int course, int LessonProgress, const QString &appDir, QString *error);

// A word a weak-key practice can give, in the learner's own spellings or kana keys.
struct WeakKeyWord {
    PracticeItem item;
    int weakPresses = 0;   // the presses of aimed keys its keys hold
};

// The words that use only learned keys and press at least one aimed key, ranked: the
// most presses of aimed keys first, among equals the fewer keys, then the order given.
// A word given twice (in two dictionaries) is ranked once; a word wider than a row of
// word practice is left out.
QList<WeakKeyWord> RankWeakKeyWords(const QList<ProblemItem> &words, QStringView learnedKeys, QStringView aimedKeys,
                                    int course, const RomajiTable &table);

// The word dictionaries weak-key practice draws from: the ".zrd" files the installation
// ships in its resource folder, then the files of the learner's registered word slots
// ("WordLsn" L1 to L10 of iniFile), each file once, as real paths.
QStringList WeakKeyDictionaryFiles(const QString &appDir, const QString &iniFile);

// The words of those files, in order.
QList<ProblemItem> WeakKeyDictionaryWords(const QStringList &files);

// One weak-key practice, ready for the word practice window.
struct WeakKeyPractice {
    // The best-ranked words make the pool the practice draws from.
    static constexpr int kPool = 100;

    QList<KeyTotal> aimed;           // the keys aimed at, weakest first, with their figures before the run
    QList<PracticeEntry> entries;    // the pool, best first
    QList<int> weights;              // each entry's presses of aimed keys

    // The aimed keys as characters, weakest first.
    QString aimedKeys() const;
    // An entry drawn at random (Random), its chance in proportion to its presses of
    // aimed keys; never previous while the pool holds another word. previous -1: none.
    int pickEntry(int previous) const;
};

// The practice that aims at the given keys, or nothing when no word of words can be
// typed with the learned keys and presses one of them.
std::optional<WeakKeyPractice> BuildWeakKeyPractice(const QList<KeyTotal> &aimed, const QList<ProblemItem> &words,
                                                    QStringView learnedKeys, int course, const RomajiTable &table);

// Why a learner has no weak-key practice yet.
enum class WeakKeyShortfall {
    None,
    NoLessonTable,   // the course's lesson table cannot be read (detail says why)
    NoLog,           // the practice log cannot be read (detail says why)
    NoJudgedKeys,    // no learned key pressed kPressesToJudge times in kWeakKeyDays days
    NoWords,         // no word of the dictionaries uses only learned keys and an aimed one
};

// The weak-key practice of a learner (course, LessonProgress and romaji table of the
// record) from the log, the dictionaries of the installation folder and of the
// settings file, on the day today; nothing, with the reason, when there is none.
std::optional<WeakKeyPractice> PlanWeakKeyPractice(const PracticeLog &log, int course, int LessonProgress,
                                                   const RomajiTable &table, const QString &appDir,
                                                   const QString &iniFile, const QDate &today,
                                                   WeakKeyShortfall *why, QString *detail = nullptr);

// The practice window's title, naming the keys in the key display form:
// "弱点練習【ｆ・ｊ・；】".
QString WeakKeyPracticeTitle(QStringView aimedKeys, bool fontUpper);

// The day history of weak-key practice as the result screen draws it: the latest 15
// of the days given (oldest first, as DailyProgress gives them), the most recent first.
ScoreRecord WeakKeyDayHistory(const QList<ProgressFigures> &days);

// What the result screen says after the run: per aimed key, its accuracy over the days
// before and in this run. Lines end with CR LF.
QString WeakKeyResultText(const QList<KeyTotal> &aimed, const KeyStats &run);

}  // namespace zr
