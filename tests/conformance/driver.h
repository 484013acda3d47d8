// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/colorscheme.h"
#include "platform/forms/form.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kelvastro::conformance {

// Characters of a text box's text, from `start` to `end`; the caret is at `end`.
struct Selection {
    int start = 0;
    int end = 0;
    bool operator==(const Selection &) const = default;
};

// Keys as a person presses them; each front end sends them the way its
// toolkit receives them.
enum class Key : std::uint8_t {
    Tab,
    ShiftTab,
    Enter,
    Escape,
    Space,
    Backspace,
    Delete,
    Left,
    End,
    F2,
    CtrlA,
    AltS,
    CtrlShiftC,
    LoneSurrogate, // an input method's broken output: half of a surrogate pair
};

// One front end as a person meets it, for the rows of the conformance suite:
// what the user does, and what the windows show and ask for. The rows are
// written once against this and run on the fake, on Qt offscreen and on
// Win32 under Wine.
class Driver {
public:
    virtual ~Driver() = default;

    virtual FormsServices &forms() = 0;
    // Shows the start-up window and waits until it takes input.
    virtual void start(Form &main) = 0;

    // Into the control with the focus of the active window, one change per character.
    virtual void type(std::string_view utf8) = 0;
    virtual void press(Key key) = 0;
    // The mouse on the control (a menu item: choosing it); kNoControl: on the
    // window's own surface, off every control.
    virtual void click(Form &form, ControlId id) = 0;
    virtual void closeBox(Form &form) = 0;

    virtual std::string text(Form &form, ControlId id) = 0;
    virtual Selection selection(Form &form, ControlId id) = 0;
    virtual ControlId focus(Form &form) = 0;
    virtual bool locked(Form &form, ControlId id) = 0;
    // What the control paints its text and background in.
    virtual Look look(Form &form, ControlId id) = 0;
    // The colour rule against this front end's desktop.
    virtual ColorScheme scheme() = 0;
    virtual std::string caption(Form &form) = 0;
    virtual bool isOpen(Form &form) = 0;

    // The message boxes shown so far, each closed by its OK button.
    virtual const std::vector<std::string> &messages() = 0;
    // The clipboard's text, with its line ends as '\n'.
    virtual std::string clipboard() = 0;
    virtual bool ended() = 0;

    struct Modal {
        Form *form = nullptr; // the window that `open` showed modally
        bool leftOpen = false;
        bool callerTookInput = false; // the calling window took a click while it was open
    };
    // Runs `user` inside the modal showing that `open` starts, then returns;
    // a window that `user` left open is closed afterwards.
    virtual Modal whileModal(const std::function<void()> &open, const std::function<void(Form &)> &user) = 0;

protected:
    // The course each front end's whileModal takes, with its services' inModal
    // hook: from inside the modal loop `cameUp` lets the window settle and says
    // whether the caller still takes input; the user's steps run and settle.
    template <typename Services>
    Modal runModal(Services &forms, const std::function<void()> &open, const std::function<void(Form &)> &user,
                   const std::function<bool(Form &)> &cameUp, const std::function<void()> &settle)
    {
        Modal result;
        forms.inModal = [&](Form &shown) {
            result.form = &shown;
            result.callerTookInput = cameUp(shown);
            user(shown);
            settle();
            result.leftOpen = isOpen(shown);
            if (result.leftOpen)
                forms.unload(shown);
        };
        open();
        if (forms.inModal) {
            forms.inModal = nullptr;
            ADD_FAILURE() << "no modal window was shown";
        }
        settle();
        return result;
    }
};

// The driver of the front end this test program is built for.
std::unique_ptr<Driver> makeDriver();

} // namespace kelvastro::conformance
