// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

using kelvastro::FieldValue;
using kelvastro::NumberLocale;
using kelvastro::NumberText;
using kelvastro::ReadError;

namespace {

const NumberLocale kUs{".", ",", 3, 3};
const NumberLocale kGerman{",", ".", 3, 3};
const NumberLocale kFrench{",", "\xE2\x80\xAF", 3, 3}; // narrow no-break space groups
const NumberLocale kIndian{".", ",", 3, 2};
// As Qt describes them: native digits, the Arabic decimal and group marks, and
// signs that carry a direction mark.
const NumberLocale kArabic{"\xD9\xAB", "\xD9\xAC", 3, 3, "\xD9\xA0", "\xD8\x9C-"};
const NumberLocale kPersian{"\xD9\xAB", "\xD9\xAC", 3, 3, "\xDB\xB0", "\xE2\x80\x8E\xE2\x88\x92"};
const NumberLocale kSwiss{".", "\xE2\x80\x99", 3, 3};

struct ReadCase {
    const char *name;
    NumberLocale locale;
    const char *text;
    ReadError error;
    double value;
};

void PrintTo(const ReadCase &c, std::ostream *os) { *os << c.name; }

class ReadsFieldValue : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadsFieldValue, AsTheUserWroteIt)
{
    const ReadCase &c = GetParam();
    const FieldValue v = NumberText(c.locale).read(c.text);
    EXPECT_EQ(v.error, c.error) << '"' << c.text << '"';
    if (c.error == ReadError::None) {
        EXPECT_EQ(v.value, c.value) << '"' << c.text << '"';
    }
}

constexpr auto OK = ReadError::None;
constexpr auto NAN_ = ReadError::NotANumber;

