#include "platform/BinaryIO.h"

#include "platform/Cp932.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QRandomGenerator>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zr {

BinaryReader::BinaryReader(QIODevice &device)
    : device_(&device), remaining_(device.isSequential() ? 0 : device.size() - device.pos())
{
}

BinaryReader::BinaryReader(QByteArrayView data) : data_(data), remaining_(data.size()) {}

QByteArray BinaryReader::take(qint64 bytes)
{
    QByteArray data(bytes, Qt::Uninitialized);
    return takeInto(data.data(), bytes) ? data : QByteArray();
}

bool BinaryReader::takeInto(char *buffer, qint64 bytes)
{
    if (bytes > remaining_) {
        truncated_ = true;
        return false;
    }
    if (!device_) {
        std::memcpy(buffer, data_.data() + (data_.size() - remaining_), size_t(bytes));
        remaining_ -= bytes;
        return true;
    }
    const qint64 got = device_->read(buffer, bytes);
    remaining_ -= bytes;
    if (got != bytes) {
        truncated_ = true;
        remaining_ = 0;
        return false;
    }
    return true;
}

qint16 BinaryReader::readInt16()
{
    char b[2];
    return takeInto(b, 2) ? qFromLittleEndian<qint16>(b) : 0;
}

double BinaryReader::readDouble()
{
    char b[8];
    if (!takeInto(b, 8))
        return 0.0;
    const quint64 bits = qFromLittleEndian<quint64>(b);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void BinaryReader::readDoubles(double *values, qsizetype count)
{
    if (device_) {
        for (qsizetype i = 0; i < count; ++i)
            values[i] = readDouble();
        return;
    }
    // Whole numbers while the bytes last; the rest reads as zeros, as each readDouble
    // past the end would.
    const qsizetype whole = std::min<qsizetype>(count, qsizetype(remaining_ / 8));
    if (whole > 0) {
        const char *bytes = data_.data() + (data_.size() - remaining_);
        if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
            std::memcpy(values, bytes, size_t(whole) * 8);
        } else {
            for (qsizetype i = 0; i < whole; ++i) {
                const quint64 bits = qFromLittleEndian<quint64>(bytes + 8 * i);
                std::memcpy(&values[i], &bits, sizeof bits);
            }
        }
        remaining_ -= whole * 8;
    }
    if (whole < count) {
        truncated_ = true;
        std::fill(values + whole, values + count, 0.0);
    }
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
    if (!device_) {
        const QByteArrayView bytes = data_.sliced(data_.size() - remaining_, count);
        remaining_ -= count;
        return fromAnsi(bytes);
    }
    return fromAnsi(take(count));
}

void BinaryReader::skip(qint64 bytes)
{
    if (bytes > remaining_) {
        truncated_ = true;
        bytes = remaining_;
    }
    if (device_)
        device_->skip(bytes);
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

void BinaryWriter::writeDoubles(const double *values, qsizetype count)
{
    const qsizetype at = data_.size();
    data_.resize(at + count * 8);
    char *bytes = data_.data() + at;
    if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        std::memcpy(bytes, values, size_t(count) * 8);
    } else {
        for (qsizetype i = 0; i < count; ++i) {
            quint64 bits;
            std::memcpy(&bits, &values[i], sizeof bits);
            qToLittleEndian(bits, bytes + 8 * i);
        }
    }
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

namespace {

// Closes a descriptor on every way out.
struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int release()
    {
        const int f = fd;
        fd = -1;
        return f;
    }
};

QString systemReason(int code)
{
    return qt_error_string(code);
}

const char kTemporaryLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int kTemporarySuffix = 6;

}  // namespace

bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error)
{
    const QByteArray target = QFile::encodeName(path);
    QByteArray temporary;
    auto failed = [&](int code) {
        if (!temporary.isEmpty())
            ::unlink(temporary.constData());
        if (error)
            *error = QCoreApplication::translate("BinaryIO", "「%1」を保存できません（%2）。").arg(path, systemReason(code));
        return false;
    };

    Descriptor file;
    for (int attempt = 0; attempt < 100 && file.fd < 0; ++attempt) {
        QByteArray name = target + '.';
        for (int i = 0; i < kTemporarySuffix; ++i)
            name += kTemporaryLetters[QRandomGenerator::global()->bounded(int(sizeof kTemporaryLetters) - 1)];
        file.fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (file.fd >= 0)
            temporary = name;
        else if (errno != EEXIST)
            return failed(errno);
    }
    if (file.fd < 0)
        return failed(EEXIST);

    // The new file keeps the permissions of the one it replaces.
    struct stat old;
    if (::lstat(target.constData(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(file.fd, old.st_mode & 07777);

    // Unbuffered, so a full disk shows at the write that meets it and never passes
    // unnoticed into the rename.
    const char *p = data.constData();
    qint64 left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(file.fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return failed(errno);
        }
        if (n == 0)
            return failed(ENOSPC);
        p += n;
        left -= n;
    }
    if (::fsync(file.fd) != 0)
        return failed(errno);
    if (::close(file.release()) != 0)
        return failed(errno);
    if (::rename(temporary.constData(), target.constData()) != 0)
        return failed(errno);
    temporary.clear();

    // The rename itself reaches the disk with the folder.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    Descriptor dir;
    dir.fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir.fd >= 0)
        ::fsync(dir.fd);
    return true;
}

bool isAtomicWriteTemporary(const QString &fileName, const QString &ofFileName)
{
    if (fileName.size() != ofFileName.size() + 1 + kTemporarySuffix || !fileName.startsWith(ofFileName)
        || fileName[ofFileName.size()] != u'.')
        return false;
    for (qsizetype i = ofFileName.size() + 1; i < fileName.size(); ++i) {
        const QChar c = fileName[i];
        if (c.unicode() > 0x7F || !std::strchr(kTemporaryLetters, char(c.unicode())))
            return false;
    }
    return true;
}

std::optional<QByteArray> readFileBounded(const QString &path, qint64 maxBytes, QString *error)
{
    auto fail = [&](const QString &text) -> std::optional<QByteArray> {
        if (error)
            *error = text;
        return std::nullopt;
    };
    auto unreadable = [&](int code) {
        return fail(QCoreApplication::translate("BinaryIO", "「%1」を読み込めません（%2）。").arg(path, systemReason(code)));
    };
    // Without O_NONBLOCK, opening a pipe would wait for a writer that may never come.
    Descriptor file;
    file.fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file.fd < 0)
        return unreadable(errno);
    struct stat st;
    if (::fstat(file.fd, &st) != 0)
        return unreadable(errno);
    if (!S_ISREG(st.st_mode))
        return fail(QCoreApplication::translate("BinaryIO", "「%1」は普通のファイルではありません。").arg(path));
    const QString tooLarge = QCoreApplication::translate("BinaryIO", "「%1」は大きすぎます（%2バイトまで）。").arg(path).arg(maxBytes);
    if (st.st_size > maxBytes)
        return fail(tooLarge);
    ::fcntl(file.fd, F_SETFL, ::fcntl(file.fd, F_GETFL) & ~O_NONBLOCK);

    QByteArray data;
    qint64 got = 0;
    // The size is a hint only: the file may have grown since.
    qint64 capacity = std::min<qint64>(qint64(st.st_size), maxBytes) + 1;
    data.resize(capacity);
    for (;;) {
        if (got == capacity) {
            if (capacity > maxBytes)
                return fail(tooLarge);
            capacity = std::min<qint64>(capacity * 2, maxBytes + 1);
            data.resize(capacity);
        }
        const ssize_t n = ::read(file.fd, data.data() + got, size_t(capacity - got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return unreadable(errno);
        }
        if (n == 0)
            break;
        got += n;
    }
    if (got > maxBytes)
        return fail(tooLarge);
    data.truncate(got);
    return data;
}

}  // namespace zr
