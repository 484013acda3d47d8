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

TEST_F(CalculatorWindow, StartsWithTheRateOnlyAndTheFocusInBuyingPrice)
{
    EXPECT_EQ(text(Text8), "0.3");
    for (ControlId box : {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text9})
        EXPECT_EQ(text(box), "") << definition().control(box).name; // the design texts are never seen
    EXPECT_EQ(forms.focusName(*window), "Text1");
    EXPECT_EQ(text(status), "");
    EXPECT_TRUE(forms.control(*window, Text8).locked);
    EXPECT_EQ(text(Command2), "Change Brokerage %");
    EXPECT_TRUE(forms.captionsWritten.empty()); // no failure shown and taken back on the way
}

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

struct Trade {
    const char *name;
    const char *buying, *quantity, *selling;
    std::array<const char *, 5> results; // Text3, Text4, Text6, Text7, Text9
};

void PrintTo(const Trade &t, std::ostream *os) { *os << t.name; }

class TypedTrade : public CalculatorWindow, public testing::WithParamInterface<Trade> {};

TEST_P(TypedTrade, ComesOutDigitForDigit)
{
    const Trade &t = GetParam();
    fill(Text1, t.buying);
    fill(Text2, t.quantity);
    fill(Text5, t.selling);
    const auto shown = results();
    for (std::size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i], t.results[i]) << i;
    EXPECT_EQ(text(status), "");
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, TypedTrade,
    testing::Values(Trade{"profit", "10", "5", "12", {"50.15", "8.35833333333333", "59.82", "9.67", "20"}},
                    Trade{"loss", "10", "5", "9", {"50.15", "8.35833333333333", "44.865", "-5.285", "-10"}},
                    Trade{"grouped_thousands", "1,000", "2", "1,100.5",
                          {"2006", "334.333333333333", "2194.397", "188.397", "10.05"}},
                    Trade{"fraction_of_a_share_price", "0.05", "1000", "0.07",
                          {"50.15", "8.35833333333333", "69.79", "19.64", "40"}}),
    [](const auto &row) { return std::string(row.param.name); });

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

TEST_F(CalculatorWindow, FailureShowsInTheStatusLineWithoutABoxAndClears)
{
    fill(Text2, "5");
    fill(Text5, "12");
    EXPECT_EQ(text(Text6), "59.82");
    EXPECT_EQ(text(status), "Cannot work out Profit / Loss: Total buying Price including Brokerage is empty.");
    EXPECT_TRUE(forms.messages.empty());
    fill(Text1, "10");
    EXPECT_EQ(text(status), "");
    EXPECT_EQ(text(Text7), "9.67");
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

TEST_F(CalculatorWindow, CopiesTheWholeTradeForASpreadsheet)
{
    fill(Text1, "10");
    fill(Text2, "5");
    fill(Text5, "12");
    forms.click(*window, copyTrade);
    EXPECT_EQ(forms.clipboard, "Buying Price\t10\n"
                               "Quantity\t5\n"
                               "Brokerage %\t0.3\n"
                               "Total buying Price including Brokerage\t50.15\n"
                               "Req.Bank Balace\t8.35833333333333\n"
                               "Selling Price\t12\n"
                               "Total Selling Amount Including Brokerage\t59.82\n"
                               "Profit / Loss\t9.67\n"
                               "Change in Price %\t20\n");
    EXPECT_EQ(text(Text5), "12");
}

TEST_F(CalculatorWindow, AboutAndHelpOpenModallyAndReturnToUnchangedFields)
{
    fill(Text1, "10");
    fill(Text2, "5");
    forms.onModal = [this](Form &shown) {
        forms.type(*window, "7"); // the calculator takes no input meanwhile
        forms.pressKey(shown, U'\x1B');
    };
    forms.click(*window, aboutkelvastro);
    forms.click(*window, help);
    EXPECT_EQ(forms.modalsShown, (std::vector<std::string>{"frmAbout", "frmSplash"}));
    ASSERT_EQ(forms.faults.size(), 2u);
    forms.faults.clear();
    EXPECT_EQ(text(Text1), "10");
    EXPECT_EQ(text(Text3), "50.15");
    EXPECT_EQ(forms.focusName(*window), "Text2");
    EXPECT_TRUE(forms.messages.empty());
}

TEST_F(CalculatorWindow, ExitEndsTheProgramAtOnce)
{
    forms.click(*window, Exit);
    EXPECT_EQ(forms.endRequests, 1);
}

TEST_F(CalculatorWindow, EscapePressesTheRateButtonAndEnterDoesNot)
{
    forms.pressKey(*window, U'\r');
    EXPECT_EQ(text(Command2), "Change Brokerage %");
    forms.pressKey(*window, U'\x1B');
    EXPECT_EQ(text(Command2), "OK");
}

} // namespace
