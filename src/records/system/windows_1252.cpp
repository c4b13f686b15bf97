#include "records/system/windows_1252.h"

namespace records {

namespace {

// 0x80 to 0x9F, where windows-1252 differs from Latin-1.
constexpr char16_t from0x80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

char16_t windows1252Character(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xa0 ? from0x80[byte - 0x80] : char16_t(byte);
}

std::optional<unsigned char> windows1252Byte(char16_t character)
{
    if (character < 0x80 || (character >= 0xa0 && character <= 0xff))
        return static_cast<unsigned char>(character);
    for (unsigned char offset = 0; offset < 32; ++offset) {
        if (from0x80[offset] == character)
            return static_cast<unsigned char>(0x80 + offset);
    }
    return std::nullopt;
}

} // namespace records
