// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formdefinition.h"

namespace kelvastro {

// Why the focus moved: the checks on leaving a field and the forwarding past
// result fields depend on it.
enum class FocusCause : std::uint8_t {
    Tab,
    ShiftTab,
    Click,
    OtherWindow, // another window, a menu, a message box or another program took or gave back the focus
    Program,     // a handler gave it
};

enum class EventKind : std::uint8_t { Load, TextChanged, Click, GotFocus, LostFocus, KeyPress };

// What a front end delivers to a window's handlers, one at a time.
struct FormEvent {
    EventKind kind = EventKind::Load;
    ControlId control = kNoControl;
    FocusCause cause = FocusCause::Program; // GotFocus, LostFocus
    // KeyPress: the character the key produces, 0 for none. Enter gives '\r',
    // Escape 0x1B, Backspace '\b', Delete 0x7F, Ctrl+letter its control character.
    char32_t character = 0;
};

} // namespace kelvastro
