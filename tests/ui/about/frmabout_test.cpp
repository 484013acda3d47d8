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

} // namespace
