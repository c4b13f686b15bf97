#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The two ways the game reads a number out of a text.
namespace numbers {

// The lenient reading: the longest leading part of the text that forms a number
// (a sign, digits, at most one "." and an exponent), with blanks, tabs and line
// feeds skipped anywhere, also between digits. It stops at the first character
// that cannot continue the number and gives 0 when the text does not begin with
// one: "12\r\n" reads 12, "1 2" reads 12, "3/4" reads 3, "" and "abc" read 0.
// A number too large for a double reads as an infinity.
double lenientNumber(const QString &text);

// The strict reading: the whole text, blanks around it allowed, must be one
// number written in the locale's format: its digits, sign, decimal separator
// and exponent. Group separators are refused ("1.000" is no number in Italian),
// since Qt versions disagree on where they may stand and no answer needs them.
// Nothing when it is not a number.
std::optional<double> strictNumber(const QString &text, const QLocale &locale = QLocale::system());

} // namespace numbers
