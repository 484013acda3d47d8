// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <system_error>

namespace kelvastro {

namespace {

// Blanks that may surround a number: what a keyboard, a spreadsheet copy or a
// locale's own grouping puts there.
// A spreadsheet cell copies with its line break, so CR and LF count as well.
constexpr std::array<std::string_view, 7> kBlanks{
    " ", "\t", "\r", "\n", "\xC2\xA0" /* no-break space */, "\xE2\x80\xAF" /* narrow no-break space */,
    "\xE2\x80\x87" /* figure space */,
};
constexpr std::string_view kMinusSign = "\xE2\x88\x92";
constexpr std::string_view kRightSingleQuote = "\xE2\x80\x99"; // Swiss grouping, typed as '

// Decodes one UTF-8 sequence at s[i], advancing i; a broken sequence yields
// U+FFFD and one byte, which then fails to read like any other stray character.
char32_t decodeAt(std::string_view s, std::size_t &i)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    const std::size_t length = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > s.size()) {
        ++i;
        return U'\uFFFD';
    }
    char32_t cp = length == 1 ? b0 : b0 & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return U'\uFFFD';
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    i += length;
    return cp;
}

void appendUtf8(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// The direction marks that Arabic and Persian notation put before a sign:
// invisible, and no part of the number.
bool isDirectionMark(char32_t cp) { return cp == U'\u200E' || cp == U'\u200F' || cp == U'\u061C'; }

// An input method in full-width mode types the ASCII characters from U+FF01
// on, digits, signs and separators alike, and the ideographic space: each
// stands for its ASCII twin, so that the locale's own separators apply.
char32_t halfWidth(char32_t cp)
{
    if (cp >= U'\uFF01' && cp <= U'\uFF5E')
        return cp - 0xFEE0;
    if (cp == U'\u3000')
        return U' ';
    return cp;
}

bool hasNonAscii(std::string_view s)
{
    return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

std::size_t blankAt(std::string_view s)
{
    for (auto b : kBlanks)
        if (s.starts_with(b))
            return b.size();
    return 0;
}

std::size_t blankAtEnd(std::string_view s)
{
    for (auto b : kBlanks)
        if (s.ends_with(b))
            return b.size();
    return 0;
}

std::string_view trimBlanks(std::string_view s)
{
    while (std::size_t n = blankAt(s))
        s.remove_prefix(n);
    while (std::size_t n = blankAtEnd(s))
        s.remove_suffix(n);
    return s;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Powers of ten that a double holds exactly: with a mantissa below 2^53 one
// multiplication or division by them rounds correctly (Clinger's fast path),
// which covers everything a person types into a price field.
constexpr std::array<double, 23> kExactPowers{
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};
constexpr std::uint64_t kMaxExactMantissa = std::uint64_t{1} << 53;
constexpr int kMaxMantissaDigits = 19;
constexpr long kExponentClamp = 100000; // far outside any double, still no int overflow

// What people type nearly always: plain ASCII digits with at most one decimal
// separator, no blanks, grouping or exponent. Read in one tight pass; anything
// else (or anything the exact shortcut cannot take) goes the general way.
// 19 digits always fit the mantissa; fractionDigits <= 19 < 23 keeps the power exact.
std::optional<double> readPlain(std::string_view s, char decimal)
{
    const char *p = s.data();
    const char *const end = p + s.size();
    bool negative = false;
    if (p != end && (*p == '-' || *p == '+'))
        negative = *p++ == '-';
    std::uint64_t mantissa = 0;
    const char *const integerBegin = p;
    for (; p != end && static_cast<unsigned>(*p - '0') < 10; ++p)
        mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    std::ptrdiff_t digits = p - integerBegin;
    std::ptrdiff_t fractionDigits = 0;
    if (p != end && *p == decimal) {
        const char *const fractionBegin = ++p;
        for (; p != end && static_cast<unsigned>(*p - '0') < 10; ++p)
            mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
        fractionDigits = p - fractionBegin;
        digits += fractionDigits;
    }
    // More than 19 digits may have wrapped the mantissa; those go the general way.
    if (p != end || digits == 0 || digits > kMaxMantissaDigits || mantissa > kMaxExactMantissa)
        return std::nullopt;
    auto v = static_cast<double>(mantissa);
    if (fractionDigits > 0)
        v /= kExactPowers[static_cast<std::size_t>(fractionDigits)];
    return negative ? -v : v;
}

struct Scan {
    bool negative = false;
    std::uint64_t mantissa = 0;
    int significantDigits = 0;
    bool truncated = false;   // more significant digits than the mantissa holds
    long exponent = 0;        // decimal exponent applied to the mantissa
    std::string normalized;   // filled only when the fast path cannot be used
};

} // namespace

NumberText::NumberText(NumberLocale locale) : m_locale(std::move(locale))
{
    m_groupIsBlank = !m_locale.group.empty() && blankAt(m_locale.group) == m_locale.group.size();
    const char decimal = m_locale.decimal.size() == 1 ? m_locale.decimal.front() : '\0';
    m_plainDecimal = isDigit(decimal) || decimal == '-' || decimal == '+' ? '\0' : decimal;
    if (!m_locale.zeroDigit.empty()) {
        std::size_t i = 0;
        m_zero = decodeAt(m_locale.zeroDigit, i);
    }
}

FieldValue NumberText::read(std::string_view text) const
{
    if (text.empty())
        return {0.0, ReadError::Empty};
    if (m_plainDecimal != '\0')
        if (auto plain = readPlain(text, m_plainDecimal))
            return {*plain, ReadError::None};
    if (!hasNonAscii(text))
        return readNormalized(text);
    // The locale's own digits and full-width characters read as ASCII ones,
    // and direction marks drop out.
    std::string normalized;
    normalized.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        const char32_t cp = decodeAt(text, i);
        if (m_zero != U'0' && cp >= m_zero && cp <= m_zero + 9)
            normalized.push_back(static_cast<char>('0' + (cp - m_zero)));
        else if (const char32_t ascii = halfWidth(cp); ascii != cp)
            normalized.push_back(static_cast<char>(ascii));
        else if (!isDirectionMark(cp))
            normalized.append(text.substr(start, i - start));
    }
    return readNormalized(normalized);
}

FieldValue NumberText::readNormalized(std::string_view text) const
{
    const std::string_view s = trimBlanks(text);
    const FieldValue notANumber{0.0, ReadError::NotANumber};
    if (s.empty())
        return notANumber;

    Scan scan;
    std::size_t i = 0;
    if (s[0] == '+') {
        i = 1;
    } else if (s[0] == '-') {
        scan.negative = true;
        i = 1;
    } else if (s.starts_with(kMinusSign)) {
        scan.negative = true;
        i = kMinusSign.size();
    }

    auto addDigit = [&scan](char c, bool fraction) {
        const int d = c - '0';
        if (scan.mantissa == 0 && d == 0) {
            if (fraction)
                --scan.exponent;
            return;
        }
        if (scan.significantDigits < kMaxMantissaDigits) {
            scan.mantissa = scan.mantissa * 10 + static_cast<std::uint64_t>(d);
            ++scan.significantDigits;
            if (fraction)
                --scan.exponent;
        } else {
            scan.truncated = true;
            if (!fraction)
                ++scan.exponent;
        }
    };
    auto groupSeparatorAt = [this](std::string_view rest) -> std::size_t {
        if (m_locale.group.empty())
            return 0;
        if (rest.starts_with(m_locale.group))
            return m_locale.group.size();
        if (m_locale.group == kRightSingleQuote && rest.starts_with('\''))
            return 1;
        return m_groupIsBlank ? blankAt(rest) : 0;
    };

    // Integer part, with the locale's grouping where the user wrote one.
    bool anyDigit = false;
    int separators = 0;
    int groupDigits = 0;
    int leadingGroupDigits = 0;
    while (i < s.size()) {
        if (isDigit(s[i])) {
            addDigit(s[i], false);
            anyDigit = true;
            ++groupDigits;
            ++i;
            continue;
        }
        const std::size_t sep = anyDigit ? groupSeparatorAt(s.substr(i)) : 0;
        if (sep == 0 || i + sep >= s.size() || !isDigit(s[i + sep]))
            break;
        if (separators == 0)
            leadingGroupDigits = groupDigits;
        else if (groupDigits != m_locale.secondaryGroup)
            return notANumber;
        ++separators;
        groupDigits = 0;
        i += sep;
    }
    if (separators > 0
        && (groupDigits != m_locale.primaryGroup || leadingGroupDigits > m_locale.secondaryGroup))
        return notANumber;
    const std::size_t integerEnd = i;

    std::size_t fractionBegin = i;
    if (std::string_view(s.substr(i)).starts_with(m_locale.decimal)) {
        i += m_locale.decimal.size();
        fractionBegin = i;
        while (i < s.size() && isDigit(s[i])) {
            addDigit(s[i], true);
            anyDigit = true;
            ++i;
        }
    }
    const std::size_t fractionEnd = i;
    if (!anyDigit)
        return notANumber;

    long writtenExponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            negativeExponent = s[i] == '-';
            ++i;
        }
        if (i >= s.size() || !isDigit(s[i]))
            return notANumber;
        for (; i < s.size() && isDigit(s[i]); ++i)
            if (writtenExponent < kExponentClamp)
                writtenExponent = writtenExponent * 10 + (s[i] - '0');
        if (negativeExponent)
            writtenExponent = -writtenExponent;
    }
    if (i != s.size())
        return notANumber;

    const double sign = scan.negative ? -1.0 : 1.0;
    if (scan.mantissa == 0)
        return {sign * 0.0, ReadError::None};

    const long exponent = scan.exponent + writtenExponent;
    if (!scan.truncated && scan.mantissa <= kMaxExactMantissa && exponent >= -22 && exponent <= 22) {
        const auto m = static_cast<double>(scan.mantissa);
        const double v = exponent >= 0 ? m * kExactPowers[static_cast<std::size_t>(exponent)]
                                       : m / kExactPowers[static_cast<std::size_t>(-exponent)];
        return {sign * v, ReadError::None};
    }

    // Slow path: hand the digits, stripped of separators, to the correctly
    // rounding library conversion.
    std::string &n = scan.normalized;
    n.reserve(s.size() + 24);
    n.push_back('0');
    for (std::size_t k = 0; k < integerEnd; ++k)
        if (isDigit(s[k]))
            n.push_back(s[k]);
    n.push_back('.');
    for (std::size_t k = fractionBegin; k < fractionEnd; ++k)
        n.push_back(s[k]);
    n.push_back('0');
    n.push_back('e');
    n += std::to_string(writtenExponent);

    double v = 0.0;
    const auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), v);
    if (ec == std::errc::result_out_of_range) {
        // Below the smallest double the number is as good as zero; above the
        // largest it has no value.
        const long magnitude = exponent + scan.significantDigits;
        if (magnitude > 0)
            return {0.0, ReadError::OutOfRange};
        return {sign * 0.0, ReadError::None};
    }
    if (ec != std::errc{} || end != n.data() + n.size())
        return notANumber;
    return {sign * v, ReadError::None};
}

std::string NumberText::display(double value) const
{
    if (m_zero != U'0')
        return nativeDigits(asciiDisplay(value));
    return asciiDisplay(value);
}

std::string NumberText::nativeDigits(std::string_view ascii) const
{
    std::string out;
    out.reserve(ascii.size() * 2 + m_locale.minus.size());
    for (char c : ascii) {
        if (isDigit(c))
            appendUtf8(out, m_zero + static_cast<char32_t>(c - '0'));
        else if (c == '-' && out.empty())
            out += m_locale.minus;
        else
            out.push_back(c);
    }
    return out;
}

std::string NumberText::asciiDisplay(double value) const
{
    if (value == 0.0)
        return "0"; // negative zero included
    std::array<char, 40> buf{};
    const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                         std::chars_format::general, 15);
    if (ec != std::errc{})
        return {};
    std::string out;
    out.reserve(static_cast<std::size_t>(end - buf.data()) + m_locale.decimal.size());
    for (const char *p = buf.data(); p != end; ++p) {
        if (*p == '.')
            out += m_locale.decimal;
        else if (*p == 'e')
            out.push_back('E');
        else
            out.push_back(*p);
    }
    return out;
}

} // namespace kelvastro
