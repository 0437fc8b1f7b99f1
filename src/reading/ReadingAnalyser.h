#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>

namespace zr {

// A stretch of a line and the hiragana typed for it. A number with its counter is one
// part (三百円), as is a word of the dictionary; text between parts (blanks) is not
// typed. An unknown part has no reading.
struct ReadingPart {
    int start = 0;       // in UTF-16 units of the line
    int length = 0;
    QString reading;
    bool known = true;
};

// A word without a reading: where it is (1-based, counted in characters) and what it is.
struct UnknownWord {
    int line = 1;
    int column = 1;
    QString text;
    bool operator==(const UnknownWord &) const = default;
};

struct LineReading {
    QList<ReadingPart> parts;
    QList<UnknownWord> unknown;

    bool complete() const { return unknown.isEmpty(); }
    // The reading of the parts from index first up to, not including, last; an unknown
    // part shows as its text in brackets ("[abc]") so that it cannot pass for a reading.
    QString reading(qsizetype first = 0, qsizetype last = -1) const;
};

// What a reading may hold: the hiragana, ヴ, the long-vowel mark and the punctuation the
// romaji tables know (、。「」・？！；：＠～（）). Empty is not a reading.
bool IsTypableReading(QStringView reading);

// Katakana to hiragana (ヴ stays: code page 932 has no hiragana ゔ); half-width katakana
// are widened first. Nothing when the text holds anything but kana, ー and ・.
std::optional<QString> KanaToHiragana(QStringView text);

// The readings of Japanese text, from the morphological analyser MeCab with the IPADIC
// dictionary in UTF-8. The reading field of a word is what a learner types (は stays は,
// 東京 is とうきょう); numbers and their counters are read by NumberReading's rules; a
// katakana word the dictionary lacks is read as written; anything else unknown (Latin
// letters, a kanji word the dictionary lacks) is reported, never guessed.
//
// Loading maps the dictionary (some 50 MB) once; reading is safe from several threads.
class ReadingAnalyser {
public:
    enum class Status { Ready, Missing, NotUtf8 };

    // mecab-ipadic-utf8's folder, named outright: the alternatives link beside it may
    // point at a dictionary in another character set.
    static QString DefaultDictionaryFolder();

    explicit ReadingAnalyser(const QString &dictionaryFolder = DefaultDictionaryFolder());
    ~ReadingAnalyser();
    ReadingAnalyser(const ReadingAnalyser &) = delete;
    ReadingAnalyser &operator=(const ReadingAnalyser &) = delete;

    Status status() const { return status_; }
    bool ready() const { return status_ == Status::Ready; }
    QString dictionaryFolder() const { return folder_; }
    // Why readings cannot be made, in Japanese, naming the packages to install; empty
    // when ready.
    QString problem() const;
    // The same for the command line, in English.
    QString problemInEnglish() const;

    // One line of text (a line break in it is read as a blank). Unknown words carry
    // lineNumber as their line.
    LineReading readLine(QStringView line, int lineNumber = 1) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    Status status_ = Status::Missing;
    QString folder_;
    QString detail_;
};

// The analyser of the default dictionary, loaded on first use and shared by the whole
// process (from any thread).
const ReadingAnalyser &DefaultReadingAnalyser();

// The packages that bring readings: the library and the dictionary.
inline constexpr char kReadingPackages[] = "libmecab2 mecab-ipadic-utf8";

}  // namespace zr
