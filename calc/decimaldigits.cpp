// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/decimaldigits.h"

#include "calc/utf8.h"

#include <algorithm>

namespace kelvastro {

namespace {

constexpr char32_t kFullWidthZero = 0xFF10;

static_assert(std::is_sorted(kZeroDigits.begin(), kZeroDigits.end()));

} // namespace

std::optional<DecimalDigit> decimalDigit(char32_t cp)
{
    if (cp >= U'0' && cp <= U'9')
        return DecimalDigit{static_cast<int>(cp - U'0'), U'0'};
    if (cp < kZeroDigits[1])
        return std::nullopt;
    // The last zero at or below cp; cp is its digit if it lies within ten of it.
    const auto after = std::upper_bound(kZeroDigits.begin(), kZeroDigits.end(), cp);
    const char32_t zero = *(after - 1);
    if (cp - zero > 9)
        return std::nullopt;
    return DecimalDigit{static_cast<int>(cp - zero), zero == kFullWidthZero ? U'0' : zero};
}

bool isLoneZeroDigit(std::string_view text)
{
    if (text.empty())
        return false;
    std::size_t i = 0;
    const char32_t cp = decodeUtf8At(text, i);
    if (i != text.size())
        return false;
    const auto digit = decimalDigit(cp);
    return digit && digit->value == 0;
}

} // namespace kelvastro
