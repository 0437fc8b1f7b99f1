#include "engine/AcceptedSpellings.h"

#include "engine/KanaRules.h"

namespace zr {
namespace {

// The small kana an input method types alone with x or l before its large kana.
constexpr std::pair<char16_t, char16_t> kSmallAndLarge[] = {
    {u'ぁ', u'あ'}, {u'ぃ', u'い'}, {u'ぅ', u'う'}, {u'ぇ', u'え'}, {u'ぉ', u'お'},
    {u'ゃ', u'や'}, {u'ゅ', u'ゆ'}, {u'ょ', u'よ'}, {u'っ', u'つ'}, {u'ゎ', u'わ'},
};

// Spellings that Japanese input methods accept beside those of the tables: the Hepburn-like
// jy- and cy- forms, c and q for the k sounds, and the few others every input method
// knows. They are part of the rules, not of the learner's table.
constexpr std::pair<const char16_t *, const char16_t *> kInputMethodSpellings[] = {
    {u"か", u"ca"},   {u"く", u"cu"},   {u"く", u"qu"},   {u"こ", u"co"},
    {u"し", u"ci"},   {u"せ", u"ce"},   {u"い", u"yi"},   {u"う", u"wu"},
    {u"う", u"whu"},  {u"じゃ", u"jya"}, {u"じゅ", u"jyu"}, {u"じょ", u"jyo"},
    {u"じぇ", u"jye"}, {u"じぃ", u"jyi"}, {u"ちゃ", u"cya"}, {u"ちゅ", u"cyu"},
    {u"ちょ", u"cyo"}, {u"ちぇ", u"cye"}, {u"ちぇ", u"che"}, {u"ちぃ", u"cyi"},
    {u"くぁ", u"qa"},  {u"くぃ", u"qi"},  {u"くぇ", u"qe"},  {u"くぉ", u"qo"},
};

void addSpelling(QStringList &list, const QString &keys)
{
    if (!keys.isEmpty() && !list.contains(keys))
        list.append(keys);
}

}  // namespace

AcceptedSpellings::AcceptedSpellings(const RomajiTable &own, const QList<RomajiEntry> &defaults)
{
    // The tables: the learner's spelling (the first row of a kana), then every row of the
    // default table, then both spellings of the units with two.
    QStringList units;
    auto unitList = [&](const QString &kana) -> QStringList & {
        auto it = spellings_.find(kana);
        if (it == spellings_.end()) {
            units.append(kana);
            it = spellings_.insert(kana, {});
        }
        return *it;
    };
    for (int i = 0; i < RomajiTable::kRows; ++i) {
        const QString &kana = own.row(i).kana;
        if (!kana.isEmpty())
            addSpelling(unitList(kana), own.find(kana).value_or(QString()));
    }
    for (const RomajiEntry &e : defaults) {
        if (!e.kana.isEmpty())
            addSpelling(unitList(e.kana), e.keys);
    }
    for (const SpellingAlternative &a : SpellingAlternatives()) {
        for (const QString &keys : a.spelling)
            addSpelling(unitList(a.kana), keys);
    }

    for (const auto &[kana, keys] : kInputMethodSpellings) {
        // Only for units the tables know, so that a word never gains a unit RmjChk drops.
        const auto it = spellings_.find(QString::fromUtf16(kana));
        if (it != spellings_.end())
            addSpelling(*it, QString::fromUtf16(keys));
    }

    for (const auto &[small, large] : kSmallAndLarge) {
        const QStringList largeSpellings = spellings_.value(QString(QChar(large)));
        if (largeSpellings.isEmpty())
            continue;
        QStringList &list = unitList(QString(QChar(small)));
        for (const QString &keys : largeSpellings) {
            addSpelling(list, u'x' + keys);
            addSpelling(list, u'l' + keys);
        }
    }
    {
        QStringList &syllabic = unitList(QString(KanaRules::Syllabic));
        addSpelling(syllabic, QStringLiteral("nn"));
        addSpelling(syllabic, QStringLiteral("xn"));
    }

    for (const QString &unit : std::as_const(units)) {
        if (unit.size() != 2 || !KanaRules::IsSmallKana(QStringView(unit).mid(1)) || unit.front() == KanaRules::Sokuon)
            continue;
        const QStringList bases = spellings_.value(unit.left(1));
        const QStringList smalls = spellings_.value(unit.mid(1));
        QStringList &list = spellings_[unit];
        for (const QString &base : bases) {
            for (const QString &small : smalls)
                addSpelling(list, base + small);
        }
    }

    // っ joins every unit after it, as RmjChk cuts words: っ with a kana, with a kana and
    // its small kana, or alone at the end of a word.
    const QStringList sokuon = spellings_.value(QString(KanaRules::Sokuon));
    for (const QString &unit : std::as_const(units)) {
        if (unit.front() == KanaRules::Sokuon && unit.size() > 1)
            continue;
        const QStringList next = spellings_.value(unit);
        QStringList joined;
        for (const QString &keys : next) {
            if (KanaRules::DoublesForSokuon(keys.front()))
                addSpelling(joined, keys.front() + keys);
        }
        for (const QString &alone : sokuon) {
            for (const QString &keys : next)
                addSpelling(joined, alone + keys);
        }
        if (!joined.isEmpty())
            spellings_.insert(KanaRules::Sokuon + unit, joined);
    }
    for (const QStringList &list : std::as_const(spellings_)) {
        for (const QString &keys : list)
            longest_ = std::max(longest_, keys.size());
    }
}

QString AcceptedSpellings::continuing(const QString &unit, QStringView typed, QChar key) const
{
    const auto it = spellings_.constFind(unit);
    if (it == spellings_.constEnd())
        return {};
    for (const QString &keys : *it) {
        if (keys.size() > typed.size() && keys.at(typed.size()) == key && QStringView(keys).startsWith(typed))
            return keys;
    }
    return {};
}

}  // namespace zr
