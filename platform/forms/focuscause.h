// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formevent.h"

#include <optional>

namespace kelvastro {

// How a toolkit says the focus moved, in words every toolkit has.
enum class FocusOrigin : std::uint8_t {
    Tab,
    ShiftTab,
    Click,
    Activation, // a window was activated or deactivated
    Popup,      // a menu or popup opened or closed
    MenuBar,    // the menu bar took or gave back the keyboard
    Other,      // the program, or a toolkit that does not say
};

// The cause a focus event carries: a move to or from another window, a menu
// or a popup is another window's doing, whatever else is known; a move that a
// handler or the front end asked for carries the cause it was asked with; the
// toolkit's own Tab, Shift+Tab and click carry theirs; anything else is the
// program's.
FocusCause focusCause(FocusOrigin origin, bool otherEndInThisWindow, std::optional<FocusCause> requested = {});

} // namespace kelvastro
