#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace zr {

// Reads the fixed-layout records of "user.dat" and the problem files: little-endian
// numbers, strings as a 16-bit byte count followed by code page 932 bytes. Reading past
// the end of the data yields zeros and empty strings, never an error; a string whose
// count runs past the end reads as empty. truncated() tells whether that happened.
class BinaryReader {
public:
    explicit BinaryReader(QIODevice &device);

    qint16 readInt16();
    double readDouble();
    QString readString();
    void skip(qint64 bytes);

    bool truncated() const { return truncated_; }

private:
    QByteArray take(qint64 bytes);

    QIODevice &device_;
    qint64 remaining_;
    bool truncated_ = false;
};

class BinaryWriter {
public:
    void writeInt16(qint16 value);
    void writeDouble(double value);
    // Strings longer than 65535 bytes cannot be stored; the count field would overflow.
    // They are cut at the last whole character that fits.
    void writeString(QStringView text);
    void writeBytes(const QByteArray &bytes) { data_.append(bytes); }

    const QByteArray &data() const { return data_; }

private:
    QByteArray data_;
};

// Replaces the file's content with data by writing a new file beside it and renaming
// it over the old one, so a failure never leaves a half-written file behind.
bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error);

}  // namespace zr
