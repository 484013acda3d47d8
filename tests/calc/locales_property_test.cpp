// SPDX-License-Identifier: GPL-3.0-or-later
// The same trade typed in five notations gives the same results once the
// separators are mapped back.
#include "calc/memorysheet.h"
#include "calc/recalculator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace kelvastro;

namespace {

struct Notation {
    const char *name;
    NumberLocale locale;
};

const Notation kNotations[] = {
    {"c", NumberLocale::plain()},
    {"us_english", {".", ",", 3, 3}},
    {"german", {",", ".", 3, 3}},
    {"french", {",", "\xE2\x80\xAF", 3, 3}},
    {"indian_english", {".", ",", 3, 2}},
};

// A plain "1234567.25" written in the notation, grouped when `grouped`.
std::string write(const std::string &plain, const NumberLocale &locale, bool grouped)
{
    const std::size_t point = plain.find('.');
    std::string integer = plain.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : plain.substr(point + 1);
    bool negative = !integer.empty() && integer[0] == '-';
    if (negative)
        integer.erase(0, 1);
    std::string out;
    if (grouped && !locale.group.empty()) {
        int group = locale.primaryGroup;
        int inGroup = 0;
        for (std::size_t left = integer.size(); left > 0; --left) {
            if (inGroup == group) {
                out.insert(0, locale.group);
                inGroup = 0;
                group = locale.secondaryGroup;
            }
            out.insert(out.begin(), integer[left - 1]);
            ++inGroup;
        }
    } else {
        out = integer;
    }
    if (negative)
        out.insert(0, "-");
    if (!fraction.empty())
        out += locale.decimal + fraction;
    return out;
}

std::string plainFrom(std::string text, const NumberLocale &locale)
{
    if (const auto at = text.find(locale.decimal); at != std::string::npos)
        text.replace(at, locale.decimal.size(), ".");
    return text;
}

std::string randomNumber(std::mt19937_64 &random)
{
    std::uniform_int_distribution<int> digits(1, 9);
    std::uniform_int_distribution<int> fractionDigits(0, 6);
    std::uniform_int_distribution<int> digit(0, 9);
    std::string out(1, static_cast<char>('1' + digit(random) % 9));
    for (int i = digits(random); i > 0; --i)
        out += static_cast<char>('0' + digit(random));
    if (int f = fractionDigits(random); f > 0) {
        out += '.';
        for (; f > 0; --f)
            out += static_cast<char>('0' + digit(random));
    }
    return out;
}

TEST(LocalesAgree, SameTradeSameResultsInEveryNotation)
{
    std::mt19937_64 random(42);
    using enum Field;
    const Field results[] = {TotalCost, BankBalance, SellingTotal, ProfitLoss, PriceChange};
    for (int trade = 0; trade < 2000; ++trade) {
        const std::string buying = randomNumber(random), quantity = randomNumber(random),
                          selling = randomNumber(random);
        const std::string rate = (trade % 3 == 0) ? "0.3" : "0." + std::to_string(trade % 97);
        std::vector<std::string> expected;
        for (const auto &notation : kNotations) {
            const NumberText numbers(notation.locale);
            const Recalculator recalculator(numbers);
            const bool grouped = trade % 2 == 0;
            MemorySheet sheet{{Field::BrokerageRate, write(rate, notation.locale, false)}};
            for (auto [field, text] : {std::pair{BuyingPrice, buying}, {Quantity, quantity}, {SellingPrice, selling}}) {
                sheet.setText(field, write(text, notation.locale, grouped));
                ASSERT_FALSE(recalculator.recalculate(sheet, field)) << notation.name << ' ' << sheet[field];
            }
            std::vector<std::string> shown(std::size(results));
            std::transform(std::begin(results), std::end(results), shown.begin(),
                           [&](Field f) { return plainFrom(sheet[f], notation.locale); });
            if (expected.empty())
                expected = shown;
            else
                EXPECT_EQ(shown, expected) << notation.name << ": " << buying << ' ' << quantity << ' ' << selling;
        }
    }
}

} // namespace