INSTANTIATE_TEST_SUITE_P(
    Locales, ReadsFieldValue,
    testing::Values(
        ReadCase{"plain_integer", kUs, "10", OK, 10},
        ReadCase{"decimal", kUs, "12.5", OK, 12.5},
        ReadCase{"us_grouping", kUs, "1,234.5", OK, 1234.5},
        ReadCase{"us_grouping_millions", kUs, "1,234,567", OK, 1234567},
        ReadCase{"us_grouping_misplaced", kUs, "12,34", NAN_, 0},
        ReadCase{"us_grouping_uneven", kUs, "1,23,456", NAN_, 0},
        ReadCase{"us_grouping_leading_group_too_long", kUs, "1234,567", NAN_, 0},
        ReadCase{"us_separator_first", kUs, ",123", NAN_, 0},
        ReadCase{"us_separator_last", kUs, "123,", NAN_, 0},
        ReadCase{"us_grouping_in_fraction", kUs, "1.234,567", NAN_, 0},
        ReadCase{"us_space_is_no_separator", kUs, "1 234", NAN_, 0},
        ReadCase{"indian_lakh_grouping", kIndian, "12,34,567.5", OK, 1234567.5},
        ReadCase{"indian_thousands", kIndian, "1,234", OK, 1234},
        ReadCase{"indian_western_grouping_refused", kIndian, "1,234,567", NAN_, 0},
        ReadCase{"german_decimal_comma", kGerman, "0,3", OK, 0.3},
        ReadCase{"german_grouping", kGerman, "1.234,5", OK, 1234.5},
        ReadCase{"german_point_is_not_decimal", kGerman, "0.3", NAN_, 0},
        ReadCase{"french_narrow_nbsp_grouping", kFrench, "1\xE2\x80\xAF" "234,5", OK, 1234.5},
        ReadCase{"french_nbsp_grouping", kFrench, "1\xC2\xA0" "234,5", OK, 1234.5},
        ReadCase{"french_typed_space_grouping", kFrench, "1 234 567", OK, 1234567},
        ReadCase{"blanks_around", kUs, " \t42\xC2\xA0 ", OK, 42},
        ReadCase{"plus_sign", kUs, "+3", OK, 3},
        ReadCase{"minus_sign", kUs, "-3.25", OK, -3.25},
        ReadCase{"unicode_minus_sign", kUs, "\xE2\x88\x92" "5", OK, -5},
        ReadCase{"two_signs", kUs, "--1", NAN_, 0},
        ReadCase{"sign_after", kUs, "1-", NAN_, 0},
        ReadCase{"blank_inside_after_sign", kUs, "- 1", NAN_, 0},
        ReadCase{"exponent", kUs, "1e3", OK, 1000},
        ReadCase{"exponent_negative_upper", kUs, "2.5E-2", OK, 0.025},
        ReadCase{"exponent_without_digits", kUs, "1e", NAN_, 0},
        ReadCase{"exponent_sign_only", kUs, "1e+", NAN_, 0},
        ReadCase{"leading_point", kUs, ".5", OK, 0.5},
        ReadCase{"trailing_point", kUs, "5.", OK, 5},
        ReadCase{"point_alone", kUs, ".", NAN_, 0},
        ReadCase{"empty", kUs, "", ReadError::Empty, 0},
        ReadCase{"blanks_only", kUs, "   ", NAN_, 0},
        ReadCase{"infinity_word", kUs, "inf", NAN_, 0},
        ReadCase{"nan_word", kUs, "nan", NAN_, 0},
        ReadCase{"hexadecimal", kUs, "0x10", NAN_, 0},
        ReadCase{"letters", kUs, "abc", NAN_, 0},
        ReadCase{"too_large", kUs, "1e400", ReadError::OutOfRange, 0},
        ReadCase{"too_large_negative", kUs, "-2e308", ReadError::OutOfRange, 0},
        ReadCase{"tiny_underflows_to_zero", kUs, "1e-400", OK, 0},
        ReadCase{"subnormal", kUs, "5e-324", OK, 5e-324},
        ReadCase{"huge_exponent_text", kUs, "1e99999999999999999999", ReadError::OutOfRange, 0},
        ReadCase{"largest_double", kUs, "1.7976931348623157e308", OK, 1.7976931348623157e308},
        ReadCase{"zeros", kUs, "000.000", OK, 0},
        ReadCase{"spreadsheet_cell_line_break", kUs, "10\r\n", OK, 10},
        ReadCase{"line_feed_before", kUs, "\n12.5", OK, 12.5},
        ReadCase{"line_break_inside", kUs, "1\n0", NAN_, 0},
        ReadCase{"arabic_native_digits", kArabic, "\xD9\xA1\xD9\xA2\xD9\xAB\xD9\xA5", OK, 12.5},
        ReadCase{"arabic_ascii_digits", kArabic, "12\xD9\xAB" "5", OK, 12.5},
        ReadCase{"arabic_mixed_with_ascii_digits", kArabic, "1\xD9\xA2", ReadError::MixedScripts, 0},
        ReadCase{"arabic_sign_with_letter_mark", kArabic, "\xD8\x9C-\xD9\xA5", OK, -5},
        ReadCase{"arabic_grouping", kArabic, "\xD9\xA1\xD9\xAC\xD9\xA2\xD9\xA3\xD9\xA4", OK, 1234},
        ReadCase{"arabic_point_is_not_decimal", kArabic, "1.5", NAN_, 0},
        ReadCase{"persian_native_digits", kPersian, "\xDB\xB2\xDB\xB0", OK, 20},
        ReadCase{"persian_sign", kPersian, "\xE2\x80\x8E\xE2\x88\x92\xDB\xB3", OK, -3},
        ReadCase{"persian_takes_arabic_digits", kPersian, "\xD9\xA2", OK, 2},
        ReadCase{"persian_and_arabic_digits_mixed", kPersian, "\xDB\xB1\xD9\xA2", ReadError::MixedScripts, 0},
        ReadCase{"us_takes_arabic_digits", kUs, "\xD9\xA2", OK, 2},
        // The digits of a layout are read in every locale: Devanagari under hi_IN and en_IN, whose
        // notation writes ASCII, Bengali with lakh grouping, Thai, and N'Ko and Adlam beyond the BMP.
        ReadCase{"devanagari_in_indian_english", kIndian, "\xE0\xA5\xA7\xE0\xA5\xA6", OK, 10},
        ReadCase{"bengali_lakh_grouping", kIndian,
                 "\xE0\xA7\xA7\xE0\xA7\xA8,\xE0\xA7\xA9\xE0\xA7\xAA,\xE0\xA7\xAB\xE0\xA7\xAC\xE0\xA7\xAD"
                 ".\xE0\xA7\xAB", OK, 1234567.5},
        ReadCase{"thai_decimal", kUs, "\xE0\xB9\x91\xE0\xB9\x92.\xE0\xB9\x95", OK, 12.5},
        ReadCase{"adlam_beyond_the_bmp", kGerman, "\xF0\x9E\xA5\x91\xF0\x9E\xA5\x92,\xF0\x9E\xA5\x95", OK, 12.5},
        ReadCase{"devanagari_mixed_with_ascii", kIndian, "\xE0\xA5\xA7" "0", ReadError::MixedScripts, 0},
        ReadCase{"mixed_in_the_fraction", kUs, "\xE0\xA5\xA7.\xE0\xA7\xAB", ReadError::MixedScripts, 0},
        ReadCase{"full_width_and_devanagari", kUs, "\xEF\xBC\x91\xE0\xA5\xA6", ReadError::MixedScripts, 0},
        // The Tamil layout types ten (U+0BF0) on its 0 key, a hundred and a thousand beside it.
        ReadCase{"tamil_ten_is_no_zero", kIndian, "\xE0\xAF\xA7\xE0\xAF\xB0", ReadError::NotADigit, 0},
        ReadCase{"tamil_thousand_alone", kIndian, "\xE0\xAF\xB2", ReadError::NotADigit, 0},
        ReadCase{"tamil_digits", kIndian, "\xE0\xAF\xA7\xE0\xAF\xA6\xE0\xAF\xAB", OK, 105},
        ReadCase{"superscript_digits_are_no_digits", kUs, "\xC2\xB2", NAN_, 0},
        // Two cells pasted as one: a tab or line break inside a number never groups its digits.
        ReadCase{"french_two_cells_by_tab", kFrench, "12\t345", NAN_, 0},
        ReadCase{"french_two_rows_by_line_feed", kFrench, "12\n345", NAN_, 0},
        ReadCase{"french_two_rows_by_crlf", kFrench, "12\r\n345", NAN_, 0},
        ReadCase{"french_cell_with_its_ends", kFrench, "\t12 345\r\n", OK, 12345},
        ReadCase{"french_full_width_blank_groups", kFrench, "12\xE3\x80\x80" "345", OK, 12345},
        // Full width, as a Japanese input method types: U+FF10 ... U+FF19, U+FF0E, U+FF0C.
        ReadCase{"full_width_decimal", kUs, "\xEF\xBC\x91\xEF\xBC\x92\xEF\xBC\x8E\xEF\xBC\x95", OK, 12.5},
        ReadCase{"full_width_integer", kUs, "\xEF\xBC\x91\xEF\xBC\x92", OK, 12},
        ReadCase{"full_width_grouping", kUs, "\xEF\xBC\x91\xEF\xBC\x8C\xEF\xBC\x92\xEF\xBC\x93\xEF\xBC\x94",
                 OK, 1234},
        ReadCase{"full_width_comma_is_the_locales_decimal", kGerman, "\xEF\xBC\x91\xEF\xBC\x8C\xEF\xBC\x95", OK,
                 1.5},
        ReadCase{"full_width_sign_and_ideographic_space", kUs,
                 "\xE3\x80\x80\xEF\xBC\x8D\xEF\xBC\x93\xE3\x80\x80", OK, -3},
        ReadCase{"full_width_pasted_cell", kUs, "\xEF\xBC\x99\xEF\xBC\x8E\xEF\xBC\x95\r\n", OK, 9.5},
        ReadCase{"full_width_mixed_with_ascii", kUs, "1\xEF\xBC\x92.5", OK, 12.5},
        ReadCase{"full_width_letters_are_no_number", kUs, "\xEF\xBC\xA1\xEF\xBC\xA2", NAN_, 0},
        ReadCase{"swiss_typographic_apostrophe", kSwiss, "1\xE2\x80\x99" "234.5", OK, 1234.5},
        ReadCase{"swiss_typed_apostrophe", kSwiss, "1'234'567", OK, 1234567},
        ReadCase{"apostrophe_elsewhere", kUs, "1'234", NAN_, 0},
        ReadCase{"broken_utf8", kUs, "1\xD9", NAN_, 0}),
    [](const auto &row) { return std::string(row.param.name); });

