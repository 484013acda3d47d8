// SPDX-License-Identifier: GPL-3.0-or-later
// The rate lock, the zero checks on leaving a field, and the focus forwarding
// past two result fields, through a scripted front end.
#include "platform/testing/fakeformsservices.h"
#include "platform/testing/fakesystemservices.h"
#include "ui/calculator/kelvastro.h"
#include "ui/calculator/kelvastrodefinition.h"

#include <gtest/gtest.h>

using namespace kelvastro;
using namespace kelvastro::calculator;

namespace {

constexpr OleColor kGrey = 0x00E0E0E0;
constexpr OleColor kWindowBackground = 0x80000005u;
constexpr OleColor kInactiveCaptionText = 0x80000013u;

class RateAndChecks : public testing::Test {
protected:
    RateAndChecks() { forms.show(window); }
    void TearDown() override
    {
        for (const auto &fault : forms.faults)
            ADD_FAILURE() << fault;
    }
    const std::string &text(ControlId id) { return forms.text(window, id); }
    void fill(ControlId id, std::string_view t) { forms.fill(window, id, t); }
    const FakeFormsServices::ControlState &rate() { return forms.control(window, Text8); }

    FakeFormsServices forms;
    FakeSystemServices system;
    Kelvastro window{forms, system, NumberLocale{".", ",", 3, 3}};
};

TEST_F(RateAndChecks, RateToggleShowsThreeLooks)
{
    EXPECT_TRUE(rate().locked);
    EXPECT_EQ(rate().backColor, kGrey);

    forms.click(window, Command2);
    EXPECT_FALSE(rate().locked);
    EXPECT_EQ(rate().backColor, kWindowBackground);
    EXPECT_EQ(text(Command2), "OK");
    EXPECT_EQ(text(status), "Brokerage rate open for editing");

    forms.click(window, Command2);
    EXPECT_TRUE(rate().locked);
    EXPECT_EQ(rate().backColor, kInactiveCaptionText);
    EXPECT_EQ(text(Command2), "Change brokerage %");
    EXPECT_EQ(text(status), "Brokerage rate locked");

    forms.click(window, Command2);
    EXPECT_FALSE(rate().locked);
    EXPECT_EQ(text(Command2), "OK");
    EXPECT_EQ(text(Text8), "0.3"); // the toggle changes no text
}

TEST_F(RateAndChecks, RateEditRecalculatesAtOnceAndStaysAfterTheLock)
{
    fill(Text1, "10");
    fill(Text2, "5");
    fill(Text5, "12");
    forms.click(window, Command2);
    fill(Text8, "0.5");
    EXPECT_EQ(text(Text3), "50.25");
    EXPECT_EQ(text(Text7), "9.45");
    forms.click(window, Command2);
    EXPECT_EQ(text(Text8), "0.5");
    EXPECT_EQ(text(Text3), "50.25");
}

TEST_F(RateAndChecks, LockedRateTakesTheFocusButNoTyping)
{
    forms.click(window, Text8);
    EXPECT_EQ(forms.focusName(window), "Text8");
    forms.type(window, "9");
    EXPECT_EQ(text(Text8), "0.3");
}

struct ZeroCase {
    const char *name;
    ControlId field;
    const char *text;
    const char *message; // empty: none
};

void PrintTo(const ZeroCase &c, std::ostream *os) { *os << c.name; }

class ZeroCheck : public RateAndChecks, public testing::WithParamInterface<ZeroCase> {};

// Left by a click elsewhere and by Tab: only the exact text "0" is refused.
TEST_P(ZeroCheck, OnLeavingTheField)
{
    const ZeroCase &c = GetParam();
    for (bool byTab : {false, true}) {
        SCOPED_TRACE(byTab ? "Tab" : "click");
        forms.messages.clear();
        fill(c.field, c.text);
        if (byTab)
            forms.tab(window);
        else
            forms.click(window, Text9);
        if (*c.message) {
            EXPECT_EQ(forms.messages, std::vector<std::string>{c.message});
            EXPECT_EQ(forms.focus(window), c.field);
            EXPECT_EQ(text(c.field), "0");
        } else {
            EXPECT_TRUE(forms.messages.empty());
            EXPECT_NE(forms.focus(window), c.field);
        }
        fill(c.field, "1");
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, ZeroCheck,
                         testing::Values(ZeroCase{"buying_zero", Text1, "0", "Buying Price should not be zero"},
                                         ZeroCase{"quantity_zero", Text2, "0", "Quantity should not be zero"},
                                         ZeroCase{"selling_zero", Text5, "0", "Selling Price should not be zero"},
                                         ZeroCase{"quantity_zero_point_zero", Text2, "0.0", ""},
                                         ZeroCase{"quantity_double_zero", Text2, "00", ""},
                                         ZeroCase{"quantity_blank_then_zero", Text2, " 0", ""},
                                         ZeroCase{"selling_empty", Text5, "", ""},
                                         ZeroCase{"buying_zero_then_blank", Text1, "0 ", ""}),
                         [](const auto &row) { return std::string(row.param.name); });

// Both at zero: every Tab from Buying price is refused once, without the
// two checks taking the focus back and forth.
TEST_F(RateAndChecks, TwoZeroFieldsSettleWithOneMessagePerLeaving)
{
    forms.view(window).setText(Text2, "0");
    forms.view(window).setText(Text1, "0");
    for (int i = 0; i < 3; ++i)
        forms.tab(window);
    EXPECT_EQ(forms.messages, std::vector<std::string>(3, "Buying Price should not be zero"));
    EXPECT_EQ(forms.focusName(window), "Text1");
}

// Tab from a zero Quantity would land in Total buying Price and be sent on; the check wins, once.
TEST_F(RateAndChecks, TabFromZeroTowardsAForwardingFieldEndsInTheZeroField)
{
    fill(Text2, "0");
    forms.tab(window);
    EXPECT_EQ(forms.messages.size(), 1u);
    EXPECT_EQ(forms.focusName(window), "Text2");
}

TEST_F(RateAndChecks, NoMessageWhenAnotherProgramTakesTheFocus)
{
    fill(Text5, "0");
    forms.leaveWindow(window);
    forms.returnToWindow(window);
    EXPECT_TRUE(forms.messages.empty());
    EXPECT_EQ(forms.focusName(window), "Text5");
}

// The press that would move the focus from a zero field to the button is refused with the focus.
TEST_F(RateAndChecks, ClickOnTheRateButtonFromAZeroFieldDoesNotToggle)
{
    fill(Text1, "0");
    forms.click(window, Command2);
    EXPECT_EQ(forms.messages.size(), 1u);
    EXPECT_EQ(forms.focusName(window), "Text1");
    EXPECT_EQ(text(Command2), "Change Brokerage %");
}

struct ForwardCase {
    const char *name;
    ControlId from;
    enum { Click, Tab, ShiftTab } how;
    ControlId clicked; // for Click
    ControlId landsIn;
};

void PrintTo(const ForwardCase &c, std::ostream *os) { *os << c.name; }

class Forwarding : public RateAndChecks, public testing::WithParamInterface<ForwardCase> {};

TEST_P(Forwarding, NeverRestsOnTheTwoTotals)
{
    const ForwardCase &c = GetParam();
    forms.click(window, c.from);
    if (c.how == ForwardCase::Click)
        forms.click(window, c.clicked);
    else if (c.how == ForwardCase::Tab)
        forms.tab(window);
    else
        forms.shiftTab(window);
    EXPECT_EQ(forms.focus(window), c.landsIn) << forms.focusName(window);
    EXPECT_TRUE(forms.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Moves, Forwarding,
    testing::Values(ForwardCase{"click_total_buying", Text1, ForwardCase::Click, Text3, Text5},
                    ForwardCase{"click_profit", Text1, ForwardCase::Click, Text7, Text9},
                    ForwardCase{"tab_from_quantity", Text2, ForwardCase::Tab, 0, Text5},
                    ForwardCase{"tab_from_total_selling", Text6, ForwardCase::Tab, 0, Text9},
                    ForwardCase{"tab_from_balance", Text4, ForwardCase::Tab, 0, Text5},
                    // Backwards the focus goes on backwards, or Shift+Tab would be sent forward again.
                    ForwardCase{"shift_tab_from_selling", Text5, ForwardCase::ShiftTab, 0, Text4},
                    ForwardCase{"shift_tab_from_balance", Text4, ForwardCase::ShiftTab, 0, Text2},
                    ForwardCase{"shift_tab_from_rate", Text8, ForwardCase::ShiftTab, 0, Text6}),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(RateAndChecks, TabVisitsTheFieldsInTheirOrderPastTheTotals)
{
    std::vector<std::string> visited;
    for (int i = 0; i < 9; ++i) {
        visited.push_back(forms.focusName(window));
        forms.tab(window);
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"Text1", "Text2", "Text5", "Text6", "Text9", "Text1", "Text2",
                                                 "Text5", "Text6"}));
}

TEST_F(RateAndChecks, ShiftTabVisitsEveryStopButTheTotals)
{
    std::vector<std::string> visited;
    for (int i = 0; i < 9; ++i) {
        forms.shiftTab(window);
        visited.push_back(forms.focusName(window));
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"Text9", "Command2", "Text8", "Text6", "Text5", "Text4", "Text2",
                                                 "Text1", "Text9"}));
}

} // namespace
