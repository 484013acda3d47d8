// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formevent.h"


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

// The cause of a move the toolkit made itself: to or from another window, a
// menu or a popup it is another window's doing, whatever else is known; the
// toolkit's own Tab, Shift+Tab and click carry theirs; anything else is the
// program's. (A move the host makes carries the cause it was made with.)
FocusCause focusCause(FocusOrigin origin, bool otherEndInThisWindow);

} // namespace kelvastro