// The library conversion in the C locale is the reference for correct rounding.
TEST(ReadsFieldValue, RoundsLikeTheLibraryOnLongDigitStrings)
{
    const char *texts[] = {
        "0.1000000000000000055511151231257827",
        "123456789012345678901234567890",
        "9007199254740993",
        "2.2250738585072011e-308",
        "0.000000000000000000000000000001234567890123456789",
        "179769313486231570000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000",
    };
    const NumberText numbers;
    for (const char *text : texts) {
        const FieldValue v = numbers.read(text);
        ASSERT_TRUE(v) << text;
        EXPECT_EQ(v.value, std::strtod(text, nullptr)) << text;
    }
}

// 17 to 19 digits still fit the quick path's mantissa, but most no longer fit
// a double exactly: a shortcut taken for them would round twice.
TEST(ReadsFieldValue, RoundsLikeTheLibraryOnSeventeenToNineteenDigits)
{
    std::mt19937_64 random(20261209);
    std::uniform_int_distribution<int> digit(0, 9), length(17, 19);
    const NumberText numbers;
    int mismatches = 0;
    for (int i = 0; i < 3000; ++i) {
        const int n = length(random);
        std::string text(1, static_cast<char>('1' + digit(random) % 9));
        for (int k = 1; k < n; ++k)
            text.push_back(static_cast<char>('0' + digit(random)));
        text.insert(text.begin() + 1 + digit(random) % (n - 1), '.');
        const FieldValue v = numbers.read(text);
        ASSERT_TRUE(v) << text;
        if (v.value != std::strtod(text.c_str(), nullptr) && ++mismatches < 5)
            ADD_FAILURE() << text << " read as " << v.value;
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(ReadsFieldValue, LongPasteIsRefusedQuickly)
{
    std::string text(1 << 20, '7');
    text[text.size() / 2] = 'x';
    EXPECT_EQ(NumberText().read(text).error, ReadError::NotANumber);
}

struct DisplayCase {
    const char *name;
    NumberLocale locale;
    double value;
    const char *text;
};

void PrintTo(const DisplayCase &c, std::ostream *os) { *os << c.name; }

class DisplaysNumber : public testing::TestWithParam<DisplayCase> {};

TEST_P(DisplaysNumber, WithFifteenSignificantDigits)
{
    const DisplayCase &c = GetParam();
    EXPECT_EQ(NumberText(c.locale).display(c.value), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, DisplaysNumber,
    testing::Values(DisplayCase{"one_third", kUs, 1.0 / 3, "0.333333333333333"},
                    DisplayCase{"two_thirds_of_100", kUs, 200.0 / 3, "66.6666666666667"},
                    DisplayCase{"whole_number", kUs, 50.0, "50"},
                    DisplayCase{"negative", kUs, -5.285, "-5.285"},
                    DisplayCase{"negative_zero", kUs, -0.0, "0"},
                    DisplayCase{"no_grouping", kUs, 1234567.5, "1234567.5"},
                    DisplayCase{"fifteen_digit_integer", kUs, 123456789012345.0, "123456789012345"},
                    DisplayCase{"exponent_from_1e15", kUs, 1e15, "1E+15"},
                    DisplayCase{"rounded_into_exponent", kUs, 1234567890123456.0, "1.23456789012346E+15"},
                    DisplayCase{"small_without_exponent", kUs, 0.0001, "0.0001"},
                    DisplayCase{"small_with_exponent", kUs, 1.5e-5, "1.5E-05"},
                    DisplayCase{"three_digit_exponent", kUs, 2e-300, "2E-300"},
                    DisplayCase{"decimal_comma", kGerman, 0.3, "0,3"},
                    DisplayCase{"decimal_comma_exponent", kGerman, 1.5e-5, "1,5E-05"},
                    DisplayCase{"no_grouping_in_french", kFrench, 1234567.5, "1234567,5"},
                    DisplayCase{"arabic_digits", kArabic, 59.82, "\xD9\xA5\xD9\xA9\xD9\xAB\xD9\xA8\xD9\xA2"},
                    DisplayCase{"arabic_negative", kArabic, -5, "\xD8\x9C-\xD9\xA5"},
                    DisplayCase{"arabic_zero", kArabic, -0.0, "\xD9\xA0"},
                    DisplayCase{"persian_negative", kPersian, -20, "\xE2\x80\x8E\xE2\x88\x92\xDB\xB2\xDB\xB0"},
                    DisplayCase{"persian_exponent", kPersian, 1.5e-5, "\xDB\xB1\xD9\xAB\xDB\xB5" "E-\xDB\xB0\xDB\xB5"},
                    DisplayCase{"swiss_no_grouping", kSwiss, 1234567.5, "1234567.5"}),
    [](const auto &row) { return std::string(row.param.name); });

// Over doubles of every magnitude: the display text is C's %.15G with the
// locale's separator, and reading it back gives the value rounded to 15
// significant digits.
TEST(DisplaysNumber, MatchesPrintfAndReadsBackAcrossTheRange)
{
    std::mt19937_64 random(20261208);
    const NumberText plain;
    const NumberText german(kGerman);
    const NumberText persian(kPersian);
    for (int i = 0; i < 20000; ++i) {
        double value = 0;
        const std::uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value) || value == 0)
            continue;
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.15G", value);
        const std::string text = plain.display(value);
        ASSERT_EQ(text, expected) << value;

        const FieldValue back = plain.read(text);
        if (std::fabs(std::strtod(expected, nullptr)) > 1.7976931348623157e308) {
            EXPECT_EQ(back.error, ReadError::OutOfRange) << text;
            continue;
        }
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(back.value, std::strtod(expected, nullptr)) << text;

        std::string germanText = text;
        if (auto dot = germanText.find('.'); dot != std::string::npos)
            germanText[dot] = ',';
        EXPECT_EQ(german.display(value), germanText);
        EXPECT_EQ(german.read(germanText).value, back.value) << germanText;

        // Native digits and signs read back to the same value.
        const std::string persianText = persian.display(value);
        EXPECT_EQ(persian.read(persianText).value, back.value) << persianText;
    }
}

} // namespace
