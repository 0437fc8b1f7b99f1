#include "reading/NumberReading.h"

#include <QList>

#include <algorithm>

#include <array>

namespace zr {
namespace {

// One spoken part of a number: a digit, a ten, a hundred, a thousand, or 万 / 億 after
// their group. Counters change the last part only (三百本 さんびゃっぽん is not, 百本 is).
struct Part {
    enum Kind { Zero, Digit, Ten, Hundred, Thousand, Big } kind;
    QString text;
    int digit = 0;
};

const std::array<const char16_t *, 10> kDigits = {u"", u"いち", u"に", u"さん", u"よん",
                                                  u"ご", u"ろく", u"なな", u"はち", u"きゅう"};

QString digitText(int d)
{
    return QString::fromUtf16(kDigits[size_t(d)]);
}

void appendGroup(QList<Part> &parts, int group, const char16_t *unit)
{
    const int thousands = group / 1000, hundreds = group / 100 % 10, tens = group / 10 % 10, ones = group % 10;
    if (thousands) {
        QString t;
        if (thousands == 1)
            t = unit ? QStringLiteral("いっせん") : QStringLiteral("せん");
        else if (thousands == 3)
            t = QStringLiteral("さんぜん");
        else if (thousands == 8)
            t = QStringLiteral("はっせん");
        else
            t = digitText(thousands) + QStringLiteral("せん");
        parts.append({Part::Thousand, t});
    }
    if (hundreds) {
        QString t;
        if (hundreds == 1)
            t = QStringLiteral("ひゃく");
        else if (hundreds == 3)
            t = QStringLiteral("さんびゃく");
        else if (hundreds == 6)
            t = QStringLiteral("ろっぴゃく");
        else if (hundreds == 8)
            t = QStringLiteral("はっぴゃく");
        else
            t = digitText(hundreds) + QStringLiteral("ひゃく");
        parts.append({Part::Hundred, t});
    }
    if (tens)
        parts.append({Part::Ten, (tens == 1 ? QString() : digitText(tens)) + QStringLiteral("じゅう")});
    if (ones)
        parts.append({Part::Digit, digitText(ones), ones});
    if (unit)
        parts.append({Part::Big, QString::fromUtf16(unit)});
}

QList<Part> partsOf(qint64 value)
{
    QList<Part> parts;
    if (value <= 0) {
        parts.append({Part::Zero, QStringLiteral("ぜろ")});
        return parts;
    }
    const int oku = int(value / 100'000'000), man = int(value / 10'000 % 10'000), rest = int(value % 10'000);
    if (oku)
        appendGroup(parts, oku, u"おく");
    if (man)
        appendGroup(parts, man, u"まん");
    if (rest)
        appendGroup(parts, rest, nullptr);
    return parts;
}

QString joined(const QList<Part> &parts, qsizetype count)
{
    QString out;
    for (qsizetype i = 0; i < count; ++i)
        out += parts[i].text;
    return out;
}

// The small tsu before a k, s, t or p sound: 一 いっ, 六 ろっ, 八 はっ, 十 じゅっ, 百 ひゃっ.
// Which of them change depends on the counter.
enum Gemination { OneSixEightTenHundred, OneEightTen };

std::optional<QString> geminated(const Part &last, Gemination which)
{
    switch (last.kind) {
    case Part::Digit:
        if (last.digit == 1)
            return QStringLiteral("いっ");
        if (last.digit == 8)
            return QStringLiteral("はっ");
        if (last.digit == 6 && which == OneSixEightTenHundred)
            return QStringLiteral("ろっ");
        return std::nullopt;
    case Part::Ten:
        return last.text.chopped(1) + u'っ';   // じゅう → じゅっ
    case Part::Hundred:
        if (which == OneSixEightTenHundred)
            return last.text.chopped(1) + u'っ';   // ひゃく → ひゃっ, びゃく → びゃっ
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

// は ひ ふ へ ほ after a small tsu become ぱ ぴ ぷ ぺ ぽ.
QString semiVoiced(const QString &reading)
{
    QString out = reading;
    if (!out.isEmpty() && QStringLiteral("はひふへほ").contains(out.front()))
        out[0] = QChar(out.front().unicode() + 2);
    return out;
}

const std::array<const char16_t *, 11> kCountedDays = {u"",       u"ついたち", u"ふつか", u"みっか",
                                                       u"よっか", u"いつか",   u"むいか", u"なのか",
                                                       u"ようか", u"ここのか", u"とおか"};

QString dayReading(qint64 value, bool afterMonth, const QList<Part> &parts)
{
    if (value == 1)
        return afterMonth ? QStringLiteral("ついたち") : QStringLiteral("いちにち");
    if (value >= 2 && value <= 10)
        return QString::fromUtf16(kCountedDays[size_t(value)]);
    if (value == 20)
        return QStringLiteral("はつか");
    const Part &last = parts.last();
    const QString prefix = joined(parts, parts.size() - 1);
    if (last.kind == Part::Digit) {
        if (last.digit == 4)
            return prefix + QStringLiteral("よっか");
        if (last.digit == 7)
            return prefix + QStringLiteral("しちにち");
        if (last.digit == 9)
            return prefix + QStringLiteral("くにち");
    }
    return joined(parts, parts.size()) + QStringLiteral("にち");
}

}  // namespace

std::optional<qint64> ParseNumber(QStringView text)
{
    auto digitOf = [](QChar c) -> int {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9')
            return u - u'0';
        if (u >= u'０' && u <= u'９')
            return u - u'０';
        static const QString kanji = QStringLiteral("〇一二三四五六七八九");
        if (u == u'零')
            return 0;
        return int(kanji.indexOf(c));
    };
    auto separator = [](QChar c) { return c == u',' || c == u'，'; };
    if (text.isEmpty())
        return std::nullopt;

    // Separators only between groups of three Arabic digits: 1,000 and 12,345,678.
    QString plain;
    if (std::any_of(text.begin(), text.end(), separator)) {
        const auto groups = text.split(QChar(text.contains(u',') ? u',' : u'，'));
        for (qsizetype g = 0; g < groups.size(); ++g) {
            const QStringView group = groups[g];
            const qsizetype size = group.size();
            if ((g == 0 && (size < 1 || size > 3)) || (g > 0 && size != 3))
                return std::nullopt;
            for (QChar c : group) {
                const char16_t u = c.unicode();
                if (!((u >= u'0' && u <= u'9') || (u >= u'０' && u <= u'９')))
                    return std::nullopt;
            }
            plain += group;
        }
        text = plain;
    }

    qint64 total = 0, section = 0, pending = -1;
    int pendingDigits = 0;
    qint64 lastSmall = 10'000, lastBig = 1'000'000'000'000;
    bool leadingZero = false;
    for (const QChar c : text) {
        const int d = digitOf(c);
        if (d >= 0) {
            if (pendingDigits == 1 && pending == 0)
                leadingZero = true;
            pending = (pending < 0 ? 0 : pending) * 10 + d;
            if (++pendingDigits > 10)
                return std::nullopt;
            continue;
        }
        qint64 unit = 0;
        switch (c.unicode()) {
        case u'十': unit = 10; break;
        case u'百': unit = 100; break;
        case u'千': unit = 1'000; break;
        case u'万': unit = 10'000; break;
        case u'億': unit = 100'000'000; break;
        default: return std::nullopt;
        }
        if (unit < 10'000) {
            // 三百, 3千: one digit before a small unit, each unit smaller than the one before.
            if (unit >= lastSmall || pending > 9)
                return std::nullopt;
            section += (pending < 0 ? 1 : pending) * unit;
            lastSmall = unit;
        } else {
            if (unit >= lastBig)
                return std::nullopt;
            section += std::max<qint64>(pending, 0);
            if (section == 0 || section >= 10'000)
                return std::nullopt;
            total += section * unit;
            section = 0;
            lastSmall = 10'000;
            lastBig = unit;
        }
        pending = -1;
        pendingDigits = 0;
    }
    // A number is not written with a leading zero; "090" is a code, not ninety.
    if (leadingZero)
        return std::nullopt;
    if (pending >= 0) {
        if (lastSmall < 10'000 && pending >= lastSmall)
            return std::nullopt;
        section += pending;
    }
    if (lastBig < 1'000'000'000'000 && section >= 10'000)
        return std::nullopt;
    total += section;
    if (total > kMaxReadNumber)
        return std::nullopt;
    return total;
}

CounterWord CounterOf(QStringView text)
{
    static const struct {
        const char16_t *text;
        Counter counter;
    } kCounters[] = {
        {u"年", Counter::Year},   {u"月", Counter::Month},   {u"日", Counter::Day},  {u"時", Counter::Hour},
        {u"分", Counter::Minute}, {u"円", Counter::Yen},     {u"人", Counter::Person}, {u"回", Counter::Times},
        {u"個", Counter::Piece},  {u"本", Counter::Long},    {u"階", Counter::Floor}, {u"歳", Counter::Age},
        {u"才", Counter::Age},
    };
    for (const auto &c : kCounters) {
        const QStringView name(c.text);
        if (text == name)
            return {c.counter, {}};
        // 時間, 日間, 分間 and 年間 count like the counter and add かん.
        if (text.size() == 2 && text.startsWith(name) && text.back() == u'間'
            && (c.counter == Counter::Hour || c.counter == Counter::Day || c.counter == Counter::Minute
                || c.counter == Counter::Year))
            return {c.counter, QStringLiteral("かん")};
    }
    return {};
}

QString NumberReading(qint64 value, Counter counter, bool afterMonth)
{
    const QList<Part> parts = partsOf(value);
    const Part &last = parts.last();
    const QString prefix = joined(parts, parts.size() - 1);
    const QString whole = joined(parts, parts.size());
    // The last digit read another way before this counter: 四年 よねん, 九時 くじ.
    auto withDigit = [&](const QString &suffix, std::initializer_list<std::pair<int, const char16_t *>> forms) {
        if (last.kind == Part::Digit) {
            for (const auto &[digit, form] : forms) {
                if (last.digit == digit)
                    return prefix + QString::fromUtf16(form) + suffix;
            }
        }
        return whole + suffix;
    };
    auto geminating = [&](const QString &suffix, const QString &afterTsu, Gemination which) {
        if (const std::optional<QString> g = geminated(last, which))
            return prefix + *g + afterTsu;
        return whole + suffix;
    };
    switch (counter) {
    case Counter::None:
        return whole;
    case Counter::Year:
        return withDigit(QStringLiteral("ねん"), {{4, u"よ"}});
    case Counter::Month:
        return withDigit(QStringLiteral("がつ"), {{4, u"し"}, {7, u"しち"}, {9, u"く"}});
    case Counter::Day:
        return dayReading(value, afterMonth, parts);
    case Counter::Hour:
        return withDigit(QStringLiteral("じ"), {{4, u"よ"}, {7, u"しち"}, {9, u"く"}});
    case Counter::Yen:
        return withDigit(QStringLiteral("えん"), {{4, u"よ"}});
    case Counter::Person:
        if (value == 1)
            return QStringLiteral("ひとり");
        if (value == 2)
            return QStringLiteral("ふたり");
        return withDigit(QStringLiteral("にん"), {{4, u"よ"}});
    case Counter::Minute:
        if (last.kind == Part::Digit && last.digit == 3)
            return prefix + QStringLiteral("さんぷん");
        if (last.kind == Part::Digit && last.digit == 4)
            return prefix + QStringLiteral("よんぷん");
        if (last.kind == Part::Thousand || last.kind == Part::Big)
            return whole + QStringLiteral("ぷん");
        return geminating(QStringLiteral("ふん"), QStringLiteral("ぷん"), OneSixEightTenHundred);
    case Counter::Times:
    case Counter::Piece: {
        const QString c = counter == Counter::Times ? QStringLiteral("かい") : QStringLiteral("こ");
        return geminating(c, c, OneSixEightTenHundred);
    }
    case Counter::Long:
        if (last.kind == Part::Digit && last.digit == 3)
            return prefix + QStringLiteral("さんぼん");
        if (last.kind == Part::Thousand || last.kind == Part::Big)
            return whole + QStringLiteral("ぼん");
        return geminating(QStringLiteral("ほん"), QStringLiteral("ぽん"), OneSixEightTenHundred);
    case Counter::Floor:
        if (last.kind == Part::Digit && last.digit == 3)
            return prefix + QStringLiteral("さんがい");
        return geminating(QStringLiteral("かい"), QStringLiteral("かい"), OneSixEightTenHundred);
    case Counter::Age:
        if (value == 20)
            return QStringLiteral("はたち");
        return geminating(QStringLiteral("さい"), QStringLiteral("さい"), OneEightTen);
    }
    return whole;
}

QString NumberWithCounterReading(qint64 value, const QString &counterReading)
{
    const QList<Part> parts = partsOf(value);
    const QString whole = joined(parts, parts.size());
    if (counterReading.isEmpty())
        return whole;
    const QChar first = counterReading.front();
    std::optional<QString> g;
    QString after = counterReading;
    if (QStringLiteral("かきくけこ").contains(first)) {
        g = geminated(parts.last(), OneSixEightTenHundred);
    } else if (QStringLiteral("さしすせそたちつてと").contains(first)) {
        g = geminated(parts.last(), OneEightTen);
    } else if (QStringLiteral("はひふへほ").contains(first)) {
        g = geminated(parts.last(), OneSixEightTenHundred);
        after = semiVoiced(counterReading);
    }
    if (g)
        return joined(parts, parts.size() - 1) + *g + after;
    return whole + counterReading;
}

}  // namespace zr
