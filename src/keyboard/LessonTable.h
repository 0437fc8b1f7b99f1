#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace zr {

// One Chapter of basic practice.
struct Chapter {
    enum Kind : int { NewKeys = 1, Review = 2 };

    QString UseKey;      // all keys the learner may meet in the Chapter
    QString TargetKey;   // the keys the Chapter teaches
    int kind = NewKeys;
};

// The Chapters derived from a lesson table, numbered from 1.
class ChapterTable {
public:
    static constexpr int kMaxLineBytes = 0xFFFF;
    static constexpr int kMaxLines = 35;      // 69 Chapters; the record keeps 70 scores
    static constexpr int kCapacity = 100;

    ChapterTable() = default;
    explicit ChapterTable(const QStringList &lines);

    int ChapterCount() const { return int(chapters_.size()); }
    int lineCount() const { return lines_; }
    bool contains(int chapter) const { return chapter >= 1 && chapter <= ChapterCount(); }
    // Chapter n (1-based). n must be within 1..ChapterCount().
    const Chapter &chapter(int n) const { return chapters_.at(n - 1); }
    // The last Chapter, 2N - 1 for a table of N lines.
    int lastChapter() const { return ChapterCount(); }

private:
    QList<Chapter> chapters_;
    int lines_ = 0;
};

// The lesson table file of a course, as the program names it.
QString LessonTableFile(int course);

// Reads the lines of a lesson table: code page 932 text, lines ended by CR LF (a
// missing last line break is fine). Lines are not trimmed. A file that cannot be read
// or that has more than 35 lines is refused with a message naming the file.
std::optional<QStringList> ReadLessonTable(const QString &path, QString *error);

// The same over a table's bytes already in memory; fileName names it in the messages.
std::optional<QStringList> ParseLessonTable(QByteArrayView data, QString *error,
                                            const QString &fileName = QString());

}  // namespace zr
