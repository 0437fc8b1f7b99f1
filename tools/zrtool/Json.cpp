#include "Json.h"

#include <charconv>
#include <cmath>

void JsonWriter::separate()
{
    if (needComma_)
        out_ += u',';
    needComma_ = false;
}

void JsonWriter::beginObject()
{
    separate();
    out_ += u'{';
}

void JsonWriter::endObject()
{
    out_ += u'}';
    needComma_ = true;
}

void JsonWriter::beginArray()
{
    separate();
    out_ += u'[';
}

void JsonWriter::endArray()
{
    out_ += u']';
    needComma_ = true;
}

void JsonWriter::key(const QString &name)
{
    value(name);
    out_ += u':';
    needComma_ = false;
}

void JsonWriter::value(const QString &text)
{
    separate();
    out_ += u'"';
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'"': out_ += QStringLiteral("\\\""); break;
        case u'\\': out_ += QStringLiteral("\\\\"); break;
        case u'\n': out_ += QStringLiteral("\\n"); break;
        case u'\r': out_ += QStringLiteral("\\r"); break;
        case u'\t': out_ += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out_ += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
            else
                out_ += c;
        }
    }
    out_ += u'"';
    needComma_ = true;
}

void JsonWriter::value(double number)
{
    if (!std::isfinite(number)) {
        null();
        return;
    }
    separate();
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    out_ += QString::fromLatin1(buffer, result.ptr - buffer);
    needComma_ = true;
}

void JsonWriter::null()
{
    separate();
    out_ += QStringLiteral("null");
    needComma_ = true;
}
