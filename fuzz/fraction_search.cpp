// Fuzz target: the decimal-to-fraction search (exercise/fraction_search.h).
// An even first byte takes the next four bytes as two 16-bit whole numbers p and
// q: the search must find p/q in lowest terms from the quotient p / q, as it does
// for every exercise. An odd first byte takes the next eight bytes as any double
// and the byte after them as a pass limit: the search must end, either with a
// fraction in lowest terms whose quotient is exactly x, or with NoFractionFound.

#include "fuzz_check.h"

#include "exercise/fraction_search.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <string>

namespace {

template<typename T>
T take(const std::uint8_t *&data, std::size_t &size)
{
    T value{};
    const std::size_t n = std::min(size, sizeof value);
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

void quotientOfWholeNumbers(const std::uint8_t *input, std::size_t inputSize,
                            const std::uint8_t *data, std::size_t size)
{
    const int p = std::max<int>(1, take<std::uint16_t>(data, size));
    const int q = std::max<int>(1, take<std::uint16_t>(data, size));
    const int common = std::gcd(p, q);
    qint32 n = 0, d = 0;
    try {
        exercise::findFraction(double(p) / double(q), n, d);
    } catch (const exercise::NoFractionFound &) {
        fuzzFail("no fraction found for a quotient of whole numbers", input, inputSize,
                 std::to_string(p) + "/" + std::to_string(q));
    }
    if (n != p / common || d != q / common)
        fuzzFail("the search found another fraction", input, inputSize,
                 std::to_string(p) + "/" + std::to_string(q) + " gave " + std::to_string(n) + "/"
                     + std::to_string(d));
}

void anyDouble(const std::uint8_t *input, std::size_t inputSize, const std::uint8_t *data, std::size_t size)
{
    const double x = take<double>(data, size);
    // 1 to 2^23 passes: small limits let the fuzzer try many values, large ones
    // reach the far ends of the 32-bit counters.
    const int maxPasses = 1 << (take<std::uint8_t>(data, size) % 24);
    qint32 n = 0, d = 0;
    int passes = 0;
    try {
        passes = exercise::findFraction(x, n, d, maxPasses);
    } catch (const exercise::NoFractionFound &) {
        return;
    }
    fuzzCheck(passes <= maxPasses, "more passes than the limit", input, inputSize);
    fuzzCheck(n >= 1 && d >= 1, "a fraction that is not positive", input, inputSize);
    fuzzCheck(double(n) / double(d) == x, "a fraction whose quotient is not x", input, inputSize);
    fuzzCheck(std::gcd(n, d) == 1, "a fraction not in lowest terms", input, inputSize);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t mode = data[0];
    if (mode % 2 == 0)
        quotientOfWholeNumbers(data, size, data + 1, size - 1);
    else
        anyDouble(data, size, data + 1, size - 1);
    return 0;
}
