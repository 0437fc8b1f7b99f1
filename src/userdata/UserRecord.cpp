#include "userdata/UserRecord.h"

#include "platform/BinaryIO.h"

#include <algorithm>

namespace zr {
namespace {

void writeScore(BinaryWriter &w, const ScoreRecord &r)
{
    w.writeDouble(r.TotalTime);
    w.writeDouble(r.PracticeCount);
    for (const auto *day : {&r.DayChars, &r.DayKeys, &r.DayMisses, &r.DayTime, &r.DayDate})
        w.writeDoubles(day->data(), qsizetype(day->size()));
}

// Read in place: a record holds a hundred of them, and each copy is 616 bytes.
void readScore(BinaryReader &r, ScoreRecord &s)
{
    s.TotalTime = r.readDouble();
    s.PracticeCount = r.readDouble();
    for (auto *field : {&s.DayChars, &s.DayKeys, &s.DayMisses, &s.DayTime, &s.DayDate})
        r.readDoubles(field->data(), qsizetype(field->size()));
}

template <size_t N>
void readBlock(BinaryReader &r, std::array<ScoreRecord, N> &block)
{
    for (ScoreRecord &s : block)
        readScore(r, s);
}

QList<ScoreRecord> readScores(BinaryReader &r, int count)
{
    QList<ScoreRecord> list(count);
    for (ScoreRecord &s : list)
        readScore(r, s);
    return list;
}

void readTable(BinaryReader &r, RomajiTable &table)
{
    for (int i = 0; i < RomajiTable::kRows; ++i) {
        RomajiEntry e;
        e.kana = r.readString();
        e.keys = r.readString();
        table.setRow(i, std::move(e));
    }
}

template <typename Record>
void readHeader(BinaryReader &r, Record &rec)
{
    rec.FormatVersion = r.readInt16();
    rec.UserName = r.readString();
    rec.Course = r.readInt16();
    rec.LessonProgress = r.readInt16();
    rec.TotalPracticeTime = r.readDouble();
}

template <size_t N>
void copyScores(std::array<ScoreRecord, N> &to, const QList<ScoreRecord> &from)
{
    for (size_t i = 0; i < N && qsizetype(i) < from.size(); ++i)
        to[i] = from[qsizetype(i)];
}

}  // namespace

QByteArray SerializeScoreRecord(const ScoreRecord &record)
{
    BinaryWriter w;
    writeScore(w, record);
    return w.data();
}

ScoreRecord ReadScoreRecord(QIODevice &device)
{
    BinaryReader r(device);
    ScoreRecord s;
    readScore(r, s);
    return s;
}

ScoreRecord *UserRecord::score(ScoreBlock block, int n)
{
    auto pick = [n](auto &array) -> ScoreRecord * {
        return n >= 1 && size_t(n) <= array.size() ? &array[size_t(n - 1)] : nullptr;
    };
    switch (block) {
    case ScoreBlock::Training: return pick(TrainingScores);
    case ScoreBlock::Word: return pick(WordScores);
    case ScoreBlock::Sentence: return pick(SentenceScores);
    case ScoreBlock::Spare: return pick(SpareScores);
    }
    return nullptr;
}

const ScoreRecord *UserRecord::score(ScoreBlock block, int n) const
{
    return const_cast<UserRecord *>(this)->score(block, n);
}

QByteArray SerializeUserRecord(const UserRecord &rec)
{
    BinaryWriter w;
    // The numbers, and room for the header and the table's strings of most records.
    constexpr int kScores = UserRecord::kChapters + 3 * UserRecord::kSlots;
    w.reserve(kScores * (2 + 5 * ScoreRecord::kDays) * 8 + 4096);
    w.writeInt16(rec.FormatVersion);
    w.writeString(rec.UserName);
    w.writeInt16(rec.Course);
    w.writeInt16(rec.LessonProgress);
    w.writeDouble(rec.TotalPracticeTime);
    for (const ScoreRecord &s : rec.TrainingScores)
        writeScore(w, s);
    for (const auto *block : {&rec.WordScores, &rec.SentenceScores, &rec.SpareScores}) {
        for (const ScoreRecord &s : *block)
            writeScore(w, s);
    }
    for (int i = 0; i < RomajiTable::kRows; ++i) {
        w.writeString(rec.RomajiTable.row(i).kana);
        w.writeString(rec.RomajiTable.row(i).keys);
    }
    return w.data();
}

namespace {

UserRecord readRecord(BinaryReader &r, bool *truncated, bool *headerCut)
{
    UserRecord rec;
    readHeader(r, rec);
    if (headerCut)
        *headerCut = r.truncated();
    readBlock(r, rec.TrainingScores);
    readBlock(r, rec.WordScores);
    readBlock(r, rec.SentenceScores);
    readBlock(r, rec.SpareScores);
    readTable(r, rec.RomajiTable);
    if (truncated)
        *truncated = r.truncated();
    return rec;
}

}  // namespace

UserRecord ReadUserRecord(QIODevice &device, bool *truncated, bool *headerCut)
{
    BinaryReader r(device);
    return readRecord(r, truncated, headerCut);
}

UserRecord ParseUserRecord(QByteArrayView data, bool *truncated, bool *headerCut)
{
    BinaryReader r(data);
    return readRecord(r, truncated, headerCut);
}

std::optional<UserRecord> LoadUserRecord(const QString &path, QString *error, bool *truncated,
                                         bool *headerCut)
{
    std::optional<QByteArray> data = readFileBounded(path, kMaxUserRecordBytes, error);
    if (!data)
        return std::nullopt;
    return ParseUserRecord(*data, truncated, headerCut);
}

bool SaveUserRecord(const QString &path, const UserRecord &record, QString *error)
{
    return writeFileAtomically(path, SerializeUserRecord(record), error);
}

std::optional<LegacyUserRecord> LoadLegacyUserRecord(const QString &path, QString *error,
                                                     bool *truncated, bool *headerCut)
{
    std::optional<QByteArray> data = readFileBounded(path, kMaxUserRecordBytes, error);
    if (!data)
        return std::nullopt;
    return ParseLegacyUserRecord(*data, error, truncated, headerCut);
}

std::optional<LegacyUserRecord> ParseLegacyUserRecord(QByteArrayView data, QString *error,
                                                      bool *truncated, bool *headerCut)
{
    BinaryReader r(data);
    LegacyUserRecord rec;
    readHeader(r, rec);
    if (headerCut)
        *headerCut = r.truncated();
    int chapters = 0, slotCount = 10;
    switch (rec.FormatVersion) {
    case 3:
        r.skip(101 * 56);
        slotCount = 20;
        break;
    case 4: chapters = 35; break;
    case 5: chapters = 50; break;
    default:
        if (error)
            *error = QStringLiteral("format version %1 is not an older layout").arg(rec.FormatVersion);
        return std::nullopt;
    }
    rec.ChapterScores = readScores(r, chapters);
    rec.WordScores = readScores(r, slotCount);
    rec.SentenceScores = readScores(r, slotCount);
    rec.SpareScores = readScores(r, slotCount);
    readTable(r, rec.RomajiTable);
    if (truncated)
        *truncated = r.truncated();
    return rec;
}

UserRecord ConvertLegacyUserRecord(const LegacyUserRecord &old,
                                   const QList<RomajiEntry> &defaultTable, int chapterCount)
{
    UserRecord rec;
    rec.FormatVersion = UserRecord::kCurrentVersion;
    rec.UserName = old.UserName;
    rec.Course = old.Course;
    // An old record may name a Chapter the course does not have, or none at all; the
    // converted record must start somewhere the course offers.
    const int last = chapterCount >= 1 ? std::min(chapterCount, UserRecord::kChapters) : UserRecord::kChapters;
    rec.LessonProgress = qint16(std::clamp<int>(old.LessonProgress, 1, last));
    rec.TotalPracticeTime = old.TotalPracticeTime;
    copyScores(rec.TrainingScores, old.ChapterScores);
    copyScores(rec.WordScores, old.WordScores);
    copyScores(rec.SentenceScores, old.SentenceScores);
    copyScores(rec.SpareScores, old.SpareScores);
    rec.RomajiTable = old.RomajiTable;
    if (old.FormatVersion == 5)
        rec.RomajiTable.load(defaultTable);
    return rec;
}

}  // namespace zr
