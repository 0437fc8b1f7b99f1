// Writing a setting into any settings file and reading it back gives what was written.
// The input is the file, then after a zero byte the section, key and value, drawn from
// characters a setting can hold.

#include "FuzzSupport.h"
#include "platform/Cp932.h"
#include "platform/IniFile.h"

#include <cstring>

using namespace zr;

namespace {

// Bytes to text a name or value may hold: letters, digits, inner spaces, a few signs
// and Japanese characters of both widths.
QString settingText(const uint8_t *data, size_t size, bool isValue)
{
    static const QString alphabet = QStringLiteral(u"abcXYZ019 _-.,:あ漢ｱー＝");
    QString text;
    for (size_t i = 0; i < size && text.size() < 60; ++i) {
        if (isValue && data[i] == '=')
            text += u'=';
        else
            text += alphabet[data[i] % alphabet.size()];
    }
    return text.trimmed();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto *zero = static_cast<const uint8_t *>(std::memchr(data, 0, size));
    const size_t fileSize = zero ? size_t(zero - data) : size;
    const QByteArrayView file = fuzz::bytes(data, fileSize);

    const uint8_t *rest = zero ? zero + 1 : data + size;
    const size_t restSize = size_t(data + size - rest);
    const size_t third = restSize / 3;
    const QString section = settingText(rest, third, false);
    const QString key = settingText(rest + third, third, false);
    const QString value = settingText(rest + 2 * third, restSize - 2 * third, true);
    if (section.isEmpty() || key.isEmpty())
        return 0;

    QString before;
    GetIniStringInData(section, key, QString(), before, 255, file);
    const std::optional<QByteArray> written = SetIniStringInData(section, key, value, file);
    if (!written)
        return 0;
    QString after;
    GetIniStringInData(section, key, QString(), after, 255, *written);
    if (after != value)
        __builtin_trap();
    return 0;
}
