// A settings file ("user.ini") as the program reads it: the keys it asks for, in
// sections that may or may not be there.

#include "FuzzSupport.h"
#include "platform/IniFile.h"

using namespace zr;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView file = fuzz::bytes(data, size);
    static const char *const keys[][2] = {
        {"General", "Font"}, {"General", "ErrorSound"}, {"Training", "LessonTime"},
        {"WordLsn", "L1"},   {"WordLsn", "LT1"},       {"", ""},
    };
    QString value;
    for (const auto &k : keys) {
        for (int buffer : {255, 1, 0})
            GetIniStringInData(QString::fromLatin1(k[0]), QString::fromLatin1(k[1]), QStringLiteral("x"), value, buffer, file);
    }
    return 0;
}
