#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

namespace zr {

// Dates and durations are OLE automation dates: days since 1899-12-30 as a double, the
// time of day in the fraction. Before the epoch the fraction still counts forwards
// within its day (-1.25 is 1899-12-29 06:00).

double toOleDate(const QDate &date);
double toOleDateTime(const QDateTime &dateTime);
QDate dateFromOle(double value);         // the date part; invalid when out of range
QDateTime dateTimeFromOle(double value);

// True for values the date type can hold (years 100 to 9999), false for NaN, infinities
// and anything beyond.
bool isValidOleDate(double value);

// The time of day of a date or duration, rounded to whole seconds as the date type
// shows it; whole days are dropped.
struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
};
TimeOfDay timeOfDay(double value);

// A time of day written as hours:minutes:seconds ("00:02:30") in days; nullopt when
// the text is not such a time.
std::optional<double> parseTimeValue(const QString &text);

}  // namespace zr
