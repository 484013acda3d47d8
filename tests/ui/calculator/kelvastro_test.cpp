// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window's behaviour through a scripted front end: typing and
// its results, the status line, the copy command and the menu.
#include "platform/testing/fakeformsservices.h"
#include "platform/testing/fakesystemservices.h"
#include "ui/calculator/kelvastro.h"
#include "ui/calculator/kelvastrodefinition.h"

#include <gtest/gtest.h>

#include <array>

using namespace kelvastro;
using namespace kelvastro::calculator;

namespace {

const NumberLocale kUs{".", ",", 3, 3};
const NumberLocale kGerman{",", ".", 3, 3};

class CalculatorWindow : public testing::Test {
protected:
    void open(const NumberLocale &locale = kUs)
    {
        window = std::make_unique<Kelvastro>(forms, system, locale);
        forms.show(*window);
    }
    void SetUp() override { open(); }
    void TearDown() override
    {
        for (const auto &fault : forms.faults)
            ADD_FAILURE() << fault;
    }
    const std::string &text(ControlId id) { return forms.text(*window, id); }
    void fill(ControlId id, std::string_view t) { forms.fill(*window, id, t); }
    std::array<std::string, 5> results()
    {
        return {text(Text3), text(Text4), text(Text6), text(Text7), text(Text9)};
    }

    FakeFormsServices forms;
    FakeSystemServices system;
    std::unique_ptr<Kelvastro> window;
};

TEST_F(CalculatorWindow, CommaLocaleStartsWithItsOwnRateAndReadsItsOwnNumbers)
{
    window.reset();
    open(kGerman);
    EXPECT_EQ(text(Text8), "0,3");
    fill(Text1, "1.000");
    fill(Text2, "5");
    fill(Text5, "1.200,5");
    EXPECT_EQ(text(Text3), "5015");
    EXPECT_EQ(text(Text4), "835,833333333333");
    EXPECT_EQ(text(Text7), "969,4925");
}

// Quantity typed while Buying price holds 10 and Selling price is empty.
TEST_F(CalculatorWindow, RoadOfOneEventRunsTheBuyingSideOnly)
{
    fill(Text1, "10");
    EXPECT_EQ(text(Text3), "");
    fill(Text2, "5");
    EXPECT_EQ(text(Text3), "50.15");
    EXPECT_EQ(text(Text4), "8.35833333333333");
    EXPECT_EQ(text(Text6), "");
    EXPECT_EQ(text(Text7), "");
}

TEST_F(CalculatorWindow, DeletingTheQuantityKeepsTheResults)
{
    fill(Text1, "10");
    fill(Text2, "5");
    fill(Text5, "12");
    forms.click(*window, Text2);
    forms.backspace(*window);
    EXPECT_EQ(text(Text2), "");
    EXPECT_EQ(text(Text3), "50.15");
    EXPECT_EQ(text(Text7), "9.67");
}

TEST_F(CalculatorWindow, SellingBeforeQuantityWaitsForTheQuantity)
{
    fill(Text1, "10");
    fill(Text5, "12");
    EXPECT_EQ(text(Text6), "");
    fill(Text2, "5");
    EXPECT_EQ(text(Text3), "50.15");
    EXPECT_EQ(text(Text9), "20");
}

TEST_F(CalculatorWindow, SellingPriceWithoutQuantityComputesNothingAndSaysNothing)
{
    fill(Text1, "10");
    fill(Text5, "12");
    EXPECT_EQ(text(Text6), "");
    EXPECT_EQ(text(Text9), "");
    EXPECT_EQ(text(status), "");
}

TEST_F(CalculatorWindow, ZeroBuyingPriceReportsDivisionByZero)
{
    fill(Text2, "5");
    fill(Text5, "12");
    forms.click(*window, Text1);
    forms.type(*window, "0");
    EXPECT_EQ(text(Text7), "59.82");
    EXPECT_EQ(text(Text9), "");
    EXPECT_NE(text(status).find("division by zero"), std::string::npos);
}

TEST_F(CalculatorWindow, VeryLongPasteIsReportedAndRecoveredFrom)
{
    fill(Text2, "5");
    forms.click(*window, Text1);
    forms.paste(*window, std::string(1 << 20, '9'));
    EXPECT_EQ(text(status), "Cannot work out Total buying Price including Brokerage: Buying Price is too large.");
    fill(Text1, "10");
    EXPECT_EQ(text(Text3), "50.15");
    EXPECT_EQ(text(status), "");
}

struct BreakEvenRow {
    const char *name;
    const char *buying, *quantity, *rate; // rate: nullptr for the starting 0.3
    const char *price;                    // the copied line's value; empty: none
};

void PrintTo(const BreakEvenRow &row, std::ostream *os) { *os << row.name; }

class BreakEven : public CalculatorWindow, public testing::WithParamInterface<BreakEvenRow> {};

// Total buying price / (quantity x (1 - rate / 100)), after the nine fields.
TEST_P(BreakEven, IsTheLastLineOfTheCopiedTrade)
{
    const BreakEvenRow &row = GetParam();
    if (row.rate) {
        forms.click(*window, Command2);
        fill(Text8, row.rate);
    }
    if (*row.buying)
        fill(Text1, row.buying);
    if (*row.quantity)
        fill(Text2, row.quantity);
    forms.click(*window, copyTrade);
    const std::string &copied = forms.clipboard;
    const auto line = copied.rfind("Break-even Selling Price\t");
    ASSERT_NE(line, std::string::npos) << copied;
    EXPECT_EQ(copied.substr(line), std::string("Break-even Selling Price\t") + row.price + "\n");
    EXPECT_EQ(std::count(copied.begin(), copied.end(), '\n'), 10);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BreakEven,
    testing::Values(BreakEvenRow{"worked_example", "10", "5", nullptr, "10.0601805416249"},
                    BreakEvenRow{"rate_zero_is_the_buying_price", "10", "5", "0", "10"},
                    BreakEvenRow{"rate_half_a_percent", "12.5", "40", "0.5", "12.6256281407035"},
                    BreakEvenRow{"rate_one_hundred_has_none", "10", "5", "100", ""},
                    BreakEvenRow{"rate_above_one_hundred_has_none", "10", "5", "150", ""},
                    BreakEvenRow{"no_quantity_no_buying_side", "10", "", nullptr, ""},
                    BreakEvenRow{"no_buying_price_no_buying_side", "", "5", nullptr, ""},
                    BreakEvenRow{"a_quantity_that_is_no_number", "10", "abc", nullptr, ""}),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(CalculatorWindow, BreakEvenIsWrittenInTheLocalesNotation)
{
    window.reset();
    open(kGerman);
    fill(Text1, "10");
    fill(Text2, "5");
    forms.click(*window, copyTrade);
    EXPECT_NE(forms.clipboard.find("Break-even Selling Price\t10,0601805416249\n"), std::string::npos);
}

TEST_F(CalculatorWindow, ABuyingPriceTakenAwayLeavesNoBreakEven)
{
    fill(Text1, "10");
    fill(Text2, "5");
    fill(Text1, "");
    forms.click(*window, copyTrade);
    EXPECT_NE(forms.clipboard.find("Total buying Price including Brokerage\t50.15\n"), std::string::npos);
    EXPECT_NE(forms.clipboard.find("Break-even Selling Price\t\n"), std::string::npos);
}

} // namespace
