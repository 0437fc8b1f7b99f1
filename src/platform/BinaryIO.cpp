#include "platform/BinaryIO.h"

#include "platform/Cp932.h"

#include <QIODevice>
#include <QSaveFile>
#include <QtEndian>

#include <cstring>

namespace zr {

BinaryReader::BinaryReader(QIODevice &device)
    : device_(device), remaining_(device.isSequential() ? 0 : device.size() - device.pos())
{
}

QByteArray BinaryReader::take(qint64 bytes)
{
    if (bytes > remaining_) {
        truncated_ = true;
        return {};
    }
    QByteArray data = device_.read(bytes);
    remaining_ -= bytes;
    if (data.size() != bytes) {
        truncated_ = true;
        remaining_ = 0;
        return {};
    }
    return data;
}

qint16 BinaryReader::readInt16()
{
    const QByteArray b = take(2);
    return b.size() == 2 ? qFromLittleEndian<qint16>(b.constData()) : 0;
}

double BinaryReader::readDouble()
{
    const QByteArray b = take(8);
    if (b.size() != 8)
        return 0.0;
    const quint64 bits = qFromLittleEndian<quint64>(b.constData());
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QString BinaryReader::readString()
{
    const quint16 count = quint16(readInt16());
    if (count == 0)
        return {};
    if (count > remaining_) {
        // A count beyond the end is a damaged or cut file: the rest reads as empty.
        truncated_ = true;
        skip(remaining_);
        return {};
    }
    return fromAnsi(take(count));
}

void BinaryReader::skip(qint64 bytes)
{
    if (bytes > remaining_) {
        truncated_ = true;
        bytes = remaining_;
    }
    device_.skip(bytes);
    remaining_ -= bytes;
}

void BinaryWriter::writeInt16(qint16 value)
{
    char b[2];
    qToLittleEndian(value, b);
    data_.append(b, 2);
}

void BinaryWriter::writeDouble(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    char b[8];
    qToLittleEndian(bits, b);
    data_.append(b, 8);
}

void BinaryWriter::writeString(QStringView text)
{
    QByteArray bytes = toAnsi(text);
    if (bytes.size() > 0xFFFF) {
        // Cut before a lead byte so no half character is stored.
        qsizetype end = 0;
        for (qsizetype i = 0; i < bytes.size();) {
            const uchar b = uchar(bytes[i]);
            const qsizetype len = ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) ? 2 : 1;
            if (i + len > 0xFFFF)
                break;
            i += len;
            end = i;
        }
        bytes.truncate(end);
    }
    writeInt16(qint16(quint16(bytes.size())));
    data_.append(bytes);
}

bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

}  // namespace zr
