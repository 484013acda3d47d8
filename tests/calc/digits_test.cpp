// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers typed in the digits of any script read as their ASCII form, in
// every notation; two scripts in one number read as none.
#include "calc/decimaldigits.h"
#include "calc/numbertext.h"
#include "calc/utf8.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

using namespace kelvastro;

namespace {

const NumberLocale kNotations[] = {
    {".", ",", 3, 3},
    {",", "\xE2\x80\xAF", 3, 3}, // French: narrow no-break space groups
    {".", ",", 3, 2},            // Indian English: lakh grouping
    {"\xD9\xAB", "\xD9\xAC", 3, 3, "\xDB\xB0", "\xE2\x80\x8E\xE2\x88\x92"}, // Persian marks
};

// A random number in the notation's own grouping and decimal mark, ASCII digits.
std::string randomNumber(std::mt19937_64 &random, const NumberLocale &locale)
{
    std::uniform_int_distribution<int> digit(0, 9), integerDigits(1, 10), fractionDigits(0, 5), coin(0, 1);
    std::string integer(1, static_cast<char>('1' + digit(random) % 9));
    for (int i = integerDigits(random); i > 1; --i)
        integer += static_cast<char>('0' + digit(random));
    std::string out;
    int group = locale.primaryGroup, inGroup = 0;
    const bool grouped = coin(random) == 1;
    for (std::size_t left = integer.size(); left > 0; --left) {
        if (grouped && inGroup == group) {
            out.insert(0, locale.group);
            inGroup = 0;
            group = locale.secondaryGroup;
        }
        out.insert(out.begin(), integer[left - 1]);
        ++inGroup;
    }
    if (const int f = fractionDigits(random); f > 0) {
        out += locale.decimal;
        for (int k = 0; k < f; ++k)
            out += static_cast<char>('0' + digit(random));
    }
    return out;
}

// The ASCII digits of `ascii` written from `zero` on; the digit at `other`
// (when given) from `otherZero` instead.
std::string inScript(std::string_view ascii, char32_t zero, int other = -1, char32_t otherZero = 0)
{
    std::string out;
    int n = 0;
    for (char c : ascii) {
        if (c >= '0' && c <= '9')
            appendUtf8(out, (n++ == other ? otherZero : zero) + static_cast<char32_t>(c - '0'));
        else
            out.push_back(c);
    }
    return out;
}

int digitCount(std::string_view s) { return static_cast<int>(std::count_if(s.begin(), s.end(), [](char c) {
        return c >= '0' && c <= '9'; })); }

TEST(Digits, EveryScriptReadsAsItsAsciiForm)
{
    std::mt19937_64 random(20261211);
    for (const NumberLocale &locale : kNotations) {
        const NumberText numbers(locale);
        for (char32_t zero : kZeroDigits) {
            for (int i = 0; i < 40; ++i) {
                const std::string ascii = randomNumber(random, locale);
                const FieldValue expected = numbers.read(ascii);
                ASSERT_TRUE(expected) << ascii;
                const std::string written = inScript(ascii, zero);
                const FieldValue read = numbers.read(written);
                ASSERT_TRUE(read) << std::hex << static_cast<unsigned>(zero) << ": " << written;
                EXPECT_EQ(read.value, expected.value) << written;
            }
        }
    }
}

TEST(Digits, TwoScriptsInOneNumberAreNoNumber)
{
    std::mt19937_64 random(11122026);
    std::uniform_int_distribution<std::size_t> script(0, kZeroDigits.size() - 1);
    const NumberText numbers(kNotations[0]);
    int tried = 0;
    while (tried < 2000) {
        const char32_t a = kZeroDigits[script(random)], b = kZeroDigits[script(random)];
        const bool sameScript = a == b || (a == U'0' && b == 0xFF10) || (a == 0xFF10 && b == U'0');
        const std::string ascii = randomNumber(random, kNotations[0]);
        const int digits = digitCount(ascii);
        if (digits < 2)
            continue;
        ++tried;
        const int other = std::uniform_int_distribution<int>(0, digits - 1)(random);
        const std::string mixed = inScript(ascii, a, other, b);
        const FieldValue read = numbers.read(mixed);
        if (sameScript)
            EXPECT_EQ(read.value, numbers.read(ascii).value) << mixed;
        else
            EXPECT_EQ(read.error, ReadError::MixedScripts) << mixed;
    }
}

TEST(Digits, AZeroAloneInAnyDigitsIsZero)
{
    for (const char *zero : {"0", "\xD9\xA0", "\xDB\xB0", "\xE0\xA5\xA6", "\xE0\xAF\xA6", "\xEF\xBC\x90",
                             "\xF0\x9E\xA5\x90"})
        EXPECT_TRUE(isLoneZeroDigit(zero)) << zero;
    // Only the lone digit: "0.0", "00", " 0" and their native forms pass, and the Tamil ten is no zero.
    for (const char *other : {"", "0.0", "00", " 0", "0 ", "\xD9\xA0\xD9\xAB\xD9\xA0", "\xD9\xA0\xD9\xA0",
                              "\xE0\xAF\xB0", "O", "\xD9", "1"})
        EXPECT_FALSE(isLoneZeroDigit(other)) << other;
}

// Unicode's own data, where the system has it (Debian's unicode-data): every
// decimal digit reads as its value, every other character with a numeric
// value (superscripts, fractions, Roman numerals, the Tamil ten) as no number.
TEST(Digits, AgreeWithTheUnicodeCharacterDatabase)
{
    std::ifstream data("/usr/share/unicode/UnicodeData.txt");
    if (!data)
        GTEST_SKIP() << "no /usr/share/unicode/UnicodeData.txt";
    const NumberText numbers(kNotations[0]);
    std::string line;
    int decimal = 0, numeric = 0;
    while (std::getline(data, line)) {
        std::vector<std::string> field;
        std::stringstream split(line);
        for (std::string part; std::getline(split, part, ';');)
            field.push_back(part);
        if (field.size() < 9 || field[8].empty())
            continue;
        const auto cp = static_cast<char32_t>(std::stoul(field[0], nullptr, 16));
        std::string text;
        appendUtf8(text, cp);
        const FieldValue read = numbers.read(text);
        if (field[2] == "Nd") {
            ++decimal;
            ASSERT_TRUE(read) << field[0];
            EXPECT_EQ(read.value, std::stoi(field[6])) << field[0];
            EXPECT_EQ(isLoneZeroDigit(text), field[6] == "0") << field[0];
        } else {
            ++numeric;
            EXPECT_FALSE(read) << field[0] << ' ' << field[1];
        }
    }
    EXPECT_GE(decimal, 680);
    EXPECT_GT(numeric, 500);
}

} // namespace
