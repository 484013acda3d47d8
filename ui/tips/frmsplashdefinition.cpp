// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tips/frmsplashdefinition.h"

#include <array>

namespace kelvastro::tips {

namespace {

constexpr OleColor kPaleYellow = 0x00C0FFFF;
constexpr FontDef kArialSmall{"Arial", 8.25};

using K = ControlKind;

// Label positions are relative to the panel.
constexpr std::array kControls{
    ControlDef{.name = "Frame1", .kind = K::Frame, .left = 150, .top = 60, .width = 7080, .height = 4050,
               .backColor = kPaleYellow, .tabIndex = 0},
    ControlDef{.name = "Label3", .kind = K::Label, .caption = "kelvastro.test", .left = 5160, .top = 3720,
               .width = 1695, .height = 255, .backColor = kPaleYellow, .tabIndex = 6, .container = Frame1},
    ControlDef{.name = "Label2", .kind = K::Label,
               .caption = "Please follow the tips : Input values should not be 'Zero', Always Put' 0. 'before the "
                          "value if the value is less than 1",
               .left = 120, .top = 3000, .width = 4695, .height = 975, .font = FontDef{"MS Sans Serif", 9.75, true},
               .backColor = kPaleYellow, .tabIndex = 5, .container = Frame1},
    ControlDef{.name = "Label1", .kind = K::Label, .left = 1680, .top = 720, .width = 1935, .height = 255,
               .backColor = kPaleYellow, .tabIndex = 4, .container = Frame1},
    ControlDef{.name = "lblVersion", .kind = K::Label, .caption = "Kelvastro v 1.0", .left = 2400, .top = 1800,
               .width = 1770, .height = 285, .font = FontDef{"Arial", 12, true}, .backColor = kPaleYellow,
               .alignment = Alignment::Right, .tabIndex = 3, .container = Frame1, .autoSize = true},
    ControlDef{.name = "lblCopyright", .kind = K::Label, .caption = "\u00A9 Kelvastro team", .left = 5520,
               .top = 3360, .width = 1335, .height = 255, .font = kArialSmall, .backColor = kPaleYellow,
               .tabIndex = 2, .container = Frame1},
    // Starts left of the panel, so its left part is cut off; right-aligned, its text stays whole.
    ControlDef{.name = "lblLicenseTo", .kind = K::Label, .caption = "Licensed to: the Kelvastro user", .left = -360,
               .top = 240, .width = 6855, .height = 255, .font = kArialSmall, .backColor = kPaleYellow,
               .alignment = Alignment::Right, .tabIndex = 1, .container = Frame1},
};

constexpr std::string_view kNames[] = {"Frame1",     "Label3",       "Label2",      "Label1",
                                       "lblVersion", "lblCopyright", "lblLicenseTo"};
static_assert(namesMatch(kControls, kNames), "the Control numbers follow the rows");

constexpr FormDefinition kDefinition{
    .name = "frmSplash",
    .clientWidth = 7380,
    .clientHeight = 4245,
    .controlBox = false,
    .placement = Placement::CentredOnScreen,
    .backColor = 0x00000080,
    .font = FontDef{"MS Sans Serif", 8.25},
    .keyPreview = true,
    // No title to read out, so the window is named for assistive technology.
    .accessibleName = "Tips",
    .controls = kControls,
};

} // namespace

const FormDefinition &definition() { return kDefinition; }

} // namespace kelvastro::tips
