#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace zr {

// Numbers as a learner types them, 0 to 9,999,999,999.
inline constexpr qint64 kMaxReadNumber = 9'999'999'999;

// The value of a number as written: half- or full-width digits, with or without ','
// separators between groups of three ("3,000", "３，０００"), kanji numerals with or
// without units ("三百", "一万五千", "二〇二四"), or both mixed ("3万5千"). Nothing when
// the text is not one number of the range.
std::optional<qint64> ParseNumber(QStringView text);

// The counters whose readings change with the number before them.
enum class Counter {
    None,        // a bare number
    Year,        // 年, 年間
    Month,       // 月 (the month's name: しがつ)
    Day,         // 日, 日間
    Hour,        // 時, 時間
    Minute,      // 分, 分間
    Yen,         // 円
    Person,      // 人
    Times,       // 回
    Piece,       // 個
    Long,        // 本
    Floor,       // 階
    Age,         // 歳
};

// The counter a text names ("時間" is an hour counter followed by かん), or None.
struct CounterWord {
    Counter counter = Counter::None;
    QString tail;   // what follows the counted form: "かん" for 時間, 日間, 分間, 年間
};
CounterWord CounterOf(QStringView text);

// The hiragana of a value with the counter after it. A day after a month is a date
// (一日 ついたち); without one it is a count of days (一日 いちにち, 二日 ふつか).
QString NumberReading(qint64 value, Counter counter = Counter::None, bool afterMonth = false);

// The hiragana of a value before a counter that is not one of the above, whose own
// reading is counterReading (hiragana): the sound changes of one, six, eight, ten and a
// hundred before a k, s, t or h sound (一冊 いっさつ, 六か月 ろっかげつ, 八杯 はっぱい).
QString NumberWithCounterReading(qint64 value, const QString &counterReading);

}  // namespace zr
