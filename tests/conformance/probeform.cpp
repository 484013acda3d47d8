// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/conformance/probeform.h"

#include <array>

namespace kelvastro::conformance {

namespace {

using K = ControlKind;

constexpr std::array kControls{
    ControlDef{.name = "nameLabel", .kind = K::Label, .caption = "First", .left = 120, .top = 120, .width = 1200,
               .height = 300, .tabIndex = 5, .buddy = 1},
    ControlDef{.name = "first", .kind = K::TextBox, .left = 1440, .top = 120, .width = 1800, .height = 400,
               .tabIndex = 0},
    ControlDef{.name = "second", .kind = K::TextBox, .left = 1440, .top = 720, .width = 1800, .height = 400,
               .tabIndex = 1, .accessibleName = "Second"},
    ControlDef{.name = "third", .kind = K::TextBox, .left = 1440, .top = 1320, .width = 1800, .height = 400,
               .locked = true, .tabIndex = 2, .accessibleName = "Third"},
    ControlDef{.name = "okButton", .kind = K::Button, .caption = "OK", .left = 3600, .top = 120, .width = 1200,
               .height = 400, .tabIndex = 3},
    ControlDef{.name = "cancelButton", .kind = K::Button, .caption = "Cancel", .left = 3600, .top = 720,
               .width = 1200, .height = 400, .tabIndex = 4, .isCancel = true},
};

constexpr std::string_view kNames[] = {"nameLabel", "first", "second", "third", "okButton", "cancelButton"};
static_assert(namesMatch(kControls, kNames), "the Control numbers follow the rows");

constexpr FormDefinition kDefinition{
    .name = "probe",
    .caption = "Probe",
    .clientWidth = 5040,
    .clientHeight = 2000,
    .startUp = true,
    .backColor = 0x00E0E0E0,
    .font = FontDef{"MS Sans Serif", 8.25},
    .controls = kControls,
};

constexpr FormDefinition kDialog{
    .name = "probeDialog",
    .caption = "Probe dialog",
    .clientWidth = 5040,
    .clientHeight = 2000,
    .placement = Placement::CentredOnScreen,
    .backColor = 0x00E0E0E0,
    .font = FontDef{"MS Sans Serif", 8.25},
    .controls = kControls,
};

const char *causeName(FocusCause cause)
{
    switch (cause) {
    case FocusCause::Tab: return "Tab";
    case FocusCause::ShiftTab: return "ShiftTab";
    case FocusCause::Click: return "Click";
    case FocusCause::OtherWindow: return "OtherWindow";
    case FocusCause::Program: break;
    }
    return "Program";
}

} // namespace

ProbeForm::ProbeForm(FormsServices &services, bool dialog) : Form(services, dialog ? kDialog : kDefinition) {}

void ProbeForm::handle(const FormEvent &event)
{
    const std::string name(definition().control(event.control == kNoControl ? 0 : event.control).name);
    switch (event.kind) {
    case EventKind::Load: events.emplace_back("load"); break;
    case EventKind::TextChanged: events.push_back("changed " + name + " " + view().text(event.control)); break;
    case EventKind::Click: events.push_back("click " + name); break;
    case EventKind::GotFocus: events.push_back("got " + name + " " + causeName(event.cause)); break;
    case EventKind::LostFocus: events.push_back("lost " + name + " " + causeName(event.cause)); break;
    case EventKind::KeyPress: events.emplace_back("key"); break;
    }
    if (react)
        react(event);
}

} // namespace kelvastro::conformance
