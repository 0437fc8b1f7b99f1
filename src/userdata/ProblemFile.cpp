#include "userdata/ProblemFile.h"

#include "platform/BinaryIO.h"
#include "platform/Cp932.h"

namespace zr {
namespace {

constexpr int kReservedBytes = 4;
// Far beyond the largest real dictionary or sentence set, far below what would strain
// memory.
constexpr qint64 kMaxProblemFileBytes = 8 * 1024 * 1024;

// Reads title, reserved bytes and description from the bytes of a problem file; the
// reader then stands at the items. True when the bytes held everything read.
template <typename Body>
bool readProblemData(QByteArrayView data, QString &title, QString &description, Body &&body)
{
    BinaryReader r(data);
    title = r.readString();
    r.skip(kReservedBytes);
    description = r.readString();
    body(r);
    return !r.truncated();
}

// The bytes of a problem file; nothing when it is missing or cannot be read, which
// reads as an empty file that is not cut short.
std::optional<QByteArray> readProblemBytes(const QString &path, ProblemFileStatus *status)
{
    std::optional<QByteArray> data = readFileBounded(path, kMaxProblemFileBytes, nullptr);
    if (status)
        *status = {data.has_value(), false};
    return data;
}

void writeHeader(BinaryWriter &w, const QString &title, const QString &description)
{
    w.writeString(title);
    w.writeBytes(QByteArray(kReservedBytes, '\0'));
    w.writeString(description);
}

// The items of each kind of problem file, whatever holds its bytes.
void readWords(BinaryReader &r, WordDictionary &d)
{
    d.entries.clear();
    d.entries.resize(WordDictionary::kEntries);
    for (ProblemItem &item : d.entries) {
        if (r.atEnd()) {
            // A cut file: the rest reads as empty, as each read past the end would.
            r.skip(1);
            return;
        }
        item.display = r.readString();
        item.reading = r.readString();
    }
}

void readSentences(BinaryReader &r, SentenceSet &s)
{
    for (SentenceSet::Problem &problem : s.problems) {
        for (ProblemItem &line : problem)
            line.display = r.readString();
        for (ProblemItem &line : problem)
            line.reading = r.readString();
    }
}

}  // namespace

int WordDictionary::wordCount() const
{
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries[i].reading.isEmpty())
            return int(i);
    }
    // Every entry filled: the last one should have ended the list, so the words stop
    // before it.
    return int(std::min<qsizetype>(entries.size(), kMaxWords));
}

QList<ProblemItem> SentenceSet::lines(int p) const
{
    QList<ProblemItem> out;
    if (p < 1 || p > kProblems)
        return out;
    for (const ProblemItem &item : problems[size_t(p - 1)]) {
        if (item.reading.isEmpty())
            break;
        out.append(item);
    }
    return out;
}

WordDictionary ReadWordDictionary(const QString &path, ProblemFileStatus *status)
{
    const std::optional<QByteArray> data = readProblemBytes(path, status);
    return ParseWordDictionary(data.value_or(QByteArray()), data && status ? &status->truncated : nullptr);
}

SentenceSet ReadSentenceSet(const QString &path, ProblemFileStatus *status)
{
    const std::optional<QByteArray> data = readProblemBytes(path, status);
    return ParseSentenceSet(data.value_or(QByteArray()), data && status ? &status->truncated : nullptr);
}

QString ReadProblemTitle(const QString &path)
{
    return ParseProblemTitle(readProblemBytes(path, nullptr).value_or(QByteArray()));
}

WordDictionary ParseWordDictionary(QByteArrayView data, bool *truncated)
{
    WordDictionary d;
    const bool whole = readProblemData(data, d.title, d.description, [&](BinaryReader &r) { readWords(r, d); });
    if (truncated)
        *truncated = !whole;
    return d;
}

SentenceSet ParseSentenceSet(QByteArrayView data, bool *truncated)
{
    SentenceSet s;
    const bool whole = readProblemData(data, s.title, s.description, [&](BinaryReader &r) { readSentences(r, s); });
    if (truncated)
        *truncated = !whole;
    return s;
}

QString ParseProblemTitle(QByteArrayView data)
{
    QString title, description;
    readProblemData(data, title, description, [](BinaryReader &) {});
    return CleanProblemTitle(title);
}

QString CleanProblemTitle(const QString &title)
{
    constexpr int kMaxSettingBytes = 254;
    QString out;
    out.reserve(title.size());
    bool inControl = false;
    for (const QChar c : title) {
        const bool control = c.category() == QChar::Other_Control || c == QChar::LineSeparator
                             || c == QChar::ParagraphSeparator;
        if (control && !inControl)
            out.append(u' ');
        else if (!control)
            out.append(c);
        inControl = control;
    }
    out = out.trimmed();
    // Every character takes at least one byte, so the cut starts at most that many in.
    if (out.size() > kMaxSettingBytes)
        out.truncate(kMaxSettingBytes);
    // No character takes more than two bytes, so cutting half the excess in characters
    // never cuts more than needed; a few rounds reach the longest text that fits.
    for (int excess = AnsiByteLength(out) - kMaxSettingBytes; excess > 0;
         excess = AnsiByteLength(out) - kMaxSettingBytes)
        out.chop((excess + 1) / 2);
    while (!out.isEmpty() && out.back().isHighSurrogate())
        out.chop(1);
    return out;
}

QByteArray SerializeWordDictionary(const WordDictionary &d)
{
    BinaryWriter w;
    writeHeader(w, d.title, d.description);
    for (int i = 0; i < WordDictionary::kEntries; ++i) {
        const ProblemItem item = d.entries.value(i);
        w.writeString(item.display);
        w.writeString(item.reading);
    }
    return w.data();
}

QByteArray SerializeSentenceSet(const SentenceSet &s)
{
    BinaryWriter w;
    writeHeader(w, s.title, s.description);
    for (const SentenceSet::Problem &problem : s.problems) {
        for (const ProblemItem &line : problem)
            w.writeString(line.display);
        for (const ProblemItem &line : problem)
            w.writeString(line.reading);
    }
    return w.data();
}

bool WriteWordDictionary(const QString &path, const WordDictionary &d, QString *error)
{
    return writeFileAtomically(path, SerializeWordDictionary(d), error);
}

bool WriteSentenceSet(const QString &path, const SentenceSet &s, QString *error)
{
    return writeFileAtomically(path, SerializeSentenceSet(s), error);
}

}  // namespace zr
