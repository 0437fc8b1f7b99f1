#pragma once

#include <QChar>
#include <QStringView>

// The few facts about kana spelling that the converter (RmjChk) and the keystroke
// protocol rely on, in one place. Each is what a Japanese input method does with the
// keys, so that what the program accepts is what an input method would turn into the
// same kana.
namespace zr::KanaRules {

// Small kana that join the kana before them into one unit: きゃ is typed "kya" as a
// whole, never "ki" + "xya", so the unit is the pair.
inline constexpr QStringView SmallKana = u"ぁぃぅぇぉゃゅょ";

// The sokuon. It joins the unit after it, whose first key is doubled ("tte" for って).
inline constexpr QChar Sokuon = u'っ';

// A doubled key reads as っ only for a consonant other than n: "nn" is ん, and a doubled
// vowel or symbol is simply two kana. Before those, っ is typed by keys of its own.
inline bool DoublesForSokuon(QChar key)
{
    const char16_t c = key.unicode();
    return c >= u'a' && c <= u'z' && !QStringView(u"aiueon").contains(key);
}

// Kana whose keys begin with n, y or a vowel: after ん typed with a single n, an input
// method reads that n together with them (n + a = な, n + ya = にゃ, n + na = んな is
// only reached with nn), so before these ん needs its second n. The first kana of the
// next unit decides, so にゃ, にゅ and にょ count as に.
inline constexpr QStringView NeedsSecondN = u"なにぬねのやゆよあいうえお";

// ん, whose keys "nn" may be cut short to one n when the next key cannot join it.
inline constexpr QChar Syllabic = u'ん';

inline bool IsSmallKana(QStringView c)
{
    return c.size() == 1 && SmallKana.contains(c.front());
}

inline bool NeedsSecondNBefore(QStringView nextUnit)
{
    return !nextUnit.isEmpty() && NeedsSecondN.contains(nextUnit.front());
}

}  // namespace zr::KanaRules
