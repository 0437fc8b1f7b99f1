// A romaji or kana table ("DefRmj.tbl", "DefKana.tbl", or one given to zrtool), read
// and then used to convert words the way the practice screens do.

#include "FuzzSupport.h"
#include "engine/RmjChk.h"
#include "engine/RomajiTable.h"
#include "keyboard/KeyboardModel.h"
#include "platform/Cp932.h"

using namespace zr;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString error;
    const auto entries = ParseDefaultTable(fromAnsi(fuzz::bytes(data, size)), &error, QStringLiteral("table.tbl"));
    if (!entries)
        return 0;
    RomajiTable table;
    table.load(*entries);
    static const QString words[] = {QStringLiteral(u"しゃしん"), QStringLiteral(u"きって"),
                                    QStringLiteral(u"ヴァイオリン"), QStringLiteral(u"んあ"),
                                    QStringLiteral(u"がっこう")};
    for (const QString &word : words) {
        for (int course : {RomajiCourse, KanaCourse}) {
            (void)ConvertWord(word, QString(), QString(), 1, course, table);
            (void)ConvertWord(word, QStringLiteral("asdfjkl;"), QStringLiteral("k"), 0, course, table);
        }
    }
    return 0;
}
