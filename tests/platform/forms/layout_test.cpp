// SPDX-License-Identifier: GPL-3.0-or-later
// Twips to pixels at a DPI, panels' insets and the menu bar as every front
// end builds them from a definition.
#include "platform/forms/menutree.h"
#include "platform/forms/pixels.h"

#include <gtest/gtest.h>

#include <array>

using namespace kelvastro;

namespace {

struct PixelRow {
    int twips, dpi, expected;
};

// Windows' MulDiv rounds half away from zero; 15 twips make a pixel at 96 DPI.
TEST(Pixels, RoundHalfAwayFromZeroAtEveryDpi)
{
    for (const PixelRow &row : {PixelRow{15, 96, 1}, PixelRow{7, 96, 0}, PixelRow{8, 96, 1}, PixelRow{-360, 96, -24},
                                PixelRow{-352, 96, -23}, PixelRow{-353, 96, -24}, PixelRow{6720, 96, 448},
                                PixelRow{6720, 144, 672}, PixelRow{7575, 120, 631}, PixelRow{7575, 192, 1010},
                                PixelRow{1, 720, 1}, PixelRow{0, 144, 0}})
        EXPECT_EQ(pixels(row.twips, row.dpi), row.expected) << row.twips << " twips at " << row.dpi;
}

using K = ControlKind;

constexpr std::array kControls{
    ControlDef{.name = "panel", .kind = K::Frame, .left = 150, .top = 60, .width = 7080, .height = 4050},
    ControlDef{.name = "inside", .kind = K::Label, .left = -360, .top = 240, .width = 6855, .height = 255,
               .container = 0},
    ControlDef{.name = "outside", .kind = K::Label, .left = 360, .top = 240, .width = 150, .height = 255},
    ControlDef{.name = "stray", .kind = K::MenuItem, .caption = "Stray", .menuLevel = 2},
    ControlDef{.name = "file", .kind = K::MenuItem, .caption = "File", .menuLevel = 1},
    ControlDef{.name = "open", .kind = K::MenuItem, .caption = "Open", .menuLevel = 2},
    ControlDef{.name = "between", .kind = K::Label},
    ControlDef{.name = "save", .kind = K::MenuItem, .caption = "Save", .menuLevel = 2},
    ControlDef{.name = "quit", .kind = K::MenuItem, .caption = "Quit", .menuLevel = 1},
    ControlDef{.name = "view", .kind = K::MenuItem, .caption = "View", .menuLevel = 1},
    ControlDef{.name = "zoom", .kind = K::MenuItem, .caption = "Zoom", .menuLevel = 2},
};
constexpr FormDefinition kForm{.name = "layout", .clientWidth = 7380, .clientHeight = 4245, .controls = kControls};

TEST(Pixels, AControlInAPanelMovesByThePanelsInsetOnly)
{
    EXPECT_EQ(controlRect(kForm, 1, 96, 1, 1), (PixelRect{-25, 15, 457, 17}));
    EXPECT_EQ(controlRect(kForm, 1, 192, 2, 2), (PixelRect{-50, 30, 914, 34}));
    EXPECT_EQ(controlRect(kForm, 2, 96, 1, 1), (PixelRect{24, 16, 10, 17})); // not in the panel
    EXPECT_EQ(clientRect(kForm, 144), (PixelRect{0, 0, 738, 425}));
}

TEST(MenuTree, LevelTwoItemsGoIntoTheDropDownOfTheLevelOneItemBefore)
{
    const std::vector<MenuEntry> expected{{4, {5, 7}}, {8, {}}, {9, {10}}};
    EXPECT_EQ(menuTree(kForm), expected);
}

} // namespace
