#pragma once

#include <QString>

namespace zr {

// The number formats of the program's texts, written as patterns: "#" and "0" digit
// places, "." the decimal point, up to three sections separated by ";" for positive,
// negative and zero values. The negative section carries no sign of
// its own; a single section gets a "-" in front of negative values. Any other
// character is literal ("L#" gives L1, "+-0" gives +-0). Rounding is half away from
// zero, on the value as written with 15 significant digits.
//
//   FormatNumber(1.5, "#")                    -> "2"
//   FormatNumber(0.4, "#")                    -> ""
//   FormatNumber(-20, "###;###;0")            -> "20"
//   FormatNumber(90.5, "##0.0")               -> "90.5"
//   FormatNumber(0, "+##0.0;-##0.0;+-0")      -> "+-0"
//   FormatNumber(3, "00")                     -> "03"
QString FormatNumber(double value, QStringView pattern);

// A number as the program writes it into captions, list texts and keys: a blank in
// the place of the sign of a non-negative number ("Chapter" + NumberText(5) reads
// "Chapter 5"), up to 15 significant digits, no exponent for ordinary sizes.
QString NumberText(double value);

// A number without the leading blank ("12", "-3", "0.5").
QString PlainNumberText(double value);

// Date patterns: yyyy, m, mm (month), d, dd (day), aaaa (weekday, 火曜日), aaa (火),
// h, hh, n, nn (minute), s, ss (second); "ddddd" is the short date (2026/12/08).
// Everything else is literal. An OLE date that is out of range gives an empty text.
QString FormatDate(double oleDate, QStringView pattern);

// The system short date of the Japanese locale: 2026/12/08.
QString ShortDateText(double oleDate);

}  // namespace zr
