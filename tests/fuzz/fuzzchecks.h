// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/numbertext.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A failed check is a finding: the fuzzer stops and keeps the input.
#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "check failed at %s:%d: %s\n", __FILE__, __LINE__, #cond);        \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace kelvastro::fuzz {

// C, US English, German, French (narrow no-break space groups), Indian
// English, and Persian (native digits, Arabic decimal mark, a sign with a
// direction mark; the digit counts below see no ASCII digits there, the
// read-back still holds).
inline const std::array<NumberText, 6> &allNotations()
{
    static const std::array<NumberText, 6> notations{
        NumberText(NumberLocale::plain()),
        NumberText(NumberLocale{".", ",", 3, 3}),
        NumberText(NumberLocale{",", ".", 3, 3}),
        NumberText(NumberLocale{",", "\xE2\x80\xAF", 3, 3}),
        NumberText(NumberLocale{".", ",", 3, 2}),
        NumberText(NumberLocale{"\xD9\xAB", "\xD9\xAC", 3, 3, "\xDB\xB0", "\xE2\x80\x8E\xE2\x88\x92"}),
    };
    return notations;
}

// [sign] digits [. digits] [e [sign] digits], the form both readers share.
inline bool isPlainCNumber(std::string_view s)
{
    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t from = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            ++i;
        return i - from;
    };
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t mantissa = digits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0 || s.size() > 400)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == s.size();
}

// At most 15 significant digits, no grouping, no trailing zero after the
// separator, no bare separator, no "-0"; and the text reads back to itself.
inline void checkDisplayText(const NumberText &numbers, double value)
{
    const std::string text = numbers.display(value);
    FUZZ_CHECK(!text.empty() && text != "-0");
    const std::string &decimal = numbers.locale().decimal;
    std::string mantissa = text.substr(0, text.find('E'));
    const std::size_t separator = mantissa.find(decimal);
    if (separator != std::string::npos) {
        FUZZ_CHECK(separator + decimal.size() < mantissa.size());
        FUZZ_CHECK(mantissa.back() != '0');
    }
    int significant = 0;
    bool leading = true;
    for (char c : mantissa) {
        if (c >= '1' && c <= '9')
            leading = false;
        if (c >= '0' && c <= '9' && !leading)
            ++significant;
    }
    FUZZ_CHECK(significant <= 15);
    if (!numbers.locale().group.empty())
        FUZZ_CHECK(text.find(numbers.locale().group) == std::string::npos);
    const FieldValue back = numbers.read(text);
    FUZZ_CHECK(back || back.error == ReadError::OutOfRange);
    if (back)
        FUZZ_CHECK(numbers.display(back.value) == text);
}

} // namespace kelvastro::fuzz
