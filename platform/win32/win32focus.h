// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formevent.h"

#include <windows.h>

namespace kelvastro {

class Win32FormView;

// Where the focus is, as the form hears of it. A move the front end or a
// handler asks for is told to the form first, in the contract's order, and
// Windows moves its own focus once, to where the handlers left it: a screen
// reader hears of one focus change, not of a field the focus only passed
// through. Moves Windows makes itself (another window, a box, activation)
// are told as they come.
class Win32Focus {
public:
    explicit Win32Focus(Win32FormView &view) : m_view(view) {}

    // Moves the focus to `to` with `cause`; Tab and Shift+Tab select the text box they enter.
    void move(ControlId to, FocusCause cause);
    // Windows gave `id` the focus, or took it away, itself; `other` is the window at the other end.
    void arrived(ControlId id, HWND other);
    void left(ControlId id, HWND other);

    ControlId current() const { return m_focused; }
    // The control that has Windows' focus, as its own messages said; none
    // while another window has it. Asking Windows costs a server round trip under Wine.
    ControlId shown() const { return m_shown; }
    // True while a move of the front end's own sets Windows' focus.
    bool moving() const { return m_setting; }
    // The window is being destroyed or hidden: no one hears of the focus any more.
    void forget();

private:
    void applyToWindows();

    Win32FormView &m_view;
    ControlId m_focused = kNoControl;  // where the focus is, or returns to when the window is active again
    ControlId m_announced = kNoControl; // the control that heard it got the focus, until it hears it lost it
    ControlId m_shown = kNoControl;
    int m_depth = 0;                    // moves under way, one inside another's handler
    bool m_setting = false;
};

} // namespace kelvastro
