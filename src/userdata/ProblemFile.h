#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace zr {

// An item of a problem file: the text as shown (kanji and kana) and its reading in
// hiragana, from which the keys come.
struct ProblemItem {
    QString display;
    QString reading;
    bool operator==(const ProblemItem &) const = default;
};

// A word dictionary (".zrd"): title, 4 reserved bytes, description, then 2001 entries.
// The words are the entries before the first one with an empty reading.
struct WordDictionary {
    static constexpr int kEntries = 2001;
    static constexpr int kMaxWords = 2000;

    QString title;
    QString description;
    QList<ProblemItem> entries;   // always kEntries long once read

    int wordCount() const;
    QList<ProblemItem> words() const { return entries.mid(0, wordCount()); }
};

// A short-sentence set (".zrw"): title, 4 reserved bytes, description, then 20
// problems of 21 display lines followed by 21 reading lines. A problem's lines are
// those before its first empty reading.
struct SentenceSet {
    static constexpr int kProblems = 20;
    static constexpr int kLines = 21;
    using Problem = std::array<ProblemItem, kLines>;

    QString title;
    QString description;
    std::array<Problem, kProblems> problems{};

    // The lines of problem p (1-based) before its first empty reading.
    QList<ProblemItem> lines(int p) const;
};

// How a read went: a file that does not exist reads as an empty record (empty title,
// no items), as does the missing tail of a cut file.
struct ProblemFileStatus {
    bool exists = false;
    bool truncated = false;
};

WordDictionary ReadWordDictionary(const QString &path, ProblemFileStatus *status = nullptr);
SentenceSet ReadSentenceSet(const QString &path, ProblemFileStatus *status = nullptr);

// The title at the head of either kind of problem file, cleaned for the learner's lists
// and settings (CleanProblemTitle); empty when there is none.
QString ReadProblemTitle(const QString &path);

// The same over a file's bytes already in memory; truncated, when given, tells whether
// the bytes ended before everything was read.
WordDictionary ParseWordDictionary(QByteArrayView data, bool *truncated = nullptr);
SentenceSet ParseSentenceSet(QByteArrayView data, bool *truncated = nullptr);
QString ParseProblemTitle(QByteArrayView data);

// A title as a settings line can hold it: every run of control characters (line breaks,
// tabs, NUL) becomes one blank, blanks at both ends go, and the text is cut to the 254
// bytes a setting keeps, at a character boundary.
QString CleanProblemTitle(const QString &title);

bool WriteWordDictionary(const QString &path, const WordDictionary &dictionary, QString *error);
bool WriteSentenceSet(const QString &path, const SentenceSet &set, QString *error);

QByteArray SerializeWordDictionary(const WordDictionary &dictionary);
QByteArray SerializeSentenceSet(const SentenceSet &set);

}  // namespace zr
