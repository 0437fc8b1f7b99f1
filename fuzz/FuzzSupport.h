#pragma once

// What the fuzz targets share: a scratch folder (in memory where the system offers
// one, so the many small files cost no disk) and a way to put the input there.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace zr::fuzz {

inline const QTemporaryDir &scratch()
{
    static const QTemporaryDir dir(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/zr-fuzz-XXXXXX")
                                                              : QDir::tempPath() + QStringLiteral("/zr-fuzz-XXXXXX"));
    return dir;
}

// Writes the input to name in the scratch folder and gives the file's path.
inline QString putInput(const QString &name, const uint8_t *data, size_t size)
{
    const QString path = scratch().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        __builtin_trap();
    return path;
}

}  // namespace zr::fuzz
