#pragma once

#include <QString>

#include <optional>

// A small JSON writer that keeps members in the order they are written, which the
// output contract of zrtool needs (QJsonObject sorts its keys).
class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(const QString &name);
    void value(const QString &text);
    void value(double number);   // NaN and infinities become null
    void value(int number) { value(double(number)); }
    void null();

    const QString &text() const { return out_; }

private:
    void separate();

    QString out_;
    bool needComma_ = false;
};
