#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace zr {

// One row of a learner's romaji table: a kana unit and the keys this learner types
// for it.
struct RomajiEntry {
    QString kana;
    QString keys;
    bool operator==(const RomajiEntry &) const = default;
};

// A learner's romaji table: 301 rows, looked up from the first row down; the first row
// whose kana equals the unit wins, so a later duplicate is never used. Unfilled rows
// hold two empty strings, and an empty kana never matches.
class RomajiTable {
public:
    static constexpr int kRows = 301;
    // The spelling choices reach rows 0 to 299; row 300 keeps what the file gave it.
    static constexpr int kSpellingRows = 300;

    const RomajiEntry &row(int i) const { return rows_.at(size_t(i)); }
    void setRow(int i, RomajiEntry entry);
    void clear();

    std::optional<QString> find(QStringView kana) const;

    // Sets the keys of every row (0 to 299) whose kana is the unit.
    void setSpelling(QStringView kana, const QString &keys);

    // Fills rows 0, 1, 2, ... from the entries of a default file; later rows keep
    // their contents.
    void load(const QList<RomajiEntry> &entries);

    bool operator==(const RomajiTable &other) const { return rows_ == other.rows_; }

private:
    std::array<RomajiEntry, kRows> rows_;
    void buildIndex() const;

    // Kana to first row, built on the first lookup after a change. Units of one or two
    // characters (nearly all) are keyed by their code units packed into one number, so
    // a lookup needs no string; longer kana fall back to a string key.
    mutable QHash<quint32, int> shortIndex_;
    mutable QHash<QString, int> longIndex_;
    mutable bool indexed_ = false;
};

// One of the 25 kana units with two accepted spellings.
struct SpellingAlternative {
    QString kana;
    QString spelling[2];
};

// The 25 units in their fixed order (し, ち, つ, ふ, じ, the しゃ, ちゃ and じゃ rows, the
// small vowels, the small や row, っ).
const QList<SpellingAlternative> &SpellingAlternatives();

// The default table file of a course, as the program names it.
QString DefaultTableFile(int course);

// Reads a default table file: code page 932 text, two fields an entry (kana, keys),
// fields separated by commas or line breaks, a field in double quotes taken without
// them (it may hold commas), an unquoted field trimmed. Blank lines are skipped. A file
// that cannot be read or holds more than 301 entries is refused with a message naming
// the file.
std::optional<QList<RomajiEntry>> ReadDefaultTable(const QString &path, QString *error);

// The same, over text already in memory.
std::optional<QList<RomajiEntry>> ParseDefaultTable(QStringView text, QString *error,
                                                    const QString &fileName = QString());

}  // namespace zr
