// SPDX-License-Identifier: GPL-3.0-or-later
// The Tips window on every front end: a key that types closes it, any other
// key does not; a click on the panel closes it, one on a label or on the
// border does not.
#include "tests/conformance/conformance.h"
#include "tests/conformance/probeform.h"
#include "ui/tips/frmsplash.h"
#include "ui/tips/frmsplashdefinition.h"

#include <variant>

using namespace kelvastro;
using namespace kelvastro::conformance;
using namespace kelvastro::tips;

namespace {

// The Tips window opened from a main window, as the calculator opens it.
class Tips : public Conformance {
protected:
    Tips()
    {
        d.start(main);
        main.react = [this](const FormEvent &e) {
            if (e.kind == EventKind::Click && e.control == ProbeForm::okButton)
                main.formServices().showModal(tips);
        };
    }
    // Opens the window, lets `user` act in it, and says whether it stayed open.
    bool staysOpen(const std::function<void(Form &)> &user)
    {
        const Driver::Modal modal = d.whileModal([&] { d.click(main, ProbeForm::okButton); }, user);
        EXPECT_EQ(modal.form, &tips);
        return modal.leftOpen;
    }

    ProbeForm main{d.forms()};
    frmSplash tips{d.forms()};
};

struct KeyRow {
    const char *name;
    std::variant<Key, const char *> key; // a key, or a character typed
    bool closes;
};

void PrintTo(const KeyRow &row, std::ostream *os) { *os << row.name; }

class TipsKey : public Tips, public testing::WithParamInterface<KeyRow> {};

TEST_P(TipsKey, ClosesOnlyOnAKeyThatTypes)
{
    const KeyRow &row = GetParam();
    const bool open = staysOpen([&](Form &) {
        if (const Key *key = std::get_if<Key>(&row.key))
            d.press(*key);
        else
            d.type(std::get<const char *>(row.key));
    });
    EXPECT_EQ(open, !row.closes);
    EXPECT_TRUE(d.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TipsKey,
    testing::Values(KeyRow{"letter", "x", true}, KeyRow{"digit", "7", true},
                    KeyRow{"accented_letter", "\xC3\xA9", true},
                    KeyRow{"letter_beyond_the_basic_plane", "\xF0\x9D\x90\x80", true},
                    KeyRow{"enter", Key::Enter, true}, KeyRow{"escape", Key::Escape, true},
                    KeyRow{"space", Key::Space, true}, KeyRow{"backspace", Key::Backspace, true},
                    KeyRow{"arrow", Key::Left, false}, KeyRow{"function_key", Key::F2, false},
                    KeyRow{"delete", Key::Delete, false}, KeyRow{"ctrl_and_a_letter", Key::CtrlA, false},
                    KeyRow{"tab", Key::Tab, false}, KeyRow{"lone_surrogate", Key::LoneSurrogate, false}),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(Tips, AClickOnThePanelCloses)
{
    EXPECT_FALSE(staysOpen([&](Form &shown) { d.click(shown, Frame1); }));
}

TEST_F(Tips, AClickOnALabelOrOnTheBorderDoesNothing)
{
    for (ControlId label : {Label3, Label2, Label1, lblVersion, lblCopyright, lblLicenseTo})
        EXPECT_TRUE(staysOpen([&](Form &shown) { d.click(shown, label); })) << definition().control(label).name;
    EXPECT_TRUE(staysOpen([&](Form &shown) { d.click(shown, kNoControl); })) << "the border";
}

TEST_F(Tips, EveryOpeningShowsTheDefinedTextsAndTheCallerWaits)
{
    for (int opening = 0; opening < 2; ++opening) {
        const Driver::Modal modal = d.whileModal([&] { d.click(main, ProbeForm::okButton); },
                                                 [&](Form &shown) {
                                                     EXPECT_EQ(d.text(shown, lblVersion), "Kelvastro v 1.0");
                                                     EXPECT_EQ(d.text(shown, Label1), "");
                                                     EXPECT_EQ(d.caption(shown), "");
                                                     EXPECT_EQ(d.focus(shown), kNoControl);
                                                     d.type("q");
                                                 });
        EXPECT_FALSE(modal.leftOpen);
        EXPECT_FALSE(modal.callerTookInput);
    }
    EXPECT_EQ(d.focus(main), ProbeForm::okButton);
}

} // namespace
