// Fuzz target: the lenient reading of a number (numbers/number_reading.h).
// For any text it must end, never give NaN, and agree with a reference written
// the other way round: drop the blanks first, then cut the longest number off
// the front with a plain scan and let strtod read it.

#include "fuzz_check.h"

#include "numbers/number_reading.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

double referenceReading(const QString &text)
{
    // The text without blanks, tabs and line feeds, as far as it is plain ASCII:
    // nothing else can continue a number.
    std::string s;
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'))
            continue;
        if (c.unicode() == 0 || c.unicode() > 127)
            break;
        s += char(c.unicode());
    }

    // [+-]? (digits [. digits] | . digits) ([eE] [+-]? digits)?
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return std::strtod(s.substr(0, i).c_str(), nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double reading = numbers::lenientNumber(text);
    fuzzCheck(!std::isnan(reading), "the lenient reading gave NaN", data, size);
    const double reference = referenceReading(text);
    if (reading != reference)
        fuzzFail("the lenient reading differs from the reference", data, size,
                 std::to_string(reading) + " against " + std::to_string(reference));
    // A "/" can never continue a number, so adding one at the end changes nothing.
    fuzzCheck(numbers::lenientNumber(text + QLatin1Char('/')) == reading, "a trailing \"/\" changed the reading", data, size);
    return 0;
}
