// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard rules every front end takes from the form layer: shortcuts,
// access keys, Tab, Enter and Escape, and the close box.
#include "platform/forms/formview.h"
#include "platform/forms/keystroke.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

using namespace kelvastro;

namespace {

TEST(Shortcut, ParsesModifiersAndOneKey)
{
    EXPECT_EQ(parseShortcut("Ctrl+Shift+C"), (KeyChord{true, true, false, U'C'}));
    EXPECT_EQ(parseShortcut("Alt+x"), (KeyChord{false, false, true, U'X'}));
    EXPECT_EQ(parseShortcut("Ctrl++"), (KeyChord{true, false, false, U'+'}));
    EXPECT_EQ(parseShortcut("F"), (KeyChord{false, false, false, U'F'}));
    for (std::string_view bad : {"", "Ctrl+", "Ctrl+F10", "Meta+C", "Ctrl+Shift+"})
        EXPECT_FALSE(parseShortcut(bad)) << bad;
}

TEST(AccessKey, IsTheLetterAfterASingleAmpersand)
{
    EXPECT_EQ(accessKey("&System Info..."), U'S');
    EXPECT_EQ(accessKey("Save &as"), U'A');
    EXPECT_EQ(accessKey("Fish && &Chips"), U'C');
    EXPECT_EQ(accessKey("Fish && Chips"), 0u);
    EXPECT_EQ(accessKey("Trailing &"), 0u);
    EXPECT_EQ(accessKey("Change Brokerage %"), 0u);
}

using K = ControlKind;

constexpr std::array kControls{
    ControlDef{.name = "field", .kind = K::TextBox, .tabIndex = 0},
    ControlDef{.name = "ok", .kind = K::Button, .caption = "OK", .tabIndex = 1, .isDefault = true},
    ControlDef{.name = "info", .kind = K::Button, .caption = "&Info", .tabIndex = 2},
    ControlDef{.name = "cancel", .kind = K::Button, .caption = "&Cancel", .tabIndex = 3, .isCancel = true},
    ControlDef{.name = "copy", .kind = K::Command, .shortcut = "Ctrl+Shift+C"},
};
constexpr FormDefinition kDialog{.name = "dialog", .controls = kControls};

// What the rule needs of a window: where the focus is and the captions.
class StillView final : public FormView {
public:
    explicit StillView(ControlId focused) : m_focus(focused) {}
    std::string text(ControlId id) const override { return std::string(kControls[id].caption); }
    void setText(ControlId, std::string_view) override {}
    void setCaption(std::string_view) override {}
    void setLocked(ControlId, bool) override {}
    void setBackColor(ControlId, OleColor) override {}
    void setFocus(ControlId, FocusCause) override {}
    ControlId focus() const override { return m_focus; }

private:
    ControlId m_focus;
};

struct KeyRow {
    const char *name;
    ControlId focused;
    KeyStroke stroke;
    KeyOutcome outcome;
};

void PrintTo(const KeyRow &row, std::ostream *os) { *os << row.name; }

class KeyRules : public testing::TestWithParam<KeyRow> {};

TEST_P(KeyRules, DecideWhatAKeyDoesBeforeTheControlSeesIt)
{
    const KeyRow &row = GetParam();
    const auto commands = commandKeys(kDialog);
    const StillView view(row.focused);
    EXPECT_EQ(keyOutcome(kDialog, commands, view, row.stroke), row.outcome);
}

using Key = KeyStroke::Key;
using Kind = KeyOutcome::Kind;

INSTANTIATE_TEST_SUITE_P(
    Rows, KeyRules,
    testing::Values(
        KeyRow{"tab_steps_on", 0, {Key::Tab}, {Kind::MoveFocus, 1, FocusCause::Tab}},
        KeyRow{"shift_tab_wraps_back", 0, {Key::Tab, 0, false, true}, {Kind::MoveFocus, 3, FocusCause::ShiftTab}},
        KeyRow{"ctrl_tab_is_left_alone", 0, {Key::Tab, 0, true}, {}},
        KeyRow{"enter_in_a_field_presses_the_default", 0, {Key::Enter}, {Kind::Press, 1}},
        KeyRow{"enter_on_a_button_presses_it", 2, {Key::Enter}, {Kind::Press, 2}},
        KeyRow{"escape_presses_the_cancel_button", 2, {Key::Escape}, {Kind::Press, 3}},
        KeyRow{"alt_and_the_marked_letter", 0, {Key::Character, U'i', false, false, true}, {Kind::Press, 2}},
        KeyRow{"the_marked_letter_on_a_button", 1, {Key::Character, U'c'}, {Kind::Press, 3}},
        KeyRow{"the_marked_letter_in_a_field_types_it", 0, {Key::Character, U'c'}, {}},
        KeyRow{"ctrl_and_the_marked_letter_is_no_access_key", 1, {Key::Character, U'i', true}, {}},
        KeyRow{"the_command_shortcut", 0, {Key::Character, U'c', true, true}, {Kind::Press, 4}},
        KeyRow{"the_command_shortcut_needs_every_modifier", 0, {Key::Character, U'c', true}, {}},
        KeyRow{"an_unmarked_letter_on_a_button", 1, {Key::Character, U'x'}, {}},
        KeyRow{"other_keys_go_on", 0, {Key::Other}, {}}),
    [](const auto &row) { return std::string(row.param.name); });

TEST(KeyRules, EnterAndEscapeWithNoButtonAreConsumed)
{
    static constexpr std::array fields{ControlDef{.name = "a", .kind = K::TextBox, .tabIndex = 0}};
    static constexpr FormDefinition plain{.name = "plain", .controls = fields};
    const StillView view(0);
    EXPECT_EQ(keyOutcome(plain, {}, view, {Key::Enter}), (KeyOutcome{Kind::Consumed}));
    EXPECT_EQ(keyOutcome(plain, {}, view, {Key::Escape}), (KeyOutcome{Kind::Consumed}));
}

TEST(CloseBox, EndsTheMainWindowPressesCancelElseUnloads)
{
    EXPECT_EQ(closeAction(kDialog), (CloseAction{CloseAction::Kind::Press, 3}));
    constexpr FormDefinition main{.name = "main", .startUp = true, .controls = kControls};
    EXPECT_EQ(closeAction(main), (CloseAction{CloseAction::Kind::EndProgram}));
    static constexpr std::array noCancel{ControlDef{.name = "ok", .kind = K::Button, .isDefault = true}};
    static constexpr FormDefinition plain{.name = "plain", .controls = noCancel};
    EXPECT_EQ(closeAction(plain), (CloseAction{CloseAction::Kind::Unload}));
}

} // namespace
