#include "platform/Format.h"

#include "platform/OleDate.h"

#include <QLocale>

#include <cmath>
#include <cstdio>

namespace zr {
namespace {

// The decimal digits of |value| with 15 significant digits: digits without a point and
// the position of the point (digits.left(point) is the integer part).
struct Decimal {
    QString digits;
    int point = 0;
};

Decimal decimalOf(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    // buffer: d.dddddddddddddde[+-]xx
    const QString s = QString::fromLatin1(buffer);
    const qsizetype e = s.indexOf(u'e');
    QString digits = s.left(e);
    digits.remove(u'.');
    const int exponent = s.mid(e + 1).toInt();
    return {digits, exponent + 1};
}

// Rounds a decimal to the given number of places after the point, half away from zero.
Decimal roundDecimal(Decimal d, int places)
{
    const int keep = d.point + places;
    if (keep < 0)
        return {QString(), d.point};
    if (keep >= d.digits.size())
        return d;
    const bool up = d.digits.at(keep) >= u'5';
    QString kept = d.digits.left(keep);
    if (up) {
        int i = int(kept.size()) - 1;
        for (; i >= 0; --i) {
            if (kept[i] == u'9') {
                kept[i] = u'0';
            } else {
                kept[i] = QChar(kept[i].unicode() + 1);
                break;
            }
        }
        if (i < 0) {
            kept.prepend(u'1');
            ++d.point;
        }
    }
    return {kept, d.point};
}

QString formatSection(double magnitude, QStringView section)
{
    // Split the section into the literal prefix, the digit places and the suffix.
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < section.size(); ++i) {
        const QChar c = section[i];
        if (c == u'#' || c == u'0' || c == u'.') {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0)
        return section.toString();

    const QStringView prefix = section.left(first);
    const QStringView places = section.mid(first, last - first + 1);
    const QStringView suffix = section.mid(last + 1);

    const qsizetype dot = places.indexOf(u'.');
    const QStringView intPlaces = dot < 0 ? places : places.left(dot);
    const QStringView fracPlaces = dot < 0 ? QStringView() : places.mid(dot + 1);
    const int minIntDigits = int(intPlaces.count(u'0'));
    const int fracCount = int(fracPlaces.size());
    int minFracDigits = 0;
    for (qsizetype i = 0; i < fracPlaces.size(); ++i) {
        if (fracPlaces[i] == u'0')
            minFracDigits = int(i) + 1;
    }

    const Decimal d = roundDecimal(decimalOf(magnitude), fracCount);

    QString intPart;
    if (d.point > 0) {
        intPart = d.digits.left(d.point);
        while (intPart.size() < d.point)
            intPart.append(u'0');
    }
    // Leading zeros carry no value.
    while (!intPart.isEmpty() && intPart.front() == u'0')
        intPart.remove(0, 1);
    while (intPart.size() < minIntDigits)
        intPart.prepend(u'0');

    QString fracPart;
    for (int i = 0; i < fracCount; ++i) {
        const int index = d.point + i;
        fracPart.append(index >= 0 && index < d.digits.size() ? d.digits.at(index) : QChar(u'0'));
    }
    while (fracPart.size() > minFracDigits && fracPart.back() == u'0')
        fracPart.chop(1);

    QString out = prefix.toString() + intPart;
    if (dot >= 0)
        out += u'.' + fracPart;
    return out + suffix.toString();
}

QString numberDigits(double value)
{
    // Up to 15 significant digits, no trailing zeros, no exponent for ordinary sizes.
    QString s = QString::number(value, 'g', 15);
    if (s.contains(u'e')) {
        const double a = std::fabs(value);
        if (a >= 1e-9 && a < 1e15)
            s = QString::number(value, 'f', 15);
        if (s.contains(u'.')) {
            while (s.endsWith(u'0'))
                s.chop(1);
            if (s.endsWith(u'.'))
                s.chop(1);
        }
    }
    return s;
}

}  // namespace

QString FormatNumber(double value, QStringView pattern)
{
    if (!std::isfinite(value))
        return {};
    QList<QStringView> sections;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= pattern.size(); ++i) {
        if (i == pattern.size() || pattern[i] == u';') {
            sections.append(pattern.mid(start, i - start));
            start = i + 1;
        }
    }
    if (value == 0.0 && sections.size() >= 3)
        return formatSection(0.0, sections[2]);
    if (value < 0.0) {
        if (sections.size() >= 2)
            return formatSection(-value, sections[1]);
        return u'-' + formatSection(-value, sections[0]);
    }
    return formatSection(value, sections[0]);
}

QString NumberText(double value)
{
    if (std::isnan(value))
        return QStringLiteral(" 0");
    const QString digits = PlainNumberText(value);
    return value < 0 ? digits : u' ' + digits;
}

QString PlainNumberText(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    return numberDigits(value == 0.0 ? 0.0 : value);
}

QString FormatDate(double oleDate, QStringView pattern)
{
    const QDateTime dt = dateTimeFromOle(oleDate);
    if (!dt.isValid())
        return {};
    const QLocale japanese(QLocale::Japanese);
    const QDate date = dt.date();
    const QTime time = dt.time();
    QString out;
    qsizetype i = 0;
    auto run = [&](QChar c) {
        qsizetype n = 0;
        while (i + n < pattern.size() && pattern[i + n] == c)
            ++n;
        return n;
    };
    auto two = [](int v) { return QString::number(v).rightJustified(2, u'0'); };
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        const qsizetype n = run(c);
        if (c == u'y' && n >= 4) {
            out += QString::number(date.year());
        } else if (c == u'd' && n >= 5) {
            out += ShortDateText(oleDate);
        } else if (c == u'a' && n >= 3) {
            out += n >= 4 ? japanese.dayName(date.dayOfWeek(), QLocale::LongFormat)
                          : japanese.dayName(date.dayOfWeek(), QLocale::ShortFormat);
        } else if (c == u'm' && n <= 2) {
            out += n == 2 ? two(date.month()) : QString::number(date.month());
        } else if (c == u'd' && n <= 2) {
            out += n == 2 ? two(date.day()) : QString::number(date.day());
        } else if (c == u'h' && n <= 2) {
            out += n == 2 ? two(time.hour()) : QString::number(time.hour());
        } else if (c == u'n' && n <= 2) {
            out += n == 2 ? two(time.minute()) : QString::number(time.minute());
        } else if (c == u's' && n <= 2) {
            out += n == 2 ? two(time.second()) : QString::number(time.second());
        } else {
            out += pattern.mid(i, n);
        }
        i += n;
    }
    return out;
}

QString ShortDateText(double oleDate)
{
    const QDate date = dateFromOle(oleDate);
    if (!date.isValid())
        return {};
    return QLocale(QLocale::Japanese).toString(date, QLocale::ShortFormat);
}

}  // namespace zr
