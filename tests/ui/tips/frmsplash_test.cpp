// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/testing/fakeformsservices.h"
#include "ui/tips/frmsplash.h"
#include "ui/tips/frmsplashdefinition.h"

#include <gtest/gtest.h>

using namespace kelvastro;
using namespace kelvastro::tips;

namespace {

class TipsWindow : public testing::Test {
protected:
    bool afterShowing(const std::function<void(Form &)> &user) { return forms.showModalWith(tips, user); }

    FakeFormsServices forms;
    frmSplash tips{forms};
};

struct KeyCase {
    const char *name;
    char32_t character;
    bool closes;
};

void PrintTo(const KeyCase &c, std::ostream *os) { *os << c.name; }

class TipsKey : public TipsWindow, public testing::WithParamInterface<KeyCase> {};

TEST_P(TipsKey, ClosesOnlyOnAKeyThatTypes)
{
    const KeyCase &c = GetParam();
    EXPECT_EQ(afterShowing([&](Form &shown) { forms.pressKey(shown, c.character); }), !c.closes);
    EXPECT_TRUE(forms.faults.empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, TipsKey,
                         testing::Values(KeyCase{"enter", U'\r', true}, KeyCase{"escape", U'\x1B', true},
                                         KeyCase{"letter", U'a', true}, KeyCase{"digit", U'7', true},
                                         KeyCase{"space", U' ', true}, KeyCase{"backspace", U'\b', true},
                                         KeyCase{"accented_letter", U'\u00E9', true},
                                         KeyCase{"letter_beyond_the_basic_plane", U'\U0001D400', true},
                                         KeyCase{"arrow_or_function_key", 0, false},
                                         KeyCase{"delete", U'\x7F', false}, KeyCase{"ctrl_c", U'\x03', false},
                                         KeyCase{"tab", U'\t', false}, KeyCase{"c1_control", U'\u009B', false}),
                         [](const auto &row) { return std::string(row.param.name); });

} // namespace
