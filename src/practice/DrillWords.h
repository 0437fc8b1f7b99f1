#pragma once

#include "engine/RmjChk.h"
#include "userdata/ProblemFile.h"

#include <QList>

namespace zr {

// The word list every Chapter drill draws from, in the installation folder.
inline const QString DrillDictionaryFile = QStringLiteral("resource\\zr.zrd");

// A word of a Chapter's drill: the dictionary word, its reading with the punctuation the
// drill gave it, and its conversion.
struct DrillWord {
    QString display;
    QString reading;
    RmjConversion keys;
};

// The drill's own punctuation: for a new key "," the reading gets 、 appended, "." 。,
// ";" ；, ":" ：, "@" ＠, and "]" wraps it in 「」; in the kana course ､ appends 、, ｡ 。,
// and ｢ or ｣ wraps it in 「」. Other keys leave it unchanged.
QString PunctuateReading(const QString &reading, QChar newKey);

// Builds a Chapter's drill word list from the dictionary's words: for each word one of
// the new keys is picked at random for its punctuation, and the word is kept when the
// filter of the Chapter accepts it (every key learned, one key new).
QList<DrillWord> BuildDrillWordList(const QList<ProblemItem> &words, const QString &UseKey,
                                    const QString &TargetKey, int course, const RomajiTable &table);

// The new keys that the drill can ask for at all: those that some word of the list
// types, with any of the punctuation choices, under the Chapter's filter. A key the
// learner's spellings never produce from these words is missing, and the Chapter says
// so instead of leaving the learner to wonder.
QString DrillableKeys(const QList<ProblemItem> &words, const QString &UseKey, const QString &TargetKey, int course,
                      const RomajiTable &table);

}  // namespace zr
