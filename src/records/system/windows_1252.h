#pragma once

#include <optional>

// The windows-1252 code page as a table of its own, for systems whose Qt has no
// converter for it (Qt for WebAssembly has no ICU). The bytes Windows leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters
// of the same number, as ICU has them, so every byte reads and writes back.
namespace records {

char16_t windows1252Character(unsigned char byte);
// Nothing for a UTF-16 unit that the code page lacks.
std::optional<unsigned char> windows1252Byte(char16_t character);

} // namespace records
