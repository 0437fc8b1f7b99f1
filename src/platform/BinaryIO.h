#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

class QIODevice;

namespace zr {

// Reads the fixed-layout records of "user.dat" and the problem files: little-endian
// numbers, strings as a 16-bit byte count followed by code page 932 bytes. Reading past
// the end of the data yields zeros and empty strings, never an error; a string whose
// count runs past the end reads as empty. truncated() tells whether that happened.
class BinaryReader {
public:
    explicit BinaryReader(QIODevice &device);
    // Reads bytes already in memory, which must stay there while the reader reads.
    explicit BinaryReader(QByteArrayView data);

    qint16 readInt16();
    double readDouble();
    // count numbers in a row, as many readDouble calls would read them, at a fraction of
    // the cost (a learner's record holds about 7,700).
    void readDoubles(double *values, qsizetype count);
    QString readString();
    void skip(qint64 bytes);

    bool truncated() const { return truncated_; }
    // Nothing left to read: every read from here on yields zeros and empty strings.
    bool atEnd() const { return remaining_ <= 0; }

private:
    QByteArray take(qint64 bytes);
    // Numbers are read into the caller's buffer: a record holds thousands of them.
    bool takeInto(char *buffer, qint64 bytes);

    QIODevice *device_ = nullptr;   // null when reading from memory
    QByteArrayView data_;
    qint64 remaining_;
    bool truncated_ = false;
};

class BinaryWriter {
public:
    void writeInt16(qint16 value);
    void writeDouble(double value);
    // count numbers in a row, as many writeDouble calls would write them.
    void writeDoubles(const double *values, qsizetype count);
    // Strings longer than 65535 bytes cannot be stored; the count field would overflow.
    // They are cut at the last whole character that fits.
    void writeString(QStringView text);
    void writeBytes(const QByteArray &bytes) { data_.append(bytes); }
    // Room for a record of known size, written without growing the buffer on the way.
    void reserve(qsizetype bytes) { data_.reserve(bytes); }

    const QByteArray &data() const { return data_; }

private:
    QByteArray data_;
};

// Replaces the file's content with data by writing a new file beside it and renaming
// it over the old one, so a failure never leaves a half-written file behind. Every step
// is checked (each write, the flush to disk, the close, the rename); on any failure the
// old file stays as it was, the new one is removed and error says what went wrong,
// naming the file. A symbolic link at path is replaced, not followed.
bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error);

// The temporary file of a write in progress is named after its file: "user.dat" is
// written as "user.dat.XXXXXX" (six letters or digits). A kill at the wrong moment can
// leave one behind; this tells such leftovers apart from other files.
bool isAtomicWriteTemporary(const QString &fileName, const QString &ofFileName);

// Reads a whole file into memory, refusing what is not a regular file (a folder, a
// device, a pipe) and a file larger than maxBytes. No more than maxBytes + 1 bytes are
// ever read, whatever size the file claims, so a growing file or a device cannot
// exhaust memory. On failure error holds a sentence naming the file.
std::optional<QByteArray> readFileBounded(const QString &path, qint64 maxBytes, QString *error);

}  // namespace zr
