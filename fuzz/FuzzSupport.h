#pragma once

// What the fuzz targets share: the input as the bytes of a file in memory. The readers
// take the bytes themselves, so no input goes through the file system; the checks of
// the files around them (size limits, folders, devices) are in the tests.

#include <QByteArrayView>

#include <cstddef>
#include <cstdint>

namespace zr::fuzz {

inline QByteArrayView bytes(const uint8_t *data, size_t size)
{
    return QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size));
}

}  // namespace zr::fuzz
