// SPDX-License-Identifier: GPL-3.0-or-later
// The colour rule on every control of the three windows, in every look they
// take, under a light desktop, a dark one and two high-contrast ones.
#include "platform/forms/colorscheme.h"
#include "ui/about/frmaboutdefinition.h"
#include "ui/calculator/kelvastrodefinition.h"
#include "ui/tips/frmsplashdefinition.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <map>
#include <sstream>
#include <vector>

using namespace kelvastro;

namespace {

std::string hex(Rgb c)
{
    std::ostringstream out;
    out << '#' << std::hex << std::setw(6) << std::setfill('0') << c;
    return out.str();
}

// A desktop as Qt's platform themes hand it over: its palette roles on the
// system colours they stand for, the rest as classic.
SystemPalette desktop(Rgb window, Rgb windowText, Rgb base, Rgb text, Rgb button, Rgb buttonText, Rgb highlight,
                      Rgb highlightText, bool highContrast = false)
{
    SystemPalette p = classicPalette();
    p.colors[4] = window;
    p.colors[5] = base;
    p.colors[7] = windowText;
    p.colors[8] = text;
    p.colors[13] = highlight;
    p.colors[14] = highlightText;
    p.colors[15] = button;
    p.colors[18] = buttonText;
    p.highContrast = highContrast;
    return p;
}

// Windows' High Contrast schemes, as HKCU\Control Panel\Colors holds them.
SystemPalette highContrastBlack()
{
    SystemPalette p = desktop(0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF, 0x1AEBFF, 0x000000);
    p.colors[3] = 0x000000;  // inactive caption
    p.colors[17] = 0x3FF23F; // grey text
    p.colors[19] = 0xFFFFFF; // inactive caption text
    return p;                // no flag: recognised by its colours, as under Wine
}

SystemPalette highContrastWhite()
{
    SystemPalette p = desktop(0xFFFFFF, 0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF, 0x000000, 0x37006E, 0xFFFFFF, true);
    p.colors[3] = 0xFFFFFF;
    p.colors[17] = 0x600000;
    p.colors[19] = 0x000000;
    return p;
}

// Windows 10's default light colours, as GetSysColor gives them.
SystemPalette windows10()
{
    SystemPalette p = desktop(0xF0F0F0, 0x000000, 0xFFFFFF, 0x000000, 0xF0F0F0, 0x000000, 0x0078D7, 0xFFFFFF);
    p.colors[3] = 0xBFCDDB;  // inactive caption
    p.colors[17] = 0x6D6D6D; // grey text
    p.colors[19] = 0x000000; // inactive caption text
    return p;
}

struct Desktop {
    const char *name;
    // cppcheck-suppress unusedStructMember
    SystemPalette palette; // read through GetParam()
};

void PrintTo(const Desktop &d, std::ostream *os) { *os << d.name; }

std::vector<Desktop> desktops()
{
    return {
        {"classic", classicPalette()},
        {"qt_fusion_light", desktop(0xEFEFEF, 0x000000, 0xFFFFFF, 0x000000, 0xEFEFEF, 0x000000, 0x308CC6, 0xFFFFFF)},
        {"windows_10_light", windows10()},
        // Its fields' #FCFCFC reads red at less than designed: the open rate and Quantity share white.
        {"breeze_light", desktop(0xEFF0F1, 0x232627, 0xFCFCFC, 0x232627, 0xFCFCFC, 0x232627, 0x3DAEE9, 0xFCFCFC)},
        {"breeze_dark", desktop(0x31363B, 0xEFF0F1, 0x232629, 0xEFF0F1, 0x31363B, 0xEFF0F1, 0x3DAEE9, 0xEFF0F1)},
        {"adwaita_dark", desktop(0x353535, 0xEEEEEC, 0x2D2D2D, 0xEEEEEC, 0x353535, 0xEEEEEC, 0x15539E, 0xFFFFFF)},
        {"high_contrast_black", highContrastBlack()},
        {"high_contrast_white", highContrastWhite()},
    };
}

const FormDefinition *const kWindows[] = {&calculator::definition(), &tips::definition(), &about::definition()};

// Every look a control takes in its life: as defined, and the rate field's three.
struct Shown {
    std::string what;
    const FormDefinition *form;
    ControlId id;
    OleColor back;
    bool locked;

