// Fuzz target: the strict reading of a number (numbers/number_reading.h), in the
// locales a pupil's machine is likely to have. The first byte picks the locale,
// the rest is the text. For any text it must end, blanks around the text must
// not change the reading, and a plain whole number of up to 15 digits must read
// as exactly that number in every locale: that is how an answer is typed.

#include "fuzz_check.h"

#include "numbers/number_reading.h"

#include <QLocale>
#include <QString>

#include <array>
#include <cmath>
#include <cstdint>

namespace {

const QLocale &localeFor(std::uint8_t choice)
{
    static const std::array<QLocale, 5> locales{
        QLocale::c(),
        QLocale(QLocale::Italian, QLocale::Italy),
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::French, QLocale::France),
    };
    return locales[choice % locales.size()];
}

bool sameReading(const std::optional<double> &a, const std::optional<double> &b)
{
    if (!a || !b)
        return !a && !b;
    return *a == *b || (std::isnan(*a) && std::isnan(*b));
}

// The value of a text made of 1 to 15 ASCII digits and nothing else.
std::optional<double> plainWholeNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > 15)
        return std::nullopt;
    double value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QLocale &locale = localeFor(data[0]);
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    const std::optional<double> reading = numbers::strictNumber(text, locale);
    const std::optional<double> padded =
        numbers::strictNumber(QStringLiteral("  ") + text + QStringLiteral(" \t"), locale);
    fuzzCheck(sameReading(reading, padded), "blanks around the text changed the strict reading", data, size);

    if (const std::optional<double> whole = plainWholeNumber(text)) {
        fuzzCheck(reading.has_value() && *reading == *whole,
                  "a plain whole number did not read as itself", data, size);
    }
    return 0;
}
