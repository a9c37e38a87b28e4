#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The number texts and number conversions of the program. Sizes that decide
// a result are 32-bit floats and whole numbers 16-bit integers rounded half to
// even, so that estimates, thresholds and names come out as users of the
// program have always seen them.
namespace numbertext {

// " 12" for a value that is not negative, "-1" for a negative one.
QString signedDecimal(qint64 value);

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);
// The same into a 16-bit integer; empty when the result does not fit.
std::optional<qint16> toInt16(double value);

// The number at the start of a text, after leading blanks, with an optional
// sign and decimals; 0 when the text does not start with a number.
double leadingNumber(const QString& text);
// leadingNumber converted to 16 bits; empty when it does not fit.
std::optional<qint16> numericValue16(const QString& text);

// "1,000,000": grouped by three, at least one digit.
QString grouped(qint64 value);
// Like grouped, but zero gives an empty text.
QString groupedOrEmpty(qint64 value);
// Two decimals, no leading zero before the point (12.345 -> "12.35", 0.5 -> ".50").
QString twoDecimals(double value);
// At least width digits, zero-padded, never cut (100 with width 2 stays "100").
QString zeroPadded(qint64 value, int width);
// A time taken or left: "0:07", "12:34", "1:02:03"; below 0 counts as 0.
QString duration(qint64 ms);

} // namespace numbertext
