#include "platform/KanaMode.h"

#include "platform/Cp932.h"

namespace zr {
namespace {

bool kanaMode = false;
std::function<void(bool)> listener;

// The character's code as the code page gives it, a double-byte character as a
// negative 16-bit number.
int signedAnsiCode(QStringView text)
{
    const QByteArray bytes = toAnsi(text.left(1));
    if (bytes.isEmpty())
        return 0;
    if (bytes.size() == 1)
        return uchar(bytes[0]);
    return qint16(quint16((uchar(bytes[0]) << 8) | uchar(bytes[1])));
}

}  // namespace

bool KanaModeOn()
{
    return kanaMode;
}

void SetKanaMode(bool on)
{
    if (kanaMode == on)
        return;
    kanaMode = on;
    if (listener)
        listener(on);
}

void ToggleKanaMode()
{
    SetKanaMode(!kanaMode);
}

void SetKanaModeListener(std::function<void(bool)> l)
{
    listener = std::move(l);
}

void SyncKanaLock(int course, QStringView mode, QStringView next)
{
    if (course == 0) {
        SetKanaMode(false);
    } else if (course == 1) {
        if (next.isEmpty() || mode != u"ON")
            return;
        SetKanaMode(signedAnsiCode(next) > 160);
    }
}

void ReleaseKanaLock()
{
    SetKanaMode(false);
}

}  // namespace zr
