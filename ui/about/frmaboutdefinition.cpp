// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about/frmaboutdefinition.h"

#include <array>

namespace kelvastro::about {

namespace {

constexpr OleColor kHighlight = 0x8000000D;
constexpr OleColor kPaleGreen = 0x00C0FFC0;
constexpr FontDef kBold{"MS Sans Serif", 8.25, true};

using K = ControlKind;

// Standard buttons: their stored colour shows only on a graphical button.
// A line's left, top, width and height are its end points.
constexpr std::array kControls{
    ControlDef{.name = "cmdOK", .kind = K::Button, .caption = "OK", .left = 4200, .top = 2640, .width = 1260,
               .height = 345, .backColor = kPaleGreen, .tabIndex = 0, .isDefault = true, .isCancel = true},
    ControlDef{.name = "cmdSysInfo", .kind = K::Button, .caption = "&System Info...", .left = 4260, .top = 3075,
               .width = 1245, .height = 345, .backColor = kPaleGreen, .tabIndex = 1},
    ControlDef{.name = "Line1", .kind = K::Line, .left = 90, .top = 2445, .width = 5654, .height = 2445,
               .foreColor = 0x0000FF00, .lineWidth = 1},
    ControlDef{.name = "lblDescription", .kind = K::Label, .caption = "Happy Trading", .left = 1200, .top = 1200,
               .width = 1365, .height = 450, .font = kBold, .foreColor = kPaleGreen, .backColor = kHighlight,
               .tabIndex = 2},
    ControlDef{.name = "lblTitle", .kind = K::Label, .left = 1050, .top = 240, .width = 3885, .height = 480,
               .font = kBold, .foreColor = kPaleGreen, .backColor = kHighlight, .tabIndex = 4},
    ControlDef{.name = "Line1", .kind = K::Line, .left = 105, .top = 2460, .width = 5654, .height = 2460,
               .foreColor = 0x00FFFFFF, .lineWidth = 2},
    ControlDef{.name = "lblVersion", .kind = K::Label, .left = 1050, .top = 780, .width = 3885, .height = 225,
               .font = kBold, .foreColor = kPaleGreen, .backColor = kHighlight, .tabIndex = 5},
    ControlDef{.name = "lblDisclaimer", .kind = K::Label,
               .caption = "Please follow this tips : Input values should not be 'Zero', Always Put' 0. 'before the "
                          "value if the value is less than 1",
               .left = 240, .top = 2625, .width = 3735, .height = 585, .font = kBold, .foreColor = kPaleGreen,
               .backColor = kHighlight, .tabIndex = 3},
};

constexpr std::string_view kNames[] = {"cmdOK",    "cmdSysInfo", "Line1",      "lblDescription",
                                       "lblTitle", "Line1",      "lblVersion", "lblDisclaimer"};
static_assert(namesMatch(kControls, kNames), "the Control numbers follow the rows");

constexpr FormDefinition kDefinition{
    .name = "frmAbout",
    .clientWidth = 5805,
    .clientHeight = 3750,
    .controlBox = true,
    .placement = Placement::Fixed,
    .left = 2340,
    .top = 1935,
    .backColor = kHighlight,
    .font = FontDef{"MS Sans Serif", 8.25},
    .controls = kControls,
};

} // namespace

const FormDefinition &definition() { return kDefinition; }

} // namespace kelvastro::about
