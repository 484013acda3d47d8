// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/numbertext.h"

#include "calc/decimaldigits.h"
#include "calc/utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <system_error>

namespace kelvastro {

namespace {

// Blanks that may surround a number: what a keyboard or a locale's own
// grouping puts there, and the tab and line break of a spreadsheet cell. The
// first four can also group digits where the locale groups with a blank; a
// tab or line break inside a number is where one pasted cell ends and the next
// begins, so joining the two would make one wrong number of them.
constexpr std::array<std::string_view, 7> kBlanks{
    " ", "\xC2\xA0" /* no-break space */, "\xE2\x80\xAF" /* narrow no-break space */,
    "\xE2\x80\x87" /* figure space */, "\t", "\r", "\n",
};
constexpr std::size_t kGroupingBlanks = 4;
constexpr std::string_view kMinusSign = "\xE2\x88\x92";
constexpr std::string_view kRightSingleQuote = "\xE2\x80\x99"; // Swiss grouping, typed as '

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

// Ten, a hundred and a thousand: the Tamil layout types them on its 0, - and
// = keys, for it has no zero. They are numbers of a system that counts in
// tens and hundreds rather than by place, so "௧௰" may mean one ten or a one
// and a zero typed by a finger that wanted a zero: neither is read.
bool isTamilNumber(char32_t cp) { return cp >= U'\u0BF0' && cp <= U'\u0BF2'; }

bool hasNonAscii(std::string_view s)
{
    return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

std::size_t blankAt(std::string_view s, std::size_t kinds = kBlanks.size())
{
    for (std::size_t k = 0; k < kinds; ++k)
        if (s.starts_with(kBlanks[k]))
            return kBlanks[k].size();
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
    m_groupIsBlank = !m_locale.group.empty() && blankAt(m_locale.group, kGroupingBlanks) == m_locale.group.size();
    const char decimal = m_locale.decimal.size() == 1 ? m_locale.decimal.front() : '\0';
    m_plainDecimal = isDigit(decimal) || decimal == '-' || decimal == '+' ? '\0' : decimal;
    if (!m_locale.zeroDigit.empty()) {
        std::size_t i = 0;
        m_zero = decodeUtf8At(m_locale.zeroDigit, i);
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
    // Digits of any one script read as ASCII ones, whatever the locale
    // writes, since the keyboard layout decides what a person types; full-width
    // characters stand for their ASCII twins, and direction marks drop out.
    std::string normalized;
    normalized.reserve(text.size());
    char32_t script = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        const char32_t cp = decodeUtf8At(text, i);
        if (const auto digit = decimalDigit(cp)) {
            // Two scripts in one number are a slip of the layout or a paste
            // of two things; guessing which digits were meant would be a guess.
            if (script != 0 && digit->script != script)
                return {0.0, ReadError::MixedScripts};
            script = digit->script;
            normalized.push_back(static_cast<char>('0' + digit->value));
        } else if (isTamilNumber(cp)) {
            return {0.0, ReadError::NotADigit};
        } else if (const char32_t ascii = halfWidth(cp); ascii != cp) {
            normalized.push_back(static_cast<char>(ascii));
        } else if (!isDirectionMark(cp)) {
            normalized.append(text.substr(start, i - start));
        }
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
        return m_groupIsBlank ? blankAt(rest, kGroupingBlanks) : 0;
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
