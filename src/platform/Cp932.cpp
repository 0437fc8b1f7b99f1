#include "platform/Cp932.h"

#include <iconv.h>

#include <algorithm>
#include <atomic>
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

// The whole bytes through iconv, an invalid byte as U+FFFD; what the character table
// below falls back on for a character it cannot hold.
QString decodeThroughIconv(QByteArrayView bytes)
{
    QString out;
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

// Asking iconv about every string is most of the time a file takes to read (a word
// dictionary holds 4,000 strings). Instead iconv is asked once about each character
// met, and the answer is kept for the life of the program: the same answers, from a
// table. An entry is 0 until asked; threads asking at once store the same value.
constexpr quint32 kKnown = 0x80000000u;

// Decoding, for a byte 0x80..0xFF other than half-width katakana and the byte after it
// (256 at the end of the text): how many bytes the character takes (1 or 2; 0 when
// iconv refuses the byte, which then reads as U+FFFD) and its UTF-16 unit. 3 marks a
// character beyond one unit, which only iconv itself can decode.
std::atomic<quint32> decodeTable[128][257];

quint32 askDecode(uchar lead, int next)
{
    Converter &conv = decoder();
    if (!conv.valid())
        return kKnown | (3u << 16);
    conv.reset();
    char bytes[2] = {char(lead), char(next)};
    char *in = bytes;
    size_t inLeft = next < 256 ? 2 : 1;
    char16_t unit = 0;
    char *outp = reinterpret_cast<char *>(&unit);
    size_t outLeft = sizeof unit;
    int error = 0;
    conv.convert(in, inLeft, outp, outLeft, error);
    const size_t used = size_t(in - bytes);
    if (outLeft == 0 && used > 0)
        return kKnown | quint32(used << 16) | unit;
    if (error == E2BIG)
        return kKnown | (3u << 16);
    return kKnown;
}

// Encoding, for a UTF-16 unit that is no surrogate and no single byte: how many bytes
// (1 or 2; 0 for a character the code page lacks, stored as '?') and the bytes, the
// first in the high byte.
std::atomic<quint32> encodeTable[0x10000];

quint32 askEncode(char16_t u)
{
    Converter &conv = encoder();
    if (!conv.valid())
        return kKnown;
    conv.reset();
    char *in = reinterpret_cast<char *>(&u);
    size_t inLeft = sizeof u;
    uchar bytes[4] = {};
    char *outp = reinterpret_cast<char *>(bytes);
    size_t outLeft = sizeof bytes;
    int error = 0;
    conv.convert(in, inLeft, outp, outLeft, error);
    const size_t made = sizeof bytes - outLeft;
    if (error != 0 || inLeft != 0 || made == 0 || made > 2)
        return kKnown;
    return kKnown | quint32(made << 16) | (made == 2 ? quint32(bytes[0]) << 8 | bytes[1] : bytes[0]);
}

quint32 decodeEntry(uchar lead, int next)
{
    std::atomic<quint32> &slot = decodeTable[lead - 0x80][next];
    quint32 e = slot.load(std::memory_order_relaxed);
    if (!e) {
        e = askDecode(lead, next);
        slot.store(e, std::memory_order_relaxed);
    }
    return e;
}

quint32 encodeEntry(char16_t u)
{
    std::atomic<quint32> &slot = encodeTable[u];
    quint32 e = slot.load(std::memory_order_relaxed);
    if (!e) {
        e = askEncode(u);
        slot.store(e, std::memory_order_relaxed);
    }
    return e;
}

// Encodes text, calling put with each byte, as iconv would: '?' for a character the code
// page lacks, for a lone surrogate and for a surrogate pair, which the code page has
// none of. A high surrogate takes the unit after it along, whatever that is.
template <typename Put>
void encode(QStringView text, Put &&put)
{
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = p[i];
        if (const int b = singleByteOf(u); b >= 0) {
            put(char(b));
        } else if (QChar::isSurrogate(u)) {
            if (QChar::isHighSurrogate(u) && i + 1 < n) {
                // The tag characters U+E0000..U+E007F mark a language; iconv drops them.
                if (u == 0xDB40 && p[i + 1] >= 0xDC00 && p[i + 1] <= 0xDC7F) {
                    ++i;
                    continue;
                }
                ++i;
            }
            put('?');
        } else {
            const quint32 e = encodeEntry(u);
            switch ((e >> 16) & 3) {
            case 1: put(char(e & 0xFF)); break;
            case 2:
                put(char((e >> 8) & 0xFF));
                put(char(e & 0xFF));
                break;
            default: put('?'); break;
            }
        }
    }
}

}  // namespace

QByteArray toAnsi(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() * 2);
    encode(text, [&](char b) { out.append(b); });
    return out;
}

QString fromAnsi(QByteArrayView bytes)
{
    QString out;
    if (bytes.isEmpty())
        return out;
    // A character takes at least one byte, so the text has at most as many units.
    out.resize(bytes.size());
    QChar *d = out.data();
    qsizetype o = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const uchar b = uchar(bytes[i]);
        if (b < 0x80) {
            d[o++] = QChar(char16_t(b));
            ++i;
        } else if (b >= 0xA1 && b <= 0xDF) {
            d[o++] = QChar(char16_t(0xFF61 + (b - 0xA1)));
            ++i;
        } else {
            const quint32 e = decodeEntry(b, i + 1 < n ? uchar(bytes[i + 1]) : 256);
            const int used = int((e >> 16) & 3);
            if (used == 3)
                return decodeThroughIconv(bytes);
            d[o++] = used ? QChar(char16_t(e & 0xFFFF)) : QChar(QChar::ReplacementCharacter);
            i += used ? used : 1;
        }
    }
    out.truncate(o);
    return out;
}

int AnsiByteLength(QStringView text)
{
    int bytes = 0;
    encode(text, [&](char) { ++bytes; });
    return bytes;
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
