#include "numbers/number_reading.h"

namespace numbers {

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

} // namespace

double lenientNumber(const QString &text)
{
    // Gather the parts of the number with the blanks left out, then let Qt's
    // locale-free conversion read the well-formed result.
    enum class Part { Sign, Whole, Fraction, ExponentSign, Exponent };
    Part part = Part::Sign;
    QString sign, whole, fraction, exponentSign, exponent;

    for (const QChar c : text) {
        if (isSkipped(c))
            continue;
        if (part == Part::Sign) {
            part = Part::Whole;
            if (isSign(c)) {
                sign = c;
                continue;
            }
        }
        if (part == Part::ExponentSign) {
            part = Part::Exponent;
            if (isSign(c)) {
                exponentSign = c;
                continue;
            }
        }
        if (isDigit(c)) {
            (part == Part::Whole ? whole : part == Part::Fraction ? fraction : exponent) += c;
        } else if (c == QLatin1Char('.') && part == Part::Whole) {
            part = Part::Fraction;
        } else if ((c == QLatin1Char('e') || c == QLatin1Char('E'))
                   && (part == Part::Whole || part == Part::Fraction)
                   && !(whole.isEmpty() && fraction.isEmpty())) {
            part = Part::ExponentSign;
        } else {
            break;
        }
    }

    if (whole.isEmpty() && fraction.isEmpty())
        return 0;
    QString number = sign + (whole.isEmpty() ? QStringLiteral("0") : whole);
    if (!fraction.isEmpty())
        number += QLatin1Char('.') + fraction;
    if (!exponent.isEmpty())
        number += QLatin1Char('e') + exponentSign + exponent;
    // QString::toDouble gives an infinity on overflow and 0 on underflow.
    return number.toDouble();
}

std::optional<double> strictNumber(const QString &text, const QLocale &locale)
{
    QLocale reading = locale;
    reading.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = reading.toDouble(text.trimmed(), &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace numbers
