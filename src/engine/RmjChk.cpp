#include "engine/RmjChk.h"

#include "engine/KanaRules.h"
#include "keyboard/KeyboardModel.h"

namespace zr {
namespace {

using KanaRules::IsSmallKana;
using KanaRules::Sokuon;

bool doublesAsSokuon(const QString &keys)
{
    return !keys.isEmpty() && KanaRules::DoublesForSokuon(keys.front());
}

// Character i (1-based) of the word, empty beyond its end.
QStringView charAt(QStringView wd, qsizetype i, qsizetype count = 1)
{
    if (i < 1 || i > wd.size())
        return {};
    return wd.mid(i - 1, std::min(count, wd.size() - (i - 1)));
}

class Converter {
public:
    Converter(const RomajiTable &table, RmjConversion &out) : table_(table), out_(out) {}

    void append(QStringView kana, const QString &keys)
    {
        out_.SpKana += kana;
        out_.SpKana += u'/';
        out_.Rmj += keys;
        out_.SpRmj += keys;
        out_.SpRmj += u'/';
        out_.units.append({kana.toString(), keys});
    }

    // A unit that starts with っ: the kana after it (one or two characters) decides.
    void appendSokuon(QStringView unit, QStringView next)
    {
        const std::optional<QString> keys = next.isEmpty() ? std::nullopt : table_.find(next);
        if (keys && doublesAsSokuon(*keys)) {
            append(unit, keys->front() + *keys);
            return;
        }
        // っ at the end of a word, before a vowel, ん or punctuation is typed on its own.
        // A kana the table lacks drops the whole unit, as any unknown unit does.
        const std::optional<QString> sokuon = table_.find(QStringView(&Sokuon, 1));
        if (!sokuon || (!next.isEmpty() && !keys))
            return;
        append(unit, next.isEmpty() ? *sokuon : *sokuon + *keys);
    }

    void appendLookedUp(QStringView unit)
    {
        if (const std::optional<QString> keys = table_.find(unit))
            append(unit, *keys);
    }

private:
    const RomajiTable &table_;
    RmjConversion &out_;
};

bool anyIn(QStringView keys, QStringView set)
{
    for (QChar c : keys) {
        if (set.contains(c))
            return true;
    }
    return false;
}

bool allIn(QStringView keys, QStringView set)
{
    for (QChar c : keys) {
        if (!set.contains(c))
            return false;
    }
    return true;
}

}  // namespace

RmjConversion ConvertWord(QStringView wd, QStringView UseKey, QStringView TargetKey, int ModeSW,
                          int course, const RomajiTable &table)
{
    RmjConversion out;
    Converter conv(table, out);
    const qsizetype length = wd.size();
    qsizetype consumed = 0;
    int units = 0;
    qsizetype i = 1;

    if (course == RomajiCourse) {
        do {
            const QStringView c = charAt(wd, i);
            if (c.size() == 1 && c.front() == Sokuon) {
                if (!IsSmallKana(charAt(wd, i + 2))) {
                    const QStringView unit = charAt(wd, i, 2);
                    i += 2;
                    consumed += 1;
                    conv.appendSokuon(unit, unit.mid(1));
                } else {
                    const QStringView unit = charAt(wd, i, 3);
                    i += 3;
                    consumed += 2;
                    conv.appendSokuon(unit, unit.mid(1));
                }
            } else {
                QStringView unit = c;
                if (IsSmallKana(charAt(wd, i + 1))) {
                    unit = charAt(wd, i, 2);
                    i += 2;
                    consumed += 1;
                } else {
                    i += 1;
                }
                conv.appendLookedUp(unit);
            }
            consumed += 1;
            units += 1;
        } while (consumed < length);
    } else if (course == KanaCourse) {
        do {
            conv.appendLookedUp(charAt(wd, i));
            i += 1;
            consumed += 1;
            units += 1;
        } while (consumed < length);
    }

    bool accepted = false;
    if (ModeSW == KeyFilterOn)
        accepted = !out.Rmj.isEmpty() && allIn(out.Rmj, UseKey) && anyIn(out.Rmj, TargetKey);
    else
        accepted = !out.Rmj.isEmpty();
    if (accepted) {
        out.SpKana.chop(1);
        out.SpRmj.chop(1);
        out.result = units;
    }
    return out;
}

int RmjChk(QStringView wd, QStringView UseKey, QStringView TargetKey, QString &SpKana,
           QString &Rmj, QString &SpRmj, int ModeSW, int course, const RomajiTable &table)
{
    RmjConversion c = ConvertWord(wd, UseKey, TargetKey, ModeSW, course, table);
    SpKana = std::move(c.SpKana);
    Rmj = std::move(c.Rmj);
    SpRmj = std::move(c.SpRmj);
    return c.result;
}

}  // namespace zr
