// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/testing/fakeformsservices.h"
#include "platform/testing/fakesystemservices.h"
#include "ui/about/frmabout.h"
#include "ui/about/frmaboutdefinition.h"

#include <gtest/gtest.h>

using namespace kelvastro;
using namespace kelvastro::about;

namespace {

struct VersionCase {
    const char *name;
    ApplicationInfo app;
    const char *caption, *version;
};

void PrintTo(const VersionCase &c, std::ostream *os) { *os << c.name; }

class AboutLoad : public testing::TestWithParam<VersionCase> {};

TEST_P(AboutLoad, WritesTitleAndVersionAtEveryOpening)
{
    const VersionCase &c = GetParam();
    FakeFormsServices forms(c.app);
    FakeSystemServices system;
    frmAbout about(forms, system);
    for (int opening = 0; opening < 2; ++opening) {
        forms.showModalWith(about, [&](Form &shown) {
            EXPECT_EQ(forms.caption(shown), c.caption);
            EXPECT_EQ(forms.text(shown, lblVersion), c.version);
            EXPECT_EQ(forms.text(shown, lblTitle), c.app.title);
            EXPECT_EQ(forms.focusName(shown), "cmdOK");
            forms.view(shown).setText(lblVersion, "left over");
            forms.click(shown, cmdOK);
        });
    }
    EXPECT_TRUE(forms.faults.empty());
}

INSTANTIATE_TEST_SUITE_P(Versions, AboutLoad,
                         testing::Values(VersionCase{"this_program", {"Kelvastro", 1, 0, 0}, "About Kelvastro",
                                                     "Version 1.0.0"},
                                         VersionCase{"several_digits", {"Other", 2, 10, 304}, "About Other",
                                                     "Version 2.10.304"}),
                         [](const auto &row) { return std::string(row.param.name); });

} // namespace
