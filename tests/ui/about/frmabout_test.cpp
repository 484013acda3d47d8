// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/testing/fakeformsservices.h"
#include "platform/testing/fakesystemservices.h"
#include "platform/testing/memoryregistry.h"
#include "ui/about/frmabout.h"
#include "ui/about/frmaboutdefinition.h"

#include <gtest/gtest.h>

using namespace kelvastro;
using namespace kelvastro::about;

namespace {

const std::string kPathKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";

class AboutWindow : public testing::Test {
protected:
    AboutWindow() { system.registryToUse = &registry; }
    void TearDown() override
    {
        for (const auto &fault : forms.faults)
            ADD_FAILURE() << fault;
    }
    bool afterShowing(const std::function<void(Form &)> &user) { return forms.showModalWith(window, user); }

    FakeFormsServices forms;
    FakeSystemServices system;
    MemoryRegistry registry;
    frmAbout window{forms, system};
};

struct VersionCase {
    const char *name;
    ApplicationInfo app;
    const char *caption, *version;
};

void PrintTo(const VersionCase &c, std::ostream *os) { *os << c.name; }

class AboutLoad : public AboutWindow, public testing::WithParamInterface<VersionCase> {};

TEST_P(AboutLoad, WritesTitleAndVersionAtEveryOpening)
{
    const VersionCase &c = GetParam();
    forms.app = c.app;
    for (int opening = 0; opening < 2; ++opening) {
        afterShowing([&](Form &shown) {
            EXPECT_EQ(forms.caption(shown), c.caption);
            EXPECT_EQ(forms.text(shown, lblVersion), c.version);
            EXPECT_EQ(forms.text(shown, lblTitle), c.app.title);
            EXPECT_EQ(forms.accessibleName(shown), std::string(c.caption) + ", " + c.version + ". Happy Trading");
            EXPECT_EQ(forms.focusName(shown), "cmdOK");
            forms.view(shown).setText(lblVersion, "left over");
            forms.click(shown, cmdOK);
        });
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, AboutLoad,
                         testing::Values(VersionCase{"this_program", {"Kelvastro", 1, 0, 0}, "About Kelvastro",
                                                     "Version 1.0.0"},
                                         VersionCase{"several_digits", {"Other", 2, 10, 304}, "About Other",
                                                     "Version 2.10.304"}),
                         [](const auto &row) { return std::string(row.param.name); });

struct CloseCase {
    const char *name;
    ControlId focus;
    char32_t key; // 0: click the button
    bool closes;
    bool searches;
};

void PrintTo(const CloseCase &c, std::ostream *os) { *os << c.name; }

class AboutKeys : public AboutWindow, public testing::WithParamInterface<CloseCase> {};

TEST_P(AboutKeys, CloseOrSearch)
{
    const CloseCase &c = GetParam();
    const bool open = afterShowing([&](Form &shown) {
        if (c.focus == cmdSysInfo)
            forms.click(shown, cmdSysInfo);
        if (c.key)
            forms.pressKey(shown, c.key);
        else
            forms.click(shown, c.focus);
    });
    EXPECT_EQ(!open, c.closes);
    EXPECT_EQ(!forms.messages.empty(), c.searches); // nothing to find: the message shows
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutKeys,
                         testing::Values(CloseCase{"ok_button", cmdOK, 0, true, false},
                                         CloseCase{"escape", cmdOK, U'\x1B', true, false},
                                         CloseCase{"escape_on_sysinfo", cmdSysInfo, U'\x1B', true, true},
                                         CloseCase{"enter_on_ok", cmdOK, U'\r', true, false},
                                         CloseCase{"enter_on_sysinfo", cmdSysInfo, U'\r', false, true}),
                         [](const auto &row) { return std::string(row.param.name); });

TEST_F(AboutWindow, FoundToolStartsAndTheWindowStaysOpen)
{
    registry.setString(kPathKey, "PATH", "C:\\Tools\\MSINFO32.EXE");
    system.startablePrograms.insert("C:\\Tools\\MSINFO32.EXE");
    EXPECT_TRUE(afterShowing([&](Form &shown) { forms.click(shown, cmdSysInfo); }));
    EXPECT_EQ(system.startAttempts, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
    EXPECT_TRUE(forms.messages.empty());
}

TEST_F(AboutWindow, MissingToolShowsTheMessageAndLeavesTheWindowAsItWas)
{
    EXPECT_TRUE(afterShowing([&](Form &shown) {
        forms.click(shown, cmdSysInfo);
        EXPECT_EQ(forms.text(shown, lblTitle), "Kelvastro");
        EXPECT_EQ(forms.focusName(shown), "cmdSysInfo");
    }));
    EXPECT_EQ(forms.messages, std::vector<std::string>{"System Information Is Unavailable At This Time"});
}

} // namespace
