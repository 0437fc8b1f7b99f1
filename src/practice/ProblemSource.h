#pragma once

#include "reading/ReadingAnalyser.h"
#include "userdata/ProblemFile.h"

#include <QString>

#include <optional>
#include <variant>

namespace zr {

// The text sources of problem files (UTF-8):
//
//   # a comment
//   @title 日常の単語
//   @description 一行目
//   @description 二行目 (joined to the first with a line break)
//   赤<TAB>あか
//   東京駅
//
// An item line is the text as shown, a TAB and its reading; a line of text alone gets its
// reading from the analyser. A word source has one word per item line. In a sentence
// source a blank line ends a problem; a problem is 1 to 21 item lines.

struct SourceError {
    int line = 0;        // 1-based; 0 for the file as a whole
    QString message;
};

// A problem file's content before it is checked and laid out. A word dictionary has one
// group of items, a sentence set one group per problem.
struct ProblemSource {
    struct Item {
        QString display;
        QString reading;   // empty: to be read from the text
        int line = 0;      // of the source, for messages; 0 when the items come from elsewhere
    };
    QString title;
    QString description;
    QList<QList<Item>> problems;
};

enum class ProblemKind { Word, Sentence };

std::variant<ProblemSource, SourceError> ParseProblemSource(QStringView text, ProblemKind kind);

// How items without a reading get one. Without an analyser, or with one that has no
// dictionary, such an item is an error naming what to install.
struct ReadingFill {
    const ReadingAnalyser *analyser = nullptr;
    // Leave out the items with a word the dictionary lacks instead of refusing them all.
    bool skipUnknown = false;
};

// What filling the readings met: every word without a reading, and the source lines left
// out for them.
struct FillReport {
    QList<UnknownWord> unknown;
    QList<int> skippedLines;
};

// Fills the missing readings; an error when a line cannot be read (and is not skipped).
std::optional<SourceError> FillReadings(ProblemSource &source, const ReadingFill &fill, FillReport *report);

// The file's record: every item encodable in code page 932, the limits of the format.
std::variant<WordDictionary, SourceError> MakeWordDictionary(const ProblemSource &source);
std::variant<SentenceSet, SourceError> MakeSentenceSet(const ProblemSource &source);

// Parses a source whose items all carry their readings.
std::variant<WordDictionary, SourceError> ParseWordSource(QStringView text);
std::variant<SentenceSet, SourceError> ParseSentenceSource(QStringView text);

// The one way a problem file is made, from zrtool and from the program: readings filled,
// the record checked, the file written whole (or not at all).
struct BuildResult {
    std::optional<SourceError> error;   // in the content
    QString writeError;                 // writing failed
    FillReport report;
    bool ok() const { return !error && writeError.isEmpty(); }
};
BuildResult BuildProblemFile(ProblemSource source, ProblemKind kind, const ReadingFill &fill, const QString &path);

}  // namespace zr
