#include "userdata/ProblemFile.h"

#include "platform/BinaryIO.h"
#include "platform/Cp932.h"

#include <QBuffer>

namespace zr {
namespace {

constexpr int kReservedBytes = 4;
// Far beyond the largest real dictionary or sentence set, far below what would strain
// memory.
constexpr qint64 kMaxProblemFileBytes = 8 * 1024 * 1024;

// Opens the file and reads title, reserved bytes and description; the reader then
// stands at the items.
template <typename Body>
void readProblemFile(const QString &path, ProblemFileStatus *status, QString &title,
                     QString &description, Body &&body)
{
    std::optional<QByteArray> data = readFileBounded(path, kMaxProblemFileBytes, nullptr);
    if (status)
        *status = {data.has_value(), false};
    if (!data)
        return;
    QBuffer file(&*data);
    file.open(QIODevice::ReadOnly);
    BinaryReader r(file);
    title = r.readString();
    r.skip(kReservedBytes);
    description = r.readString();
    body(r);
    if (status)
        status->truncated = r.truncated();
}

void writeHeader(BinaryWriter &w, const QString &title, const QString &description)
{
    w.writeString(title);
    w.writeBytes(QByteArray(kReservedBytes, '\0'));
    w.writeString(description);
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
    WordDictionary d;
    d.entries.resize(WordDictionary::kEntries);
    readProblemFile(path, status, d.title, d.description, [&](BinaryReader &r) {
        for (ProblemItem &item : d.entries) {
            item.display = r.readString();
            item.reading = r.readString();
        }
    });
    return d;
}

SentenceSet ReadSentenceSet(const QString &path, ProblemFileStatus *status)
{
    SentenceSet s;
    readProblemFile(path, status, s.title, s.description, [&](BinaryReader &r) {
        for (SentenceSet::Problem &problem : s.problems) {
            for (ProblemItem &line : problem)
                line.display = r.readString();
            for (ProblemItem &line : problem)
                line.reading = r.readString();
        }
    });
    return s;
}

QString ReadProblemTitle(const QString &path)
{
    QString title, description;
    readProblemFile(path, nullptr, title, description, [](BinaryReader &) {});
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
    while (AnsiByteLength(out) > kMaxSettingBytes || (!out.isEmpty() && out.back().isHighSurrogate()))
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
