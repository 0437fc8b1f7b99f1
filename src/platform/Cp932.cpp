#include "platform/Cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace zr {
namespace {

// iconv descriptors are cheap to reuse and costly to open; one per direction and thread.
class Converter {
public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (valid())
            iconv_close(cd_);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as possible; returns false when it stopped at an invalid
    // or unconvertible sequence (in points at it) or at a truncated one.
    bool convert(char *&in, size_t &inLeft, char *&out, size_t &outLeft, int &error)
    {
        const size_t r = iconv(cd_, &in, &inLeft, &out, &outLeft);
        error = (r == static_cast<size_t>(-1)) ? errno : 0;
        return error == 0;
    }
    void reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

private:
    iconv_t cd_;
};

Converter &encoder()
{
    thread_local Converter c("CP932", "UTF-16LE");
    return c;
}

Converter &decoder()
{
    thread_local Converter c("UTF-16LE", "CP932");
    return c;
}

bool isSingleByte(char16_t u)
{
    return u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F);
}

// The bytes of a character that the code page stores in one byte, or -1. ASCII and the
// half-width katakana are most of what the files hold (keys, key tables), and need no
// conversion through iconv.
int singleByteOf(char16_t u)
{
    if (u < 0x80)
        return u;
    if (u >= 0xFF61 && u <= 0xFF9F)
        return 0xA1 + (u - 0xFF61);
    return -1;
}

}  // namespace

QByteArray toAnsi(QStringView text)
{
    QByteArray out;
    {
        out.resize(text.size());
        qsizetype i = 0;
        for (; i < text.size(); ++i) {
            const int b = singleByteOf(text[i].unicode());
            if (b < 0)
                break;
            out[i] = char(b);
        }
        if (i == text.size())
            return out;
        out.clear();
    }
    out.reserve(text.size() * 2);
    Converter &conv = encoder();
    if (!conv.valid()) {
        for (QChar c : text)
            out.append(c.unicode() < 0x80 ? char(c.unicode()) : '?');
        return out;
    }
    conv.reset();
    const char16_t *p = text.utf16();
    qsizetype i = 0;
    const qsizetype n = text.size();
    char buffer[512];
    while (i < n) {
        // Convert in chunks of whole characters so a buffer boundary never splits a
        // surrogate pair.
        qsizetype chunk = std::min<qsizetype>(n - i, 200);
        if (i + chunk < n && QChar::isHighSurrogate(p[i + chunk - 1]))
            --chunk;
        char *in = reinterpret_cast<char *>(const_cast<char16_t *>(p + i));
        size_t inLeft = size_t(chunk) * 2;
        while (inLeft > 0) {
            char *outp = buffer;
            size_t outLeft = sizeof buffer;
            int error = 0;
            conv.convert(in, inLeft, outp, outLeft, error);
            out.append(buffer, outp - buffer);
            if (error == EILSEQ || error == EINVAL) {
                // One character the code page lacks: a '?' in its place.
                const char16_t u = *reinterpret_cast<const char16_t *>(in);
                const size_t skip = (QChar::isHighSurrogate(u) && inLeft >= 4) ? 4 : 2;
                in += skip;
                inLeft -= std::min(skip, inLeft);
                out.append('?');
                conv.reset();
            } else if (error != 0 && error != E2BIG) {
                return out;
            }
        }
        i += chunk;
    }
    return out;
}

QString fromAnsi(QByteArrayView bytes)
{
    QString out;
    if (bytes.isEmpty())
        return out;
    {
        out.resize(bytes.size());
        QChar *d = out.data();
        qsizetype i = 0;
        for (; i < bytes.size(); ++i) {
            const uchar b = uchar(bytes[i]);
            if (b < 0x80)
                d[i] = QChar(char16_t(b));
            else if (b >= 0xA1 && b <= 0xDF)
                d[i] = QChar(char16_t(0xFF61 + (b - 0xA1)));
            else
                break;
        }
        if (i == bytes.size())
            return out;
        out.clear();
    }
    Converter &conv = decoder();
    if (!conv.valid()) {
        for (char c : bytes)
            out.append(uchar(c) < 0x80 ? QChar(uchar(c)) : QChar(QChar::ReplacementCharacter));
        return out;
    }
    conv.reset();
    out.reserve(bytes.size());
    char *in = const_cast<char *>(bytes.data());
    size_t inLeft = size_t(bytes.size());
    char16_t buffer[256];
    while (inLeft > 0) {
        char *outp = reinterpret_cast<char *>(buffer);
        size_t outLeft = sizeof buffer;
        int error = 0;
        conv.convert(in, inLeft, outp, outLeft, error);
        out.append(QStringView(buffer, (outp - reinterpret_cast<char *>(buffer)) / 2));
        if (error == EILSEQ || error == EINVAL) {
            out.append(QChar(QChar::ReplacementCharacter));
            ++in;
            --inLeft;
            conv.reset();
        } else if (error != 0 && error != E2BIG) {
            break;
        }
    }
    return out;
}

int AnsiByteLength(QStringView text)
{
    bool simple = true;
    for (QChar c : text) {
        if (!isSingleByte(c.unicode())) {
            simple = false;
            break;
        }
    }
    if (simple)
        return int(text.size());
    return int(toAnsi(text).size());
}

int ansiKeyCode(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return u;
    if (u >= 0xFF61 && u <= 0xFF9F)
        return 0xA1 + (u - 0xFF61);
    return -1;
}

QChar charFromAnsiKeyCode(int code)
{
    if (code >= 0 && code < 0x80)
        return QChar(char16_t(code));
    if (code >= 0xA1 && code <= 0xDF)
        return QChar(char16_t(0xFF61 + (code - 0xA1)));
    return QChar();
}

}  // namespace zr
