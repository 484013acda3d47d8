// SPDX-License-Identifier: GPL-3.0-or-later
// The zero checks where two of them, or a check and the forwarding past a
// total, meet, and where the focus only goes to another program: the paths
// through the handlers that the conformance rows do not take.
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
