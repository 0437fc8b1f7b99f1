#include "platform/OleDate.h"

#include <QRegularExpression>

#include <cmath>

namespace zr {
namespace {

const QDate kEpoch(1899, 12, 30);
constexpr double kMinOle = -657434.0;            // 0100-01-01
constexpr double kMaxOle = 2958465.99999999;     // 9999-12-31 23:59:59

}  // namespace

double toOleDate(const QDate &date)
{
    return double(kEpoch.daysTo(date));
}

double toOleDateTime(const QDateTime &dateTime)
{
    const double days = toOleDate(dateTime.date());
    const double fraction = dateTime.time().msecsSinceStartOfDay() / 86400000.0;
    return days >= 0 ? days + fraction : days - fraction;
}

bool isValidOleDate(double value)
{
    return std::isfinite(value) && value >= kMinOle && value <= kMaxOle;
}

QDate dateFromOle(double value)
{
    if (!isValidOleDate(value))
        return {};
    // The fraction is the time of day whatever the sign, so the day is the truncation.
    return kEpoch.addDays(qint64(std::trunc(value)));
}

QDateTime dateTimeFromOle(double value)
{
    const QDate date = dateFromOle(value);
    if (!date.isValid())
        return {};
    const TimeOfDay t = timeOfDay(value);
    return QDateTime(date, QTime(t.hour, t.minute, t.second));
}

TimeOfDay timeOfDay(double value)
{
    if (!std::isfinite(value))
        return {};
    const double a = std::fabs(value);
    qint64 seconds = std::llround((a - std::floor(a)) * 86400.0);
    if (seconds >= 86400)
        seconds = 0;
    return {int(seconds / 3600), int(seconds / 60 % 60), int(seconds % 60)};
}

std::optional<double> parseTimeValue(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?\\s*$"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int h = m.captured(1).toInt();
    const int min = m.captured(2).toInt();
    const int s = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    if (h > 23 || min > 59 || s > 59)
        return std::nullopt;
    return (h * 3600 + min * 60 + s) / 86400.0;
}

}  // namespace zr
