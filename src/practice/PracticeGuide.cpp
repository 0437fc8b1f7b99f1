#include "practice/PracticeGuide.h"

#include "keyboard/KeyboardModel.h"

namespace zr {
namespace {

const QString kWideBlank = QStringLiteral(u"　");

// The separator after a word or line is the one position without a unit.
bool isSeparator(const PositionRecord &p)
{
    return p.unitKeys.isEmpty();
}

}  // namespace

RowGuide GuideOf(const QList<RowItem> &items, const QList<PositionRecord> &positions, int cursor, bool current)
{
    RowGuide guide;
    const int n = int(positions.size());
    int p = 0;
    for (const RowItem &item : items) {
        if (p >= n)
            break;
        GuideGroup group{item.textStart, item.textLength, item.reading, 0, QString(), 0};
        const int first = p;
        // The kana of each unit, found in the reading in order: a kana the table lacks
        // has no unit and is passed over.
        qsizetype searchFrom = 0;
        qsizetype unitEnd = -1;
        for (; p < n && !isSeparator(positions.at(p)); ++p) {
            const PositionRecord &position = positions.at(p);
            if (position.offset == 0) {
                const qsizetype at = item.reading.indexOf(position.kana, searchFrom);
                unitEnd = at >= 0 ? at + position.kana.size() : -1;
                if (at >= 0)
                    searchFrom = unitEnd;
            }
            group.keys += position.key;
            if (p >= cursor)
                continue;
            group.keysTyped += 1;
            const bool lastOfUnit = p + 1 >= n || positions.at(p + 1).offset == 0 || isSeparator(positions.at(p + 1));
            if (lastOfUnit && unitEnd >= 0)
                group.readingTyped = int(unitEnd);
        }
        // The cursor on the separator stands after the group's keys.
        if (current && cursor >= first && cursor <= p && cursor < n) {
            guide.current = int(guide.groups.size());
            guide.currentKey = cursor - first;
        }
        if (p < n)
            ++p;
        guide.groups.append(std::move(group));
    }
    return guide;
}

QString GuideKeysText(QStringView keys, bool fontUpper)
{
    QString text;
    text.reserve(keys.size());
    for (qsizetype i = 0; i < keys.size(); ++i)
        text += KeyDisplayForm(keys.mid(i, 1), fontUpper);
    return text;
}

QString RowGuide::readingText() const
{
    QStringList readings;
    for (const GuideGroup &g : groups)
        readings.append(g.reading);
    return readings.join(kWideBlank);
}

QString RowGuide::keysText(bool fontUpper) const
{
    QStringList keys;
    for (const GuideGroup &g : groups)
        keys.append(GuideKeysText(g.keys, fontUpper));
    return keys.join(kWideBlank);
}

}  // namespace zr
