#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

/// The UTF-16 text a fuzz input stands for: every byte but 0xFF is that character (Latin-1), so
/// formulas are written as plain ASCII files; 0xFF joins the next two bytes, high byte first, into
/// one code unit, which reaches every code unit, surrogates and 0xFFFF included.
inline std::u16string fuzzText(const std::uint8_t *data, std::size_t size)
{
    std::u16string text;
    text.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFF && i + 2 < size) {
            text.push_back(static_cast<char16_t>((data[i + 1] << 8) | data[i + 2]));
            i += 2;
        } else {
            text.push_back(static_cast<char16_t>(data[i]));
        }
    }
    return text;
}

/// Stops the run: libFuzzer reports the input as a crash, the replay test fails.
[[noreturn]] inline void fuzzFailure()
{
    __builtin_trap();
}
