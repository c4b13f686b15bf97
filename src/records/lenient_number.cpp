#include "lenient_number.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace records {

namespace {

bool isSkipped(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isSign(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

// strtod in the "C" locale: the program's own locale may use "," as the decimal point.
double toDoubleC(const QByteArray &number)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(number.constData(), nullptr, cLocale);
}

} // namespace

double lenientNumber(const QString &text)
{
    enum class Part { Start, Mantissa, ExponentStart, Exponent };
    Part part = Part::Start;
    bool point = false;
    bool mantissaDigits = false;
    QByteArray number;   // what was read, with the skipped characters left out

    for (const QChar c : text) {
        if (isSkipped(c))
            continue;
        if (part == Part::Start && isSign(c)) {
            number += char(c.unicode());
            part = Part::Mantissa;
        } else if ((part == Part::Start || part == Part::Mantissa) && isDigit(c)) {
            number += char(c.unicode());
            mantissaDigits = true;
            part = Part::Mantissa;
        } else if ((part == Part::Start || part == Part::Mantissa) && c == QLatin1Char('.') && !point) {
            number += '.';
            point = true;
            part = Part::Mantissa;
        } else if (part == Part::Mantissa && mantissaDigits && (c == QLatin1Char('e') || c == QLatin1Char('E'))) {
            number += 'e';
            part = Part::ExponentStart;
        } else if (part == Part::ExponentStart && isSign(c)) {
            number += char(c.unicode());
            part = Part::Exponent;
        } else if ((part == Part::ExponentStart || part == Part::Exponent) && isDigit(c)) {
            number += char(c.unicode());
            part = Part::Exponent;
        } else {
            break;
        }
    }
    if (!mantissaDigits)
        return 0;
    // strtod leaves out an exponent marker with no digits after it.
    const double value = toDoubleC(number);
    return value == 0 ? 0 : value;   // no negative zero
}

} // namespace records
