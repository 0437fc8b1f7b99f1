#pragma once

#include "practice/ProblemSource.h"
#include "reading/ReadingAnalyser.h"

#include <QList>
#include <QString>

namespace zr {

// Turning a text a learner pastes into the items of a problem file, each with the reading
// proposed for it.

// The widest line of a sentence set, in code page 932 bytes: a line of the practice
// window (31 full-width characters, no wrapping).
inline constexpr int kSentenceLineBytes = 62;

struct DraftItem {
    QString display;
    QString reading;              // proposed; an unknown word shows in brackets
    QList<UnknownWord> unknown;   // line and column in the pasted text
    int problem = 0;              // 0-based; the problem of a sentence set the line is in
    bool operator==(const DraftItem &) const = default;
};

// The sentences of one line of text: each ends after 。！？ (and the closing brackets
// right after it) outside brackets; blanks around them go. Start and length in the line.
struct TextSpan {
    int start = 0;
    int length = 0;
    bool operator==(const TextSpan &) const = default;
};
QList<TextSpan> SplitSentences(QStringView line);

// Cuts a sentence wider than maxBytes into lines that fit: after the last 、 that keeps
// a line within the width, else between the last two words that do (wordStarts: where
// each word begins). A single word wider than the line stays whole.
QList<TextSpan> SplitWideSentence(QStringView sentence, const QList<int> &wordStarts, int maxBytes);

// A word dictionary: one item per line of text. A sentence set: the sentences of the text,
// wide ones divided; a problem is a paragraph (the text between blank lines, or each line
// of a text without blank lines), continued in the next problem past 21 lines.
QList<DraftItem> DraftItems(QStringView text, ProblemKind kind, const ReadingAnalyser &analyser);

// The source the builder takes, from a title, a description (line breaks kept) and items
// whose readings are all filled.
ProblemSource SourceOfDraft(const QString &title, const QString &description, const QList<DraftItem> &items);

// A file name in the learner's problem folder for a title or a typed name: characters
// that a name cannot hold or that would leave the folder become '_', and the name ends in
// the kind's extension. Empty when nothing usable remains.
QString ProblemFileNameFor(const QString &name, ProblemKind kind);

}  // namespace zr
