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

} // namespace
