// A learner's record ("user.dat") of any format version: the checks of a learner
// becoming current, the older layouts and their conversion, and a record that reads
// completely must write back byte for byte what a second read gives.

#include "FuzzSupport.h"
#include "userdata/UserRecord.h"
#include "userdata/Users.h"
#include "userdata/ZRSub.h"

using namespace zr;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes = fuzz::bytes(data, size);
    const UserFile file = ReadUserFile(QStringLiteral("user01"), bytes);
    (void)RecordProblemText(file.problem);
    (void)file.label();

    QString error;
    bool truncated = false;
    if (const auto old = ParseLegacyUserRecord(bytes, &error, &truncated)) {
        static const QList<RomajiEntry> table = {{QStringLiteral(u"し"), QStringLiteral("si")}};
        const UserRecord converted = ConvertLegacyUserRecord(*old, table, 69);
        (void)CheckUserRecord(converted);
    }

    if (file.usable()) {
        // What was read completely is written back whole: saving twice gives the same bytes.
        const QByteArray once = SerializeUserRecord(file.record);
        bool cut = true;
        const UserRecord again = ParseUserRecord(once, &cut);
        if (cut || SerializeUserRecord(again) != once)
            __builtin_trap();
    }
    return 0;
}
