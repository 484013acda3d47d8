// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formevent.h"

#include <string>
#include <string_view>

namespace kelvastro {

// One window as its handlers see it: what they may do to its controls, and
// the events Form::handle hears. FormHost (formhost.h) keeps this contract
// for every front end; tests/conformance checks each one against it.
//
// Events
// - One at a time, on the one user-interface thread; a handler runs to its
//   end before the next event is delivered, except for the nested loop of a
//   modal window or message box that a handler opens.
// - Focus moving from A to B: A hears LostFocus, then B hears GotFocus, both
//   with the move's cause. If a handler of A's LostFocus moves the focus on
//   (or back), B never hears of the move that was overtaken; whatever a
//   handler moves the focus to hears of its arrival once.
// - The cause: Tab and ShiftTab for the keys, Click for a mouse press on the
//   control, OtherWindow when the other end of the move is no control of this
//   window (a message box, a menu, another window or program, activation),
//   and for a move a handler asked for, the cause it gave (Program if none).
// - A text box the focus enters with Tab or ShiftTab, its own or forwarded,
//   has its whole text selected, so typing replaces it; a click or the
//   program's move selects nothing.
// - TextChanged: once after every change of a text box's text, typed, pasted
//   or written with setText; never for a write that leaves the text as it was.
// - Click: a button, menu item, panel or command activated by the mouse or
//   the keyboard (its access key, Enter or Escape as the definition says). A
//   button whose press was refused the focus (a field took it back) is not
//   pressed. A click on a label, or on the window off every control, is none.
// - KeyPress: to a window with key preview only, for each key that produces
//   a character, before any control; the key goes no further. Enter gives
//   '\r', Escape 0x1B, Backspace '\b', Delete 0x7F, Ctrl+letter its control
//   character; a key that produces none (arrows, F-keys, Shift) gives no event.
// - Load: once per showing, before the window is seen and before any focus.
class FormView {
public:
    virtual ~FormView() = default;

    // A text box's text, a label's, button's or status line's caption, read back exactly as set or typed.
    virtual std::string text(ControlId id) const = 0;
    // Setting a text box's text raises its text-changed event when the text
    // changes; a box without the focus then shows the text from its first character.
    virtual void setText(ControlId id, std::string_view text) = 0;
    virtual void setCaption(std::string_view caption) = 0;
    // A locked text box keeps its text and can take the focus, but cannot be edited.
    virtual void setLocked(ControlId id, bool locked) = 0;
    virtual void setBackColor(ControlId id, OleColor color) = 0;
    // The control holds the focus when this returns, unless a handler that
    // the move sets off moves it again; the events it raises carry `cause`.
    virtual void setFocus(ControlId id, FocusCause cause = FocusCause::Program) = 0;
    virtual ControlId focus() const = 0;
};

} // namespace kelvastro
