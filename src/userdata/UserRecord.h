#pragma once

#include "engine/RomajiTable.h"
#include "results/ScoreRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>

class QIODevice;

namespace zr {

// A record of the current layout is about 64 KB; the older ones are smaller. A larger
// "user.dat" is not read.
inline constexpr qint64 kMaxUserRecordBytes = 1024 * 1024;

// The score blocks of the user record.
enum class ScoreBlock { Training, Word, Sentence, Spare };

// A learner's record, stored whole in "user.dat": the header, four blocks of score
// records (Chapters 1-70, word slots 1-10, sentence slots 1-10 and a spare block) and
// the learner's romaji table.
struct UserRecord {
    static constexpr qint16 kCurrentVersion = 6;
    static constexpr int kChapters = 70;
    static constexpr int kSlots = 10;

    qint16 FormatVersion = kCurrentVersion;
    QString UserName;
    qint16 Course = 0;
    qint16 LessonProgress = 0;
    double TotalPracticeTime = 0;
    std::array<ScoreRecord, kChapters> TrainingScores{};
    std::array<ScoreRecord, kSlots> WordScores{};
    std::array<ScoreRecord, kSlots> SentenceScores{};
    std::array<ScoreRecord, kSlots> SpareScores{};
    zr::RomajiTable RomajiTable;

    bool operator==(const UserRecord &) const = default;

    // Score record n (1-based) of a block; nullptr when n is outside the block.
    ScoreRecord *score(ScoreBlock block, int n);
    const ScoreRecord *score(ScoreBlock block, int n) const;
};

// One score record alone (616 bytes), as the parking files of the problem-file dialog
// hold it. Missing bytes read as zeros.
QByteArray SerializeScoreRecord(const ScoreRecord &record);
ScoreRecord ReadScoreRecord(QIODevice &device);

// The byte image of a record in the current layout.
QByteArray SerializeUserRecord(const UserRecord &record);

// Reads a record in the current layout from the device's position. Missing bytes read
// as zeros and empty strings; truncated, when given, tells whether any were missing, and
// headerCut whether the file ended already within the header (version, name, course,
// progress, total time), so that even those are not known.
UserRecord ReadUserRecord(QIODevice &device, bool *truncated = nullptr, bool *headerCut = nullptr);

// Loads "user.dat". Fails with a message when the file cannot be opened.
std::optional<UserRecord> LoadUserRecord(const QString &path, QString *error,
                                         bool *truncated = nullptr, bool *headerCut = nullptr);

// Saves the record to "user.dat", replacing the old file only once the new one is
// completely written.
bool SaveUserRecord(const QString &path, const UserRecord &record, QString *error);

// A record of an older layout (format versions 3, 4 and 5). The header and the romaji
// table are as in the current layout; the score blocks differ in size (version 3 starts
// with 101 records of 56 bytes, which nothing uses).
struct LegacyUserRecord {
    qint16 FormatVersion = 0;
    QString UserName;
    qint16 Course = 0;
    qint16 LessonProgress = 0;
    double TotalPracticeTime = 0;
    QList<ScoreRecord> ChapterScores;   // 0 (v3), 35 (v4) or 50 (v5)
    QList<ScoreRecord> WordScores;      // 20 (v3) or 10
    QList<ScoreRecord> SentenceScores;  // 20 (v3) or 10
    QList<ScoreRecord> SpareScores;     // 20 (v3) or 10
    zr::RomajiTable RomajiTable;
};

// Reads "user.dat" in the layout of its version 3, 4 or 5. Any other version is refused.
// truncated and headerCut, when given, tell as for ReadUserRecord where the file ended.
std::optional<LegacyUserRecord> LoadLegacyUserRecord(const QString &path, QString *error,
                                                     bool *truncated = nullptr,
                                                     bool *headerCut = nullptr);

// Builds the current record from an old one: Chapter scores copied as far as the new
// block reaches (none for version 3), the first ten word, sentence and spare records
// copied, the romaji table copied. For version 5 the course's default table is then
// loaded over the table (defaultTable holds its entries). The Chapter reached is kept
// within 1 and the course's last Chapter (chapterCount; 0 when unknown, then 70).
UserRecord ConvertLegacyUserRecord(const LegacyUserRecord &old,
                                   const QList<RomajiEntry> &defaultTable, int chapterCount);

}  // namespace zr
