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

// The About window's double rule: a 1 px line, and a 2 px one growing down
// from its own end points, so that it does not cover the first.
TEST(Pixels, ALineCoversItsWidthDownAndRightFromItsEnds)
{
    const ControlDef thin{.kind = K::Line, .left = 90, .top = 2445, .width = 5654, .height = 2445};
    const ControlDef wide{.kind = K::Line, .left = 105, .top = 2460, .width = 5654, .height = 2460, .lineWidth = 2};
    const ControlDef down{.kind = K::Line, .left = 100, .top = 100, .width = 100, .height = 1000};
    EXPECT_EQ(lineRect(thin, 96), (PixelRect{6, 163, 371, 1}));
    EXPECT_EQ(lineRect(wide, 96), (PixelRect{7, 164, 370, 2}));
    EXPECT_EQ(lineRect(wide, 144), (PixelRect{11, 246, 554, 3}));
    EXPECT_EQ(lineRect(down, 96), (PixelRect{7, 7, 1, 60}));
}

constexpr FormDefinition kFixed{.clientWidth = 5805, .clientHeight = 3750, .placement = Placement::Fixed,
                                .left = 2340, .top = 1935};
constexpr FormDefinition kCentred{.clientWidth = 7380, .clientHeight = 4245, .placement = Placement::CentredOnScreen};
constexpr FormDefinition kMain{.clientWidth = 6720, .clientHeight = 7575, .startUp = true};

struct PlaceRow {
    const char *what;
    const FormDefinition *form;
    PixelRect client;
    FrameMargins frame;
    PixelRect current, work;
    PixelRect expected;
};

TEST(PlaceWindow, AtItsPlaceWhereItFitsAndAllOnTheScreenWhereNot)
{
    const PlaceRow rows[] = {
        {"fixed: its client corner at 156, 129", &kFixed, {0, 0, 387, 250}, {3, 26, 3, 3}, {}, {0, 0, 1366, 738},
         {153, 103, 393, 279}},
        {"fixed, on a narrow screen: moved left until it fits", &kFixed, {0, 0, 387, 250}, {3, 26, 3, 3}, {},
         {0, 0, 500, 400}, {107, 103, 393, 279}},
        {"fixed, under a task bar at the top", &kFixed, {0, 0, 387, 250}, {3, 26, 3, 3}, {}, {0, 120, 800, 480},
         {153, 120, 393, 279}},
        {"centred", &kCentred, {0, 0, 492, 283}, {}, {}, {0, 0, 1024, 768}, {266, 242, 492, 283}},
        {"centred on a second screen", &kCentred, {0, 0, 492, 283}, {}, {}, {1024, 0, 800, 600},
         {1178, 158, 492, 283}},
        {"centred on a screen narrower than it: from the left edge", &kCentred, {0, 0, 492, 283}, {}, {},
         {0, 0, 400, 400}, {0, 58, 492, 283}},
        {"the start-up window where the window system put it", &kMain, {0, 0, 448, 530}, {8, 51, 8, 8},
         {100, 50, 0, 0}, {0, 0, 1366, 738}, {100, 50, 464, 589}},
        {"the start-up window on a short screen: cut to it, room for the scroll bar", &kMain, {0, 0, 448, 530},
         {8, 51, 8, 8}, {100, 50, 0, 0}, {0, 0, 1024, 500}, {100, 0, 481, 500}},
        {"the start-up window on a tiny screen: no larger than it", &kMain, {0, 0, 448, 530}, {8, 51, 8, 8},
         {100, 50, 0, 0}, {0, 0, 320, 240}, {0, 0, 320, 240}},
    };
    for (const PlaceRow &row : rows)
        EXPECT_EQ(placeWindow(*row.form, row.client, row.frame, row.current, row.work, 96, 17), row.expected)
            << row.what;
}

TEST(MenuTree, LevelTwoItemsGoIntoTheDropDownOfTheLevelOneItemBefore)
{
    const std::vector<MenuEntry> expected{{4, {5, 7}}, {8, {}}, {9, {10}}};
    EXPECT_EQ(menuTree(kForm), expected);
}

} // namespace
