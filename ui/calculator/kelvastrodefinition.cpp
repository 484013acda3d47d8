// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculator/kelvastrodefinition.h"

#include <array>

namespace kelvastro::calculator {

namespace {

constexpr OleColor kGrey = 0x00E0E0E0;
constexpr OleColor kWhite = 0x00FFFFFF;
constexpr OleColor kBlue = 0x00FF0000;
constexpr OleColor kRed = 0x000000FF;
constexpr OleColor kGreen = 0x00008000;

constexpr FontDef kBookAntiqua{"Book Antiqua", 12};
constexpr FontDef kSans{"MS Sans Serif", 8.25};
constexpr FontDef kSansLarge{"MS Sans Serif", 9.75};

using K = ControlKind;

constexpr std::array kControls{
    ControlDef{.name = "Label1", .kind = K::Label, .caption = "Buying Price", .left = 360, .top = 360, .width = 1935,
               .height = 375, .font = kBookAntiqua, .foreColor = kBlue, .backColor = kGrey, .tabIndex = 1,
               .buddy = Text1},
    ControlDef{.name = "Text1", .kind = K::TextBox, .caption = "Text1", .left = 4200, .top = 240, .width = 1935,
               .height = 495, .foreColor = kGreen, .backColor = kWhite, .tabIndex = 0},
    ControlDef{.name = "Label2", .kind = K::Label, .caption = "Quantity", .left = 360, .top = 1200, .width = 1935,
               .height = 375, .font = kBookAntiqua, .foreColor = kBlue, .backColor = kGrey, .tabIndex = 2,
               .buddy = Text2},
    ControlDef{.name = "Text2", .kind = K::TextBox, .caption = "Text2", .left = 4200, .top = 1080, .width = 1935,
               .height = 495, .font = kSans, .tabIndex = 4},
    ControlDef{.name = "Label3", .kind = K::Label, .caption = "Total buying Price including Brokerage", .left = 360,
               .top = 1800, .width = 1935, .height = 975, .font = kBookAntiqua, .foreColor = kBlue,
               .backColor = kGrey, .tabIndex = 3, .buddy = Text3},
    ControlDef{.name = "Command2", .kind = K::Button, .caption = "Change Brokerage %", .left = 2280, .top = 1920,
               .width = 1215, .height = 735, .font = FontDef{"Arial", 9, true}, .backColor = 0x00FFC0C0,
               .tabIndex = 15, .graphical = true, .isCancel = true},
    ControlDef{.name = "Text8", .kind = K::TextBox, .caption = "Text8", .left = 3480, .top = 2040, .width = 615,
               .height = 495, .foreColor = kRed, .backColor = kGrey, .alignment = Alignment::Centre,
               .locked = true, .tabIndex = 14, .accessibleName = "Brokerage %"},
    ControlDef{.name = "Text3", .kind = K::TextBox, .caption = "Text3", .left = 4200, .top = 2040, .width = 1935,
               .height = 495, .font = kSans, .backColor = kGrey, .locked = true, .tabIndex = 5},
    ControlDef{.name = "Label4", .kind = K::Label, .caption = "Req.Bank Balace", .left = 360, .top = 3240,
               .width = 1935, .height = 375, .font = kSansLarge, .foreColor = kBlue, .backColor = kGrey,
               .tabIndex = 7, .buddy = Text4},
    ControlDef{.name = "Text4", .kind = K::TextBox, .caption = "Text4", .left = 4200, .top = 3120, .width = 1935,
               .height = 495, .font = kSans, .foreColor = kBlue, .backColor = kGrey, .locked = true,
               .tabIndex = 6},
    ControlDef{.name = "Label5", .kind = K::Label, .caption = "Selling Price", .left = 360, .top = 4200,
               .width = 1935, .height = 375, .font = kBookAntiqua, .foreColor = kBlue, .backColor = kGrey,
               .tabIndex = 8, .buddy = Text5},
    ControlDef{.name = "Text5", .kind = K::TextBox, .caption = "Text5", .left = 4200, .top = 4080, .width = 1935,
               .height = 495, .foreColor = kRed, .backColor = kWhite, .tabIndex = 9},
    ControlDef{.name = "Label6", .kind = K::Label, .caption = "Total Selling Amount Including Brokerage", .left = 360,
               .top = 4920, .width = 1935, .height = 495, .font = kSansLarge, .foreColor = kBlue,
               .backColor = kGrey, .tabIndex = 11, .buddy = Text6},
    ControlDef{.name = "Text6", .kind = K::TextBox, .caption = "Text6", .left = 4200, .top = 4920, .width = 1935,
               .height = 495, .font = kSans, .backColor = kGrey, .locked = true, .tabIndex = 10},
    ControlDef{.name = "Label7", .kind = K::Label, .caption = "Profit / Loss", .left = 360, .top = 6000,
               .width = 1575, .height = 375, .font = FontDef{"Arial", 12, true}, .foreColor = kRed,
               .backColor = kGrey, .tabIndex = 12, .buddy = Text7},
    ControlDef{.name = "Text7", .kind = K::TextBox, .caption = "Text7", .left = 4200, .top = 5880, .width = 1935,
               .height = 495, .font = FontDef{"Arial", 9.75, true}, .foreColor = kRed, .backColor = kGrey,
               .locked = true, .tabIndex = 13},
    // Screen readers name a field by the label that points at it, so that label carries the unit too.
    ControlDef{.name = "Label8", .kind = K::Label, .caption = "Change in Price", .left = 360, .top = 6840,
               .width = 1935, .height = 375, .font = kSansLarge, .backColor = kGrey, .tabIndex = 16,
               .buddy = Text9, .accessibleName = "Change in Price %"},
    // The unit is part of what the field says; the "%" beside it is only seen.
    ControlDef{.name = "Text9", .kind = K::TextBox, .caption = "text9", .left = 4200, .top = 6720, .width = 1335,
               .height = 495, .font = FontDef{"MS Sans Serif", 12, true}, .foreColor = kGreen, .backColor = kGrey,
               .tabIndex = 17, .accessibleName = "Change in Price %"},
    ControlDef{.name = "Label9", .kind = K::Label, .caption = "%", .left = 5640, .top = 6720, .width = 495,
               .height = 495, .font = FontDef{"MS Sans Serif", 24, true}, .foreColor = 0x00C000C0,
               .backColor = kGrey, .tabIndex = 18},
    ControlDef{.name = "about", .kind = K::MenuItem, .caption = "About", .menuLevel = 1},
    ControlDef{.name = "aboutkelvastro", .kind = K::MenuItem, .caption = "About Kelvastro ", .menuLevel = 2},
    ControlDef{.name = "help", .kind = K::MenuItem, .caption = "Help", .menuLevel = 2},
    ControlDef{.name = "Exit", .kind = K::MenuItem, .caption = "Exit", .menuLevel = 1},
    ControlDef{.name = "status", .kind = K::StatusLine, .font = kSans},
    ControlDef{.name = "copyTrade", .kind = K::Command, .shortcut = "Ctrl+Shift+C"},
};

constexpr std::string_view kNames[] = {
    "Label1", "Text1", "Label2", "Text2", "Label3", "Command2", "Text8", "Text3", "Label4", "Text4", "Label5",
    "Text5", "Label6", "Text6", "Label7", "Text7", "Label8", "Text9", "Label9", "about", "aboutkelvastro", "help",
    "Exit", "status", "copyTrade",
};
static_assert(namesMatch(kControls, kNames), "the Control numbers follow the rows");

constexpr BackColorChange kRateLooks[] = {{Text8, kRateOpenBack}, {Text8, kRateLockedBack}};

constexpr FormDefinition kDefinition{
    .name = "Kelvastro",
    .caption = "Kelvastro   \u00A9 2026 the Kelvastro developers",
    .clientWidth = 6720,
    .clientHeight = 7575,
    .placement = Placement::WindowSystem,
    .startUp = true,
    .backColor = kGrey,
    .font = FontDef{"MS Sans Serif", 8.25, true},
    .controls = kControls,
    .backColorChanges = kRateLooks,
};

} // namespace

const FormDefinition &definition() { return kDefinition; }

} // namespace kelvastro::calculator
