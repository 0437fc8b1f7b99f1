#include "platform/Format.h"
#include "platform/OleDate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace zr;

namespace {

double seconds(double s)
{
    return s / 86400.0;
}

}  // namespace

TEST(FormatNumber, WholeMinutesWithHash)
{
    EXPECT_EQ(FormatNumber(0.4833, u"#"), QString());     // 29 seconds of practice
    EXPECT_EQ(FormatNumber(1.5, u"#"), QString("2"));      // 90 seconds
    EXPECT_EQ(FormatNumber(2.5, u"#"), QString("3"));      // half away from zero
    EXPECT_EQ(FormatNumber(0, u"#"), QString());
    EXPECT_EQ(FormatNumber(1234, u"#"), QString("1234"));
}

TEST(FormatNumber, AccuracyDropsTheSignOfNegatives)
{
    EXPECT_EQ(FormatNumber(-20, u"###;###;0"), QString("20"));
    EXPECT_EQ(FormatNumber(0, u"###;###;0"), QString("0"));
    EXPECT_EQ(FormatNumber(95, u"###;###;0"), QString("95"));
    EXPECT_EQ(FormatNumber(99.6, u"###;###;0"), QString("100"));
    EXPECT_EQ(FormatNumber(95, u"###"), QString("95"));
    EXPECT_EQ(FormatNumber(0, u"###"), QString());
}

TEST(FormatNumber, DifferencesCarryTheirSign)
{
    const QString pattern = QStringLiteral("+##0.0;-##0.0;+-0");
    EXPECT_EQ(FormatNumber(5.25, pattern), QString("+5.3"));
    EXPECT_EQ(FormatNumber(-3, pattern), QString("-3.0"));
    EXPECT_EQ(FormatNumber(0, pattern), QString("+-0"));
    EXPECT_EQ(FormatNumber(0.04, pattern), QString("+0.0"));
}

TEST(FormatNumber, SpeedsWithOneDecimal)
{
    EXPECT_EQ(FormatNumber(90.5, u"##0.0"), QString("90.5"));
    EXPECT_EQ(FormatNumber(0, u"##0.0"), QString("0.0"));
    EXPECT_EQ(FormatNumber(125, u"##0.0"), QString("125.0"));
    EXPECT_EQ(FormatNumber(1234.56, u"##0.0"), QString("1234.6"));
    // 0.15 is stored just below itself; written with 15 digits it rounds up.
    EXPECT_EQ(FormatNumber(0.15, u"##0.0"), QString("0.2"));
    EXPECT_EQ(FormatNumber(9.96, u"##0.0"), QString("10.0"));
    EXPECT_EQ(FormatNumber(45.25, u"###.#"), QString("45.3"));
    EXPECT_EQ(FormatNumber(45, u"###.#"), QString("45."));
}

TEST(FormatNumber, LiteralsAndLeadingZeros)
{
    EXPECT_EQ(FormatNumber(3, u"00"), QString("03"));
    EXPECT_EQ(FormatNumber(10, u"00"), QString("10"));
    EXPECT_EQ(FormatNumber(1, u"L#"), QString("L1"));
    EXPECT_EQ(FormatNumber(10, u"LT#"), QString("LT10"));
    EXPECT_EQ(FormatNumber(-4, u"0"), QString("-4"));
}

TEST(FormatNumber, NonNumbersGiveNoText)
{
    EXPECT_EQ(FormatNumber(std::nan(""), u"##0.0"), QString());
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), u"#"), QString());
}

TEST(NumberText, LeadingBlankInThePlaceOfTheSign)
{
    EXPECT_EQ(QStringLiteral("Chapter") + NumberText(5), QString("Chapter 5"));
    EXPECT_EQ(NumberText(0), QString(" 0"));
    EXPECT_EQ(NumberText(-2), QString("-2"));
    EXPECT_EQ(NumberText(12.5), QString(" 12.5"));
    EXPECT_EQ(PlainNumberText(3), QString("3"));
    EXPECT_EQ(PlainNumberText(1e20), QString("1e+20"));
}

TEST(FormatDate, JapaneseDatesAndElapsedTimes)
{
    const double day = toOleDate(QDate(2026, 12, 8));
    EXPECT_EQ(day, 46364.0);
    EXPECT_EQ(FormatDate(day, u"yyyy年m月d日(aaaa)"), QStringLiteral(u"2026年12月8日(火曜日)"));
    EXPECT_EQ(ShortDateText(day), QString("2026/12/08"));
    EXPECT_EQ(FormatDate(day, u"ddddd"), QString("2026/12/08"));
    EXPECT_EQ(FormatDate(seconds(90), u"練習時間 n分s秒"), QStringLiteral(u"練習時間 1分30秒"));
    EXPECT_EQ(FormatDate(seconds(3725), u"hh:nn:ss"), QString("01:02:05"));
    EXPECT_EQ(FormatDate(1e12, u"yyyy"), QString());
}

TEST(OleDate, DaysAndTimesOfDay)
{
    EXPECT_EQ(dateFromOle(0), QDate(1899, 12, 30));
    EXPECT_EQ(dateFromOle(46364.75), QDate(2026, 12, 8));
    // Before the epoch the fraction still counts forwards within the day.
    EXPECT_EQ(dateFromOle(-1.25), QDate(1899, 12, 29));
    EXPECT_EQ(timeOfDay(-1.25).hour, 6);
    EXPECT_EQ(toOleDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);

    const TimeOfDay t = timeOfDay(seconds(90 * 60 + 30));
    EXPECT_EQ(t.hour, 1);
    EXPECT_EQ(t.minute, 30);
    EXPECT_EQ(t.second, 30);
    // Whole days are lost, and the fraction rounds to whole seconds.
    EXPECT_EQ(timeOfDay(1.0 + seconds(59.6)).minute, 1);
    EXPECT_EQ(timeOfDay(seconds(86399.8)).hour, 0);
}

TEST(OleDate, ValidTimeValues)
{
    EXPECT_TRUE(isValidOleDate(0));
    EXPECT_TRUE(isValidOleDate(2958465.5));
    EXPECT_FALSE(isValidOleDate(2958467));
    EXPECT_FALSE(isValidOleDate(-700000));
    EXPECT_FALSE(isValidOleDate(std::nan("")));
    EXPECT_FALSE(dateFromOle(1e300).isValid());
}

TEST(OleDate, ParsesTimeSettings)
{
    EXPECT_DOUBLE_EQ(*parseTimeValue("00:02:30"), seconds(150));
    EXPECT_DOUBLE_EQ(*parseTimeValue("0:10"), seconds(600));
    EXPECT_FALSE(parseTimeValue("2:30:99"));
    EXPECT_FALSE(parseTimeValue("abc"));
    EXPECT_FALSE(parseTimeValue(""));
}
