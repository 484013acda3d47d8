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

    FakeFormsServices forms;
    FakeSystemServices system;
    Kelvastro window{forms, system, NumberLocale{".", ",", 3, 3}};
};

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

} // namespace
