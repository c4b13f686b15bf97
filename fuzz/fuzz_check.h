#pragma once

// What a fuzz target does when a property fails: print the input as hex, so it
// can be turned into a test, and abort, so libFuzzer (or the corpus replay)
// reports it.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

[[noreturn]] inline void fuzzFail(const char *what, const std::uint8_t *data, std::size_t size,
                                  const std::string &detail = {})
{
    std::fprintf(stderr, "fuzz check failed: %s", what);
    if (!detail.empty())
        std::fprintf(stderr, " (%s)", detail.c_str());
    std::fprintf(stderr, "\ninput (%zu bytes):", size);
    for (std::size_t i = 0; i < size; ++i)
        std::fprintf(stderr, " %02x", data[i]);
    std::fprintf(stderr, "\n");
    std::abort();
}

inline void fuzzCheck(bool holds, const char *what, const std::uint8_t *data, std::size_t size)
{
    if (!holds)
        fuzzFail(what, data, size);
}
