// SPDX-License-Identifier: GPL-3.0-or-later
// Any text, in every notation the program knows: reading never crashes or
// hangs, a value read is finite, and its display text obeys the display rules
// and reads back to itself.
#include "tests/fuzz/fuzzchecks.h"
#include "calc/decimaldigits.h"
#include "calc/numbertext.h"
#include "calc/utf8.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace kelvastro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const NumberText &numbers : fuzz::allNotations()) {
        const FieldValue value = numbers.read(text);
        if (!value)
            continue;
        FUZZ_CHECK(std::isfinite(value.value));
        fuzz::checkDisplayText(numbers, value.value);
    }

    // Where the text is a plain C number, the reader agrees with the C library.
    if (fuzz::isPlainCNumber(text)) {
        const std::string copy(text);
        const double expected = std::strtod(copy.c_str(), nullptr);
        const FieldValue value = fuzz::allNotations().front().read(text);
        if (std::isfinite(expected))
            FUZZ_CHECK(value && value.value == expected);
        else
            FUZZ_CHECK(value.error == ReadError::OutOfRange);
        // Typed in full width, it is the same number.
        std::string wide;
        for (char c : text) {
            const auto cp = static_cast<unsigned>(static_cast<unsigned char>(c)) + 0xFEE0u; // U+FF01 ... U+FF5E
            wide += static_cast<char>(0xE0 | (cp >> 12));
            wide += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            wide += static_cast<char>(0x80 | (cp & 0x3F));
        }
        const FieldValue fullWidth = fuzz::allNotations().front().read(wide);
        FUZZ_CHECK(fullWidth.error == value.error && (!value || fullWidth.value == value.value));
        // Written in the digits of any one script, chosen by the text, it is the same number too.
        const char32_t zero = kZeroDigits[size % kZeroDigits.size()];
        std::string native;
        for (char c : text)
            if (c >= '0' && c <= '9')
                appendUtf8(native, zero + static_cast<char32_t>(c - '0'));
            else
                native.push_back(c);
        const FieldValue inScript = fuzz::allNotations().front().read(native);
        FUZZ_CHECK(inScript.error == value.error && (!value || inScript.value == value.value));
    }
    return 0;
}
