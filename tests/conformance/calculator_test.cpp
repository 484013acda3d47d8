// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window as a person uses it, the same rows on every front
// end: a typed trade, the focus sent past the two totals, the zero checks, the
// rate toggle's three looks, the keys, the copy command, the menu and Exit.
#include "platform/testing/fakesystemservices.h"
#include "tests/conformance/conformance.h"
#include "ui/calculator/kelvastro.h"
#include "ui/calculator/kelvastrodefinition.h"

#include <array>

using namespace kelvastro;
using namespace kelvastro::calculator;
using namespace kelvastro::conformance;

namespace {

const NumberLocale kUs{".", ",", 3, 3};

class Calculator : public Conformance {
protected:
    Calculator() { d.start(window); }
    void fill(ControlId id, std::string_view text)
    {
        d.click(window, id);
        d.press(Key::End);
        for (std::size_t n = d.text(window, id).size(); n > 0; --n)
            d.press(Key::Backspace);
        d.type(text);
    }
    std::string text(ControlId id) { return d.text(window, id); }
    std::array<std::string, 5> results() { return {text(Text3), text(Text4), text(Text6), text(Text7), text(Text9)}; }

    FakeSystemServices system;
    Kelvastro window{d.forms(), system, kUs};
};

TEST_F(Calculator, OpensWithTheRateOnlyAndTheFocusInBuyingPrice)
{
    EXPECT_EQ(text(Text8), "0.3");
    for (ControlId box : {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text9})
        EXPECT_EQ(text(box), "") << definition().control(box).name;
    EXPECT_EQ(d.focus(window), Text1);
    EXPECT_EQ(text(status), "");
    EXPECT_TRUE(d.locked(window, Text8));
    EXPECT_FALSE(d.locked(window, Text9)); // a result field the user may type into
    EXPECT_EQ(text(Command2), "Change Brokerage %");
    EXPECT_EQ(d.caption(window).rfind("Kelvastro   ", 0), 0u);
}

struct Trade {
    const char *name;
    const char *buying, *quantity, *selling;
    std::array<const char *, 5> results; // Text3, Text4, Text6, Text7, Text9
};

void PrintTo(const Trade &t, std::ostream *os) { *os << t.name; }

class TypedTrade : public Calculator, public testing::WithParamInterface<Trade> {};

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
    EXPECT_TRUE(d.messages().empty());
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

TEST_F(Calculator, AFailureShowsInTheStatusLineWithoutABoxAndClears)
{
    fill(Text2, "5");
    fill(Text5, "12");
    EXPECT_EQ(text(Text6), "59.82");
    EXPECT_EQ(text(status), "Cannot work out Profit / Loss: Total buying Price including Brokerage is empty.");
    fill(Text1, "10");
    EXPECT_EQ(text(status), "");
    EXPECT_EQ(text(Text7), "9.67");
    d.click(window, Text5);
    d.press(Key::Backspace);
    EXPECT_EQ(text(Text5), "1");
    EXPECT_EQ(text(Text9), "-90");
    EXPECT_TRUE(d.messages().empty());
}

struct ForwardRow {
    const char *name;
    ControlId from;
    enum How { Tab, ShiftTab, Click } how;
    ControlId clicked;
    ControlId lands;
};

void PrintTo(const ForwardRow &row, std::ostream *os) { *os << row.name; }

class Forwarding : public Calculator, public testing::WithParamInterface<ForwardRow> {};

// The two totals between inputs pass the focus on in the direction it was
// going; by the keyboard, the field it lands in is selected, as Tab selects.
TEST_P(Forwarding, PassesTheFocusOnInItsDirection)
{
    const ForwardRow &row = GetParam();
    fill(Text1, "10");
    fill(Text2, "5");
    fill(Text5, "12");
    d.click(window, row.from);
    ASSERT_EQ(d.focus(window), row.from);
    if (row.how == ForwardRow::Click)
        d.click(window, row.clicked);
    else
        d.press(row.how == ForwardRow::Tab ? Key::Tab : Key::ShiftTab);
    EXPECT_EQ(d.focus(window), row.lands);
    if (row.how != ForwardRow::Click) {
        const auto length = static_cast<int>(text(row.lands).size());
        EXPECT_EQ(d.selection(window, row.lands), (Selection{0, length}));
    }
    EXPECT_TRUE(d.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Forwarding,
    testing::Values(ForwardRow{"tab_past_total_cost", Text2, ForwardRow::Tab, kNoControl, Text5},
                    ForwardRow{"shift_tab_past_total_cost", Text4, ForwardRow::ShiftTab, kNoControl, Text2},
                    ForwardRow{"click_on_total_cost", Text1, ForwardRow::Click, Text3, Text5},
                    ForwardRow{"tab_past_profit", Text6, ForwardRow::Tab, kNoControl, Text9},
                    ForwardRow{"shift_tab_past_profit", Text8, ForwardRow::ShiftTab, kNoControl, Text6},
                    ForwardRow{"click_on_profit", Text1, ForwardRow::Click, Text7, Text9},
                    ForwardRow{"tab_wraps_round", Text9, ForwardRow::Tab, kNoControl, Text1},
                    ForwardRow{"shift_tab_wraps_round", Text1, ForwardRow::ShiftTab, kNoControl, Text9}),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(Calculator, TabAndShiftTabTourTheWindowPastTheTotals)
{
    std::vector<std::string> forwards, backwards;
    for (int i = 0; i < 5; ++i) {
        d.press(Key::Tab);
        forwards.emplace_back(definition().control(d.focus(window)).name);
    }
    for (int i = 0; i < 9; ++i) {
        d.press(Key::ShiftTab);
        backwards.emplace_back(definition().control(d.focus(window)).name);
    }
    EXPECT_EQ(forwards, (std::vector<std::string>{"Text2", "Text5", "Text6", "Text9", "Text1"}));
    EXPECT_EQ(backwards, (std::vector<std::string>{"Text9", "Command2", "Text8", "Text6", "Text5", "Text4", "Text2",
                                                   "Text1", "Text9"}));
}

// Sent back past Total buying Price, the quantity is selected: a digit typed replaces it.
TEST_F(Calculator, TypingAfterShiftTabPastTheTotalReplacesTheQuantity)
{
    fill(Text1, "10");
    fill(Text2, "5");
    d.click(window, Text4);
    d.press(Key::ShiftTab);
    ASSERT_EQ(d.focus(window), Text2);
    d.type("7");
    EXPECT_EQ(text(Text2), "7");
    EXPECT_EQ(text(Text3), "70.21");
}

struct ZeroRow {
    ControlId field;
    const char *message;
    bool byClick;            // else by Tab
    const char *zero = "0";  // a zero in the digits of the user's layout is "0" all the same
    const char *script = "";
};

void PrintTo(const ZeroRow &row, std::ostream *os)
{
    *os << definition().control(row.field).name << (row.byClick ? " left by a click" : " left by Tab")
        << row.script;
}

class ZeroCheck : public Calculator, public testing::WithParamInterface<ZeroRow> {};

TEST_P(ZeroCheck, KeepsTheFocusAndSaysWhyOnce)
{
    const ZeroRow &row = GetParam();
    fill(Text1, "10");
    fill(Text2, "5");
    fill(row.field, row.zero);
    if (row.byClick)
        d.click(window, row.field == Text1 ? Text2 : Text1);
    else
        d.press(Key::Tab);
    EXPECT_EQ(d.messages(), (std::vector<std::string>{row.message}));
    EXPECT_EQ(d.focus(window), row.field);
    EXPECT_EQ(text(row.field), row.zero);
}

INSTANTIATE_TEST_SUITE_P(Fields, ZeroCheck,
                         testing::Values(ZeroRow{Text1, "Buying Price should not be zero", false},
                                         ZeroRow{Text1, "Buying Price should not be zero", true},
                                         ZeroRow{Text2, "Quantity should not be zero", false},
                                         ZeroRow{Text2, "Quantity should not be zero", true},
                                         ZeroRow{Text5, "Selling Price should not be zero", false},
                                         ZeroRow{Text5, "Selling Price should not be zero", true},
                                         ZeroRow{Text2, "Quantity should not be zero", false, "\xD9\xA0", " in Arabic-Indic"},
                                         ZeroRow{Text1, "Buying Price should not be zero", true, "\xDB\xB0", " in Persian"},
                                         ZeroRow{Text2, "Quantity should not be zero", true, "\xE0\xA5\xA6", " in Devanagari"},
                                         ZeroRow{Text5, "Selling Price should not be zero", false, "\xE0\xA7\xA6", " in Bengali"},
                                         ZeroRow{Text2, "Quantity should not be zero", false, "\xEF\xBC\x90", " in full width"}));

TEST_F(Calculator, OnlyTheTextZeroItselfIsRefused)
{
    // The same in Arabic-Indic digits, and the Tamil ten that the Tamil layout types on its 0 key.
    for (const char *passes : {"0.0", "00", " 0", "", "\xD9\xA0\xD9\xAB\xD9\xA0", "\xD9\xA0\xD9\xA0", "\xE0\xAF\xB0"}) {
        fill(Text2, passes);
        d.press(Key::Tab);
        EXPECT_EQ(d.focus(window), Text5) << passes;
    }
    EXPECT_TRUE(d.messages().empty());
}

TEST_F(Calculator, TwoZeroFieldsDoNotTakeTheFocusFromEachOtherForEver)
{
    fill(Text1, "0");
    d.click(window, Text2); // refused: back to Buying Price, with its message
    ASSERT_EQ(d.focus(window), Text1);
    d.click(window, Text5);
    fill(Text2, "0");
    d.click(window, Text1);
    EXPECT_EQ(d.messages().size(), 3u);
    const ControlId focused = d.focus(window);
    EXPECT_TRUE(focused == Text1 || focused == Text2) << focused;
}

// The press that would move the focus from a zero field to the button is refused with the focus.
TEST_F(Calculator, AClickOnTheRateButtonFromAZeroFieldDoesNotPressIt)
{
    fill(Text1, "0");
    d.click(window, Command2);
    EXPECT_EQ(d.messages(), (std::vector<std::string>{"Buying Price should not be zero"}));
    EXPECT_EQ(d.focus(window), Text1);
    EXPECT_EQ(text(Command2), "Change Brokerage %");
    EXPECT_TRUE(d.locked(window, Text8));
}

// Locked and grey, open and the window colour, locked again and the
// inactive caption text colour, each as the colour rule shows it on this
// desktop; the caption the only record of the state.
TEST_F(Calculator, TheRateButtonShowsThreeLooksAndTheEditStays)
{
    const Look loaded = d.look(window, Text8);
    EXPECT_EQ(loaded, d.scheme().control(definition(), Text8, 0x00E0E0E0, true));
    d.click(window, Command2);
    EXPECT_FALSE(d.locked(window, Text8));
    const Look open = d.look(window, Text8);
    EXPECT_EQ(open, d.scheme().control(definition(), Text8, 0x80000005u, false));
    EXPECT_EQ(text(Command2), "OK");
    EXPECT_EQ(text(status), "Brokerage rate open for editing");
    fill(Text8, "0.5");
    fill(Text1, "10");
    fill(Text2, "5");
    EXPECT_EQ(text(Text3), "50.25");
    d.click(window, Command2);
    EXPECT_TRUE(d.locked(window, Text8));
    const Look lockedAgain = d.look(window, Text8);
    EXPECT_EQ(lockedAgain, d.scheme().control(definition(), Text8, 0x80000013u, true));
    EXPECT_NE(loaded, open);
    EXPECT_NE(open, lockedAgain);
    EXPECT_NE(loaded, lockedAgain);
    EXPECT_EQ(text(Command2), "Change brokerage %");
    EXPECT_EQ(text(status), "Brokerage rate locked");
    EXPECT_EQ(text(Text8), "0.5");
    d.click(window, Command2);
    EXPECT_FALSE(d.locked(window, Text8));
    EXPECT_EQ(text(Command2), "OK");
}

TEST_F(Calculator, EscapePressesTheRateButtonAndSoDoesEnterOnIt)
{
    d.press(Key::Enter);
    EXPECT_EQ(text(Command2), "Change Brokerage %") << "Enter in a field presses nothing";
    d.press(Key::Escape);
    EXPECT_EQ(text(Command2), "OK");
    d.click(window, Text8);
    d.press(Key::Tab);
    ASSERT_EQ(d.focus(window), Command2);
    d.press(Key::Enter);
    EXPECT_EQ(text(Command2), "Change brokerage %");
    d.press(Key::Space);
    EXPECT_EQ(text(Command2), "OK");
}

TEST_F(Calculator, CopiesTheWholeTradeForASpreadsheet)
{
    fill(Text1, "10");
    fill(Text2, "5");
    fill(Text5, "12");
    d.press(Key::CtrlShiftC);
    EXPECT_EQ(d.clipboard(), "Buying Price\t10\n"
                             "Quantity\t5\n"
                             "Brokerage %\t0.3\n"
                             "Total buying Price including Brokerage\t50.15\n"
                             "Req.Bank Balace\t8.35833333333333\n"
                             "Selling Price\t12\n"
                             "Total Selling Amount Including Brokerage\t59.82\n"
                             "Profit / Loss\t9.67\n"
                             "Change in Price %\t20\n"
                             "Break-even Selling Price\t10.0601805416249\n");
    EXPECT_EQ(text(Text5), "12");
    EXPECT_EQ(d.focus(window), Text5);
}

TEST_F(Calculator, HelpAndAboutOpenModallyAndReturnToUnchangedFields)
{
    fill(Text1, "10");
    fill(Text2, "5");
    for (ControlId item : {help, aboutkelvastro}) {
        const Driver::Modal modal = d.whileModal([&] { d.click(window, item); },
                                                 [&](Form &) { d.press(Key::Escape); });
        ASSERT_NE(modal.form, nullptr);
        EXPECT_FALSE(modal.leftOpen) << definition().control(item).name;
        EXPECT_FALSE(modal.callerTookInput);
    }
    EXPECT_EQ(text(Text1), "10");
    EXPECT_EQ(text(Text3), "50.15");
    EXPECT_EQ(d.focus(window), Text2);
    EXPECT_TRUE(d.messages().empty());
}

TEST_F(Calculator, ExitEndsTheProgramAtOnce)
{
    d.click(window, Exit);
    EXPECT_TRUE(d.ended());
}

TEST_F(Calculator, TheCloseBoxEndsTheProgram)
{
    d.closeBox(window);
    EXPECT_TRUE(d.ended());
}

} // namespace