    OleColor text() const { return foreColorOf(form->control(id)); }
    Look in(const ColorScheme &scheme) const { return scheme.control(*form, id, back, locked); }
};

std::vector<Shown> everything(const FormDefinition *only = nullptr)
{
    std::vector<Shown> all;
    for (const FormDefinition *form : kWindows) {
        if (only && form != only)
            continue;
        for (std::size_t i = 0; i < form->controls.size(); ++i) {
            const auto id = static_cast<ControlId>(i);
            const ControlDef &c = form->control(id);
            if (c.kind == ControlKind::TextBox || c.kind == ControlKind::Label || c.kind == ControlKind::Button)
                all.push_back({std::string(form->name) + "." + std::string(c.name), form, id, backColorOf(c), c.locked});
        }
    }
    if (!only || only == &calculator::definition()) {
        all.push_back({"rate open", &calculator::definition(), calculator::Text8, 0x80000005u, false});
        all.push_back({"rate locked again", &calculator::definition(), calculator::Text8, 0x80000013u, true});
    }
    return all;
}

bool fromThePlatform(const Shown &s) { return isSystemColor(s.text()) || isSystemColor(s.back); }

class EveryDesktop : public testing::TestWithParam<Desktop> {};

TEST_P(EveryDesktop, NoPlatformColourMakesAPairLessReadableThanDesigned)
{
    const ColorScheme scheme(GetParam().palette);
    const ColorScheme design(classicPalette());
    for (const Shown &s : everything()) {
        const Look look = s.in(scheme);
        const double ratio = contrast(look.text, look.back);
        if (scheme.highContrast()) {
            EXPECT_GE(ratio, 4.5) << s.what << ": " << hex(look.text) << " on " << hex(look.back);
            continue;
        }
        const Look designed = s.in(design);
        if (!fromThePlatform(s)) {
            EXPECT_EQ(look, designed) << s.what << ": the definition's own pair stays";
            continue;
        }
        // Red on the window colour is the design's, at 4.0:1; nothing may fall below 4.5 or the design.
        const double wanted = std::min(4.5, contrast(designed.text, designed.back));
        EXPECT_GE(ratio + 1e-9, wanted) << s.what << ": " << hex(look.text) << " on " << hex(look.back);
    }
}

TEST_P(EveryDesktop, TheWindowsOwnTextAndTheSelectionAreReadable)
{
    const ColorScheme scheme(GetParam().palette);
    for (const FormDefinition *form : {&calculator::definition(), &tips::definition(), &about::definition()}) {
        const Look surface = scheme.window(*form);
        EXPECT_GE(contrast(surface.text, surface.back), 4.5) << form->name;
        EXPECT_GE(contrast(scheme.focusRing(*form), surface.back), 3.0) << form->name << ": the focus ring";
    }
    const Look selected = scheme.selection();
    EXPECT_GE(contrast(selected.text, selected.back), 4.5);
}

// Where the design gives several parts of a window one colour (the About
// window's surface and its labels, the text boxes' default background and
// the rate field's open look), they show one colour; in high contrast the
// backgrounds the design names by system colour do.
TEST_P(EveryDesktop, OneColourOfTheDesignShowsAsOneColourInAWindow)
{
    const ColorScheme scheme(GetParam().palette);
    for (const FormDefinition *form : kWindows) {
        std::map<OleColor, std::pair<Rgb, std::string>> shown;
        const auto expectOne = [&](OleColor designed, Rgb rgb, const std::string &part) {
            if (scheme.highContrast() && !isSystemColor(designed))
                return; // high contrast colours fixed ones by what the control is
            const auto [at, fresh] = shown.emplace(designed, std::pair{rgb, part});
            EXPECT_TRUE(fresh || at->second.first == rgb)
                << form->name << ": " << std::hex << designed << " shows as " << hex(at->second.first) << " in "
                << at->second.second << " but as " << hex(rgb) << " in " << part;
        };
        expectOne(form->backColor, scheme.window(*form).back, "the window");
        for (const Shown &s : everything(form)) {
            const Look look = s.in(scheme);
            expectOne(s.back, look.back, s.what + " (background)");
            if (!scheme.highContrast())
                expectOne(s.text(), look.text, s.what + " (text)");
        }
    }
}

TEST_P(EveryDesktop, TheRateFieldKeepsThreeLooks)
{
    const ColorScheme scheme(GetParam().palette);
    const FormDefinition &form = calculator::definition();
    const Look loaded = scheme.control(form, calculator::Text8, 0x00E0E0E0, true);
    const Look open = scheme.control(form, calculator::Text8, 0x80000005u, false);
    const Look lockedAgain = scheme.control(form, calculator::Text8, 0x80000013u, true);
    EXPECT_NE(loaded, open);
    EXPECT_NE(open, lockedAgain);
    EXPECT_NE(loaded, lockedAgain);
}

INSTANTIATE_TEST_SUITE_P(Desktops, EveryDesktop, testing::ValuesIn(desktops()),
                         [](const auto &row) { return std::string(row.param.name); });

// A dark desktop would put its light text on the windows' light colours: the
// colours it leaves open are the design's, and the window looks as designed.
TEST(ColorScheme, ADarkDesktopShowsTheDesignItself)
{
    const ColorScheme dark(desktops()[4].palette);
    const ColorScheme design(classicPalette());
    for (const Shown &s : everything())
        EXPECT_EQ(s.in(dark), s.in(design)) << s.what;
    EXPECT_FALSE(dark.highContrast());
}

// On a light desktop the platform's own colours show where they read as well as designed.
TEST(ColorScheme, ALightDesktopKeepsItsOwnColoursWhereTheyRead)
{
    const SystemPalette fusion = desktops()[1].palette;
    const ColorScheme scheme(fusion);
    EXPECT_EQ(scheme.control(calculator::definition(), calculator::Text2, 0x80000005u, false),
              (Look{0x000000, 0xFFFFFF}));
}

// Pale green on Qt's light blue highlight is 3.2:1, on Windows 10's 3.9:1:
// the About window takes the design's navy, its surface with its labels.
TEST(ColorScheme, TheAboutWindowIsNavyWhereItsTextWouldNotRead)
{
    const FormDefinition &form = about::definition();
    for (const SystemPalette &palette : {desktops()[1].palette, windows10()}) {
        const ColorScheme scheme(palette);
        EXPECT_EQ(scheme.window(form).back, 0x0A246Au);
        EXPECT_EQ(scheme.control(form, about::lblTitle, 0x8000000Du, false), (Look{0xC0FFC0, 0x0A246A}));
    }
    // A highlight the text reads on stays the desktop's, for the labels and the surface alike.
    SystemPalette deep = windows10();
    deep.colors[13] = 0x003366;
    const ColorScheme scheme(deep);
    EXPECT_EQ(scheme.window(form).back, 0x003366u);
    EXPECT_EQ(scheme.control(form, about::lblVersion, 0x8000000Du, false).back, 0x003366u);
}

TEST(ColorScheme, HighContrastUsesOnlyThePlatformsColours)
{
    const SystemPalette black = highContrastBlack();
    const ColorScheme scheme(black);
    EXPECT_TRUE(scheme.highContrast());
    const auto isPlatforms = [&black](Rgb c) {
        return std::find(black.colors.begin(), black.colors.end(), c) != black.colors.end();
    };
    for (const Shown &s : everything()) {
        const Look look = s.in(scheme);
        EXPECT_TRUE(isPlatforms(look.text) && isPlatforms(look.back)) << s.what;
    }
    const FormDefinition &form = calculator::definition();
    EXPECT_EQ(scheme.control(form, calculator::Text3, 0x00E0E0E0, true), (Look{0x3FF23F, 0x000000}))
        << "locked: grey text";
    EXPECT_EQ(scheme.control(form, calculator::Text1, 0x00FFFFFF, false), (Look{0xFFFFFF, 0x000000}));
}

TEST(ColorScheme, ContrastIsWcags)
{
    EXPECT_DOUBLE_EQ(contrast(0x000000, 0xFFFFFF), 21.0);
    EXPECT_DOUBLE_EQ(contrast(0x777777, 0x777777), 1.0);
    EXPECT_NEAR(contrast(0xFF0000, 0xFFFFFF), 4.0, 0.01);
    EXPECT_NEAR(contrast(0x767676, 0xFFFFFF), 4.54, 0.01);
    EXPECT_TRUE(isDark(desktops()[4].palette));
    EXPECT_FALSE(isDark(classicPalette()));
    EXPECT_TRUE(looksHighContrast(highContrastBlack()));
    EXPECT_FALSE(looksHighContrast(desktops()[4].palette)) << "Breeze Dark is dark, not high contrast";
}

} // namespace
