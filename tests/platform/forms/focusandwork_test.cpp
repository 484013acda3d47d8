// SPDX-License-Identifier: GPL-3.0-or-later
// The causes a focus event carries, the text-box text rule, and posted work
// tied to its form: the parts of the contract written once for all front ends.
#include "platform/forms/focuscause.h"
#include "platform/forms/form.h"
#include "platform/forms/postedwork.h"
#include "platform/forms/textboxtexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kelvastro;

namespace {

struct CauseRow {
    FocusOrigin origin;
    bool inWindow;
    std::optional<FocusCause> requested;
    FocusCause expected;
};

TEST(FocusCause, OtherWindowsWinThenTheRequestThenTheToolkitsOwn)
{
    using O = FocusOrigin;
    using C = FocusCause;
    for (const CauseRow &row : {
             CauseRow{O::Tab, true, {}, C::Tab},
             CauseRow{O::ShiftTab, true, {}, C::ShiftTab},
             CauseRow{O::Click, true, {}, C::Click},
             CauseRow{O::Other, true, {}, C::Program},
             CauseRow{O::Other, true, C::ShiftTab, C::ShiftTab}, // a handler forwarding backwards
             CauseRow{O::Tab, true, C::Program, C::Program},
             CauseRow{O::Click, false, {}, C::OtherWindow},      // into another window of the program
             CauseRow{O::Other, false, C::Tab, C::OtherWindow},  // a message box took it
             CauseRow{O::Activation, true, {}, C::OtherWindow},
             CauseRow{O::Popup, true, C::Tab, C::OtherWindow},
             CauseRow{O::MenuBar, true, {}, C::OtherWindow},
         })
        EXPECT_EQ(focusCause(row.origin, row.inWindow, row.requested), row.expected)
            << static_cast<int>(row.origin) << " " << row.inWindow;
}

// A toolkit stand-in: its control echoes what it is given, as Qt and Win32 do.
struct Toolkit {
    TextBoxTexts<Toolkit> *texts = nullptr;
    std::string shown;
    bool focused = false;
    bool fromStart = false;
    std::vector<ControlId> changes;
    std::size_t maxLength = 100;

    void showText(ControlId id, std::string_view text)
    {
        shown = std::string(text.substr(0, maxLength));
        texts->changed(id, shown);
    }
    bool holdsFocus(ControlId) const { return focused; }
    void showFromStart(ControlId) { fromStart = true; }
    void raiseTextChanged(ControlId id) { changes.push_back(id); }
};

TEST(TextBoxTexts, AWriteThatChangesNothingRaisesNothing)
{
    Toolkit toolkit;
    TextBoxTexts<Toolkit> texts(toolkit, 2);
    toolkit.texts = &texts;
    texts.write(1, "50.15");
    texts.write(1, "50.15");
    EXPECT_EQ(toolkit.changes, (std::vector<ControlId>{1}));
    EXPECT_EQ(texts.text(1), "50.15");
    texts.changed(1, "50.15"); // the toolkit repeating itself
    EXPECT_EQ(toolkit.changes.size(), 1u);
    texts.changed(1, "50.1"); // typed
    EXPECT_EQ(toolkit.changes.size(), 2u);
}

TEST(TextBoxTexts, KeepsWhatTheControlTookAndShowsResultsFromTheStart)
{
    Toolkit toolkit;
    toolkit.maxLength = 3;
    TextBoxTexts<Toolkit> texts(toolkit, 1);
    toolkit.texts = &texts;
    texts.write(0, "12345");
    EXPECT_EQ(texts.text(0), "123");
    EXPECT_TRUE(toolkit.fromStart);
    toolkit.fromStart = false;
    toolkit.focused = true;
    texts.write(0, "9");
    EXPECT_FALSE(toolkit.fromStart) << "the user's own caret stays";
}

constexpr FormDefinition kEmpty{.name = "empty"};

class Idle final : public Form {
public:
    explicit Idle(FormsServices &services) : Form(services, kEmpty) {}
    void handle(const FormEvent &) override {}
};

class NoServices final : public FormsServices {
public:
    FormView &view(Form &) override { std::abort(); }
    void release(Form &) override {}
    void show(Form &) override {}
    void showModal(Form &) override {}
    void unload(Form &) override {}
    void post(Form &, std::function<void()>) override {}
    void showMessage(std::string_view) override {}
    void copyToClipboard(std::string_view) override {}
    void endProgram() override {}
    ApplicationInfo application() const override { return {}; }
};

TEST(PostedWork, RunsInOrderAndNeverForAFormThatWent)
{
    NoServices services;
    Idle a(services), b(services);
    PostedWork work;
    std::vector<std::string> ran;
    work.post(a, [&] { ran.emplace_back("a1"); });
    work.post(b, [&] { ran.emplace_back("b1"); });
    work.post(a, [&] {
        ran.emplace_back("a2");
        work.post(a, [&] { ran.emplace_back("a3"); }); // posted from posted work: after the rest
    });
    work.post(b, [&] { ran.emplace_back("b2"); });
    ASSERT_TRUE(work.runNext());
    work.drop(b);
    while (work.runNext()) {
    }
    EXPECT_EQ(ran, (std::vector<std::string>{"a1", "a2", "a3"}));
    EXPECT_TRUE(work.empty());
}

} // namespace
