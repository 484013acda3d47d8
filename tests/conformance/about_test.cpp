// SPDX-License-Identifier: GPL-3.0-or-later
// The About window on every front end: its load step, the ways it closes,
// and the keys that start the system-information tool.
#include "platform/testing/fakesystemservices.h"
#include "platform/testing/memoryregistry.h"
#include "tests/conformance/conformance.h"
#include "tests/conformance/probeform.h"
#include "ui/about/frmabout.h"
#include "ui/about/frmaboutdefinition.h"
#include "ui/about/sysinfolauncher.h"

using namespace kelvastro;
using namespace kelvastro::about;
using namespace kelvastro::conformance;

namespace {

constexpr const char *kTool = R"(C:\Tools\msinfo32.exe)";

class About : public Conformance {
protected:
    About()
    {
        system.registryToUse = &registry;
        registry.setString(R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)", "PATH", kTool);
        system.startablePrograms.insert(kTool);
        d.start(main);
        main.react = [this](const FormEvent &e) {
            if (e.kind == EventKind::Click && e.control == ProbeForm::okButton)
                main.formServices().showModal(about);
        };
    }
    Driver::Modal opened(const std::function<void(Form &)> &user)
    {
        const Driver::Modal modal = d.whileModal([&] { d.click(main, ProbeForm::okButton); }, user);
        EXPECT_EQ(modal.form, &about);
        return modal;
    }

    FakeSystemServices system;
    MemoryRegistry registry;
    ProbeForm main{d.forms()};
    frmAbout about{d.forms(), system};
};

TEST_F(About, LoadsTheTitleAndVersionAtEveryOpening)
{
    for (int opening = 0; opening < 2; ++opening) {
        opened([&](Form &shown) {
            EXPECT_EQ(d.caption(shown), "About Kelvastro");
            EXPECT_EQ(d.text(shown, lblTitle), "Kelvastro");
            EXPECT_EQ(d.text(shown, lblVersion), "Version 1.0.0");
            EXPECT_EQ(d.focus(shown), cmdOK);
            d.forms().view(shown).setText(lblVersion, "left over");
            d.click(shown, cmdOK);
        });
    }
}

struct CloseRow {
    const char *name;
    std::function<void(Driver &, Form &)> close;
};

void PrintTo(const CloseRow &row, std::ostream *os) { *os << row.name; }

class AboutCloses : public About, public testing::WithParamInterface<CloseRow> {};

TEST_P(AboutCloses, AndTheCallerHasItsFocusBack)
{
    const Driver::Modal modal = opened([&](Form &shown) { GetParam().close(d, shown); });
    EXPECT_FALSE(modal.leftOpen);
    EXPECT_FALSE(modal.callerTookInput);
    EXPECT_TRUE(system.startAttempts.empty());
    EXPECT_EQ(d.focus(main), ProbeForm::okButton);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutCloses,
    testing::Values(CloseRow{"ok_button", [](Driver &d, Form &f) { d.click(f, cmdOK); }},
                    CloseRow{"enter_on_ok", [](Driver &d, Form &) { d.press(Key::Enter); }},
                    CloseRow{"escape", [](Driver &d, Form &) { d.press(Key::Escape); }},
                    CloseRow{"escape_from_system_info", [](Driver &d, Form &) {
                                 d.press(Key::Tab);
                                 d.press(Key::Escape);
                             }},
                    CloseRow{"close_box", [](Driver &d, Form &f) { d.closeBox(f); }}),
    [](const auto &row) { return std::string(row.param.name); });

struct StartRow {
    const char *name;
    std::function<void(Driver &, Form &)> start;
};

void PrintTo(const StartRow &row, std::ostream *os) { *os << row.name; }

class AboutStarts : public About, public testing::WithParamInterface<StartRow> {};

TEST_P(AboutStarts, TheToolAndStaysOpen)
{
    const Driver::Modal modal = opened([&](Form &shown) { GetParam().start(d, shown); });
    EXPECT_TRUE(modal.leftOpen);
    EXPECT_EQ(system.startAttempts, (std::vector<std::string>{kTool}));
    EXPECT_TRUE(d.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutStarts,
    testing::Values(StartRow{"click", [](Driver &d, Form &f) { d.click(f, cmdSysInfo); }},
                    StartRow{"alt_and_its_access_key", [](Driver &d, Form &) { d.press(Key::AltS); }},
                    StartRow{"enter_on_it", [](Driver &d, Form &) {
                                 d.press(Key::Tab);
                                 d.press(Key::Enter);
                             }}),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(About, SaysSoWhenTheToolCannotBeStarted)
{
    system.startablePrograms.clear();
    const Driver::Modal modal = opened([&](Form &shown) { d.click(shown, cmdSysInfo); });
    EXPECT_TRUE(modal.leftOpen);
    EXPECT_EQ(d.messages(), (std::vector<std::string>{SysInfoLauncher::UnavailableMessage}));
}

} // namespace
